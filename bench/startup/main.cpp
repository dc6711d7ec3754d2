// Levora's start-up benchmark: starts Levora and a bare Qt Widgets program in
// turn on the X display in $DISPLAY (under a window manager) and prints how
// long each took to show its windows and how much memory it held at its peak,
// with Levora's figures as multiples of the bare program's.
//
//   levora-startup-bench [--rounds N] [--no-tour] [--trace] [--memory-maps DIR] --bare PROGRAM
//                        [--levora PROGRAM]
//
// Without --levora it measures the bare program alone. With --memory-maps it
// keeps each program's /proc/PID/smaps of the last round in DIR, after start-up
// (NAME-startup.smaps) and after the tour (Levora-tour.smaps), for
// bench/startup/compare-memory-maps to set side by side.

#include "benchmark.h"
#include "display.h"
#include "report.h"
#include "window_titles.h"

#include <charconv>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <stdexcept>
#include <string_view>

namespace {

using namespace levora::bench;

constexpr double startupGoal = 1.5;
constexpr double memoryGoal = 1.3;
constexpr double kibPerMib = 1024;
constexpr auto windowManagerTimeout = std::chrono::seconds(10);

struct Options {
    int rounds = 15;
    bool tour = true;
    bool tracing = false;
    std::string bare;
    std::optional<std::string> levora;
    std::optional<std::filesystem::path> memoryMaps;
};

struct TimeSamples {
    std::vector<double> mapped;
    std::vector<double> drawn;
    std::vector<double> painted;

    void add(const WindowTimes& times) {
        mapped.push_back(times.mapped);
        drawn.push_back(times.drawn);
        painted.push_back(times.painted);
    }
};

struct Samples {
    TimeSamples splash;
    TimeSamples main;
    std::vector<double> startupMib;
    std::vector<double> tourMib;

    void add(const RunFigures& figures) {
        if (figures.splash) {
            splash.add(*figures.splash);
        }
        main.add(figures.main);
        startupMib.push_back(static_cast<double>(figures.startupKiB) / kibPerMib);
        if (figures.tourKiB) {
            tourMib.push_back(static_cast<double>(*figures.tourKiB) / kibPerMib);
        }
    }
};

Options parse(const std::vector<std::string_view>& arguments) {
    Options options;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const auto argument = arguments[index];
        const auto value = [&]() -> std::string_view {
            if (index + 1 == arguments.size()) {
                throw std::invalid_argument(std::string(argument) + " needs a value");
            }
            return arguments[++index];
        };
        if (argument == "--rounds") {
            const auto text = value();
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), options.rounds);
            if (error != std::errc{} || end != text.data() + text.size() || options.rounds < 1) {
                throw std::invalid_argument("--rounds needs a positive number");
            }
        } else if (argument == "--no-tour") {
            options.tour = false;
        } else if (argument == "--trace") {
            options.tracing = true;
        } else if (argument == "--bare") {
            options.bare = value();
        } else if (argument == "--memory-maps") {
            options.memoryMaps = std::filesystem::path(value());
        } else if (argument == "--levora") {
            options.levora = std::string(value());
        } else {
            throw std::invalid_argument("unknown argument " + std::string(argument));
        }
    }
    if (options.bare.empty()) {
        throw std::invalid_argument("--bare PROGRAM is needed");
    }
    return options;
}

Subject levoraSubject(const Options& options) {
    return {"Levora",          *options.levora, splashTitle,
            mainTitle,         splashInterval,  options.tour ? levoraTour() : std::vector<TourStep>{},
            options.memoryMaps};
}

Subject bareSubject(const Options& options) {
    return {"bare", options.bare, std::nullopt, bareTitle, {}, {}, options.memoryMaps};
}

void printReport(const Options& options, const Samples& levora, const Samples& bare) {
    const std::string over = " over " + std::to_string(options.rounds) + " rounds";
    Section startup{"Start-up, ms from just before exec, median (min-max)" + over +
                        "; Levora's main window less its splash's " + std::to_string(splashInterval.count()) +
                        " ms; bare: its one window",
                    1,
                    startupGoal,
                    {}};
    if (options.levora) {
        startup.rows.push_back({"splash mapped", levora.splash.mapped, bare.main.mapped});
        startup.rows.push_back({"splash first drawn", levora.splash.drawn, bare.main.drawn});
        startup.rows.push_back({"splash painted in full", levora.splash.painted, bare.main.painted});
    }
    startup.rows.push_back({"main window mapped", levora.main.mapped, bare.main.mapped});
    startup.rows.push_back({"main window first drawn", levora.main.drawn, bare.main.drawn});
    startup.rows.push_back({"main window painted in full", levora.main.painted, bare.main.painted});
    printSection(std::cout, startup);
    std::cout << '\n';

    Section memory{"Peak resident memory (VmHWM), MiB, median (min-max)" + over, 1, memoryGoal, {}};
    memory.rows.push_back({"after start-up", levora.startupMib, bare.startupMib});
    if (options.levora && options.tour) {
        memory.rows.push_back({"after the tour (bare: after start-up)", levora.tourMib, bare.startupMib});
    }
    printSection(std::cout, memory);
}

void progress(int round, const Options& options, const Samples& levora, const Samples& bare) {
    std::cerr << std::fixed << std::setprecision(1) << "round " << round + 1 << '/' << options.rounds
              << ": bare window painted after " << bare.main.painted.back() << " ms";
    if (options.levora) {
        std::cerr << ", Levora splash after " << levora.splash.painted.back() << " ms, main window "
                  << splashInterval.count() << " ms + " << levora.main.painted.back() << " ms";
    }
    std::cerr << '\n';
}

int run(const Options& options) {
    Display display;
    display.setTracing(options.tracing);
    if (!display.waitUntil([&] { return display.hasWindowManager(); }, windowManagerTimeout) ||
        !display.awaitWindowManagerAnswer(windowManagerTimeout)) {
        throw std::runtime_error("no window manager answers on the display");
    }
    const Subject bare = bareSubject(options);
    std::optional<Subject> levora;
    if (options.levora) {
        levora = levoraSubject(options);
    }
    Samples levoraSamples;
    Samples bareSamples;
    for (int round = 0; round < options.rounds; ++round) {
        // Alternating the order spreads any drift in the machine's load over both programs alike.
        const bool levoraFirst = round % 2 == 0;
        if (levora && levoraFirst) {
            levoraSamples.add(runOnce(display, *levora));
        }
        bareSamples.add(runOnce(display, bare));
        if (levora && !levoraFirst) {
            levoraSamples.add(runOnce(display, *levora));
        }
        progress(round, options, levoraSamples, bareSamples);
    }
    printReport(options, levoraSamples, bareSamples);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    try {
        return run(parse({argv + 1, argv + argc}));
    } catch (const std::invalid_argument& error) {
        std::cerr << "levora-startup-bench: " << error.what()
                  << "\nusage: levora-startup-bench [--rounds N] [--no-tour] [--trace] [--memory-maps DIR] "
                     "--bare PROGRAM [--levora PROGRAM]\n";
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "levora-startup-bench: " << error.what() << '\n';
        return 1;
    }
}
