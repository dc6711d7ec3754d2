#include "benchmark.h"

#include "proc_status.h"
#include "process.h"

#include <fstream>
#include <stdexcept>

namespace levora::bench {

namespace {

constexpr auto startTimeout = std::chrono::seconds(30);
constexpr auto exitTimeout = std::chrono::seconds(10);
// The program has settled once no window of it has been mapped, unmapped or
// painted for this long.
constexpr auto quietPeriod = std::chrono::milliseconds(300);
constexpr auto settleTimeout = std::chrono::seconds(10);

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

WindowTimes timesOf(const WindowLog& log, std::string_view title, Clock::time_point from) {
    const auto mapped = log.firstMapped(title);
    const auto drawn = log.firstPainted(title);
    const auto painted = log.paintedInFull(title);
    if (!mapped || !drawn || !painted) {
        throw std::runtime_error("the window \"" + std::string(title) + "\" was never " +
                                 (mapped ? "drawn into" : "mapped"));
    }
    return {millisecondsBetween(from, *mapped), millisecondsBetween(from, *drawn),
            millisecondsBetween(from, *painted)};
}

void settle(Display& display, const std::string& name) {
    const WindowLog& log = display.log();
    const bool settled = display.waitUntil(
        [&] {
            const auto last = log.lastActivity();
            return !last || Clock::now() - *last >= quietPeriod;
        },
        settleTimeout);
    if (!settled) {
        throw std::runtime_error(name + " kept redrawing its windows and did not settle");
    }
}

long peakResidentKiB(const Process& process, const std::string& name) {
    const auto kib = readPeakResidentKiB(process.pid());
    if (!kib) {
        throw std::runtime_error("cannot read the peak memory of " + name);
    }
    return *kib;
}

// Keeps the program's memory map with the Rss of each mapping as DIRECTORY/NAME-MOMENT.smaps.
void keepMemoryMap(const Process& process, const Subject& subject, std::string_view moment) {
    if (!subject.memoryMaps) {
        return;
    }
    const auto target = *subject.memoryMaps / (subject.name + "-" + std::string(moment) + ".smaps");
    // Read as a stream: /proc gives its files no size to copy by.
    std::ifstream map("/proc/" + std::to_string(process.pid()) + "/smaps");
    std::ofstream kept(target);
    kept << map.rdbuf();
    if (!map || !kept) {
        throw std::runtime_error("cannot keep the memory map of " + subject.name + " in " + target.string());
    }
}

void awaitMainWindow(Display& display, Process& process, const Subject& subject) {
    const WindowLog& log = display.log();
    const bool shown = display.waitUntil(
        [&] { return log.shownWindow(subject.mainTitle).has_value() || process.hasEnded(); }, startTimeout);
    if (!shown || !log.shownWindow(subject.mainTitle)) {
        throw std::runtime_error(subject.name + (process.hasEnded() ? " ended" : " timed out") +
                                 " before it showed its window \"" + std::string(subject.mainTitle) + "\"");
    }
}

void closeMainWindow(Display& display, Process& process, const Subject& subject) {
    const auto window = display.log().mappedWindow(subject.mainTitle);
    if (!window) {
        throw std::runtime_error(subject.name + " no longer shows its main window to close");
    }
    display.requestClose(*window);
    const auto status = process.waitForExit(exitTimeout);
    if (!status) {
        throw std::runtime_error(subject.name + " did not end when its main window was closed");
    }
    if (*status != 0) {
        throw std::runtime_error(subject.name + " ended with status " + std::to_string(*status));
    }
}

} // namespace

RunFigures runOnce(Display& display, const Subject& subject) {
    display.log().clear();
    display.setReadingBack(true);
    Process process(subject.program, {"QT_QPA_PLATFORM=xcb"});
    awaitMainWindow(display, process, subject);
    settle(display, subject.name);
    display.setReadingBack(false);

    const WindowLog& log = display.log();
    RunFigures figures;
    if (subject.splashTitle) {
        figures.splash = timesOf(log, *subject.splashTitle, process.startedAt());
    }
    figures.main = timesOf(log, subject.mainTitle, process.startedAt() + subject.mainDelay);
    figures.startupKiB = peakResidentKiB(process, subject.name);
    keepMemoryMap(process, subject, "startup");

    if (!subject.tour.empty()) {
        runTour(display, subject.tour);
        settle(display, subject.name);
        figures.tourKiB = peakResidentKiB(process, subject.name);
        keepMemoryMap(process, subject, "tour");
    }
    closeMainWindow(display, process, subject);
    return figures;
}

} // namespace levora::bench
