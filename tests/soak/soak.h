#pragma once

// A randomized user for Levora's windows. It takes one action after another,
// each chosen by weight among the rows of an action table that apply to the
// situation at hand, and after every action checks what must always hold:
// the window flags against the loaded windows, no dialog left open that the
// action should have closed, the result area in exactly one of its looks and
// showing the engine's answer for the last accepted "GO", the help window
// with its one child and that child's caption, no window leaked.
// When a modal dialog comes up during an action, the soak takes its next
// actions inside the dialog's wait. All chance comes from one seed, so a
// failing run replays with the same seed and number of actions.

#include "checks.h"
#include "random.h"

#include "main/Form1.h"

#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QString>

#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QWindow;

namespace levora::soak {

class Soak;

/// A row of an action table: what a user can do, how often relative to the
/// other rows that apply at the time, in which situation, and how, setting
/// what the action leads to expect.
struct Action {
    std::string_view name;
    int weight = 1;
    bool (*applies)(const Soak&) = nullptr;
    void (*perform)(Soak&) = nullptr;
};

/// What an action leads to expect beyond the invariants. What it leaves
/// unset must stay as it was, except what a press of "GO" changes.
struct Expectation {
    int goPresses = 0;
    /// The modal dialog in front when the action began closes (and unloads),
    /// or stays in front.
    bool closesDialog = false;
    bool keepsDialog = false;
    /// The name of the modal dialog the action brings up, other than the one
    /// a press of "GO" may bring up.
    std::optional<std::string> opensDialog;
    /// The action ends the program: closing the main window or Exit.
    bool endsProgram = false;
    std::optional<QString> revenueText;
    std::optional<int> elasticity;
    std::optional<int> range;
    /// The main window's state.
    std::optional<int> windowState;
    /// What the help system shows.
    std::optional<HelpView> help;
};

/// The inputs at the moment "GO" was pressed.
struct GoPress {
    QString text;
    int elasticity = -1;
    int range = -1;
};

class Soak {
public:
    Soak(std::uint64_t seed, std::vector<Action> actions);
    ~Soak();
    Soak(const Soak&) = delete;
    Soak& operator=(const Soak&) = delete;
    Soak(Soak&&) = delete;
    Soak& operator=(Soak&&) = delete;

    /// Takes actions until `count` have been taken or one broke an invariant.
    /// Returns the failure report, empty when every check held.
    [[nodiscard]] std::string run(long count);
    /// How many times each action and each outcome came up, and the time.
    [[nodiscard]] std::string summary() const;

    // For the actions.
    [[nodiscard]] ui::Form1& mainWindow() const { return *window_; }
    /// The modal window in front, if one is up.
    [[nodiscard]] static QWidget* dialogInFront();
    [[nodiscard]] Random& random() { return random_; }
    /// The expectation of the action being taken.
    [[nodiscard]] Expectation& expect();
    /// Adds a detail to the action's line in the log.
    void note(const std::string& detail);
    /// Records a broken expectation; the run stops after this action.
    void fail(const std::string& problem);
    /// The window with the keyboard focus; fails the action when none has it.
    [[nodiscard]] QWindow* keyboard();
    /// Counts an outcome for the summary.
    void count(const std::string& outcome) { ++outcomes_[outcome]; }

private:
    struct Step;

    void takeAction();
    [[nodiscard]] const Action* chooseAction();
    void settleFocus() const;
    void armDialogPoll();
    void pollForDialog();
    void driveDialog(QWidget& dialog);
    void onGoPressed();

    void check(Step& step);
    void checkGoPresses(Step& step);
    void checkExpectation(const Step& step);
    void checkEveryTime();
    void checkProgramEnded();

    [[nodiscard]] bool mainWindowGone() const;
    void startProgram();
    void problem(const std::string& text);
    void record(const Problems& found);
    [[nodiscard]] std::string report() const;

    Random random_;
    std::uint64_t seed_;
    std::vector<Action> actions_;
    /// The main window the soak started; it is gone, unloaded or destroyed,
    /// only once the program has ended.
    ui::Form1* window_ = nullptr;
    /// What the result area shows: the three result texts, or none for the
    /// greeting.
    std::optional<ResultTexts> results_;
    QRectF loadedMeasures_;
    /// The action being taken; an action taken inside a dialog's wait nests
    /// in the one that brought the dialog up.
    Step* current_ = nullptr;
    /// The dialogs whose waits the action being taken runs in, innermost
    /// last; a dialog may be gone before its wait ends.
    struct Driven {
        QPointer<QWidget> dialog;
        bool isInputProblem = false;
    };
    std::vector<Driven> driven_;
    QPointer<QWidget> lastDialog_;
    int actionsInDialog_ = 0;
    QObject pollContext_;
    bool pollArmed_ = false;
    long taken_ = 0;
    Problems problems_;
    long failedAt_ = 0;
    std::deque<std::pair<long, std::string>> log_;
    std::map<std::string_view, long> actionCounts_;
    std::map<std::string, long> outcomes_;
    std::chrono::steady_clock::duration elapsed_{};
};

/// Sets the window flags as a fresh run of the program has them.
void resetWindowFlags();

/// A text for the log: printable ASCII as it is, anything else escaped, and
/// a long text cut short with its length.
[[nodiscard]] std::string quoted(const QString& text);

/// An object's name for the log.
[[nodiscard]] std::string name(const QObject& object);

} // namespace levora::soak
