#pragma once

// Median and spread of a benchmark figure over repeated runs.

#include <optional>
#include <vector>

namespace levora::bench {

struct Summary {
    double median = 0;
    double minimum = 0;
    double maximum = 0;
    int count = 0;
};

// Nothing for no samples.
std::optional<Summary> summarize(std::vector<double> samples);

} // namespace levora::bench
