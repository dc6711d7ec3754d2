#include "main/frmWarning.h"

#include "levora/toolkit/events.h"
#include "levora/toolkit/twips.h"

#include <QIcon>

namespace levora::ui {

frmWarning::frmWarning()
    : Form(QStringLiteral("frmWarning"), toolkit::BorderStyle::FixedDialog, toolkit::CaptionButtons::CloseOnly,
           3885, 3720) {
    setCaption(QStringLiteral("Input Problem"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/document_icon_16.png")));
    Image1 = new toolkit::Image(client(), QStringLiteral("Image1"));
    Image1->Move(720, 360, 1980, 1905);
    Image1->setPicture(QStringLiteral(":/pictures/warning_message.png"));
    Image1->setToolTipText(QStringLiteral("Input problem"));
    Image1->setDescription(QStringLiteral(
        "The input is wrong, please try again. Likely reasons: the tax amount entered is too large or not valid "
        "data, or no elasticity or income range was chosen from the lists."));
    Image2 = new toolkit::Image(client(), QStringLiteral("Image2"));
    Image2->Move(480, 2760, 360, 330);
    Image2->setPicture(QStringLiteral(":/pictures/smile.png"));
    Image2->setToolTipText(QStringLiteral("Smile"));
    Image2->setDescription(QStringLiteral("A small yellow smiling face"));
    OKButton = new toolkit::CommandButton(client(), QStringLiteral("OKButton"));
    OKButton->Move(2400, 2880, 855, 375);
    OKButton->setCaption(QStringLiteral("OK"));
    OKButton->setDescription(QStringLiteral("Closes the message; Enter and Esc close it too."));
    OKButton->setDefault(true);
    OKButton->setCancel(true);
    OKButton->setFocus();
    toolkit::connectEvent(OKButton, &toolkit::CommandButton::Click, this, &frmWarning::OKButton_Click);
}

// Sizes the dialog and places it a quarter of the free space from the top
// left corner of the screen, in single precision.
void frmWarning::Form_Load() {
    setHeight(4170);
    setWidth(4005);
    const float top = static_cast<float>(toolkit::Screen::Height()) / 4.0F - static_cast<float>(Height()) / 4.0F;
    setTop(static_cast<double>(top));
    const float left = static_cast<float>(toolkit::Screen::Width()) / 4.0F - static_cast<float>(Width()) / 4.0F;
    setLeft(static_cast<double>(left));
}

void frmWarning::Form_Click() { Unload(); }

void frmWarning::OKButton_Click() { Unload(); }

} // namespace levora::ui
