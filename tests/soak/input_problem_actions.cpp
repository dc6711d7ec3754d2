// What a user does while the "Input Problem" dialog is up: each way of
// closing it, and what should leave it up.

#include "actions.h"

#include "hands.h"

#include "main/frmWarning.h"

#include <QApplication>
#include <QWindow>

namespace levora::soak {

namespace {

ui::frmWarning* inputProblem() { return qobject_cast<ui::frmWarning*>(Soak::dialogInFront()); }

bool inputProblemInFront(const Soak& /*soak*/) { return inputProblem() != nullptr; }

void okByMouse(Soak& soak) {
    toolkit::CommandButton& ok = *inputProblem()->OKButton;
    click(ok, pointIn(ok, soak.random()));
    soak.expect().closesDialog = true;
}

void clickBackground(Soak& soak) {
    toolkit::Surface& background = *inputProblem()->client();
    // A point where no control lies: the lines above the controls take no
    // clicks.
    QPoint spot = pointIn(background, soak.random());
    for (int tries = 0; tries < 100 && background.childAt(spot) != nullptr; ++tries) {
        spot = pointIn(background, soak.random());
    }
    soak.note("at " + std::to_string(spot.x()) + ", " + std::to_string(spot.y()));
    click(background, spot);
    soak.expect().closesDialog = true;
}

void closeBox(Soak& soak) {
    inputProblem()->windowHandle()->close();
    soak.expect().closesDialog = true;
}

void pressKey(Soak& soak, Qt::Key key) {
    if (QWindow* keys = soak.keyboard()) {
        press(*keys, key);
    }
}

void enter(Soak& soak) {
    pressKey(soak, soak.random().of({Qt::Key_Return, Qt::Key_Enter}));
    soak.expect().closesDialog = true;
}

void escape(Soak& soak) {
    pressKey(soak, Qt::Key_Escape);
    soak.expect().closesDialog = true;
}

void spaceOnOk(Soak& soak) {
    soak.note("the focus is on " + (QApplication::focusWidget() != nullptr ? name(*QApplication::focusWidget())
                                                                           : std::string("nothing")));
    pressKey(soak, Qt::Key_Space);
    soak.expect().closesDialog = true;
}

void tab(Soak& soak) {
    pressKey(soak, Qt::Key_Tab);
    soak.expect().keepsDialog = true;
}

// The pictures are controls of their own: a click on one is no click on the
// dialog's background.
void clickPicture(Soak& soak) {
    ui::frmWarning& dialog = *inputProblem();
    toolkit::Image& picture = soak.random().oneIn(2) ? *dialog.Image1 : *dialog.Image2;
    soak.note(name(picture));
    click(picture, pointIn(picture, soak.random()));
    soak.expect().keepsDialog = true;
}

// The main window is blocked while the dialog is up: a click on it does
// nothing, and keys go to the dialog.
void clickBlockedGo(Soak& soak) {
    toolkit::CommandButton& go = *soak.mainWindow().Command1;
    click(go, pointIn(go, soak.random()));
    soak.expect().keepsDialog = true;
}

void typeIntoBlockedWindow(Soak& soak) {
    toolkit::TextBox& box = *soak.mainWindow().Text2;
    click(box, pointIn(box, soak.random()));
    if (QWindow* keys = soak.keyboard()) {
        type(*keys, QStringLiteral("12"));
    }
    soak.expect().keepsDialog = true;
}

} // namespace

std::vector<Action> inputProblemActions() {
    return {
        {"click OK", 4, inputProblemInFront, okByMouse},
        {"click the dialog's background", 4, inputProblemInFront, clickBackground},
        {"close the dialog by its close box", 4, inputProblemInFront, closeBox},
        {"press Enter in the dialog", 4, inputProblemInFront, enter},
        {"press Esc in the dialog", 4, inputProblemInFront, escape},
        {"press Space in the dialog", 2, inputProblemInFront, spaceOnOk},
        {"press Tab in the dialog", 1, inputProblemInFront, tab},
        {"click a picture of the dialog", 2, inputProblemInFront, clickPicture},
        {"click GO behind the dialog", 1, inputProblemInFront, clickBlockedGo},
        {"type into the revenue box behind the dialog", 1, inputProblemInFront, typeIntoBlockedWindow},
    };
}

} // namespace levora::soak
