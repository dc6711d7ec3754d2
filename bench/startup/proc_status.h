#pragma once

// The peak resident memory of a running process, read from outside it.

#include <sys/types.h>

#include <optional>
#include <string_view>

namespace levora::bench {

// The "VmHWM:" line of a /proc/PID/status text, in KiB.
std::optional<long> peakResidentKiB(std::string_view statusText);

// Reads /proc/PID/status; nothing once the process is gone.
std::optional<long> readPeakResidentKiB(pid_t pid);

} // namespace levora::bench
