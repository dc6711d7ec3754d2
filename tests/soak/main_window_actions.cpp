// What a user does on the main window.

#include "actions.h"

#include "hands.h"
#include "revenue_texts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QWindow>

#include <algorithm>
#include <array>
#include <string>

namespace levora::soak {

namespace {

bool onMainWindow(const Soak& soak) {
    return Soak::dialogInFront() == nullptr && soak.mainWindow().isVisible() &&
           soak.mainWindow().WindowState() == 0;
}

bool mainWindowMinimized(const Soak& soak) {
    return Soak::dialogInFront() == nullptr && soak.mainWindow().WindowState() == 1;
}

std::string focusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? name(*focus) : std::string("nothing");
}

/// Moves the keyboard focus to a control with Tab or Shift+Tab.
bool tabTo(Soak& soak, const QWidget& control) {
    const Qt::KeyboardModifiers direction = soak.random().oneIn(3) ? Qt::ShiftModifier : Qt::NoModifier;
    for (int presses = 0; presses < 6; ++presses) {
        if (QApplication::focusWidget() == &control) {
            return true;
        }
        QWindow* keys = soak.keyboard();
        if (keys == nullptr) {
            return false;
        }
        press(*keys, Qt::Key_Tab, direction);
    }
    soak.fail("Tab does not bring the focus to " + name(control) + "; it stays on " + focusName());
    return false;
}

// The revenue box.

enum class Caret { SelectAll, End, Home };

/// Clicks into the revenue box and puts the caret where the text goes.
QWindow* clickIntoRevenue(Soak& soak, Caret caret) {
    toolkit::TextBox& box = *soak.mainWindow().Text2;
    click(box, pointIn(box, soak.random()));
    QWindow* keys = soak.keyboard();
    if (keys == nullptr) {
        return nullptr;
    }
    if (QApplication::focusWidget() != &box) {
        soak.fail("a click into the revenue box leaves the focus on " + focusName());
        return nullptr;
    }
    switch (caret) {
    case Caret::SelectAll:
        press(*keys, QKeySequence::SelectAll);
        break;
    case Caret::End:
        press(*keys, Qt::Key_End);
        break;
    case Caret::Home:
        press(*keys, Qt::Key_Home);
        break;
    }
    return keys;
}

void enterRevenue(Soak& soak, const RevenueText& revenue, bool typed) {
    const toolkit::TextBox& box = *soak.mainWindow().Text2;
    const Caret caret = soak.random().of(
        {Caret::SelectAll, Caret::SelectAll, Caret::SelectAll, Caret::SelectAll, Caret::End, Caret::Home});
    const QString before = box.Text();
    const QString prefix = caret == Caret::End ? before : QString();
    const QString suffix = caret == Caret::Home ? before : QString();
    QWindow* keys = clickIntoRevenue(soak, caret);
    if (keys == nullptr) {
        return;
    }
    const bool byKeys = typed && isTypable(revenue.text);
    // What does not fit into the box is left out; typing nothing leaves a
    // selection as it was, where pasting nothing removes it.
    const qsizetype room = std::max<qsizetype>(0, box.maxLength() - prefix.size() - suffix.size());
    soak.expect().revenueText =
        byKeys && revenue.text.isEmpty() ? before : prefix + revenue.text.left(room) + suffix;
    static constexpr std::array<std::string_view, 3> where{"in place of the text", "at the end", "at the start"};
    soak.note(std::string(byKeys ? "typed " : "pasted ") + std::string(revenue.kind) + " " + quoted(revenue.text) +
              " " + std::string(where.at(static_cast<std::size_t>(caret))));
    if (byKeys) {
        type(*keys, revenue.text);
    } else {
        paste(*keys, revenue.text);
    }
}

void typeRevenue(Soak& soak) { enterRevenue(soak, typedRevenue(soak.random()), true); }

void pasteRevenue(Soak& soak) { enterRevenue(soak, pastedRevenue(soak.random()), false); }

// Typing key by key takes time in proportion to the length; only pastes are
// thousands of characters long.
void enterLongRevenue(Soak& soak) {
    const bool typed = soak.random().oneIn(8);
    enterRevenue(soak, longRevenue(soak.random(), typed ? soak.random().between(100, 400) : 0), typed);
}

void clearRevenue(Soak& soak) {
    const bool byDelete = soak.random().oneIn(2);
    QWindow* keys = clickIntoRevenue(soak, Caret::SelectAll);
    if (keys == nullptr) {
        return;
    }
    soak.note(byDelete ? "select all, Delete" : "select all, Backspace");
    press(*keys, byDelete ? Qt::Key_Delete : Qt::Key_Backspace);
    soak.expect().revenueText = QString();
}

// The two lists.

toolkit::ComboBox& someList(Soak& soak) {
    ui::Form1& window = soak.mainWindow();
    return soak.random().oneIn(2) ? *window.Combo1 : *window.Combo2;
}

void expectChoice(Soak& soak, const toolkit::ComboBox& list, int index) {
    if (&list == soak.mainWindow().Combo1) {
        soak.expect().elasticity = index;
    } else {
        soak.expect().range = index;
    }
}

/// Where a key moves the choice of a closed list (Up and Down stop at the
/// ends, and Up chooses nothing where nothing was chosen).
int movedChoice(int index, int count, Qt::Key key) {
    switch (key) {
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        return std::min(index + 1, count - 1);
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        return index > 0 ? index - 1 : index;
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return count - 1;
    default:
        return index;
    }
}

std::string keyName(Qt::Key key) { return QKeySequence(key).toString().toStdString(); }

void chooseByArrowKeys(Soak& soak) {
    toolkit::ComboBox& list = someList(soak);
    if (!tabTo(soak, list)) {
        return;
    }
    int index = list.ListIndex();
    std::string keysPressed;
    for (int presses = soak.random().between(1, 4); presses > 0; --presses) {
        const Qt::Key key = soak.random().of(
            {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End});
        QWindow* keys = soak.keyboard();
        if (keys == nullptr) {
            return;
        }
        press(*keys, key);
        index = movedChoice(index, list.ListCount(), key);
        keysPressed += " " + keyName(key);
    }
    soak.note(name(list) + ":" + keysPressed);
    expectChoice(soak, list, index);
}

/// Opens a list's popup with a click on the list; false when none opened,
/// which fails the action unless the click was held too long for the list to
/// take it as a click.
bool openByMouse(Soak& soak, toolkit::ComboBox& list) {
    const QPoint at = pointIn(list, soak.random());
    const int held = pressAndRelease(list, at);
    if (QWidget* popup = QApplication::activePopupWidget()) {
        // A list ignores a release soon after the press that opened it until
        // the pointer has moved away; a user moves it before choosing.
        const bool pressedNearTop = popup->mapFromGlobal(list.mapToGlobal(at)).y() < popup->height() / 2;
        moveTo(*popup, QPoint(popup->width() / 2, pressedNearTop ? popup->height() - 4 : 3));
        return true;
    }
    if (held >= QApplication::doubleClickInterval()) {
        // The release came too late to count as a click: the list took it as
        // a choice, of whatever item lay under it, or as a dismissal.
        soak.note("the popup closed as the click took " + std::to_string(held) + " ms");
        soak.count("popup closed on a slow click");
        expectChoice(soak, list, list.ListIndex());
        return false;
    }
    soak.fail("a click on " + name(list) + " opened no popup");
    return false;
}

/// Opens a list's popup from the keyboard.
bool openByKeys(Soak& soak, toolkit::ComboBox& list) {
    if (!tabTo(soak, list)) {
        return false;
    }
    const bool altDown = soak.random().oneIn(2);
    QWindow* keys = soak.keyboard();
    if (keys == nullptr) {
        return false;
    }
    press(*keys, altDown ? Qt::Key_Down : Qt::Key_F4, altDown ? Qt::AltModifier : Qt::NoModifier);
    if (QApplication::activePopupWidget() == nullptr) {
        soak.fail(std::string(altDown ? "Alt+Down" : "F4") + " on " + name(list) + " opened no popup");
        return false;
    }
    return true;
}

void chooseInPopupByMouse(Soak& soak) {
    toolkit::ComboBox& list = someList(soak);
    if (!openByMouse(soak, list)) {
        return;
    }
    const int target = soak.random().below(list.ListCount());
    QAbstractItemView& view = *list.view();
    const QModelIndex item = list.model()->index(target, 0);
    // The user scrolls the item into sight and clicks it.
    view.scrollTo(item);
    // An item may reach beyond the popup's width.
    const QRect rect = view.visualRect(item).intersected(view.viewport()->rect());
    click(*view.viewport(), QPoint(soak.random().between(rect.left() + 1, rect.right() - 1), rect.center().y()));
    soak.note(name(list) + ": clicked item " + std::to_string(target) + " " + quoted(list.List(target)));
    expectChoice(soak, list, target);
}

void chooseInPopupByKeys(Soak& soak) {
    toolkit::ComboBox& list = someList(soak);
    const int choice = list.ListIndex();
    if (!openByKeys(soak, list)) {
        return;
    }
    // The popup highlights the list's choice. Without one it highlights the
    // first item or none, as its view has had a current item before or not;
    // the user goes on from what is highlighted.
    int row = list.view()->currentIndex().row();
    if (choice >= 0 && row != choice) {
        soak.fail(name(list) + "'s popup opens on item " + std::to_string(row) + ", not on the choice " +
                  std::to_string(choice));
        return;
    }
    std::string keysPressed;
    for (int presses = soak.random().between(1, 5); presses > 0; --presses) {
        const Qt::Key key = soak.random().of({Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End});
        QWindow* keys = soak.keyboard();
        if (keys == nullptr) {
            return;
        }
        press(*keys, key);
        // From no highlight, any key highlights the first item.
        row = row < 0 ? 0 : movedChoice(row, list.ListCount(), key);
        keysPressed += " " + keyName(key);
    }
    const bool take = !soak.random().oneIn(4);
    QWindow* keys = soak.keyboard();
    if (keys == nullptr) {
        return;
    }
    press(*keys, take ? soak.random().of({Qt::Key_Return, Qt::Key_Enter}) : Qt::Key_Escape);
    soak.note(name(list) + ":" + keysPressed + (take ? " Enter" : " Esc"));
    expectChoice(soak, list, take ? row : choice);
}

/// Clicks the main window beside the open popup, where the click does
/// nothing else: on the background or a title picture. A popup may open
/// above its list and cover much of the window.
bool clickBesidePopup(Soak& soak) {
    const QRect popup = QApplication::activePopupWidget()->geometry();
    ui::Form1& window = soak.mainWindow();
    const std::array<const QWidget*, 7> inert{window.client(), window.Picture1, window.Picture2, window.Image2,
                                              window.Image3,   window.Image4,   window.Image5};
    for (int tries = 0; tries < 200; ++tries) {
        const QPoint at = pointIn(window, soak.random());
        const QWidget* under = window.childAt(at);
        if (!popup.contains(window.mapToGlobal(at)) &&
            std::find(inert.begin(), inert.end(), under) != inert.end()) {
            soak.note("clicked " + (under == window.client() ? std::string("the background") : name(*under)) +
                      " beside the popup");
            click(window, at);
            return true;
        }
    }
    soak.fail("the popup covers every spot beside it");
    return false;
}

void dismissPopup(Soak& soak) {
    toolkit::ComboBox& list = someList(soak);
    const int choice = list.ListIndex();
    if (!(soak.random().oneIn(2) ? openByMouse(soak, list) : openByKeys(soak, list))) {
        return;
    }
    soak.note(name(list));
    if (soak.random().oneIn(2)) {
        QWindow* keys = soak.keyboard();
        if (keys == nullptr) {
            return;
        }
        soak.note("Esc");
        press(*keys, Qt::Key_Escape);
    } else if (!clickBesidePopup(soak)) {
        return;
    }
    expectChoice(soak, list, choice);
}

// "GO" and the focus.

void goByMouse(Soak& soak) {
    toolkit::CommandButton& go = *soak.mainWindow().Command1;
    click(go, pointIn(go, soak.random()));
    soak.expect().goPresses = 1;
}

void goByEnter(Soak& soak) {
    const Qt::Key key = soak.random().of({Qt::Key_Return, Qt::Key_Enter});
    QWindow* keys = soak.keyboard();
    if (keys == nullptr) {
        return;
    }
    soak.note(keyName(key) + " on " + focusName());
    press(*keys, key);
    soak.expect().goPresses = 1;
}

void goBySpace(Soak& soak) {
    if (!tabTo(soak, *soak.mainWindow().Command1)) {
        return;
    }
    QWindow* keys = soak.keyboard();
    if (keys == nullptr) {
        return;
    }
    press(*keys, Qt::Key_Space);
    soak.expect().goPresses = 1;
}

void moveFocus(Soak& soak) {
    for (int presses = soak.random().between(1, 4); presses > 0; --presses) {
        QWindow* keys = soak.keyboard();
        if (keys == nullptr) {
            return;
        }
        press(*keys, Qt::Key_Tab, soak.random().oneIn(3) ? Qt::ShiftModifier : Qt::NoModifier);
    }
    soak.note("the focus is on " + focusName());
}

// The titles of the steps and the pictures of the result area have no
// commands: a click on one changes nothing. (The Exit and Help pictures have
// rows of their own.)
void clickPicture(Soak& soak) {
    ui::Form1& window = soak.mainWindow();
    toolkit::Image* picture =
        soak.random().of({window.Image2, window.Image3, window.Image4, window.Image5, window.Image6});
    if (picture->isHidden()) {
        picture = window.Image1a;
    }
    soak.note(name(*picture) + " " + quoted(picture->toolTip()));
    click(*picture, pointIn(*picture, soak.random()));
}

// The window as a whole.

void minimize(Soak& soak) {
    changeWindowState(soak, soak.mainWindow(), 1);
    soak.expect().windowState = 1;
}

void restore(Soak& soak) {
    changeWindowState(soak, soak.mainWindow(), 0);
    soak.expect().windowState = 0;
}

void closeMainWindow(Soak& soak) {
    soak.expect().endsProgram = true;
    soak.mainWindow().windowHandle()->close();
}

// Exit ends the program at once, the help window with it.
void exitByMenu(Soak& soak) {
    soak.expect().endsProgram = true;
    if (soak.random().oneIn(2)) {
        soak.note("clicked");
        soak.mainWindow().mnuFileExit->trigger();
    } else if (QWindow* keys = soak.keyboard()) {
        soak.note("Alt+X");
        press(*keys, Qt::Key_X, Qt::AltModifier);
    }
}

void exitByPicture(Soak& soak) {
    toolkit::Image& exit = *soak.mainWindow().Image7;
    soak.expect().endsProgram = true;
    click(exit, pointIn(exit, soak.random()));
}

} // namespace

std::vector<Action> mainWindowActions() {
    return {
        {"type into the revenue box", 30, onMainWindow, typeRevenue},
        {"paste into the revenue box", 6, onMainWindow, pasteRevenue},
        {"enter a very long revenue", 1, onMainWindow, enterLongRevenue},
        {"clear the revenue box", 4, onMainWindow, clearRevenue},
        {"choose in a list with its keys", 10, onMainWindow, chooseByArrowKeys},
        {"choose in a list's popup with the mouse", 8, onMainWindow, chooseInPopupByMouse},
        {"choose in a list's popup with the keys", 5, onMainWindow, chooseInPopupByKeys},
        {"open a list's popup and leave it", 3, onMainWindow, dismissPopup},
        {"click GO", 12, onMainWindow, goByMouse},
        {"press Enter", 7, onMainWindow, goByEnter},
        {"press Space on GO", 4, onMainWindow, goBySpace},
        {"move the focus with Tab", 3, onMainWindow, moveFocus},
        {"click a picture of the main window", 3, onMainWindow, clickPicture},
        {"minimize the main window", 2, onMainWindow, minimize},
        {"close the main window", 1, onMainWindow, closeMainWindow},
        {"choose Exit in the main window's menu", 1, onMainWindow, exitByMenu},
        {"click the Exit picture", 1, onMainWindow, exitByPicture},
        {"restore the main window", 4, mainWindowMinimized, restore},
        {"close the minimized main window", 1, mainWindowMinimized, closeMainWindow},
    };
}

std::vector<Action> allActions() {
    std::vector<Action> actions = mainWindowActions();
    for (const std::vector<Action>& table : {inputProblemActions(), helpActions(), aboutBoxActions()}) {
        actions.insert(actions.end(), table.begin(), table.end());
    }
    return actions;
}

} // namespace levora::soak
