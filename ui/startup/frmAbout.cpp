#include "startup/frmAbout.h"

#include "startup/ProgramInfo.h"

#include "levora/toolkit/colour.h"
#include "levora/toolkit/events.h"
#include "levora/toolkit/fonts.h"
#include "levora/toolkit/twips.h"

#include <QChar>

namespace levora::ui {

namespace {

constexpr toolkit::ColourValue Black = 0x000000;
constexpr toolkit::ColourValue White = 0xFFFFFF;
constexpr toolkit::ColourValue Grey = 0x808080;
constexpr toolkit::ColourValue Olive = 0x426458; // RGB(88, 100, 66)

constexpr double unitsAcross(double twips) { return twips / static_cast<double>(frmAbout::TwipsPerUnitX); }
constexpr double unitsDown(double twips) { return twips / static_cast<double>(frmAbout::TwipsPerUnitY); }

/// Places a control at its designed place, given in twips.
void place(toolkit::ControlProperties& control, double left, double top, double width, double height) {
    control.Move(unitsAcross(left), unitsDown(top), unitsAcross(width), unitsDown(height));
}

/// A line at its designed place, given in twips.
toolkit::Line* line(toolkit::Surface* surface, const QString& name, double x1, double y1, double x2, double y2) {
    auto* rule = new toolkit::Line(surface, name);
    rule->setX1(unitsAcross(x1));
    rule->setY1(unitsDown(y1));
    rule->setX2(unitsAcross(x2));
    rule->setY2(unitsDown(y2));
    return rule;
}

toolkit::Label* label(QWidget* container, const QString& name, const QString& caption) {
    auto* text = new toolkit::Label(container, name);
    text->setFont(toolkit::dialogFont());
    text->setCaption(caption);
    return text;
}

} // namespace

frmAbout::frmAbout()
    : Form(QStringLiteral("frmAbout"), toolkit::BorderStyle::FixedDialog, toolkit::CaptionButtons::CloseOnly, 4755,
           2475) {
    setCaption(QStringLiteral("About Levora"));
    setWindowIcon(QIcon(ProgramInfo::PictureResource()));
    client()->setScale(static_cast<double>(TwipsPerUnitX), static_cast<double>(TwipsPerUnitY));
    picIcon = new toolkit::PictureBox(client(), QStringLiteral("picIcon"));
    place(*picIcon, 240, 240, 960, 960);
    picIcon->setSunkenEdge(true);
    picIcon->setPicture(ProgramInfo::PictureResource());
    picIcon->setAccessibleName(QStringLiteral("Levora"));
    picIcon->setAccessibleDescription(ProgramInfo::PictureDescription());
    lblTitle = label(client(), QStringLiteral("lblTitle"), ProgramInfo::Title());
    place(*lblTitle, 1320, 240, 2805, 255);
    lblTitle->setDescription(QStringLiteral("The name of the program."));
    lblTitle->setFont(toolkit::dialogFont(8.25, true));
    lblTitle->setForeColor(Black);
    lblVersion = label(client(), QStringLiteral("lblVersion"), ProgramInfo::Version());
    place(*lblVersion, 1440, 480, 2670, 195);
    lblVersion->setDescription(QStringLiteral("The version of the program."));
    lblCopyRight = label(client(), QStringLiteral("lblCopyRight"), QString());
    place(*lblCopyRight, 1440, 720, 3015, 225);
    lblCopyRight->setDescription(QStringLiteral("Who holds the copyright of the program."));
    lblCopyRight->setForeColor(Black);
    lblDisclaimer = label(client(), QStringLiteral("lblDisclaimer"), ProgramInfo::RightsNotice());
    place(*lblDisclaimer, 1440, 960, 2670, 375);
    lblDisclaimer->setDescription(QStringLiteral("The rights reserved in the program."));
    // The white line first, so that the grey one lies on its upper edge.
    Line1[0] = line(client(), QStringLiteral("Line1(0)"), 137, 1560, 4566, 1560);
    Line1[0]->setBorderColor(White);
    Line1[0]->setBorderWidth(2);
    Line1[1] = line(client(), QStringLiteral("Line1(1)"), 137, 1545, 4566, 1545);
    Line1[1]->setBorderColor(Grey);
    lblDescription = label(client(), QStringLiteral("lblDescription"), QString());
    place(*lblDescription, 240, 1800, 2715, 330);
    lblDescription->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblDescription->setDescription(QStringLiteral("The web address of the program's maker."));
    cmdOK = new toolkit::CommandButton(client(), QStringLiteral("cmdOK"));
    place(*cmdOK, 3360, 1800, 1020, 345);
    cmdOK->setFont(toolkit::dialogFont());
    cmdOK->setCaption(QStringLiteral("OK"));
    cmdOK->setDescription(QStringLiteral("Closes the About box; Enter and Esc close it too."));
    cmdOK->setDefault(true);
    cmdOK->setCancel(true);
    cmdOK->setFocus();
    toolkit::connectEvent(cmdOK, &toolkit::CommandButton::Click, this, &frmAbout::cmdOK_Click);
}

// Sizes the box and places it a third of the screen, less a quarter of the
// box, from the top left corner; then moves the picture and the web address to
// their places, in the window's units.
void frmAbout::Form_Load() {
    setHeight(2805);
    setWidth(4845);
    setTop(toolkit::Screen::Height() / 3 - Height() / 4);
    setLeft(toolkit::Screen::Width() / 3 - Width() / 4);
    picIcon->setLeft(225.372);
    lblDescription->setHeight(336);
    lblDescription->setTop(1152.392);
    lblDescription->setLeft(235.372);
    lblDescription->setCaption(QStringLiteral("URL:") + QChar(10) + ProgramInfo::WebAddress());
    lblDescription->setVisible(true);
    lblDescription->setForeColor(Olive);
    lblCopyRight->setCaption(ProgramInfo::CopyrightLine());
}

void frmAbout::cmdOK_Click() { Unload(); }

} // namespace levora::ui
