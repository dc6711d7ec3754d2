#pragma once

// One measured run of a program on the display: started, watched until its
// main window is painted and everything has settled, optionally toured, and
// closed through its main window.

#include "display.h"
#include "tour.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace levora::bench {

struct Subject {
    std::string name;
    std::string program;
    // The splash, for a program that has one.
    std::optional<std::string_view> splashTitle;
    std::string_view mainTitle;
    // Left out of the main window's times: the time the program waits on purpose.
    Clock::duration mainDelay{};
    // Performed after the start-up figures are taken, when not empty.
    std::vector<TourStep> tour;
    // Where to keep the program's /proc/PID/smaps after start-up and after the tour, when set.
    std::optional<std::filesystem::path> memoryMaps;
};

// When a window was mapped, first drawn into, and painted in full.
struct WindowTimes {
    double mapped = 0;
    double drawn = 0;
    double painted = 0;
};

// Times in milliseconds from just before the program's exec, memory in KiB.
struct RunFigures {
    std::optional<WindowTimes> splash;
    WindowTimes main;
    long startupKiB = 0;
    std::optional<long> tourKiB;
};

// Throws std::runtime_error when the program does not show its main window,
// fails the tour, or does not end with status 0 once its main window is closed.
RunFigures runOnce(Display& display, const Subject& subject);

} // namespace levora::bench
