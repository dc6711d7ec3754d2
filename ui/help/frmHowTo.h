#pragma once

// The how-to page: how to give the inputs and read the outputs, as a picture
// of the estimation window with numbered notes, under the Chinese title.

#include "levora/toolkit/controls.h"
#include "levora/toolkit/form.h"

#include <cstdint>

namespace levora::ui {

class frmHowTo : public toolkit::Form {
    Q_OBJECT

public:
    frmHowTo();

    toolkit::Image* Image1 = nullptr;
    toolkit::PictureBox* Picture1 = nullptr;

protected:
    void Form_Load() override;
    void Form_Unload(std::int16_t& Cancel) override;
    void Form_Resize() override;
};

} // namespace levora::ui

namespace levora::forms {

inline toolkit::FormInstance<ui::frmHowTo> frmHowTo;

} // namespace levora::forms
