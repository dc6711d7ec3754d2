#pragma once

// The glossary page: a table of seven terms with a Chinese and an English
// definition each, under the English and the Chinese title. The page is
// larger than the help window, which scrolls it.

#include "levora/toolkit/controls.h"
#include "levora/toolkit/form.h"

#include <cstdint>

namespace levora::ui {

class frmGloss : public toolkit::Form {
    Q_OBJECT

public:
    frmGloss();

    toolkit::Label* Label1 = nullptr;
    toolkit::Image* Image1 = nullptr;
    toolkit::PictureBox* Picture1 = nullptr;

protected:
    void Form_Load() override;
    void Form_Unload(std::int16_t& Cancel) override;
    void Form_Resize() override;
};

} // namespace levora::ui

namespace levora::forms {

inline toolkit::FormInstance<ui::frmGloss> frmGloss;

} // namespace levora::forms
