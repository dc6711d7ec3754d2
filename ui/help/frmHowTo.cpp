#include "help/frmHowTo.h"

#include "help/HelpPage.h"
#include "help/MDIForm1.h"
#include "shared/ProgramFlags.h"
#include "shared/picture.h"

#include "levora/help_texts.h"

namespace levora::ui {

using toolkit::systemColour;
using toolkit::SystemColour;

frmHowTo::frmHowTo() : Form(QStringLiteral("frmHowTo"), &helpWindow, 8000, 6000) {
    Image1 = picture(client(), QStringLiteral("Image1"), QStringLiteral("howto_title"), QString(),
                     QStringLiteral("How to work the inputs and outputs"));
    Image1->setAccessibleName(QStringLiteral("How to work the inputs and outputs"));
    Image1->Move(0, 0, 2250, 420);
    Picture1 = pagePicture(client(), "howto_page", QStringLiteral("How to get inputs and outputs"),
                           help::howToPageText());
}

// The page is hidden while it is laid out; the help window's command shows it
// right after the load.
void frmHowTo::Form_Load() {
    setHeight(6000);
    setWidth(8000);
    setTop(0);
    setLeft(0);
    Image1->setTop(600);
    Image1->setLeft(300);
    Picture1->setTop(975);
    Picture1->setLeft(0);
    Picture1->setHeight(ScaleHeight() - Picture1->Top());
    Picture1->setWidth(ScaleWidth());
    Hide();
    setBackColor(systemColour(SystemColour::WindowBackground));
    HowToPageOpen = 1;
}

void frmHowTo::Form_Resize() {
    // The layout is made once, at load.
}

void frmHowTo::Form_Unload(std::int16_t& Cancel) {
    static_cast<void>(Cancel);
    HowToPageOpen = 0;
}

} // namespace levora::ui
