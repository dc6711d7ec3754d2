// The main window's commands: its menu bar and the Exit and Help pictures of
// its top bar.
#include "help/MDIForm1.h"
#include "help/frmDLG.h"
#include "main/Form1.h"
#include "shared/ProgramFlags.h"
#include "startup/frmAbout.h"

#include "levora/toolkit/form.h"
#include "levora/toolkit/send_keys.h"

#include <QMenuBar>

namespace levora::ui {

void Form1::buildMenu() {
    QMenuBar* bar = menu();
    mnuFileExit = bar->addAction(QStringLiteral("E&xit"));
    mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));
    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpTopic = mnuHelp->addAction(QStringLiteral("&Help Topics"));
    mnuHelpTopic->setObjectName(QStringLiteral("mnuHelpTopic"));
    mnuHelp->addSeparator();
    mnuHelpAbout = mnuHelp->addAction(QStringLiteral("&About ..."));
    mnuHelpAbout->setObjectName(QStringLiteral("mnuHelpAbout"));
}

// Ends the program at once: no window's unload handling runs.
void Form1::mnuFileExit_Click() { toolkit::End(); }

void Form1::Image7_Click() { toolkit::End(); }

// With the help window open, its topics command shows the dialog, and the
// keys bring the help window back from the task bar and to the front.
void Form1::mnuHelpTopic_Click() {
    if (HelpWindowOpen == 1) {
        forms::MDIForm1->Command0_Click();
        toolkit::SendKeys(QStringLiteral("%{ }{Enter}"), true);
    } else {
        forms::frmDLG->Show();
    }
}

void Form1::Image8_Click() { mnuHelpTopic_Click(); }

void Form1::mnuHelpAbout_Click() { forms::frmAbout->Show(1); }

} // namespace levora::ui
