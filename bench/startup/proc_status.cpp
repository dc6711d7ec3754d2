#include "proc_status.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <string>

namespace levora::bench {

std::optional<long> peakResidentKiB(std::string_view statusText) {
    constexpr std::string_view key = "VmHWM:";
    std::size_t lineStart = 0;
    while (lineStart < statusText.size()) {
        auto lineEnd = statusText.find('\n', lineStart);
        if (lineEnd == std::string_view::npos) {
            lineEnd = statusText.size();
        }
        auto line = statusText.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (!line.starts_with(key)) {
            continue;
        }
        line.remove_prefix(key.size());
        const auto digits = line.find_first_not_of(" \t");
        if (digits == std::string_view::npos || !line.ends_with(" kB")) {
            return std::nullopt;
        }
        long kib = 0;
        const auto* end = line.data() + line.size() - 3;
        const auto [rest, error] = std::from_chars(line.data() + digits, end, kib);
        if (error != std::errc{} || rest != end) {
            return std::nullopt;
        }
        return kib;
    }
    return std::nullopt;
}

std::optional<long> readPeakResidentKiB(pid_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/status");
    if (!file) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return peakResidentKiB(text.str());
}

} // namespace levora::bench
