#include "process.h"

#include <algorithm>
#include <array>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ; // NOLINT(readability-redundant-declaration): POSIX declares it in no header

namespace levora::bench {

namespace {

std::vector<std::string> ownEnvironment() {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        entries.emplace_back(*entry);
    }
    return entries;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    pointers.reserve(texts.size() + 1);
    for (auto& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

int statusOf(int waitStatus) {
    return WIFSIGNALED(waitStatus) ? 128 + WTERMSIG(waitStatus) : WEXITSTATUS(waitStatus);
}

bool readAll(int fd, void* buffer, std::size_t size) {
    auto* bytes = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const auto got = read(fd, bytes + done, size - done);
        if (got <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    return true;
}

} // namespace

std::vector<std::string> environmentWith(const std::vector<std::string>& base,
                                         const std::vector<std::string>& overrides) {
    std::vector<std::string> entries;
    for (const auto& entry : base) {
        const auto overridden = [&entry](const std::string& replacement) {
            return entry.starts_with(replacement.substr(0, replacement.find('=') + 1));
        };
        if (std::ranges::none_of(overrides, overridden)) {
            entries.push_back(entry);
        }
    }
    entries.insert(entries.end(), overrides.begin(), overrides.end());
    return entries;
}

Process::Process(const std::string& program, const std::vector<std::string>& overrides) {
    auto environment = environmentWith(ownEnvironment(), overrides);
    auto environmentPointers = pointersTo(environment);
    std::string programCopy = program;
    std::vector<char*> arguments{programCopy.data(), nullptr};

    // The child writes its start time, and an errno if the exec fails, into a
    // pipe that a successful exec closes.
    std::array<int, 2> report{-1, -1};
    if (pipe2(report.data(), O_CLOEXEC) != 0) {
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    pid_ = fork();
    if (pid_ < 0) {
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    }
    if (pid_ == 0) {
        close(report[0]);
        const auto now = Clock::now().time_since_epoch().count();
        [[maybe_unused]] const auto reported = write(report[1], &now, sizeof now);
        execve(arguments[0], arguments.data(), environmentPointers.data());
        const int error = errno;
        [[maybe_unused]] const auto failed = write(report[1], &error, sizeof error);
        _exit(127);
    }
    close(report[1]);
    Clock::rep started = 0;
    const bool gotStart = readAll(report[0], &started, sizeof started);
    int execError = 0;
    const bool execFailed = readAll(report[0], &execError, sizeof execError);
    close(report[0]);
    if (!gotStart || execFailed) {
        waitForExit(std::chrono::seconds(5));
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(execFailed ? execError : EIO));
    }
    startedAt_ = Clock::time_point(Clock::duration(started));
}

Process::~Process() {
    if (!hasEnded()) {
        kill();
    }
}

bool Process::hasEnded() {
    if (status_) {
        return true;
    }
    int waitStatus = 0;
    if (waitpid(pid_, &waitStatus, WNOHANG) == pid_) {
        status_ = statusOf(waitStatus);
    }
    return status_.has_value();
}

std::optional<int> Process::waitForExit(Clock::duration timeout) {
    const auto deadline = Clock::now() + timeout;
    while (!hasEnded()) {
        if (Clock::now() >= deadline) {
            kill();
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return status_;
}

void Process::kill() {
    ::kill(pid_, SIGKILL);
    int waitStatus = 0;
    if (waitpid(pid_, &waitStatus, 0) == pid_) {
        status_ = statusOf(waitStatus);
    }
}

} // namespace levora::bench
