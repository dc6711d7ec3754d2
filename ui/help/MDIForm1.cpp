#include "help/MDIForm1.h"

#include "help/frmDLG.h"
#include "help/frmGloss.h"
#include "help/frmHowTo.h"
#include "help/frmNote.h"
#include "main/Form1.h"
#include "shared/ProgramFlags.h"
#include "shared/picture.h"

#include "levora/toolkit/events.h"
#include "levora/toolkit/runtime.h"
#include "levora/toolkit/twips.h"

#include <QIcon>
#include <QMenuBar>

namespace levora::ui {

using toolkit::systemColour;
using toolkit::SystemColour;

toolkit::MdiForm& helpWindow() { return forms::MDIForm1.get(); }

MDIForm1::MDIForm1() : MdiForm(QStringLiteral("MDIForm1"), 6600, 6574) {
    setCaption(QStringLiteral("Help-Levora"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/help_icon_16.png"));
    icon.addFile(QStringLiteral(":/pictures/help_icon_32.png"));
    setWindowIcon(icon);
    buildMenu();
    buildToolBar();
    connectEvents();
}

void MDIForm1::buildToolBar() {
    picToolBar = new toolkit::PictureBox(client(), QStringLiteral("picToolBar"));
    picToolBar->Move(0, 0, 6600, 405);
    alignTop(picToolBar);
    auto button = [this](const char* name, const char* resource, const QString& toolTip) {
        toolkit::Image* image =
            picture(picToolBar, QString::fromLatin1(name), QString::fromLatin1(resource), toolTip, toolTip);
        image->Move(0, 0, 795, 330);
        image->setMouseIcon(pointingHand());
        // The menu bar carries the same commands for the keyboard.
        image->setRole(toolkit::PictureRole::Button);
        return image;
    };
    Image1 = button("Image1", "help_exit_button", QStringLiteral("Exit"));
    Image2 = button("Image2", "help_notice_button", QStringLiteral("Notice the data and results"));
    Image3 = button("Image3", "help_howto_button", QStringLiteral("How to get inputs and outputs"));
    Image4 = button("Image4", "help_glossary_button", QStringLiteral("Glossary"));
    picToolBar->setAccessibleName(QStringLiteral("Toolbar"));
    picToolBar->setDescription(QStringLiteral("Buttons to close the help and to open each help page."));
    Image1->setDescription(QStringLiteral("Closes the help window."));
    Image2->setDescription(QStringLiteral("Shows the page of notes on the data and the results."));
    Image3->setDescription(QStringLiteral("Shows the page on how to give the inputs and read the outputs."));
    Image4->setDescription(QStringLiteral("Shows the glossary of the terms the program uses."));
}

void MDIForm1::buildMenu() {
    QMenuBar* bar = menu();
    mnuFileExit = bar->addAction(QStringLiteral("E&xit"));
    mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));
    mnuWindow = bar->addMenu(QStringLiteral("&Window"));
    mnuWindow->setObjectName(QStringLiteral("mnuWindow"));
    mnuWindowNotice = mnuWindow->addAction(QStringLiteral("&Notice"));
    mnuWindowNotice->setObjectName(QStringLiteral("mnuWindowNotice"));
    mnuWindowHowTo = mnuWindow->addAction(QStringLiteral("&How to ..."));
    mnuWindowHowTo->setObjectName(QStringLiteral("mnuWindowHowTo"));
    mnuWindow->addSeparator();
    mnuWindowGlossary = mnuWindow->addAction(QStringLiteral("&Glossary"));
    mnuWindowGlossary->setObjectName(QStringLiteral("mnuWindowGlossary"));
}

void MDIForm1::connectEvents() {
    toolkit::connectEvent(Image1, &toolkit::Image::Click, this, &MDIForm1::Image1_Click);
    toolkit::connectEvent(Image2, &toolkit::Image::Click, this, &MDIForm1::Image2_Click);
    toolkit::connectEvent(Image3, &toolkit::Image::Click, this, &MDIForm1::Image3_Click);
    toolkit::connectEvent(Image4, &toolkit::Image::Click, this, &MDIForm1::Image4_Click);
    toolkit::connectEvent(mnuFileExit, &QAction::triggered, this, &MDIForm1::mnuFileExit_Click);
    toolkit::connectEvent(mnuWindowNotice, &QAction::triggered, this, &MDIForm1::mnuWindowNotice_Click);
    toolkit::connectEvent(mnuWindowHowTo, &QAction::triggered, this, &MDIForm1::mnuWindowHowTo_Click);
    toolkit::connectEvent(mnuWindowGlossary, &QAction::triggered, this, &MDIForm1::mnuWindowGlossary_Click);
}

void MDIForm1::MDIForm_Load() {
    setHeight(6800 + 226);
    setWidth(6600 + 226);
    setTop(toolkit::Screen::Height() / 4 - Height() / 4);
    setLeft(toolkit::Screen::Width() / 2 - Width() / 4);
    Image1->setLeft(0);
    for (toolkit::Image* image : {Image1, Image2, Image3, Image4}) {
        image->setHeight(328);
    }
    Image2->setLeft(Image1->Left() + Image1->Width() + 20);
    Image3->setLeft(Image2->Left() + Image2->Width() + 20);
    Image4->setLeft(Image3->Left() + Image3->Width() + 20);
    setBackColor(systemColour(SystemColour::WindowBackground));
    HelpWindowOpen = 1;
}

// The help children are gone by now. The main window is put back in view
// where it stood at start-up; a main window that is itself closing is left
// as it is.
void MDIForm1::MDIForm_Unload(std::int16_t& Cancel) {
    static_cast<void>(Cancel);
    try {
        Form1* main = forms::Form1.existing();
        if (main == nullptr) {
            throw toolkit::RunTimeError(toolkit::Failure::InvalidProcedureCall, "the main window is not loaded");
        }
        main->setWindowState(0);
        main->setTop(toolkit::Screen::Height() / 4 - main->Height() / 4);
        main->setLeft(toolkit::Screen::Width() / 4 - main->Width() / 4);
    } catch (const toolkit::RunTimeError&) {
        // The main window stays where it is.
    }
    HelpWindowOpen = 0;
}

void MDIForm1::Command0_Click() {
    if (NotePageOpen != 0) {
        forms::frmNote.Unload();
    }
    if (HowToPageOpen != 0) {
        forms::frmHowTo.Unload();
    }
    if (GlossaryPageOpen != 0) {
        forms::frmGloss.Unload();
    }
    forms::frmDLG->Show();
}

void MDIForm1::Command2_Click() {
    if (TopicsDialogOpen != 0) {
        forms::frmDLG.Unload();
    }
    if (HowToPageOpen != 0) {
        forms::frmHowTo.Unload();
    }
    if (GlossaryPageOpen != 0) {
        forms::frmGloss.Unload();
    }
    forms::frmNote->Show();
    showPage(QStringLiteral("Help - Notice the data and results"));
}

void MDIForm1::command3_Click() {
    if (TopicsDialogOpen != 0) {
        forms::frmDLG.Unload();
    }
    if (NotePageOpen != 0) {
        forms::frmNote.Unload();
    }
    if (GlossaryPageOpen != 0) {
        forms::frmGloss.Unload();
    }
    forms::frmHowTo->Show();
    showPage(QStringLiteral("Help - How to get the input and output"));
}

void MDIForm1::Command4_Click() {
    if (TopicsDialogOpen != 0) {
        forms::frmDLG.Unload();
    }
    if (NotePageOpen != 0) {
        forms::frmNote.Unload();
    }
    if (HowToPageOpen != 0) {
        forms::frmHowTo.Unload();
    }
    forms::frmGloss->Show();
    showPage(QStringLiteral("Help - The Glossary"));
}

void MDIForm1::showPage(const QString& caption) {
    setBackColor(systemColour(SystemColour::WindowBackground));
    setCaption(caption);
}

void MDIForm1::Image1_Click() { Unload(); }

void MDIForm1::Image2_Click() { Command2_Click(); }

void MDIForm1::Image3_Click() { command3_Click(); }

void MDIForm1::Image4_Click() { Command4_Click(); }

void MDIForm1::mnuFileExit_Click() { Unload(); }

void MDIForm1::mnuWindowNotice_Click() { Command2_Click(); }

void MDIForm1::mnuWindowHowTo_Click() { command3_Click(); }

void MDIForm1::mnuWindowGlossary_Click() { Command4_Click(); }

} // namespace levora::ui
