// The lifecycle and the measures of the toolkit's windows.

#include "modal.h"

#include "levora/toolkit/controls.h"
#include "levora/toolkit/events.h"
#include "levora/toolkit/form.h"
#include "levora/toolkit/runtime.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace levora::toolkit {
namespace {

std::vector<QString>& unloadLog() {
    static std::vector<QString> log;
    return log;
}

/// A window that counts its events.
class Probe : public Form {
public:
    explicit Probe(const QString& name = QStringLiteral("Probe"), BorderStyle border = BorderStyle::FixedSingle)
        : Form(name, border, CaptionButtons::Minimize, 3000, 2000) {}

    int loads = 0;
    int unloads = 0;
    int clicks = 0;
    bool cancelUnload = false;
    std::function<void()> onUnload;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload(std::int16_t& Cancel) override {
        ++unloads;
        unloadLog().push_back(objectName());
        if (cancelUnload) {
            Cancel = 1;
        }
        if (onUnload) {
            onUnload();
        }
    }
    void Form_Click() override { ++clicks; }
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override { unloadLog().clear(); }
    void TearDown() override {
        releaseForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(FormTest, LoadRunsFormLoadOnceAndShowLoadsFirst) {
    auto* probe = new Probe;
    EXPECT_FALSE(probe->isLoaded());
    probe->Show();
    probe->Load();
    probe->Show();
    EXPECT_EQ(probe->loads, 1);
    EXPECT_TRUE(probe->isVisible());
    probe->Hide();
    EXPECT_FALSE(probe->isVisible());
    EXPECT_TRUE(probe->isLoaded());
}

TEST_F(FormTest, AnInstanceIsCreatedOnFirstUseAndFreshAfterUnload) {
    FormInstance<Probe> instance;
    instance.Unload();
    EXPECT_EQ(instance.existing(), nullptr) << "unloading an unloaded window creates none";
    instance->Show();
    Probe* firstWindow = instance.existing();
    ASSERT_NE(firstWindow, nullptr);
    const QPointer<Probe> first = firstWindow;
    EXPECT_EQ(firstWindow->loads, 1);
    instance.Unload();
    EXPECT_FALSE(instance.isLoaded());
    EXPECT_EQ(firstWindow->unloads, 1);
    EXPECT_FALSE(firstWindow->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull()) << "an unloaded window is destroyed";
    Probe& second = instance.get();
    EXPECT_EQ(second.loads, 1);
    EXPECT_EQ(second.unloads, 0);
}

TEST_F(FormTest, UnloadCanBeCancelled) {
    auto* probe = new Probe;
    probe->Show();
    probe->cancelUnload = true;
    probe->Unload();
    EXPECT_TRUE(probe->isLoaded());
    EXPECT_TRUE(probe->isVisible());
    probe->cancelUnload = false;
    probe->Unload();
    EXPECT_TRUE(probe->isUnloaded());
    EXPECT_EQ(probe->unloads, 2);
}

TEST_F(FormTest, TheCloseBoxUnloadsTheWindow) {
    auto* probe = new Probe;
    probe->Show();
    probe->close();
    EXPECT_EQ(probe->unloads, 1);
    EXPECT_TRUE(probe->isUnloaded());
    EXPECT_FALSE(probe->isVisible());
}

TEST_F(FormTest, AModalShowWaitsWithTheOtherWindowsBlocked) {
    auto* main = new Probe(QStringLiteral("Main"));
    auto* button = new CommandButton(main->client(), QStringLiteral("Button"));
    button->Move(0, 0, 900, 450);
    int buttonClicks = 0;
    QObject::connect(button, &CommandButton::Click, [&buttonClicks] { ++buttonClicks; });
    main->Show();
    auto* dialog = new Probe(QStringLiteral("Dialog"));
    bool sawModal = false;
    testing::whenModal([&](QWidget& modal) {
        sawModal = &modal == dialog;
        QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, button->mapTo(main, QPoint(10, 10)));
        dialog->Unload();
    });
    dialog->Show(1);
    EXPECT_TRUE(sawModal);
    EXPECT_EQ(buttonClicks, 0) << "the main window took a click during the modal wait";
    EXPECT_TRUE(dialog->isUnloaded());
    QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, button->mapTo(main, QPoint(10, 10)));
    EXPECT_EQ(buttonClicks, 1) << "the main window takes clicks again";
}

TEST_F(FormTest, HidingAModalWindowEndsTheWait) {
    auto* dialog = new Probe;
    testing::whenModal([dialog](QWidget&) { dialog->Hide(); });
    dialog->Show(1);
    EXPECT_TRUE(dialog->isLoaded());
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(FormTest, ShowRejectsAnUnknownFlagAndAModalShowOfAShownWindow) {
    auto* probe = new Probe;
    EXPECT_THROW(probe->Show(2), RunTimeError);
    probe->Show();
    EXPECT_THROW(probe->Show(1), RunTimeError);
}

TEST_F(FormTest, EndStopsAtOnceFromInsideAModalWait) {
    auto* main = new Probe(QStringLiteral("Main"));
    main->Show();
    auto* dialog = new Probe(QStringLiteral("Dialog"));
    testing::whenModal([](QWidget&) { handleEvent("Dialog.OK", [] { End(); }); });
    bool resumed = false;
    handleEvent("Main.Click", [&] {
        dialog->Show(1);
        resumed = true;
    });
    EXPECT_TRUE(hasEnded());
    EXPECT_FALSE(resumed) << "the handler went on after End";
    EXPECT_EQ(main->unloads + dialog->unloads, 0) << "End ran an unload handler";
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(dialog->isVisible());
    bool ranLater = false;
    handleEvent("later", [&ranLater] { ranLater = true; });
    EXPECT_FALSE(ranLater) << "an event reached a handler after End";
}

TEST_F(FormTest, AnUnloadHandlerThatEndsUnwindsTheClose) {
    auto* other = new Probe(QStringLiteral("Other"));
    other->Show();
    auto* main = new Probe(QStringLiteral("Main"));
    main->onUnload = [] { End(); };
    main->Show();
    main->close();
    EXPECT_TRUE(hasEnded());
    EXPECT_EQ(other->unloads, 0);
    EXPECT_FALSE(other->isVisible());
    releaseForms();
    EXPECT_FALSE(hasEnded());
    EXPECT_TRUE(existingForms().isEmpty());
}

TEST_F(FormTest, UnloadingAWindowStopsItsTimers) {
    auto* probe = new Probe;
    auto* timer = new IntervalTimer(probe, QStringLiteral("Timer1"));
    timer->setInterval(10);
    probe->Load();
    int ticks = 0;
    QObject::connect(timer, &IntervalTimer::Timer, [&ticks] { ++ticks; });
    ASSERT_TRUE(QTest::qWaitFor([&ticks] { return ticks > 0; }, 5000));
    probe->Unload();
    EXPECT_FALSE(timer->Enabled());
    const int seen = ticks;
    // Past the deferred delete, so nothing is left to tick.
    QTest::qWait(50);
    EXPECT_EQ(ticks, seen);
}

struct LastWindowCase {
    const char* name;
    int windows;
    int unloaded; // by the time the loop is looked at
    bool loopEnds;
};

class ProgramLoop : public FormTest, public ::testing::WithParamInterface<LastWindowCase> {};

// The program's loop ends with its last loaded window, as it does on End().
TEST_P(ProgramLoop, EndsWhenNoWindowIsLoadedAnyMore) {
    std::vector<Probe*> windows;
    for (int i = 0; i < GetParam().windows; ++i) {
        windows.push_back(new Probe(QStringLiteral("Window%1").arg(i)));
        windows.back()->Show();
    }
    // Timers of the test's own, so that none outlives it.
    QTimer unload;
    unload.setSingleShot(true);
    QObject::connect(&unload, &QTimer::timeout, [&windows] {
        for (int i = 0; i < GetParam().unloaded; ++i) {
            windows[static_cast<std::size_t>(i)]->Unload();
        }
    });
    unload.start(0);
    // A loop that should still run is ended from outside after a while.
    QTimer stop;
    stop.setSingleShot(true);
    bool stopped = false;
    QObject::connect(&stop, &QTimer::timeout, [&stopped] {
        stopped = true;
        handleEvent("test", [] { End(); });
    });
    stop.start(300);
    EXPECT_EQ(runEventLoop(), 0);
    EXPECT_EQ(stopped, !GetParam().loopEnds);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ProgramLoop,
    ::testing::Values(LastWindowCase{"NoneLoaded", 0, 0, true}, LastWindowCase{"TheOnlyOneUnloaded", 1, 1, true},
                      LastWindowCase{"OneOfTwoUnloaded", 2, 1, false}, LastWindowCase{"BothUnloaded", 2, 2, true}),
    [](const ::testing::TestParamInfo<LastWindowCase>& param) { return std::string(param.param.name); });

TEST_F(FormTest, UnloadByNameFindsOnlyThatLoadedWindow) {
    auto* map = new Probe(QStringLiteral("Form2"));
    auto* help = new Probe(QStringLiteral("MDIForm1"));
    map->Load();
    help->Load();
    Unload(QStringLiteral("Nothing"));
    Unload(QStringLiteral("MDIForm1"));
    EXPECT_EQ(unloadLog(), std::vector<QString>{QStringLiteral("MDIForm1")});
    EXPECT_TRUE(map->isLoaded());
}

TEST_F(FormTest, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
    auto* probe = new Probe;
    auto* ok = new CommandButton(probe->client(), QStringLiteral("OK"));
    auto* cancel = new CommandButton(probe->client(), QStringLiteral("Cancel"));
    ok->setDefault(true);
    cancel->setCancel(true);
    std::vector<QString> pressed;
    QObject::connect(ok, &CommandButton::Click, [&pressed] { pressed.emplace_back("OK"); });
    QObject::connect(cancel, &CommandButton::Click, [&pressed] { pressed.emplace_back("Cancel"); });
    probe->Show();
    QTest::keyClick(probe, Qt::Key_Escape);
    QTest::keyClick(probe, Qt::Key_Return);
    QTest::keyClick(probe, Qt::Key_Enter);
    EXPECT_EQ(pressed, (std::vector<QString>{"Cancel", "OK", "OK"}));
}

TEST_F(FormTest, AClickOnTheBackgroundRaisesFormClick) {
    auto* probe = new Probe;
    probe->Show();
    QTest::mouseClick(probe->client(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(probe->client(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(probe->clicks, 1);
}

struct FrameCase {
    BorderStyle border;
    QMargins frame;
};

class OuterMeasures : public FormTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(OuterMeasures, KeepTheValuesSetAndDeriveTheClientAreaFromTheFrame) {
    auto* probe = new Probe(QStringLiteral("Probe"), GetParam().border);
    probe->setHeight(6910);
    probe->setWidth(5213);
    probe->setTop(1152.5);
    probe->setLeft(2536.75);
    EXPECT_EQ(probe->Left(), 2536.75);
    EXPECT_EQ(probe->Top(), 1152.5);
    EXPECT_EQ(probe->Width(), 5213.0);
    EXPECT_EQ(probe->Height(), 6910.0);
    const QMargins& f = GetParam().frame;
    EXPECT_EQ(probe->geometry(),
              QRect(169 + f.left(), 77 + f.top(), 348 - f.left() - f.right(), 461 - f.top() - f.bottom()));
    EXPECT_EQ(probe->ScaleWidth(), (348 - f.left() - f.right()) * 15.0);
    EXPECT_EQ(probe->ScaleHeight(), (461 - f.top() - f.bottom()) * 15.0);
    EXPECT_EQ(probe->property("Left").toDouble(), 2536.75);
    EXPECT_EQ(probe->property("ScaleWidth").toDouble(), probe->ScaleWidth());
}

INSTANTIATE_TEST_SUITE_P(Borders, OuterMeasures,
                         ::testing::Values(FrameCase{BorderStyle::FixedSingle, QMargins(4, 26, 4, 4)},
                                           FrameCase{BorderStyle::FixedDialog, QMargins(4, 26, 4, 4)},
                                           FrameCase{BorderStyle::None, QMargins()}));

TEST_F(FormTest, TheMenuBarLiesAboveTheClientArea) {
    auto* probe = new Probe;
    probe->menu()->addAction(QStringLiteral("E&xit"));
    probe->setHeight(3000);
    const int menuHeight = probe->menu()->sizeHint().height();
    ASSERT_GT(menuHeight, 0);
    EXPECT_EQ(probe->ScaleHeight(), (200 - DefaultFrame.top - DefaultFrame.bottom - menuHeight) * 15.0);
    EXPECT_EQ(probe->client()->y(), menuHeight);
}

TEST_F(FormTest, MenuCommandsAnswerTheirAccessKeys) {
    auto* probe = new Probe;
    QAction* exit = probe->menu()->addAction(QStringLiteral("E&xit"));
    QMenu* help = probe->menu()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Help Topics"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About ..."));
    probe->Show();
    QApplication::setActiveWindow(probe);
    int exits = 0;
    QObject::connect(exit, &QAction::triggered, [&exits] { ++exits; });
    QTest::keyClick(probe, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(help->actions().size(), 3);
    EXPECT_TRUE(help->actions().at(1)->isSeparator());
}

TEST_F(FormTest, AnEventConnectedToAHandlerTakesTheDefaultCourseForAnUntrappedFailure) {
    auto* probe = new Probe;
    auto* button = new CommandButton(probe->client(), QStringLiteral("Command1"));
    struct Handler : QObject {
        int calls = 0;
        void Command1_Click() {
            ++calls;
            throw RunTimeError(Failure::TypeMismatch);
        }
    } handler;
    connectEvent(button, &CommandButton::Click, &handler, &Handler::Command1_Click);
    ::testing::internal::CaptureStderr();
    button->click();
    button->click();
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(handler.calls, 2) << "the program went on after the first failure";
    EXPECT_NE(report.find("Command1.Click: type mismatch"), std::string::npos) << report;
}

TEST_F(FormTest, AWindowCanBeMinimizedAndRestored) {
    auto* probe = new Probe;
    probe->Show();
    EXPECT_EQ(probe->WindowState(), 0);
    probe->setWindowState(1);
    EXPECT_EQ(probe->WindowState(), 1);
    EXPECT_EQ(probe->property("WindowState").toInt(), 1);
    probe->setWindowState(0);
    EXPECT_EQ(probe->WindowState(), 0);
    EXPECT_TRUE(probe->isLoaded());
}

TEST_F(FormTest, BadMeasuresFailAndChangeNothing) {
    auto* probe = new Probe;
    probe->setWidth(4000);
    probe->setLeft(300);
    EXPECT_THROW(probe->setWidth(-1), RunTimeError);
    EXPECT_THROW(probe->setLeft(std::numeric_limits<double>::quiet_NaN()), RunTimeError);
    EXPECT_THROW(probe->setWindowState(3), RunTimeError);
    EXPECT_EQ(probe->Width(), 4000.0);
    EXPECT_EQ(probe->Left(), 300.0);
}

TEST_F(FormTest, ControlsFollowTheirContainersScale) {
    auto* probe = new Probe(QStringLiteral("Probe"), BorderStyle::None);
    probe->client()->setScale(1.0649041, 1.4488173);
    auto* label = new Label(probe->client(), QStringLiteral("Label"));
    label->Move(225.372, 1152.392, 2549.55, 336);
    EXPECT_EQ(label->geometry(), QRect(16, 111, 181, 32));
    EXPECT_NEAR(probe->ScaleWidth() * 1.0649041, 3000, 1e-9);
}

} // namespace
} // namespace levora::toolkit
