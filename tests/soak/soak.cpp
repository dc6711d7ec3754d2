#include "soak.h"

#include "checks.h"
#include "hands.h"

#include "main/frmWarning.h"
#include "shared/ProgramFlags.h"
#include "startup/frmAbout.h"

#include "levora/estimation_request.h"
#include "levora/toolkit/form.h"
#include "levora/toolkit/number_format.h"
#include "levora/toolkit/runtime.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>

#include <algorithm>
#include <iomanip>
#include <sstream>

namespace levora::soak {

namespace {

constexpr std::size_t LoggedActions = 20;
/// A dialog that has taken this many actions and is still up will not close.
constexpr int MostActionsPerDialog = 60;
constexpr qsizetype LongestQuote = 40;

std::string_view verdictName(RequestVerdict verdict) {
    switch (verdict) {
    case RequestVerdict::Accepted:
        return "accepted";
    case RequestVerdict::RevenueNotANumber:
        return "not a number";
    case RequestVerdict::RevenueZero:
        return "zero";
    case RequestVerdict::RevenueTooLarge:
        return "too large";
    case RequestVerdict::NoElasticity:
        return "no elasticity";
    case RequestVerdict::NoRange:
        return "no range";
    }
    return "unknown verdict";
}

} // namespace

std::string quoted(const QString& text) {
    std::string quote = "\"";
    for (const QChar c : text.left(LongestQuote)) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != QLatin1Char('"') && c != QLatin1Char('\\')) {
            quote += static_cast<char>(c.unicode());
        } else {
            std::ostringstream escape;
            escape << "\\u" << std::hex << std::setw(4) << std::setfill('0') << static_cast<unsigned>(c.unicode());
            quote += escape.str();
        }
    }
    quote += '"';
    if (text.size() > LongestQuote) {
        quote += "... (" + std::to_string(text.size()) + " characters)";
    }
    return quote;
}

/// One action as it is taken: what it expects, what the windows held before
/// it, and what it led to.
struct Soak::Step {
    long number = 0;
    const Action* action = nullptr;
    Expectation expect;
    QPointer<QWidget> dialog;
    QString revenueBefore;
    int elasticityBefore = -1;
    int rangeBefore = -1;
    int windowStateBefore = 0;
    HelpView helpBefore;
    std::vector<GoPress> presses;
    std::optional<std::string> revenueAfterGo;
    /// The names of the dialogs that came up, in order.
    std::vector<std::string> dialogs;
};

Soak::Soak(std::uint64_t seed, std::vector<Action> actions)
    : random_(seed), seed_(seed), actions_(std::move(actions)) {
    startProgram();
}

Soak::~Soak() = default;

QWidget* Soak::dialogInFront() { return QApplication::activeModalWidget(); }

std::string Soak::run(long count) {
    const auto start = std::chrono::steady_clock::now();
    while (taken_ < count && problems_.empty()) {
        takeAction();
    }
    elapsed_ = std::chrono::steady_clock::now() - start;
    return problems_.empty() ? std::string() : report();
}

Expectation& Soak::expect() { return current_->expect; }

void Soak::note(const std::string& detail) {
    const auto entry = std::find_if(log_.rbegin(), log_.rend(),
                                    [this](const auto& line) { return line.first == current_->number; });
    if (entry != log_.rend()) {
        entry->second += (entry->second.find(": ") == std::string::npos ? ": " : "; ") + detail;
    }
}

void Soak::fail(const std::string& problem) { this->problem(problem); }

void Soak::problem(const std::string& text) {
    if (problems_.empty()) {
        failedAt_ = current_ != nullptr ? current_->number : taken_;
    }
    problems_.push_back(text);
}

QWindow* Soak::keyboard() {
    QWindow* window = keyboardWindow();
    if (window == nullptr) {
        fail("no window has the keyboard focus");
    }
    return window;
}

void Soak::takeAction() {
    Step step;
    step.number = ++taken_;
    Step* const outer = std::exchange(current_, &step);
    if (mainWindowGone()) {
        problem("the main window is gone, though the program has not ended");
        current_ = outer;
        return;
    }
    settleFocus();
    step.action = chooseAction();
    step.dialog = dialogInFront();
    step.revenueBefore = window_->Text2->Text();
    step.elasticityBefore = window_->Combo1->ListIndex();
    step.rangeBefore = window_->Combo2->ListIndex();
    step.windowStateBefore = window_->WindowState();
    step.helpBefore = helpView();
    if (step.action == nullptr) {
        problem("no action of the table applies");
        current_ = outer;
        return;
    }
    log_.emplace_back(step.number, std::string(step.action->name));
    if (log_.size() > LoggedActions) {
        log_.pop_front();
    }
    ++actionCounts_[step.action->name];
    armDialogPoll();
    step.action->perform(*this);
    check(step);
    current_ = outer;
}

const Action* Soak::chooseAction() {
    std::vector<const Action*> candidates;
    std::vector<int> weights;
    for (const Action& action : actions_) {
        if (action.weight > 0 && action.applies(*this)) {
            candidates.push_back(&action);
            weights.push_back(action.weight);
        }
    }
    return candidates.empty() ? nullptr : candidates.at(random_.weighted(weights));
}

// The offscreen platform leaves no window active when a popup or a dialog
// closes, where a window manager gives the focus back to the window in front;
// the soak does that for it.
void Soak::settleFocus() const {
    if (QApplication::activePopupWidget() != nullptr) {
        return;
    }
    QWidget* front = dialogInFront();
    if (front == nullptr && window_ != nullptr && window_->isVisible() && window_->WindowState() == 0) {
        front = window_;
    }
    if (front != nullptr &&
        (!front->isActiveWindow() || QGuiApplication::focusWindow() != front->windowHandle())) {
        front->activateWindow();
    }
}

// The poll runs from zero-delay timers while an action is being taken, so it
// also runs inside the wait of a modal dialog the action brings up, and in
// the wait of a dialog that comes up from a dialog.
void Soak::armDialogPoll() {
    if (!pollArmed_) {
        pollArmed_ = true;
        QTimer::singleShot(0, &pollContext_, [this] { pollForDialog(); });
    }
}

void Soak::pollForDialog() {
    pollArmed_ = false;
    if (current_ == nullptr) {
        return;
    }
    armDialogPoll();
    QWidget* dialog = dialogInFront();
    if (dialog == nullptr) {
        return;
    }
    if (!problems_.empty()) {
        // The run has failed: end the wait so that the soak can stop.
        dialog->hide();
        return;
    }
    if (std::none_of(driven_.begin(), driven_.end(),
                     [dialog](const Driven& driven) { return driven.dialog == dialog; })) {
        driveDialog(*dialog);
    }
}

void Soak::driveDialog(QWidget& dialog) {
    if (&dialog != lastDialog_) {
        lastDialog_ = &dialog;
        actionsInDialog_ = 0;
        current_->dialogs.push_back(name(dialog));
        note("the dialog " + name(dialog) + " came up");
        ++outcomes_["dialog " + name(dialog) + " came up"];
        if (qobject_cast<ui::frmWarning*>(&dialog) != nullptr && window_ != nullptr) {
            record(hiddenResultAreaProblems(*window_));
        }
    }
    if (++actionsInDialog_ > MostActionsPerDialog) {
        problem("the dialog " + name(dialog) + " is still up after " + std::to_string(MostActionsPerDialog) +
                " actions in it");
        return;
    }
    driven_.push_back({&dialog, qobject_cast<ui::frmWarning*>(&dialog) != nullptr});
    takeAction();
    driven_.pop_back();
}

void Soak::onGoPressed() {
    if (current_ == nullptr) {
        problem("\"GO\" was pressed between actions");
        return;
    }
    current_->presses.push_back(
        {window_->Text2->Text(), window_->Combo1->ListIndex(), window_->Combo2->ListIndex()});
}

void Soak::record(const Problems& found) {
    for (const std::string& text : found) {
        problem(text);
    }
}

void Soak::check(Step& step) {
    if (failedAt_ != 0 && failedAt_ != step.number) {
        return;
    }
    if (step.expect.endsProgram) {
        checkProgramEnded();
        return;
    }
    if (toolkit::hasEnded()) {
        problem("the program ended");
        return;
    }
    if (mainWindowGone()) {
        problem("the main window is gone, though the program has not ended");
        return;
    }
    checkGoPresses(step);
    checkExpectation(step);
    checkEveryTime();
}

void Soak::checkGoPresses(Step& step) {
    const int presses = static_cast<int>(step.presses.size());
    if (presses != step.expect.goPresses) {
        problem("\"GO\" was pressed " + std::to_string(presses) + " times where " +
                std::to_string(step.expect.goPresses) + " presses were expected");
    }
    if (step.presses.empty()) {
        const std::vector<std::string> expected =
            step.expect.opensDialog ? std::vector{*step.expect.opensDialog} : std::vector<std::string>{};
        if (step.dialogs != expected) {
            std::string names;
            for (const std::string& dialog : step.dialogs) {
                names += " " + dialog;
            }
            problem(expected.empty() ? "a dialog came up without a press of \"GO\":" + names
                                     : "the dialog " + expected.front() + " was expected, and came up:" +
                                           (names.empty() ? std::string(" none") : names));
        }
        return;
    }
    const GoPress& go = step.presses.back();
    const RequestOutcome outcome =
        requestEstimation(go.text.toStdString(), go.elasticity, go.range, toolkit::userNumberFormat());
    const bool rejected = outcome.rejected() || !outcome.estimation;
    note("GO on " + quoted(go.text) + ", elasticity " + std::to_string(go.elasticity) + ", range " +
         std::to_string(go.range) + ": " + std::string(verdictName(outcome.verdict)));
    ++outcomes_["GO " + std::string(verdictName(outcome.verdict))];
    if (step.dialogs.size() != (rejected ? 1U : 0U)) {
        problem("the request was " + std::string(verdictName(outcome.verdict)) + " but " +
                std::to_string(step.dialogs.size()) + " dialogs came up");
    }
    step.revenueAfterGo = outcome.revenueText;
    if (rejected) {
        results_.reset();
    } else if (outcome.estimation->has_value()) {
        const Estimation& estimation = outcome.estimation->value();
        results_ = ResultTexts{estimation.BurdenText, estimation.ProgressivityText, estimation.RedistributionText};
    }
}

void Soak::checkExpectation(const Step& step) {
    const Expectation& expect = step.expect;
    const std::string text = window_->Text2->Text().toStdString();
    const std::string expectedText = expect.revenueText    ? expect.revenueText->toStdString()
                                     : step.revenueAfterGo ? *step.revenueAfterGo
                                                           : step.revenueBefore.toStdString();
    if (text != expectedText) {
        problem("the revenue box holds " + quoted(QString::fromStdString(text)) + " where " +
                quoted(QString::fromStdString(expectedText)) + " was expected");
    }
    const auto checkIndex = [this](const toolkit::ComboBox& list, int expected) {
        if (list.ListIndex() != expected) {
            problem(name(list) + " is at " + std::to_string(list.ListIndex()) + " where " +
                    std::to_string(expected) + " was expected");
        }
    };
    checkIndex(*window_->Combo1, expect.elasticity.value_or(step.elasticityBefore));
    checkIndex(*window_->Combo2, expect.range.value_or(step.rangeBefore));
    const int state = expect.windowState.value_or(step.windowStateBefore);
    if (window_->WindowState() != state) {
        problem("the main window's state is " + std::to_string(window_->WindowState()) + " where " +
                std::to_string(state) + " was expected");
    }
    const HelpView help = helpView();
    const HelpView expectedHelp = expect.help.value_or(step.helpBefore);
    if (help != expectedHelp) {
        problem("the help shows " + describe(help) + " where " + describe(expectedHelp) + " was expected");
    }
    const QWidget* dialog = step.dialog.data();
    if (expect.closesDialog && dialog != nullptr) {
        if (dialog->isVisible() || dialog == dialogInFront()) {
            problem("the dialog " + name(*dialog) + " is still up");
        }
        const auto* form = qobject_cast<const toolkit::Form*>(dialog);
        if (form != nullptr && !form->isUnloaded()) {
            problem("closing the dialog " + name(*form) + " did not unload it");
        }
    }
    if (expect.keepsDialog && (dialog == nullptr || dialog != dialogInFront())) {
        problem("the dialog in front closed");
    }
}

void Soak::checkEveryTime() {
    record(windowFlagProblems());
    record(helpWindowProblems());
    if (QApplication::activePopupWidget() != nullptr) {
        problem("a popup is still open");
    }
    const bool inInputProblemWait =
        std::any_of(driven_.begin(), driven_.end(), [](const Driven& dialog) { return dialog.isInputProblem; });
    record(inInputProblemWait ? hiddenResultAreaProblems(*window_) : resultAreaProblems(*window_, results_));
    const QRectF measures(window_->Left(), window_->Top(), window_->Width(), window_->Height());
    if (measures != loadedMeasures_) {
        problem("the main window's measures changed");
    }
    if (!driven_.empty()) {
        return;
    }
    // Between actions on the main window: no dialog is up or loaded.
    if (QWidget* dialog = dialogInFront()) {
        problem("the dialog " + name(*dialog) + " is still up");
    }
    if (forms::frmWarning.isLoaded()) {
        problem("the Input Problem dialog is still loaded");
    }
    if (forms::frmAbout.isLoaded()) {
        problem("the About box is still loaded");
    }
    record(leakProblems());
}

void Soak::checkProgramEnded() {
    if (!toolkit::hasEnded()) {
        problem("the action did not end the program");
        return;
    }
    if (dialogInFront() != nullptr) {
        problem("a modal dialog is still up after the program ended");
    }
    record(endedProblems());
    window_ = nullptr;
    toolkit::releaseForms();
    record(releasedProblems());
    if (problems_.empty()) {
        note("the program ended; it starts afresh");
        ++outcomes_["program ended and started afresh"];
        startProgram();
    }
}

bool Soak::mainWindowGone() const { return window_ == nullptr || forms::Form1.existing() != window_; }

void Soak::startProgram() {
    // A new run of the program starts with its flags as they are built.
    resetWindowFlags();
    results_.reset();
    // The program starts from nothing, as a new run of it does.
    toolkit::releaseForms();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    toolkit::handleEvent("main", [] { forms::Form1->Show(); });
    window_ = forms::Form1.existing();
    if (window_ == nullptr) {
        problem("the main window did not open");
        return;
    }
    loadedMeasures_ = QRectF(window_->Left(), window_->Top(), window_->Width(), window_->Height());
    QObject::connect(window_->Command1, &QAbstractButton::pressed, window_->Command1, [this] { onGoPressed(); });
    record(freshWindowProblems(*window_));
}

std::string Soak::report() const {
    std::ostringstream out;
    out << "soak failure at action " << failedAt_ << " of seed " << seed_ << ":\n";
    for (const std::string& text : problems_) {
        out << "  - " << text << '\n';
    }
    out << "the last " << log_.size() << " actions:\n";
    for (const auto& [number, line] : log_) {
        out << "  #" << number << ' ' << line << '\n';
    }
    out << "replay: LEVORA_SOAK_SEED=" << seed_ << " LEVORA_SOAK_ACTIONS=" << failedAt_ << '\n';
    return out.str();
}

std::string Soak::summary() const {
    const double seconds = std::chrono::duration<double>(elapsed_).count();
    std::ostringstream out;
    out << "soak seed " << seed_ << ": " << taken_ << " actions in " << std::fixed << std::setprecision(1)
        << seconds << " s (" << std::setprecision(0) << (seconds > 0 ? static_cast<double>(taken_) / seconds : 0.0)
        << " a second)\n";
    for (const auto& [action, times] : actionCounts_) {
        out << "  " << std::setw(7) << times << "  " << action << '\n';
    }
    for (const auto& [outcome, times] : outcomes_) {
        out << "  " << std::setw(7) << times << "  = " << outcome << '\n';
    }
    return out.str();
}

std::string name(const QObject& object) { return object.objectName().toStdString(); }

void resetWindowFlags() {
    ui::MapWindowLoaded = 0;
    for (ui::WindowFlag* flag : {&ui::HelpWindowOpen, &ui::TopicsDialogOpen, &ui::NotePageOpen, &ui::HowToPageOpen,
                                 &ui::GlossaryPageOpen}) {
        flag->clear();
    }
}

} // namespace levora::soak
