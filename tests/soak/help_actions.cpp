// What a user does with the help: asks for the help topics from the main
// window, goes from page to page by the help window's toolbar, its menu and
// the topics' links, minimizes, restores and closes the help window, and
// opens and closes the About box.

#include "actions.h"

#include "hands.h"

#include "help/MDIForm1.h"
#include "help/frmDLG.h"
#include "startup/frmAbout.h"

#include "levora/toolkit/form.h"

#include <QApplication>
#include <QWindow>

#include <array>
#include <string>
#include <vector>

namespace levora::soak {

namespace {

// The help window and where it stands.

ui::MDIForm1* helpWindow() {
    ui::MDIForm1* window = forms::MDIForm1.existing();
    return window != nullptr && window->isLoaded() ? window : nullptr;
}

ui::frmDLG* topics() {
    ui::frmDLG* dialog = forms::frmDLG.existing();
    return dialog != nullptr && dialog->isLoaded() ? dialog : nullptr;
}

bool helpShown(const Soak& /*soak*/) {
    const ui::MDIForm1* window = helpWindow();
    return Soak::dialogInFront() == nullptr && window != nullptr && window->isVisible() &&
           window->WindowState() == 0;
}

bool helpMinimized(const Soak& /*soak*/) {
    const ui::MDIForm1* window = helpWindow();
    return Soak::dialogInFront() == nullptr && window != nullptr && window->WindowState() == 1;
}

bool topicsShown(const Soak& soak) { return helpShown(soak) && topics() != nullptr; }

bool onMainWindow(const Soak& soak) {
    return Soak::dialogInFront() == nullptr && soak.mainWindow().isVisible() &&
           soak.mainWindow().WindowState() == 0;
}

bool helpBehindDialog(const Soak& /*soak*/) {
    const ui::MDIForm1* window = helpWindow();
    return Soak::dialogInFront() != nullptr && window != nullptr && window->isVisible() &&
           window->WindowState() == 0;
}

std::string focusName() {
    const QWidget* focus = toolkit::focusedWindow();
    return focus != nullptr ? name(*focus) : std::string("nothing");
}

/// The user clicks the help window's caption before using its keys: the
/// window manager raises it and gives it the keyboard.
QWindow* helpKeyboard(Soak& soak) {
    ui::MDIForm1& window = *helpWindow();
    window.raise();
    window.activateWindow();
    QWindow* keys = soak.keyboard();
    if (keys != nullptr && keys != window.windowHandle()) {
        soak.fail("activating the help window leaves the keyboard on " + name(*keys));
        return nullptr;
    }
    return keys;
}

/// Opens a menu of a menu bar by Alt and its access key, and takes an item by
/// its access key.
void fromMenu(Soak& soak, QWindow& keys, const QMenu& menu, Qt::Key menuKey, Qt::Key itemKey) {
    press(keys, menuKey, Qt::AltModifier);
    if (QApplication::activePopupWidget() != &menu) {
        soak.fail("Alt+" + QKeySequence(menuKey).toString().toStdString() + " does not open the menu " +
                  name(menu));
        return;
    }
    if (QWindow* menuKeys = soak.keyboard()) {
        press(*menuKeys, itemKey);
    }
}

// The help pages and the controls that ask for each.

struct Page {
    std::string_view child;
    toolkit::Image* ui::MDIForm1::*button;
    QAction* ui::MDIForm1::*item;
    Qt::Key itemKey;
    toolkit::Image* ui::frmDLG::*link;
};

constexpr std::array<Page, 3> Pages{{
    {"frmNote", &ui::MDIForm1::Image2, &ui::MDIForm1::mnuWindowNotice, Qt::Key_N, &ui::frmDLG::Image2},
    {"frmHowTo", &ui::MDIForm1::Image3, &ui::MDIForm1::mnuWindowHowTo, Qt::Key_H, &ui::frmDLG::Image3},
    {"frmGloss", &ui::MDIForm1::Image4, &ui::MDIForm1::mnuWindowGlossary, Qt::Key_G, &ui::frmDLG::Image4},
}};

const Page& somePage(Soak& soak) {
    const Page& page = Pages.at(static_cast<std::size_t>(soak.random().below(static_cast<int>(Pages.size()))));
    soak.expect().help = HelpView{std::string(page.child), 0};
    soak.count("help page " + std::string(page.child) + " asked for");
    return page;
}

// Asking for the help topics from the main window. With the help open, the
// command brings the help window back from the task bar and to the front.

void expectTopics(Soak& soak) {
    const ui::MDIForm1* window = helpWindow();
    const std::string help = window == nullptr ? "closed" : window->WindowState() == 1 ? "minimized" : "open";
    soak.note("with the help " + help);
    soak.count("help topics asked for with the help " + help);
    soak.expect().help = HelpView{"frmDLG", 0};
}

void checkHelpInFront(Soak& soak) {
    const ui::MDIForm1* window = helpWindow();
    if (window == nullptr) {
        return;
    }
    if (toolkit::focusedWindow() != window) {
        soak.fail("the help topics leave the focus on " + focusName());
    }
    if (window->isWindowMenuOpen() || soak.mainWindow().isWindowMenuOpen()) {
        soak.fail("a window menu is still open after the help topics");
    }
}

void helpTopicsByMenu(Soak& soak) {
    expectTopics(soak);
    if (soak.random().oneIn(2)) {
        soak.note("clicked");
        soak.mainWindow().mnuHelpTopic->trigger();
    } else if (QWindow* keys = soak.keyboard()) {
        soak.note("Alt+H, H");
        fromMenu(soak, *keys, *soak.mainWindow().mnuHelp, Qt::Key_H, Qt::Key_H);
    }
    checkHelpInFront(soak);
}

void helpTopicsByPicture(Soak& soak) {
    expectTopics(soak);
    toolkit::Image& picture = *soak.mainWindow().Image8;
    click(picture, pointIn(picture, soak.random()));
    checkHelpInFront(soak);
}

// The help window's toolbar, menu and close box.

void pageByButton(Soak& soak) {
    ui::MDIForm1& window = *helpWindow();
    toolkit::Image& button = *(window.*somePage(soak).button);
    soak.note(name(button) + " " + quoted(button.toolTip()));
    click(button, pointIn(button, soak.random()));
}

void pageByMenu(Soak& soak) {
    ui::MDIForm1& window = *helpWindow();
    const Page& page = somePage(soak);
    QAction& item = *(window.*page.item);
    if (soak.random().oneIn(2)) {
        soak.note("clicked " + item.objectName().toStdString());
        item.trigger();
    } else if (QWindow* keys = helpKeyboard(soak)) {
        soak.note("Alt+W, " + QKeySequence(page.itemKey).toString().toStdString());
        fromMenu(soak, *keys, *window.mnuWindow, Qt::Key_W, page.itemKey);
    }
}

void pageByLink(Soak& soak) {
    toolkit::Image& link = *(topics()->*somePage(soak).link);
    soak.note(name(link) + " " + quoted(link.toolTip()));
    click(link, pointIn(link, soak.random()));
}

// The title of the topics is no link.
void clickTopicsTitle(Soak& soak) {
    toolkit::Image& title = *topics()->Image5;
    click(title, pointIn(title, soak.random()));
}

// Closing the help window puts the main window back in its normal state, at
// the place it opened at.
void expectHelpClosed(Soak& soak) {
    soak.expect().help = HelpView{};
    soak.expect().windowState = 0;
}

void closeHelpByButton(Soak& soak) {
    toolkit::Image& exit = *helpWindow()->Image1;
    expectHelpClosed(soak);
    click(exit, pointIn(exit, soak.random()));
}

void closeHelpByMenu(Soak& soak) {
    ui::MDIForm1& window = *helpWindow();
    expectHelpClosed(soak);
    if (soak.random().oneIn(2)) {
        soak.note("clicked");
        window.mnuFileExit->trigger();
    } else if (QWindow* keys = helpKeyboard(soak)) {
        soak.note("Alt+X");
        press(*keys, Qt::Key_X, Qt::AltModifier);
    }
}

void closeHelpByCloseBox(Soak& soak) {
    expectHelpClosed(soak);
    helpWindow()->windowHandle()->close();
}

void minimizeHelp(Soak& soak) {
    soak.expect().help = HelpView{helpView().child, 1};
    changeWindowState(soak, *helpWindow(), 1);
}

void restoreHelp(Soak& soak) {
    soak.expect().help = HelpView{helpView().child, 0};
    changeWindowState(soak, *helpWindow(), 0);
}

// A modal dialog blocks every other window: a click on the help window or
// on the main window's Exit and Help pictures does nothing.

void clickHelpBehindDialog(Soak& soak) {
    ui::MDIForm1& window = *helpWindow();
    std::vector<toolkit::Image*> targets{window.Image1, window.Image2, window.Image3, window.Image4};
    if (const ui::frmDLG* dialog = topics()) {
        targets.insert(targets.end(), {dialog->Image2, dialog->Image3, dialog->Image4});
    }
    toolkit::Image& target =
        *targets.at(static_cast<std::size_t>(soak.random().below(static_cast<int>(targets.size()))));
    soak.note(name(*target.window()) + "." + name(target));
    click(target, pointIn(target, soak.random()));
    soak.expect().keepsDialog = true;
}

void clickMainPictureBehindDialog(Soak& soak) {
    ui::Form1& window = soak.mainWindow();
    toolkit::Image& picture = soak.random().oneIn(2) ? *window.Image7 : *window.Image8;
    soak.note(name(picture) + " " + quoted(picture.toolTip()));
    click(picture, pointIn(picture, soak.random()));
    soak.expect().keepsDialog = true;
}

bool mainWindowBehindDialog(const Soak& soak) {
    return Soak::dialogInFront() != nullptr && soak.mainWindow().WindowState() == 0;
}

// The About box: it comes up modally from the main window's Help menu, and
// its OK button, Enter, Esc and its close box close it.

ui::frmAbout* aboutBox() { return qobject_cast<ui::frmAbout*>(Soak::dialogInFront()); }

bool aboutBoxInFront(const Soak& /*soak*/) { return aboutBox() != nullptr; }

void openAboutBox(Soak& soak) {
    soak.expect().opensDialog = "frmAbout";
    if (soak.random().oneIn(2)) {
        soak.note("clicked");
        soak.mainWindow().mnuHelpAbout->trigger();
    } else if (QWindow* keys = soak.keyboard()) {
        soak.note("Alt+H, A");
        fromMenu(soak, *keys, *soak.mainWindow().mnuHelp, Qt::Key_H, Qt::Key_A);
    }
}

void pressInAboutBox(Soak& soak, Qt::Key key, bool closes) {
    if (QWindow* keys = soak.keyboard()) {
        soak.note("the focus is on " + (QApplication::focusWidget() != nullptr ? name(*QApplication::focusWidget())
                                                                               : std::string("nothing")));
        press(*keys, key);
    }
    soak.expect().closesDialog = closes;
    soak.expect().keepsDialog = !closes;
}

void aboutOk(Soak& soak) {
    toolkit::CommandButton& ok = *aboutBox()->cmdOK;
    click(ok, pointIn(ok, soak.random()));
    soak.expect().closesDialog = true;
}

void aboutEnter(Soak& soak) { pressInAboutBox(soak, soak.random().of({Qt::Key_Return, Qt::Key_Enter}), true); }

void aboutEscape(Soak& soak) { pressInAboutBox(soak, Qt::Key_Escape, true); }

// OK is the box's one control that takes the focus.
void aboutSpace(Soak& soak) { pressInAboutBox(soak, Qt::Key_Space, true); }

void aboutTab(Soak& soak) { pressInAboutBox(soak, Qt::Key_Tab, false); }

void aboutCloseBox(Soak& soak) {
    aboutBox()->windowHandle()->close();
    soak.expect().closesDialog = true;
}

// The picture, the texts and the background take no click.
void clickAboutBox(Soak& soak) {
    ui::frmAbout& box = *aboutBox();
    if (soak.random().oneIn(3)) {
        toolkit::Surface& background = *box.client();
        // A point where no control lies.
        QPoint spot = pointIn(background, soak.random());
        for (int tries = 0; tries < 100 && background.childAt(spot) != nullptr; ++tries) {
            spot = pointIn(background, soak.random());
        }
        soak.note("the background at " + std::to_string(spot.x()) + ", " + std::to_string(spot.y()));
        click(background, spot);
    } else {
        QWidget& target = *soak.random().of<QWidget*>(
            {box.picIcon, box.lblTitle, box.lblVersion, box.lblCopyRight, box.lblDisclaimer, box.lblDescription});
        soak.note(name(target));
        click(target, pointIn(target, soak.random()));
    }
    soak.expect().keepsDialog = true;
}

} // namespace

std::vector<Action> helpActions() {
    return {
        {"ask for the help topics in the main window's menu", 3, onMainWindow, helpTopicsByMenu},
        {"click the Help picture", 3, onMainWindow, helpTopicsByPicture},
        {"click a page button of the help window", 4, helpShown, pageByButton},
        {"choose a page in the help window's menu", 4, helpShown, pageByMenu},
        {"click a link of the help topics", 4, topicsShown, pageByLink},
        {"click the title of the help topics", 1, topicsShown, clickTopicsTitle},
        {"close the help window by its Exit button", 1, helpShown, closeHelpByButton},
        {"close the help window by its Exit menu item", 1, helpShown, closeHelpByMenu},
        {"close the help window by its close box", 1, helpShown, closeHelpByCloseBox},
        {"minimize the help window", 2, helpShown, minimizeHelp},
        {"restore the help window", 4, helpMinimized, restoreHelp},
        {"close the minimized help window", 1, helpMinimized, closeHelpByCloseBox},
        {"click the help window behind the dialog", 1, helpBehindDialog, clickHelpBehindDialog},
        {"click the Exit or Help picture behind the dialog", 1, mainWindowBehindDialog,
         clickMainPictureBehindDialog},
    };
}

std::vector<Action> aboutBoxActions() {
    return {
        {"open the About box", 3, onMainWindow, openAboutBox},
        {"click OK in the About box", 4, aboutBoxInFront, aboutOk},
        {"press Enter in the About box", 4, aboutBoxInFront, aboutEnter},
        {"press Esc in the About box", 4, aboutBoxInFront, aboutEscape},
        {"press Space in the About box", 2, aboutBoxInFront, aboutSpace},
        {"close the About box by its close box", 4, aboutBoxInFront, aboutCloseBox},
        {"press Tab in the About box", 1, aboutBoxInFront, aboutTab},
        {"click the About box's picture or texts", 2, aboutBoxInFront, clickAboutBox},
    };
}

} // namespace levora::soak
