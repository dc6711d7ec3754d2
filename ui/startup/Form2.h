#pragma once

// The map title window: a borderless window over the whole screen with the
// flag in a frame near the top right corner, a rule beside it, the year below
// it, a band in a colour gradient and, hidden, a map of East Asia and a large
// flag. The start-up sequence loads it and hides it; it is never shown, and
// MapWindowLoaded records while it is loaded.

#include "levora/toolkit/controls.h"
#include "levora/toolkit/form.h"
#include "levora/toolkit/line.h"

namespace levora::ui {

class Form2 : public toolkit::Form {
    Q_OBJECT

public:
    Form2();

    toolkit::PictureBox* picFlagFrame = nullptr;
    toolkit::Image* imgFlag = nullptr;
    toolkit::Line* Line1 = nullptr;
    toolkit::Label* lblYear = nullptr;
    toolkit::PictureBox* picBand = nullptr;
    toolkit::Image* imgMap = nullptr;
    toolkit::Image* imgFlagLarge = nullptr;

protected:
    void Form_Load() override;
    void Form_Unload(std::int16_t& Cancel) override;
};

} // namespace levora::ui

namespace levora::forms {

inline toolkit::FormInstance<ui::Form2> Form2;

} // namespace levora::forms
