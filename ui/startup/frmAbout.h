#pragma once

// The About box: the program picture, title, version, copyright, a rights
// notice and the web address, above an etched rule and an OK button. Its
// client area has a scale of its own. Every opening loads a fresh window.

#include "levora/toolkit/controls.h"
#include "levora/toolkit/form.h"
#include "levora/toolkit/line.h"

#include <array>

namespace levora::ui {

class frmAbout : public toolkit::Form {
    Q_OBJECT

public:
    frmAbout();

    /// Twips per unit of the client area, across and down (single precision).
    static constexpr float TwipsPerUnitX = 1.0649041F;
    static constexpr float TwipsPerUnitY = 1.4488173F;

    toolkit::PictureBox* picIcon = nullptr;
    toolkit::Label* lblTitle = nullptr;
    toolkit::Label* lblVersion = nullptr;
    toolkit::Label* lblCopyRight = nullptr;
    toolkit::Label* lblDisclaimer = nullptr;
    /// The etched rule: Line1[0] the white line below, Line1[1] the grey one.
    std::array<toolkit::Line*, 2> Line1{};
    toolkit::Label* lblDescription = nullptr;
    toolkit::CommandButton* cmdOK = nullptr;

protected:
    void Form_Load() override;

private:
    void cmdOK_Click();
};

} // namespace levora::ui

namespace levora::forms {

inline toolkit::FormInstance<ui::frmAbout> frmAbout;

} // namespace levora::forms
