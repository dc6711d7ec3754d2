#pragma once

// A result row as cells, one a column, each a text with its kind, which
// every output format writes in its own way.

#include "levora/report/result_row.h"

#include <array>
#include <string>

namespace levora::report {

/// One value of a row: absent, a text, or a number written as the shortest
/// text that reads back to the same double.
struct Cell {
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    std::string text;
};

/// The row's cells in column order; the id cell is empty outside a batch.
[[nodiscard]] std::array<Cell, ColumnCount> cells(const ResultRow& row);

/// The shortest text that reads back to the same double: "0.13298858436630887", "609", "1e-05".
[[nodiscard]] std::string shortestText(double value);

} // namespace levora::report
