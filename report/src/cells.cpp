#include "levora/report/cells.h"

#include "cell_visit.h"

namespace levora::report {

std::string shortestText(double value) { return std::string(detail::ShortestText(value).view()); }

std::array<Cell, ColumnCount> cells(const ResultRow& row) {
    std::array<Cell, ColumnCount> out;
    std::size_t column = row.id ? 0 : 1;
    detail::visitCells(row, row.id.has_value(), [&](Cell::Kind kind, std::string_view text) {
        out.at(column++) = Cell{kind, std::string(text)};
    });
    return out;
}

} // namespace levora::report
