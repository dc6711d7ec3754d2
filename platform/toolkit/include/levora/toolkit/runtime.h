#pragma once

// Run-time failures of the window toolkit and the course they take. A handler
// may trap a RunTimeError itself; one it leaves untrapped reaches the event
// dispatch, which abandons the handler, writes one line to standard error and
// lets the program go on. End() stops the program at once by unwinding
// whatever handler is running with ProgramEnded, which no trap catches.

#include <stdexcept>
#include <string>
#include <string_view>

namespace levora::toolkit {

/// The kinds of run-time failure the toolkit raises.
enum class Failure {
    Overflow,
    DivisionByZero,
    TypeMismatch,
    InvalidPropertyValue,
    InvalidProcedureCall,
};

/// The text that names a failure in diagnostics ("overflow", ...).
[[nodiscard]] std::string_view failureName(Failure failure);

/// A run-time failure that a handler may trap.
class RunTimeError : public std::runtime_error {
public:
    explicit RunTimeError(Failure failure, const std::string& detail = {});
    [[nodiscard]] Failure failure() const { return failure_; }

private:
    Failure failure_;
};

/// Unwinds the running handler after End(). Deliberately not a
/// std::exception, so that a handler's trap for run-time failures lets it pass.
struct ProgramEnded {};

/// Whether End() has been called.
[[nodiscard]] bool hasEnded();

/// Writes the one-line diagnostic of an untrapped failure to standard error.
void reportUntrapped(std::string_view eventName, std::string_view what);

/// Runs an event handler: nothing once the program has ended, and an
/// untrapped failure abandons the handler with a one-line diagnostic.
template <class Handler>
void handleEvent(std::string_view eventName, Handler&& handler) noexcept {
    if (hasEnded()) {
        return;
    }
    try {
        handler();
    } catch (const ProgramEnded&) {
        // End() has closed every window; nothing more of this handler runs.
    } catch (const std::exception& failure) {
        reportUntrapped(eventName, failure.what());
    } catch (...) {
        reportUntrapped(eventName, "unknown failure");
    }
}

} // namespace levora::toolkit
