#include "statistics.h"

#include <algorithm>

namespace levora::bench {

namespace {

// The median of sorted samples; the mean of the two middle ones for an even count.
double sortedMedian(const std::vector<double>& sorted) {
    const auto middle = sorted.size() / 2;
    if (sorted.size() % 2 == 1) {
        return sorted[middle];
    }
    return (sorted[middle - 1] + sorted[middle]) / 2;
}

} // namespace

std::optional<Summary> summarize(std::vector<double> samples) {
    if (samples.empty()) {
        return std::nullopt;
    }
    std::ranges::sort(samples);
    Summary summary;
    summary.median = sortedMedian(samples);
    summary.minimum = samples.front();
    summary.maximum = samples.back();
    summary.count = static_cast<int>(samples.size());
    return summary;
}

} // namespace levora::bench
