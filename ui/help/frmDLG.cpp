#include "help/frmDLG.h"

#include "help/MDIForm1.h"
#include "shared/ProgramFlags.h"
#include "shared/picture.h"

#include "levora/toolkit/events.h"

namespace levora::ui {

using toolkit::systemColour;
using toolkit::SystemColour;

namespace {

toolkit::Image* link(QWidget* container, const char* name, const char* resource, const QString& toolTip,
                     double top, double width) {
    toolkit::Image* image =
        picture(container, QString::fromLatin1(name), QString::fromLatin1(resource), toolTip, toolTip);
    image->Move(720, top, width, 300);
    image->setMouseIcon(pointingHand());
    image->setRole(toolkit::PictureRole::Link);
    image->setTabStop(true);
    return image;
}

} // namespace

frmDLG::frmDLG() : Form(QStringLiteral("frmDLG"), &helpWindow, 6000, 4000) {
    Image5 = picture(client(), QStringLiteral("Image5"), QStringLiteral("topics_title"), QString(),
                     QStringLiteral("Help essentials"));
    Image5->setAccessibleName(QStringLiteral("Help essentials"));
    Image5->Move(720, 600, 1005, 330);
    Image2 = link(client(), "Image2", "link_notice", QStringLiteral("Notice the data and results"), 1200, 2280);
    Image3 = link(client(), "Image3", "link_howto", QStringLiteral("How to get inputs and outputs"), 1680, 1935);
    Image4 = link(client(), "Image4", "link_glossary", QStringLiteral("Glossary"), 2160, 540);
    Image5->setDescription(QStringLiteral("The title of the help topics."));
    Image2->setDescription(QStringLiteral("Opens the page of notes on the data and the results."));
    Image3->setDescription(QStringLiteral("Opens the page on how to give the inputs and read the outputs."));
    Image4->setDescription(QStringLiteral("Opens the glossary of the terms the program uses."));
    Image2->setFocus();
    toolkit::connectEvent(Image2, &toolkit::Image::Click, this, &frmDLG::Image2_Click);
    toolkit::connectEvent(Image3, &toolkit::Image::Click, this, &frmDLG::Image3_Click);
    toolkit::connectEvent(Image4, &toolkit::Image::Click, this, &frmDLG::Image4_Click);
}

void frmDLG::Form_Load() {
    setHeight(4000);
    setWidth(6000);
    setTop(0);
    setLeft(0);
    forms::MDIForm1->setBackColor(systemColour(SystemColour::WindowBackground));
    setBackColor(systemColour(SystemColour::WindowBackground));
    forms::MDIForm1->setCaption(QStringLiteral("Help - Topics"));
    TopicsDialogOpen = 1;
}

void frmDLG::Form_Unload(std::int16_t& Cancel) {
    static_cast<void>(Cancel);
    TopicsDialogOpen = 0;
}

void frmDLG::Image2_Click() { forms::MDIForm1->Command2_Click(); }

void frmDLG::Image3_Click() { forms::MDIForm1->command3_Click(); }

void frmDLG::Image4_Click() { forms::MDIForm1->Command4_Click(); }

} // namespace levora::ui
