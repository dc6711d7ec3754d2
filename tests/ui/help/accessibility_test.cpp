// Every window can be worked from the keyboard alone, and assistive tools
// find a name and a description for everything a window shows.
//
// What counts as a control: every widget of the toolkit's control classes
// (label, picture box, image, text box, combo box, command button) that shows
// in its window, hidden ones not counted until they show. Lines are drawn by
// the surface they lie on and are no widgets; a window's client area, its
// menu bar and the help window's workspace belong to the toolkit, and the
// menus are read by their item texts.

#include "help_fixture.h"

#include "modal.h"

#include "main/frmWarning.h"
#include "startup/Form2.h"
#include "startup/frmAbout.h"
#include "startup/frmStartup.h"

#include "levora/toolkit/runtime.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QMenu>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace levora::ui {
namespace {

bool isControl(const QWidget& widget) {
    return qobject_cast<const toolkit::Label*>(&widget) != nullptr ||
           qobject_cast<const toolkit::PictureBox*>(&widget) != nullptr ||
           qobject_cast<const toolkit::Image*>(&widget) != nullptr ||
           qobject_cast<const toolkit::TextBox*>(&widget) != nullptr ||
           qobject_cast<const toolkit::ComboBox*>(&widget) != nullptr ||
           qobject_cast<const toolkit::CommandButton*>(&widget) != nullptr;
}

/// The controls of `window` that show in it, in creation order.
std::vector<QWidget*> shownControls(const QWidget& window) {
    std::vector<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (isControl(*widget) && widget->isVisibleTo(&window)) {
            controls.push_back(widget);
        }
    }
    return controls;
}

/// Whether every shown control of the window has a name and a description
/// that assistive tools can read; the failure names each one that has not.
::testing::AssertionResult everyControlNamed(const QWidget& window, const std::string& seen) {
    std::string missing;
    const std::vector<QWidget*> controls = shownControls(window);
    for (QWidget* control : controls) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
        const std::string name = control->objectName().toStdString();
        if (reader == nullptr) {
            missing += "\n  " + name + ": no accessible interface";
            continue;
        }
        if (reader->text(QAccessible::Name).trimmed().isEmpty()) {
            missing += "\n  " + name + ": no name";
        }
        const QString description = reader->text(QAccessible::Description).trimmed();
        if (description.isEmpty() || description == control->objectName()) {
            missing += "\n  " + name + ": no description";
        }
    }
    if (controls.empty()) {
        return ::testing::AssertionFailure() << seen << " shows no controls";
    }
    if (!missing.empty()) {
        return ::testing::AssertionFailure()
               << seen << " (" << window.objectName().toStdString() << "):" << missing;
    }
    return ::testing::AssertionSuccess() << controls.size() << " controls";
}

void activate(QWidget& window) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

/// Presses a key on the widget with the keyboard focus, as typing does.
void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "no widget has the keyboard focus";
    QTest::keyClick(focus, key, modifiers);
}

std::string focusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName().toStdString() : std::string("nothing");
}

// Names and descriptions, window by window.

struct WindowCase {
    const char* name;
    // Opens the window and returns it, still shown.
    std::function<QWidget*(Form1&)> open;
};

class EveryWindow : public HelpTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(EveryWindow, NamesAndDescribesEveryControlItShows) {
    QWidget* window = GetParam().open(*main);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(everyControlNamed(*window, GetParam().name));
}

QWidget* helpWith(Form1& main, void (MDIForm1::*command)()) {
    QTest::mouseClick(main.Image8, Qt::LeftButton);
    MDIForm1* window = forms::MDIForm1.existing();
    if (window != nullptr && command != nullptr) {
        (window->*command)();
    }
    return window;
}

void requestEstimation(Form1& main) {
    main.Text2->setText(QStringLiteral("100"));
    main.Combo1->setListIndex(14);
    main.Combo2->setListIndex(8);
    main.Command1->click();
}

INSTANTIATE_TEST_SUITE_P(
    Windows, EveryWindow,
    ::testing::Values(
        WindowCase{"Splash", [](Form1&) -> QWidget* { return &forms::frmStartup.get(); }},
        WindowCase{"MapTitleWindow", [](Form1&) -> QWidget* { return &forms::Form2.get(); }},
        WindowCase{"MainWindowBeforeGo", [](Form1& main) -> QWidget* { return &main; }},
        WindowCase{"MainWindowWithResults",
                   [](Form1& main) -> QWidget* {
                       requestEstimation(main);
                       return main.Label6->isVisible() ? &main : nullptr;
                   }},
        WindowCase{"HelpWithTopics", [](Form1& main) { return helpWith(main, nullptr); }},
        WindowCase{"HelpWithNotice", [](Form1& main) { return helpWith(main, &MDIForm1::Command2_Click); }},
        WindowCase{"HelpWithHowTo", [](Form1& main) { return helpWith(main, &MDIForm1::command3_Click); }},
        WindowCase{"HelpWithGlossary", [](Form1& main) { return helpWith(main, &MDIForm1::Command4_Click); }}),
    [](const ::testing::TestParamInfo<WindowCase>& param) { return std::string(param.param.name); });

// The two modal windows are looked at while they are up.
struct ModalCase {
    const char* name;
    const char* window;
    std::function<void(Form1&)> open;
};

class EveryModalWindow : public HelpTest, public ::testing::WithParamInterface<ModalCase> {};

TEST_P(EveryModalWindow, NamesAndDescribesEveryControlItShows) {
    bool seen = false;
    testing::whenModal([&seen](QWidget& modal) {
        seen = true;
        EXPECT_EQ(modal.objectName(), QString::fromLatin1(GetParam().window));
        EXPECT_TRUE(everyControlNamed(modal, GetParam().name));
        modal.close();
    });
    GetParam().open(*main);
    EXPECT_TRUE(seen);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, EveryModalWindow,
    ::testing::Values(ModalCase{"InputProblem", "frmWarning", [](Form1& main) { main.Command1->click(); }},
                      ModalCase{"About", "frmAbout", [](Form1& main) { main.mnuHelpAbout->trigger(); }}),
    [](const ::testing::TestParamInfo<ModalCase>& param) { return std::string(param.param.name); });

TEST_F(HelpTest, ResultLabelsAreReadByTheirResultAndDescribedByWhatItIs) {
    requestEstimation(*main);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(main->Label6);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("609."));
    EXPECT_TRUE(reader->text(QAccessible::Description).contains(QStringLiteral("Tax burden")));
}

// Pictures that act on a click.

struct ActingPicture {
    const char* name;
    std::function<toolkit::Image*(Form1&)> find;
    QAccessible::Role role;
    bool tabStop;
};

class ActingPictures : public HelpTest, public ::testing::WithParamInterface<ActingPicture> {};

TEST_P(ActingPictures, AreAnnouncedAsButtonsOrLinksThatCanBePressed) {
    toolkit::Image* picture = GetParam().find(*main);
    ASSERT_NE(picture, nullptr);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(picture);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), GetParam().role);
    EXPECT_EQ(reader->text(QAccessible::Name), picture->toolTip()) << "the name is the command";
    QAccessibleActionInterface* actions = reader->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(picture->focusPolicy(), GetParam().tabStop ? Qt::TabFocus : Qt::NoFocus);
}

toolkit::Image* topicsLink(Form1& main, toolkit::Image* frmDLG::*link) {
    QTest::mouseClick(main.Image8, Qt::LeftButton);
    frmDLG* topics = forms::frmDLG.existing();
    return topics != nullptr ? topics->*link : nullptr;
}

toolkit::Image* toolbarButton(Form1& main, toolkit::Image* MDIForm1::*button) {
    QTest::mouseClick(main.Image8, Qt::LeftButton);
    MDIForm1* window = forms::MDIForm1.existing();
    return window != nullptr ? window->*button : nullptr;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, ActingPictures,
    ::testing::Values(
        ActingPicture{"MainExit", [](Form1& main) { return main.Image7; }, QAccessible::Button, false},
        ActingPicture{"MainHelp", [](Form1& main) { return main.Image8; }, QAccessible::Button, false},
        ActingPicture{"ToolbarExit", [](Form1& main) { return toolbarButton(main, &MDIForm1::Image1); },
                      QAccessible::Button, false},
        ActingPicture{"ToolbarGlossary", [](Form1& main) { return toolbarButton(main, &MDIForm1::Image4); },
                      QAccessible::Button, false},
        ActingPicture{"NoticeLink", [](Form1& main) { return topicsLink(main, &frmDLG::Image2); },
                      QAccessible::Link, true},
        ActingPicture{"HowToLink", [](Form1& main) { return topicsLink(main, &frmDLG::Image3); },
                      QAccessible::Link, true},
        ActingPicture{"GlossaryLink", [](Form1& main) { return topicsLink(main, &frmDLG::Image4); },
                      QAccessible::Link, true}),
    [](const ::testing::TestParamInfo<ActingPicture>& param) { return std::string(param.param.name); });

TEST_F(HelpTest, PicturesWithoutACommandAreGraphicsThatTakeNoFocus) {
    for (toolkit::Image* picture : {main->Image2, main->Image6}) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(picture);
        ASSERT_NE(reader, nullptr);
        EXPECT_EQ(reader->role(), QAccessible::Graphic) << picture->objectName().toStdString();
        EXPECT_EQ(picture->focusPolicy(), Qt::NoFocus);
        picture->setTabStop(true);
        EXPECT_EQ(picture->focusPolicy(), Qt::NoFocus) << "only a button or a link takes the focus";
    }
}

TEST_F(HelpTest, PressingALinkThroughAssistiveToolsOpensItsPage) {
    toolkit::Image* link = topicsLink(*main, &frmDLG::Image4);
    ASSERT_NE(link, nullptr);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(link);
    ASSERT_NE(reader, nullptr);
    QAccessibleActionInterface* actions = reader->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(children(), QStringList{QStringLiteral("frmGloss")});
}

// The main window from the keyboard.

TEST_F(HelpTest, TabGoesFromTheRevenueThroughTheListsToGoAndRoundAgain) {
    activate(*main);
    EXPECT_EQ(QApplication::focusWidget(), main->Text2) << "the focus starts in the revenue box";
    const std::vector<QWidget*> order{main->Combo1, main->Combo2, main->Command1, main->Text2};
    for (QWidget* next : order) {
        type(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << "Tab leaves the focus on " << focusName();
    }
    const std::vector<QWidget*> back{main->Command1, main->Combo2, main->Combo1, main->Text2};
    for (QWidget* previous : back) {
        type(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), previous) << "Shift+Tab leaves the focus on " << focusName();
    }
}

class GoKeys : public HelpTest, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(GoKeys, PressGoWhileItHasTheFocus) {
    activate(*main);
    main->Text2->setText(QStringLiteral("100"));
    main->Combo1->setListIndex(14);
    main->Combo2->setListIndex(8);
    main->Command1->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), main->Command1);
    type(GetParam());
    EXPECT_EQ(main->Label6->Caption(), QStringLiteral("609."));
    EXPECT_TRUE(main->Label6->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Keys, GoKeys, ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space));

// The two dialogs close by Enter and by Esc, and OK has the focus in both.

struct DialogKey {
    const char* name;
    const char* window;
    std::function<void(Form1&)> open;
    Qt::Key key;
};

class DialogKeys : public HelpTest, public ::testing::WithParamInterface<DialogKey> {};

TEST_P(DialogKeys, CloseTheDialog) {
    bool pressed = false;
    testing::whenModal([&pressed](QWidget& modal) {
        ASSERT_EQ(modal.objectName(), QString::fromLatin1(GetParam().window));
        activate(modal);
        const QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(qobject_cast<const toolkit::CommandButton*>(focus) != nullptr)
            << "the focus is on " << focusName();
        type(GetParam().key);
        pressed = true;
    });
    GetParam().open(*main);
    ASSERT_TRUE(pressed);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(forms::frmWarning.existing(), nullptr);
    EXPECT_EQ(forms::frmAbout.existing(), nullptr);
}

void inputProblem(Form1& main) { main.Command1->click(); }

void aboutBox(Form1& main) { main.mnuHelpAbout->trigger(); }

INSTANTIATE_TEST_SUITE_P(
    Dialogs, DialogKeys,
    ::testing::Values(DialogKey{"InputProblemEnter", "frmWarning", inputProblem, Qt::Key_Return},
                      DialogKey{"InputProblemKeypadEnter", "frmWarning", inputProblem, Qt::Key_Enter},
                      DialogKey{"InputProblemEsc", "frmWarning", inputProblem, Qt::Key_Escape},
                      DialogKey{"AboutEnter", "frmAbout", aboutBox, Qt::Key_Return},
                      DialogKey{"AboutEsc", "frmAbout", aboutBox, Qt::Key_Escape}),
    [](const ::testing::TestParamInfo<DialogKey>& param) { return std::string(param.param.name); });

// The topics links from the keyboard.

struct LinkKey {
    const char* name;
    int tabs;
    Qt::Key key;
    const char* page;
};

/// Makes the help window the active one: its topics dialog, or none when the
/// help window or the dialog is not open.
frmDLG* activeTopics() {
    frmDLG* topics = forms::frmDLG.existing();
    MDIForm1* window = forms::MDIForm1.existing();
    if (topics == nullptr || window == nullptr || !window->isLoaded()) {
        return nullptr;
    }
    activate(*window);
    return topics;
}

class TopicsLinkKeys : public HelpTest, public ::testing::WithParamInterface<LinkKey> {};

TEST_P(TopicsLinkKeys, TabReachesTheLinkAndTheKeyOpensItsPage) {
    requestHelp();
    frmDLG* topics = activeTopics();
    ASSERT_NE(topics, nullptr) << "no help window with its topics";
    ASSERT_EQ(QApplication::focusWidget(), topics->Image2) << "the focus starts on the first link";
    const std::vector<toolkit::Image*> links{topics->Image2, topics->Image3, topics->Image4};
    for (int tab = 0; tab < GetParam().tabs; ++tab) {
        type(Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), links.at(static_cast<std::size_t>(GetParam().tabs)))
        << "the focus is on " << focusName();
    type(GetParam().key);
    EXPECT_EQ(children(), QStringList{QString::fromLatin1(GetParam().page)});
    EXPECT_TRUE(TopicsDialogOpen == 0);
}

INSTANTIATE_TEST_SUITE_P(Links, TopicsLinkKeys,
                         ::testing::Values(LinkKey{"NoticeByEnter", 0, Qt::Key_Return, "frmNote"},
                                           LinkKey{"NoticeBySpace", 0, Qt::Key_Space, "frmNote"},
                                           LinkKey{"HowToByEnter", 1, Qt::Key_Enter, "frmHowTo"},
                                           LinkKey{"HowToBySpace", 1, Qt::Key_Space, "frmHowTo"},
                                           LinkKey{"GlossaryByEnter", 2, Qt::Key_Return, "frmGloss"},
                                           LinkKey{"GlossaryBySpace", 2, Qt::Key_Space, "frmGloss"}),
                         [](const ::testing::TestParamInfo<LinkKey>& param) {
                             return std::string(param.param.name);
                         });

TEST_F(HelpTest, TabFromTheLastLinkComesBackToTheFirst) {
    requestHelp();
    frmDLG* topics = activeTopics();
    ASSERT_NE(topics, nullptr) << "no help window with its topics";
    topics->Image4->setFocus(Qt::TabFocusReason);
    type(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), topics->Image2) << "the focus is on " << focusName();
    type(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), topics->Image4) << "the focus is on " << focusName();
}

TEST_F(HelpTest, ALinkWithTheFocusShowsAFocusFrame) {
    requestHelp();
    frmDLG* topics = activeTopics();
    ASSERT_NE(topics, nullptr) << "no help window with its topics";
    const QImage unfocused = topics->Image3->grab().toImage();
    type(Qt::Key_Tab);
    ASSERT_TRUE(topics->Image3->hasFocus());
    const QImage focused = topics->Image3->grab().toImage();
    type(Qt::Key_Tab);
    ASSERT_FALSE(topics->Image3->hasFocus());
    EXPECT_NE(focused, unfocused);
    EXPECT_EQ(topics->Image3->grab().toImage(), unfocused) << "the frame goes with the focus";
}

TEST_F(HelpTest, AClickOnALinkLeavesTheFocusWhereItWas) {
    requestHelp();
    frmDLG* topics = forms::frmDLG.existing();
    ASSERT_NE(topics, nullptr);
    QTest::mousePress(topics->Image5, Qt::LeftButton);
    QTest::mousePress(topics->Image3, Qt::LeftButton);
    EXPECT_FALSE(topics->Image3->hasFocus());
}

// The help window's menu bar from the keyboard.

struct MenuKey {
    const char* name;
    Qt::Key item;
    const char* page;
};

class HelpMenuKeys : public HelpTest, public ::testing::WithParamInterface<MenuKey> {};

TEST_P(HelpMenuKeys, AltWThenTheItemsKeyShowsItsPage) {
    requestHelp();
    MDIForm1* window = help();
    ASSERT_NE(window, nullptr);
    activate(*window);
    QTest::keyClick(window->windowHandle(), Qt::Key_W, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_EQ(popup, window->mnuWindow) << "Alt+W opens the Window menu";
    QTest::keyClick(popup, GetParam().item);
    EXPECT_EQ(children(), QStringList{QString::fromLatin1(GetParam().page)});
}

INSTANTIATE_TEST_SUITE_P(Items, HelpMenuKeys,
                         ::testing::Values(MenuKey{"Notice", Qt::Key_N, "frmNote"},
                                           MenuKey{"HowTo", Qt::Key_H, "frmHowTo"},
                                           MenuKey{"Glossary", Qt::Key_G, "frmGloss"}),
                         [](const ::testing::TestParamInfo<MenuKey>& param) {
                             return std::string(param.param.name);
                         });

TEST_F(HelpTest, AltXClosesTheHelpWindow) {
    requestHelp();
    MDIForm1* window = help();
    ASSERT_NE(window, nullptr);
    activate(*window);
    QTest::keyClick(window->windowHandle(), Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(help(), nullptr);
    EXPECT_TRUE(HelpWindowOpen == 0);
    EXPECT_FALSE(toolkit::hasEnded()) << "only the help closes, not the program";
}

} // namespace
} // namespace levora::ui
