// The start-up sequence that the splash's timer runs: the map title window
// loaded and hidden, the main window loaded and shown, the splash gone; and
// a tick that fails, which leaves the splash up for the next one.

#include "startup_fixture.h"

#include "main/Form1.h"
#include "startup/Form2.h"
#include "startup/frmStartup.h"

#include "levora/toolkit/runtime.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace levora::ui {
namespace {

using Step = frmStartup::StartupStep;

/// Waits long enough for a tick that is due, and for deferred deletes.
constexpr int TickPatience = 3000;

/// Notes when the main window is first shown, and whether its load had run
/// to its end by then.
class ShowWatch : public QObject {
public:
    explicit ShowWatch(const QElapsedTimer& clock) : clock_(clock) { qApp->installEventFilter(this); }
    ~ShowWatch() override { qApp->removeEventFilter(this); }
    ShowWatch(const ShowWatch&) = delete;
    ShowWatch& operator=(const ShowWatch&) = delete;
    ShowWatch(ShowWatch&&) = delete;
    ShowWatch& operator=(ShowWatch&&) = delete;

    std::optional<qint64> shownAfter;
    bool loadFinishedWhenShown = false;
    int shows = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->objectName() == QStringLiteral("Form1")) {
            const auto* window = static_cast<Form1*>(watched);
            ++shows;
            shownAfter = shownAfter.value_or(clock_.elapsed());
            // The last step of the main window's load places the Help picture.
            loadFinishedWhenShown =
                window->isLoaded() && window->Combo2->ListCount() == 25 &&
                window->Image8->Left() == window->Image7->Left() + window->Image7->Width() + 20;
        }
        return false;
    }

private:
    const QElapsedTimer& clock_;
};

TEST_F(StartupTest, TheMainWindowFollowsASecondAfterLoadAndTheSplashIsGone) {
    QElapsedTimer clock;
    const ShowWatch watch(clock);
    clock.start();
    forms::frmStartup.Load();
    frmStartup* shown = forms::frmStartup.existing();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    const QPointer<frmStartup> splash = shown;
    EXPECT_EQ(loaded(QStringLiteral("Form1")), nullptr);
    EXPECT_EQ(MapWindowLoaded, 0);

    ASSERT_TRUE(
        QTest::qWaitFor([] { return forms::Form1.isLoaded() && forms::Form1->isVisible(); }, TickPatience));
    ASSERT_TRUE(watch.shownAfter.has_value());
    EXPECT_GE(*watch.shownAfter, 1000) << "the splash stays up for a whole timer interval";
    EXPECT_TRUE(watch.loadFinishedWhenShown);
    ASSERT_TRUE(QTest::qWaitFor([&splash] { return splash.isNull(); }, TickPatience)) << "the splash is destroyed";

    auto* map = forms::Form2.existing();
    ASSERT_NE(map, nullptr);
    EXPECT_TRUE(map->isLoaded());
    EXPECT_FALSE(map->isVisible());
    EXPECT_EQ(MapWindowLoaded, 1);
    EXPECT_EQ(forms::frmStartup.existing(), nullptr);

    // Nothing of the splash runs again.
    const Form1* main = forms::Form1.existing();
    QTest::qWait(1300);
    EXPECT_EQ(forms::Form1.existing(), main);
    EXPECT_EQ(forms::Form2.existing(), map);
    EXPECT_EQ(watch.shows, 1);
    EXPECT_EQ(loaded(QStringLiteral("frmStartup")), nullptr);
}

/// A splash whose first tick fails at one step of the sequence.
class FailingOnce : public frmStartup {
public:
    explicit FailingOnce(Step failing) : failing_(failing) {}
    int ticks = 0;

protected:
    void beforeStartupStep(Step step) override {
        if (step == Step::LoadMapWindow) {
            ++ticks;
        }
        if (step == failing_ && ticks == 1) {
            throw toolkit::RunTimeError(toolkit::Failure::Overflow, "a failure for the test");
        }
    }

private:
    Step failing_;
};

struct RetryCase {
    Step failing;
    bool mapLoadedAfterFirstTick;
    bool mainLoadedAfterFirstTick;
    bool mainShownAfterFirstTick;
};

std::string stepName(const ::testing::TestParamInfo<RetryCase>& param) {
    static constexpr std::array names{"LoadMapWindow", "HideMapWindow", "LoadMainWindow", "ShowMainWindow",
                                      "UnloadSplash"};
    return names.at(static_cast<std::size_t>(param.param.failing));
}

class FailedTick : public StartupTest, public ::testing::WithParamInterface<RetryCase> {};

TEST_P(FailedTick, LeavesTheSplashUpAndTheNextTickCompletesTheSequence) {
    auto* failing = new FailingOnce(GetParam().failing);
    const QPointer<FailingOnce> splash = failing;
    failing->Load();
    // The splash lives at least until its second tick.
    ASSERT_TRUE(QTest::qWaitFor([failing] { return failing->ticks == 1; }, TickPatience));
    EXPECT_TRUE(failing->isLoaded() && failing->isVisible()) << "the splash stays up";
    EXPECT_TRUE(failing->Timer1->Enabled());
    EXPECT_EQ(forms::Form2.isLoaded(), GetParam().mapLoadedAfterFirstTick);
    EXPECT_EQ(MapWindowLoaded, GetParam().mapLoadedAfterFirstTick ? 1 : 0);
    EXPECT_EQ(forms::Form1.isLoaded(), GetParam().mainLoadedAfterFirstTick);
    EXPECT_EQ(forms::Form1.isLoaded() && forms::Form1->isVisible(), GetParam().mainShownAfterFirstTick);
    const Form2* mapAfterFirstTick = forms::Form2.existing();
    const Form1* mainAfterFirstTick = forms::Form1.existing();

    ASSERT_TRUE(QTest::qWaitFor([&splash] { return splash.isNull(); }, TickPatience));
    EXPECT_EQ(splash.data(), nullptr);
    ASSERT_TRUE(forms::Form1.isLoaded());
    EXPECT_TRUE(forms::Form1->isVisible());
    ASSERT_TRUE(forms::Form2.isLoaded());
    EXPECT_FALSE(forms::Form2->isVisible());
    EXPECT_EQ(MapWindowLoaded, 1);
    // The steps that had succeeded were not repeated: the same windows.
    if (mapAfterFirstTick != nullptr) {
        EXPECT_EQ(forms::Form2.existing(), mapAfterFirstTick);
    }
    if (mainAfterFirstTick != nullptr) {
        EXPECT_EQ(forms::Form1.existing(), mainAfterFirstTick);
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, FailedTick,
                         ::testing::Values(RetryCase{Step::LoadMapWindow, false, false, false},
                                           RetryCase{Step::HideMapWindow, true, false, false},
                                           RetryCase{Step::LoadMainWindow, true, false, false},
                                           RetryCase{Step::ShowMainWindow, true, true, false},
                                           RetryCase{Step::UnloadSplash, true, true, true}),
                         stepName);

TEST_F(StartupTest, ClosingTheSplashBeforeItsTickEndsTheProgram) {
    forms::frmStartup.Load();
    frmStartup* shown = forms::frmStartup.existing();
    ASSERT_NE(shown, nullptr);
    const QPointer<frmStartup> splash = shown;
    QTimer::singleShot(100, shown, [shown] { shown->close(); });
    EXPECT_EQ(toolkit::runEventLoop(), 0);
    EXPECT_TRUE(splash.isNull());
    EXPECT_FALSE(forms::Form1.isLoaded()) << "the loop ended before the tick was due";
    EXPECT_EQ(MapWindowLoaded, 0);
}

TEST_F(StartupTest, AnUnloadedSplashTicksNoMore) {
    forms::frmStartup.Load();
    frmStartup* splash = forms::frmStartup.existing();
    ASSERT_NE(splash, nullptr);
    splash->Unload();
    EXPECT_FALSE(splash->Timer1->Enabled());
    QTest::qWait(1200);
    EXPECT_FALSE(forms::Form1.isLoaded());
    EXPECT_FALSE(forms::Form2.isLoaded());
}

} // namespace
} // namespace levora::ui
