// The soak: many random user actions on Levora's windows, every invariant
// checked after each one. LEVORA_SOAK_SEED fixes the run (by default the seed
// comes from the clock and is printed), LEVORA_SOAK_ACTIONS sets its length.
// A failure prints the seed, the failing action's number and the actions
// before it; the two variables set to those replay the run up to the failure.

#include "actions.h"
#include "hands.h"
#include "soak.h"

#include "help/MDIForm1.h"
#include "help/frmDLG.h"
#include "help/frmNote.h"
#include "main/Form1.h"
#include "main/frmWarning.h"
#include "shared/ProgramFlags.h"
#include "startup/frmAbout.h"

#include "levora/toolkit/form.h"

#include "modal.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace levora::soak {
namespace {

/// Some 30 to 50 s in a RelWithDebInfo build on a two-core machine.
constexpr long DefaultActions = 25000;

std::optional<std::uint64_t> numberFromEnvironment(const char* variable) {
    const QByteArray text = qgetenv(variable);
    if (text.isEmpty()) {
        return std::nullopt;
    }
    bool ok = false;
    const qulonglong number = text.toULongLong(&ok);
    if (!ok) {
        ADD_FAILURE() << variable << " is no whole number: " << text.constData();
        return std::nullopt;
    }
    return number;
}

/// Drops the two warnings the offscreen platform gives on every popup, which
/// would bury the soak's own output; every other message passes.
class QuietPopups {
public:
    QuietPopups() { previous() = qInstallMessageHandler(&QuietPopups::handle); }
    ~QuietPopups() { qInstallMessageHandler(previous()); }
    QuietPopups(const QuietPopups&) = delete;
    QuietPopups& operator=(const QuietPopups&) = delete;
    QuietPopups(QuietPopups&&) = delete;
    QuietPopups& operator=(QuietPopups&&) = delete;

private:
    static QtMessageHandler& previous() {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message != QLatin1String("This plugin does not support raise()") &&
            message != QLatin1String("This plugin does not support grabbing the keyboard")) {
            previous()(type, context, message);
        }
    }
};

class SoakTest : public ::testing::Test {
protected:
    void TearDown() override {
        toolkit::releaseForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        resetWindowFlags();
    }

    QuietPopups quiet;
};

TEST_F(SoakTest, RandomUserActionsKeepEveryInvariant) {
    const std::uint64_t seed =
        numberFromEnvironment("LEVORA_SOAK_SEED")
            .value_or(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    const auto actions = static_cast<long>(numberFromEnvironment("LEVORA_SOAK_ACTIONS").value_or(DefaultActions));
    std::cout << "soak seed " << seed << ", " << actions << " actions (LEVORA_SOAK_SEED, LEVORA_SOAK_ACTIONS)"
              << std::endl;
    Soak soak(seed, allActions());
    const std::string failure = soak.run(actions);
    std::cout << soak.summary() << std::flush;
    if (!failure.empty()) {
        ADD_FAILURE() << failure;
    }
}

// A row whose action changes the revenue box but expects it unchanged: the
// soak must catch it, and the same seed must fail at the same action with the
// same log.
void typeWithoutSayingSo(Soak& soak) {
    toolkit::TextBox& box = *soak.mainWindow().Text2;
    click(box, box.rect().center());
    if (QWindow* keys = soak.keyboard()) {
        press(*keys, Qt::Key_End);
        type(*keys, QStringLiteral("7"));
    }
}

std::vector<Action> tableWithABrokenRow() {
    std::vector<Action> actions = allActions();
    actions.push_back(
        {"type a digit unannounced", 2,
         [](const Soak& soak) { return Soak::dialogInFront() == nullptr && soak.mainWindow().WindowState() == 0; },
         typeWithoutSayingSo});
    return actions;
}

TEST_F(SoakTest, ABrokenExpectationFailsWithAReportThatReplays) {
    std::string first;
    {
        Soak soak(7, tableWithABrokenRow());
        first = soak.run(5000);
    }
    ASSERT_FALSE(first.empty()) << "the broken row went unnoticed";
    EXPECT_NE(first.find("of seed 7:"), std::string::npos) << first;
    EXPECT_NE(first.find("the revenue box holds"), std::string::npos) << first;
    EXPECT_NE(first.find("type a digit unannounced"), std::string::npos) << first;
    EXPECT_NE(first.find("replay: LEVORA_SOAK_SEED=7 LEVORA_SOAK_ACTIONS="), std::string::npos) << first;
    Soak again(7, tableWithABrokenRow());
    EXPECT_EQ(again.run(5000), first) << "the same seed took another course";
}

// Faults of the help system the invariants must catch: each row does what a
// faulty program would, and the soak must stop at that row with the problem
// named.
struct Fault {
    const char* name;
    Action row;
    const char* problem;
    friend void PrintTo(const Fault& fault, std::ostream* out) { *out << fault.name; }
};

bool helpClosed(const Soak& soak) {
    return Soak::dialogInFront() == nullptr && soak.mainWindow().WindowState() == 0 && !forms::MDIForm1.isLoaded();
}

bool topicsUp(const Soak& /*soak*/) { return Soak::dialogInFront() == nullptr && forms::frmDLG.isLoaded(); }

bool mainWindowUp(const Soak& soak) {
    return Soak::dialogInFront() == nullptr && soak.mainWindow().WindowState() == 0;
}

const std::array<Fault, 6> faults{{
    {"HelpOpensUnasked",
     {"open the help unannounced", 5, helpClosed, [](Soak& soak) { soak.mainWindow().mnuHelpTopic->trigger(); }},
     "the help shows frmDLG where closed was expected"},
    {"ASecondChild",
     {"show a page beside the topics", 5, topicsUp,
      [](Soak& soak) {
          forms::frmNote->Show();
          soak.expect().help = helpView();
      }},
     "the help window holds 2 children: frmDLG,frmNote"},
    {"AWrongCaption",
     {"retitle the help window", 5, topicsUp, [](Soak& /*soak*/) { forms::MDIForm1->setCaption("Help"); }},
     "the help window's caption is \"Help\" while it shows frmDLG"},
    {"AStaleFlag",
     {"set the glossary flag", 5, helpClosed, [](Soak& /*soak*/) { ui::GlossaryPageOpen = 1; }},
     "GlossaryPageOpen is 1 while frmGloss is not loaded"},
    {"AnAboutBoxLeftLoaded",
     {"load an About box", 5, mainWindowUp, [](Soak& /*soak*/) { forms::frmAbout.Load(); }},
     "the About box is still loaded"},
    {"NoAboutBox",
     {"announce the About box", 5, mainWindowUp, [](Soak& soak) { soak.expect().opensDialog = "frmAbout"; }},
     "the dialog frmAbout was expected, and came up: none"},
}};

class HelpFault : public SoakTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(HelpFault, StopsTheSoakAtItsRowWithTheProblemNamed) {
    std::vector<Action> actions = allActions();
    actions.push_back(GetParam().row);
    Soak soak(5, std::move(actions));
    const std::string failure = soak.run(3000);
    ASSERT_FALSE(failure.empty()) << "the fault went unnoticed";
    EXPECT_NE(failure.find(GetParam().problem), std::string::npos) << failure;
    // The failing action is the last one logged, before the replay line.
    const std::size_t replay = failure.rfind("\nreplay:");
    const std::size_t lastAction = failure.rfind("\n  #", replay);
    ASSERT_NE(lastAction, std::string::npos) << failure;
    EXPECT_NE(failure.substr(lastAction, replay - lastAction).find(GetParam().row.name), std::string::npos)
        << failure;
}

INSTANTIATE_TEST_SUITE_P(Faults, HelpFault, ::testing::ValuesIn(faults),
                         [](const ::testing::TestParamInfo<Fault>& param) {
                             return std::string(param.param.name);
                         });

TEST_F(SoakTest, TheSameSeedTakesTheSameCourse) {
    std::string first;
    {
        Soak soak(11, allActions());
        ASSERT_EQ(soak.run(300), "");
        first = soak.summary();
    }
    Soak again(11, allActions());
    ASSERT_EQ(again.run(300), "");
    const auto counts = [](const std::string& summary) { return summary.substr(summary.find('\n')); };
    EXPECT_EQ(counts(again.summary()), counts(first));
}

// Faults the soak found, each replayed in its shortest form.

/// Presses Tab on the main window until the focus is on `control`.
void tabTo(ui::Form1& window, const QWidget& control) {
    for (int presses = 0; presses < 4 && QApplication::focusWidget() != &control; ++presses) {
        press(*window.windowHandle(), Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), &control);
}

// Qt takes the default state from a push button outside a QDialog as soon as
// the focus leaves it; "GO" must stay the button that Enter presses.
TEST_F(SoakTest, EnterPressesGoAfterTheFocusHasPassedOverIt) {
    forms::Form1->Show();
    ui::Form1& window = forms::Form1.get();
    window.Text2->setText(QStringLiteral("100"));
    window.Combo1->setListIndex(14);
    window.Combo2->setListIndex(8);
    tabTo(window, *window.Command1);
    tabTo(window, *window.Text2);
    press(*window.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(window.Label6->Caption(), QStringLiteral("609."));
    EXPECT_TRUE(window.Label6->Visible());
}

// A picture takes no click itself and passes it on to the dialog's
// background; a click on one of its controls is no click on the background.
TEST_F(SoakTest, AClickOnAPictureOfTheInputProblemDialogLeavesItUp) {
    forms::Form1->Show();
    ui::Form1& window = forms::Form1.get();
    window.Text2->setText(QStringLiteral("abc"));
    bool upAfterClicks = false;
    // Clicks straight to the widgets, which run no event loop: the dialog
    // outlives the action even where a click unloads it.
    testing::whenModal([&upAfterClicks](QWidget& modal) {
        auto& dialog = dynamic_cast<ui::frmWarning&>(modal);
        QTest::mouseClick(dialog.Image1, Qt::LeftButton);
        QTest::mouseClick(dialog.Image2, Qt::LeftButton);
        upAfterClicks = dialog.isLoaded();
        QTest::mouseClick(dialog.OKButton, Qt::LeftButton);
    });
    click(*window.Command1, window.Command1->rect().center());
    EXPECT_TRUE(upAfterClicks);
    EXPECT_FALSE(forms::frmWarning.isLoaded()) << "OK closes the dialog";
}

} // namespace
} // namespace levora::soak
