#include "levora/report/cells.h"

#include "levora/model_tables.h"

#include <array>
#include <charconv>
#include <utility>

namespace levora::report {
namespace {

Cell text(std::string value) { return {Cell::Kind::Text, std::move(value)}; }
Cell text(std::string_view value) { return {Cell::Kind::Text, std::string(value)}; }
Cell number(double value) { return {Cell::Kind::Number, shortestText(value)}; }

// Column positions, as in ColumnNames.
enum Column : std::size_t {
    Id,
    StatusColumn,
    Revenue,
    Elasticity,
    Range,
    RangeNameColumn,
    RangeIncomeColumn,
    Burden,
    BurdenTextColumn,
    TaxRate,
    AverageTaxRate,
    Progressivity,
    ProgressivityHppm,
    ProgressivityTextColumn,
    Redistribution,
    RedistributionHppm,
    RedistributionTextColumn,
};

} // namespace

std::string shortestText(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

std::array<Cell, ColumnCount> cells(const ResultRow& row) {
    std::array<Cell, ColumnCount> out;
    if (row.id) {
        out[Id] = text(*row.id);
    }
    out[StatusColumn] = text(statusName(row.status));
    out[Revenue] = text(row.revenue);
    out[Elasticity] = text(row.elasticity);
    if (!row.estimation) {
        out[Range] = text(row.range);
        return out;
    }
    const int rangeNumber = row.rangePosition + 1;
    const Estimation& result = *row.estimation;
    const EstimationNumbers& n = result.numbers;
    out[Range] = number(rangeNumber);
    out[RangeNameColumn] = text(RangeName(rangeNumber));
    out[RangeIncomeColumn] = number(RangeIncome(rangeNumber));
    out[Burden] = number(n.TaxBurden);
    out[BurdenTextColumn] = text(result.BurdenText);
    out[TaxRate] = number(n.TaxRate);
    out[AverageTaxRate] = number(n.AverageTaxRate);
    out[Progressivity] = number(n.g);
    out[ProgressivityHppm] = number(n.G);
    out[ProgressivityTextColumn] = text(result.ProgressivityText);
    out[Redistribution] = number(n.d);
    out[RedistributionHppm] = number(n.D);
    out[RedistributionTextColumn] = text(result.RedistributionText);
    return out;
}

} // namespace levora::report
