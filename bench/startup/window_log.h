#pragma once

// What the start-up benchmark has seen of the top-level windows on the display:
// for each window its title, when it was first mapped and painted, and whether
// it is shown now. It is fed from the X server's events and answers by window
// title; it knows nothing of X itself.
//
// A window may be painted in steps (a plain background first, the controls a
// moment later), so each paint may carry a digest of the window's pixels read
// back after it: the window was painted in full at the first paint of its first
// mapping that shows what its last paint of that mapping shows.

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace levora::bench {

using Clock = std::chrono::steady_clock;
using WindowId = std::uint32_t;

class WindowLog {
public:
    void created(WindowId window);
    void named(WindowId window, std::string title);
    void mapped(WindowId window, Clock::time_point at);
    void unmapped(WindowId window, Clock::time_point at);
    // Drawing into a window, with the digest of its pixels afterwards where
    // they were read; it counts as a paint only while the window is mapped.
    void painted(WindowId window, Clock::time_point at, std::optional<std::uint64_t> pixels = std::nullopt);
    // A destroyed window keeps its times; its id may come back for a new window.
    void destroyed(WindowId window);
    void clear();

    [[nodiscard]] bool isKnown(WindowId window) const { return windows_.contains(window); }
    [[nodiscard]] std::string title(WindowId window) const;

    // The earliest map, and the earliest paint while mapped, of any window with that title.
    [[nodiscard]] std::optional<Clock::time_point> firstMapped(std::string_view title) const;
    [[nodiscard]] std::optional<Clock::time_point> firstPainted(std::string_view title) const;
    // The earliest time a window with that title was painted in full; its
    // first paint where no pixels were read.
    [[nodiscard]] std::optional<Clock::time_point> paintedInFull(std::string_view title) const;
    // Whether the window is mapped for the first time, so its paints are worth reading back.
    [[nodiscard]] bool inFirstMapping(WindowId window) const;

    // A window with that title that is mapped now, and one that has also been
    // painted since it was last mapped.
    [[nodiscard]] std::optional<WindowId> mappedWindow(std::string_view title) const;
    [[nodiscard]] std::optional<WindowId> shownWindow(std::string_view title) const;
    // A window with that title that has been mapped at some time, mapped now or not.
    [[nodiscard]] std::optional<WindowId> onceMappedWindow(std::string_view title) const;

    // The latest paint of that window.
    [[nodiscard]] std::optional<Clock::time_point> lastPainted(WindowId window) const;

    // The latest map, unmap or paint of any window that has a title.
    [[nodiscard]] std::optional<Clock::time_point> lastActivity() const { return lastActivity_; }

private:
    struct Record {
        std::string title;
        bool mapped = false;
        bool paintedSinceMapped = false;
        std::optional<Clock::time_point> firstMapped;
        std::optional<Clock::time_point> firstPainted;
        std::optional<Clock::time_point> lastPainted;
        bool unmappedOnce = false;
        // The paints of the first mapping that were read back.
        std::vector<std::pair<Clock::time_point, std::uint64_t>> firstMappingPixels;
    };

    [[nodiscard]] static std::optional<Clock::time_point> paintedInFull(const Record& record);

    void noteActivity(const Record& record, Clock::time_point at);

    std::map<WindowId, Record> windows_;
    std::optional<Clock::time_point> lastActivity_;
};

} // namespace levora::bench
