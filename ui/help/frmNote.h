#pragma once

// The notice page: notes on the simulated data and on what the results mean,
// under the flag and the English title.

#include "levora/toolkit/controls.h"
#include "levora/toolkit/form.h"

#include <cstdint>

namespace levora::ui {

class frmNote : public toolkit::Form {
    Q_OBJECT

public:
    frmNote();

    toolkit::PictureBox* Picture2 = nullptr;
    toolkit::Image* Image1 = nullptr;
    toolkit::Label* Label1 = nullptr;
    toolkit::PictureBox* Picture1 = nullptr;

protected:
    void Form_Load() override;
    void Form_Unload(std::int16_t& Cancel) override;
    void Form_Resize() override;
};

} // namespace levora::ui

namespace levora::forms {

inline toolkit::FormInstance<ui::frmNote> frmNote;

} // namespace levora::forms
