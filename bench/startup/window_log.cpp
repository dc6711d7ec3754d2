#include "window_log.h"

#include <algorithm>
#include <utility>

namespace levora::bench {

namespace {

void keepEarliest(std::optional<Clock::time_point>& earliest, const std::optional<Clock::time_point>& candidate) {
    if (candidate && (!earliest || *candidate < *earliest)) {
        earliest = candidate;
    }
}

} // namespace

void WindowLog::created(WindowId window) { windows_[window] = Record{}; }

void WindowLog::named(WindowId window, std::string title) { windows_[window].title = std::move(title); }

void WindowLog::mapped(WindowId window, Clock::time_point at) {
    Record& record = windows_[window];
    record.mapped = true;
    record.paintedSinceMapped = false;
    if (!record.firstMapped) {
        record.firstMapped = at;
    }
    noteActivity(record, at);
}

void WindowLog::unmapped(WindowId window, Clock::time_point at) {
    Record& record = windows_[window];
    record.mapped = false;
    record.paintedSinceMapped = false;
    record.unmappedOnce = true;
    noteActivity(record, at);
}

void WindowLog::painted(WindowId window, Clock::time_point at, std::optional<std::uint64_t> pixels) {
    const auto found = windows_.find(window);
    if (found == windows_.end() || !found->second.mapped) {
        return;
    }
    Record& record = found->second;
    record.paintedSinceMapped = true;
    record.lastPainted = at;
    if (!record.firstPainted) {
        record.firstPainted = at;
    }
    if (pixels && !record.unmappedOnce) {
        record.firstMappingPixels.emplace_back(at, *pixels);
    }
    noteActivity(record, at);
}

void WindowLog::destroyed(WindowId window) {
    const auto found = windows_.find(window);
    if (found != windows_.end()) {
        found->second.mapped = false;
        found->second.paintedSinceMapped = false;
        found->second.unmappedOnce = true;
    }
}

void WindowLog::clear() {
    windows_.clear();
    lastActivity_.reset();
}

std::string WindowLog::title(WindowId window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? std::string() : found->second.title;
}

std::optional<Clock::time_point> WindowLog::firstMapped(std::string_view title) const {
    std::optional<Clock::time_point> earliest;
    for (const auto& [window, record] : windows_) {
        if (record.title == title) {
            keepEarliest(earliest, record.firstMapped);
        }
    }
    return earliest;
}

std::optional<Clock::time_point> WindowLog::firstPainted(std::string_view title) const {
    std::optional<Clock::time_point> earliest;
    for (const auto& [window, record] : windows_) {
        if (record.title == title) {
            keepEarliest(earliest, record.firstPainted);
        }
    }
    return earliest;
}

std::optional<Clock::time_point> WindowLog::paintedInFull(std::string_view title) const {
    std::optional<Clock::time_point> earliest;
    for (const auto& [window, record] : windows_) {
        if (record.title == title) {
            keepEarliest(earliest, paintedInFull(record));
        }
    }
    return earliest;
}

bool WindowLog::inFirstMapping(WindowId window) const {
    const auto found = windows_.find(window);
    return found != windows_.end() && found->second.mapped && !found->second.unmappedOnce;
}

std::optional<Clock::time_point> WindowLog::paintedInFull(const Record& record) {
    const auto& paints = record.firstMappingPixels;
    if (paints.empty()) {
        return record.firstPainted;
    }
    const auto settled = paints.back().second;
    return std::ranges::find(paints, settled, &std::pair<Clock::time_point, std::uint64_t>::second)->first;
}

std::optional<WindowId> WindowLog::mappedWindow(std::string_view title) const {
    const auto found = std::ranges::find_if(
        windows_, [title](const auto& entry) { return entry.second.mapped && entry.second.title == title; });
    return found == windows_.end() ? std::nullopt : std::optional(found->first);
}

std::optional<WindowId> WindowLog::shownWindow(std::string_view title) const {
    const auto found = std::ranges::find_if(windows_, [title](const auto& entry) {
        return entry.second.paintedSinceMapped && entry.second.title == title;
    });
    return found == windows_.end() ? std::nullopt : std::optional(found->first);
}

std::optional<WindowId> WindowLog::onceMappedWindow(std::string_view title) const {
    const auto found = std::ranges::find_if(windows_, [title](const auto& entry) {
        return entry.second.firstMapped.has_value() && entry.second.title == title;
    });
    return found == windows_.end() ? std::nullopt : std::optional(found->first);
}

std::optional<Clock::time_point> WindowLog::lastPainted(WindowId window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? std::nullopt : found->second.lastPainted;
}

void WindowLog::noteActivity(const Record& record, Clock::time_point at) {
    if (!record.title.empty()) {
        lastActivity_ = std::max(lastActivity_.value_or(at), at);
    }
}

} // namespace levora::bench
