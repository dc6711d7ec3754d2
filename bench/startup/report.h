#pragma once

// The benchmark's printed table: per figure the median and range over the
// runs for Levora and for the bare program, their ratio and the goal it is
// held against.

#include "statistics.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace levora::bench {

struct Row {
    std::string name;
    std::vector<double> levora;
    std::vector<double> bare;
};

struct Section {
    std::string heading;
    int decimals = 1;
    // The largest ratio Levora / bare that meets the goal.
    double goal = 1;
    std::vector<Row> rows;
};

// "183.4 (170.1-220.3)": median and range.
std::string describe(const Summary& summary, int decimals);

// The ratio of the two medians; nothing when either side has no samples.
std::optional<double> medianRatio(const std::vector<double>& levora, const std::vector<double>& bare);

// "1.31 x, goal <= 1.50 x: met".
std::string judge(double ratio, double goal);

void printSection(std::ostream& out, const Section& section);

} // namespace levora::bench
