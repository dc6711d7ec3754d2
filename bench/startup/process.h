#pragma once

// A program started by the benchmark: when it was started, its peak memory
// while it runs, and its end. The start time is taken in the child just before
// it executes the program, so it leaves out the benchmark's own fork.

#include "window_log.h"

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace levora::bench {

// The environment `base` ("NAME=value" entries) with `overrides` put in place
// of the entries of the same names.
std::vector<std::string> environmentWith(const std::vector<std::string>& base,
                                         const std::vector<std::string>& overrides);

class Process {
public:
    // Starts the program with the benchmark's environment, with `overrides`
    // ("NAME=value") put in place of the same names. Throws std::runtime_error
    // when it cannot be started.
    Process(const std::string& program, const std::vector<std::string>& overrides);
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    Process(Process&&) = delete;
    Process& operator=(Process&&) = delete;
    // Kills a program that is still running.
    ~Process();

    [[nodiscard]] pid_t pid() const { return pid_; }
    [[nodiscard]] Clock::time_point startedAt() const { return startedAt_; }
    [[nodiscard]] bool hasEnded();

    // The exit status (128 + signal for a killed program) once it ends within
    // the timeout; kills it and gives nothing when it does not.
    std::optional<int> waitForExit(Clock::duration timeout);

private:
    void kill();

    pid_t pid_ = -1;
    Clock::time_point startedAt_;
    std::optional<int> status_;
};

} // namespace levora::bench
