#include "startup/frmStartup.h"

#include "main/Form1.h"
#include "startup/Form2.h"
#include "startup/ProgramInfo.h"

#include "levora/toolkit/colour.h"
#include "levora/toolkit/events.h"
#include "levora/toolkit/fonts.h"
#include "levora/toolkit/runtime.h"
#include "levora/toolkit/twips.h"

namespace levora::ui {

namespace {

toolkit::Label* label(QWidget* container, const QString& name) {
    auto* text = new toolkit::Label(container, name);
    text->setFont(toolkit::dialogFont());
    text->setForeColor(toolkit::systemColour(toolkit::SystemColour::WindowText));
    return text;
}

} // namespace

frmStartup::frmStartup()
    : Form(QStringLiteral("frmStartup"), toolkit::BorderStyle::FixedSingle, toolkit::CaptionButtons::CloseOnly,
           4170, 1275) {
    setCaption(QStringLiteral(" Starting up ..."));
    setWindowIcon(QIcon(ProgramInfo::PictureResource()));
    picIcon = new toolkit::PictureBox(client(), QStringLiteral("picIcon"));
    picIcon->Move(120, 120, 960, 960);
    picIcon->setSunkenEdge(true);
    picIcon->setPicture(ProgramInfo::PictureResource());
    picIcon->setAccessibleName(QStringLiteral("Levora"));
    picIcon->setAccessibleDescription(ProgramInfo::PictureDescription());
    lblTitle = label(client(), QStringLiteral("lblTitle"));
    lblTitle->Move(1320, 120, 2415, 255);
    lblTitle->setFont(toolkit::dialogFont(8.25, true));
    lblTitle->setCaption(ProgramInfo::Title());
    lblTitle->setDescription(QStringLiteral("The name of the program, which is starting up."));
    lblVersion = label(client(), QStringLiteral("lblVersion"));
    lblVersion->Move(1320, 360, 2535, 195);
    lblVersion->setCaption(ProgramInfo::Version());
    lblVersion->setDescription(QStringLiteral("The version of the program."));
    lblDisclaimer = label(client(), QStringLiteral("lblDisclaimer"));
    lblDisclaimer->Move(1320, 600, 2055, 225);
    lblDisclaimer->setDescription(QStringLiteral("Who holds the copyright of the program."));
    Label1 = label(client(), QStringLiteral("Label1"));
    Label1->Move(1320, 840, 2055, 255);
    Label1->setDescription(QStringLiteral("Who wrote the program."));
    Timer1 = new toolkit::IntervalTimer(this, QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    toolkit::connectEvent(Timer1, &toolkit::IntervalTimer::Timer, this, &frmStartup::Timer1_Timer);
    // The splash is the first window, shown before the window manager's frame
    // is known: placed by its assumed outer size, it goes where the real one
    // puts it once the frame is learnt.
    connect(this, &Form::outerSizeCorrected, this, [this] {
        try {
            placeOnScreen();
        } catch (const toolkit::RunTimeError&) {
            // Left where it is, as when the first placement fails.
        }
    });
}

// Shows the splash, then places it 40 % of the free height from the top of
// the screen and centred across, and writes its two text lines.
void frmStartup::Form_Load() {
    try {
        Show();
        placeOnScreen();
        lblDisclaimer->setCaption(ProgramInfo::CopyrightLine());
        Label1->setCaption(ProgramInfo::AuthorLine());
    } catch (const toolkit::RunTimeError&) {
        // The splash stays where it is; the timer still starts the program.
    }
}

void frmStartup::placeOnScreen() {
    setTop(toolkit::Screen::Height() / 2.5 - Height() / 2.5);
    setLeft(toolkit::Screen::Width() / 2 - Width() / 2);
}

// The start-up sequence. Every step may run again on a later tick; loading a
// loaded window and hiding a hidden one change nothing.
void frmStartup::Timer1_Timer() {
    try {
        beforeStartupStep(StartupStep::LoadMapWindow);
        forms::Form2.Load();
        beforeStartupStep(StartupStep::HideMapWindow);
        forms::Form2->Hide();
        beforeStartupStep(StartupStep::LoadMainWindow);
        forms::Form1.Load();
        beforeStartupStep(StartupStep::ShowMainWindow);
        forms::Form1->Show();
        beforeStartupStep(StartupStep::UnloadSplash);
        Unload();
    } catch (const toolkit::RunTimeError&) {
        // The splash stays up; the next tick tries again.
    }
}

} // namespace levora::ui
