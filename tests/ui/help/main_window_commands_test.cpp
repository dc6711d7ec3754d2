// The main window's commands: Exit ends the program at once, Help Topics
// opens the topics (and, with the help open, brings the help window to the
// front with Alt+Space and Enter), About shows the About box modally.

#include "help_fixture.h"

#include "modal.h"

#include "startup/frmAbout.h"

#include "levora/toolkit/runtime.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <string>
#include <vector>

namespace levora::ui {
namespace {

/// A key press that reached a window, with what the help system showed then.
struct Press {
    QString window;
    int key;
    Qt::KeyboardModifiers modifiers;
    bool topicsShown;
    friend bool operator==(const Press&, const Press&) = default;
    friend void PrintTo(const Press& press, std::ostream* out) {
        *out << press.window.toStdString() << " key " << press.key << " modifiers " << press.modifiers.toInt()
             << (press.topicsShown ? " with" : " without") << " the topics";
    }
};

/// Records every key press delivered to a window of the toolkit.
class KeyLog : public QObject {
public:
    KeyLog() { qApp->installEventFilter(this); }
    ~KeyLog() override { qApp->removeEventFilter(this); }
    KeyLog(const KeyLog&) = delete;
    KeyLog& operator=(const KeyLog&) = delete;
    KeyLog(KeyLog&&) = delete;
    KeyLog& operator=(KeyLog&&) = delete;

    std::vector<Press> presses;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && qobject_cast<toolkit::Form*>(watched) != nullptr) {
            const auto* key = static_cast<QKeyEvent*>(event);
            presses.push_back({watched->objectName(), key->key(), key->modifiers(), TopicsDialogOpen == 1});
        }
        return false;
    }
};

const std::vector<Press> windowMenuKeys{
    {QStringLiteral("MDIForm1"), Qt::Key_Space, Qt::AltModifier, true},
    {QStringLiteral("MDIForm1"), Qt::Key_Return, Qt::NoModifier, true},
};

using Command = std::function<void(Form1&)>;

/// Alt and a key in the main window, made the active window first, as the
/// user's click on it would.
void altKey(Form1& window, Qt::Key key) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.windowHandle(), key, Qt::AltModifier);
}

struct HelpCommand {
    const char* name;
    Command give;
};

class HelpTopicsCommand : public HelpTest, public ::testing::WithParamInterface<HelpCommand> {};

TEST_P(HelpTopicsCommand, WithTheHelpClosedOpensTheTopicsAndSendsNoKeys) {
    const KeyLog log;
    GetParam().give(*main);
    MDIForm1* window = help();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Caption(), QStringLiteral("Help - Topics"));
    EXPECT_EQ(children(), QStringList{QStringLiteral("frmDLG")});
    EXPECT_TRUE(log.presses.empty());
}

TEST_P(HelpTopicsCommand, WithTheHelpOpenShowsTheTopicsThenSendsTheWindowMenuKeysOnce) {
    requestHelp();
    ASSERT_NE(help(), nullptr);
    forms::MDIForm1->Command4_Click();
    const KeyLog log;
    GetParam().give(*main);
    EXPECT_EQ(log.presses, windowMenuKeys);
    EXPECT_EQ(children(), QStringList{QStringLiteral("frmDLG")});
    EXPECT_TRUE(GlossaryPageOpen == 0);
    EXPECT_FALSE(forms::MDIForm1->isWindowMenuOpen()) << "Enter took the menu's item and closed it";
}

TEST_P(HelpTopicsCommand, BringsAMinimizedHelpWindowBack) {
    requestHelp();
    MDIForm1* window = help();
    ASSERT_NE(window, nullptr);
    window->setWindowState(1);
    GetParam().give(*main);
    EXPECT_EQ(window->WindowState(), 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(toolkit::focusedWindow(), window);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, HelpTopicsCommand,
    ::testing::Values(HelpCommand{"Menu", [](Form1& w) { w.mnuHelpTopic->trigger(); }},
                      HelpCommand{"HelpPicture", [](Form1& w) { QTest::mouseClick(w.Image8, Qt::LeftButton); }}),
    [](const ::testing::TestParamInfo<HelpCommand>& param) { return std::string(param.param.name); });

class ExitCommand : public HelpTest, public ::testing::WithParamInterface<HelpCommand> {};

// The help window's and the main window's unload handlers would clear the
// flags; ending at once leaves them as they were.
TEST_P(ExitCommand, EndsTheProgramWithoutAnyUnloadHandler) {
    requestHelp();
    ASSERT_NE(help(), nullptr);
    forms::MDIForm1->Command2_Click();
    GetParam().give(*main);
    EXPECT_TRUE(toolkit::hasEnded());
    EXPECT_TRUE(HelpWindowOpen == 1);
    EXPECT_TRUE(NotePageOpen == 1);
    EXPECT_FALSE(main->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ExitCommand,
    ::testing::Values(HelpCommand{"Menu", [](Form1& w) { w.mnuFileExit->trigger(); }},
                      HelpCommand{"ExitPicture", [](Form1& w) { QTest::mouseClick(w.Image7, Qt::LeftButton); }},
                      HelpCommand{"AltX", [](Form1& w) { altKey(w, Qt::Key_X); }}),
    [](const ::testing::TestParamInfo<HelpCommand>& param) { return std::string(param.param.name); });

TEST_F(HelpTest, TheMenuBarHasExitAndHelpWithTopicsAndAbout) {
    QStringList bar;
    for (const QAction* action : main->menu()->actions()) {
        bar.append(action->text());
    }
    EXPECT_EQ(bar, (QStringList{QStringLiteral("E&xit"), QStringLiteral("&Help")}));
    QStringList items;
    for (const QAction* action : main->mnuHelp->actions()) {
        items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(items,
              (QStringList{QStringLiteral("&Help Topics"), QStringLiteral("-"), QStringLiteral("&About ...")}));
    EXPECT_TRUE(main->mnuFileExit->shortcut().isEmpty());
    EXPECT_TRUE(main->mnuHelpTopic->shortcut().isEmpty());
}

/// Opens the Help menu with Alt+H and takes the item with the access key.
void fromHelpMenu(Form1& window, Qt::Key item) {
    altKey(window, Qt::Key_H);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_EQ(popup, window.mnuHelp) << "Alt+H opens the Help menu";
    QTest::keyClick(popup, item);
}

TEST_F(HelpTest, AltHThenHOpensTheTopics) {
    fromHelpMenu(*main, Qt::Key_H);
    EXPECT_EQ(children(), QStringList{QStringLiteral("frmDLG")});
}

TEST_F(HelpTest, AltHThenAShowsTheAboutBoxModally) {
    bool shown = false;
    testing::whenModal([this, &shown](QWidget& modal) {
        auto* about = qobject_cast<frmAbout*>(&modal);
        ASSERT_NE(about, nullptr) << "the modal window is " << modal.objectName().toStdString();
        shown = true;
        QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, main->Image8->mapTo(main, QPoint(5, 5)));
        EXPECT_EQ(help(), nullptr) << "the main window took no click";
        about->cmdOK->click();
    });
    fromHelpMenu(*main, Qt::Key_A);
    EXPECT_TRUE(shown);
    EXPECT_EQ(forms::frmAbout.existing(), nullptr) << "the box is unloaded once closed";
}

TEST_F(HelpTest, TheAboutCommandReturnsOnlyOnceTheBoxIsClosed) {
    bool closed = false;
    testing::whenModal([&closed](QWidget& modal) {
        EXPECT_EQ(modal.objectName(), QStringLiteral("frmAbout"));
        closed = true;
        modal.close();
    });
    main->mnuHelpAbout->trigger();
    EXPECT_TRUE(closed);
    EXPECT_TRUE(main->isEnabled());
}

} // namespace
} // namespace levora::ui
