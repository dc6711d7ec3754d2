#pragma once

// Walks a row's cells in column order without building them: each value is
// handed on as a view of a text that lives for the call only, so a writer
// puts a row out without allocating for its cells.

#include "levora/model_tables.h"
#include "levora/report/cells.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace levora::report::detail {

/// Holds the shortest text of a double that reads back to the same double.
class ShortestText {
public:
    explicit ShortestText(double value) {
        // Whole numbers of at most five digits (range numbers, incomes,
        // burdens, most hppm values) are their digits, which is what the
        // shortest text is for them, found at a fraction of its cost.
        constexpr double wholeDigitsBelow = 100000;
        char* const end = buffer_.data() + buffer_.size();
        // A negative zero keeps its sign: "-0" reads back to it, "0" would not.
        const bool whole = std::fabs(value) < wholeDigitsBelow && std::trunc(value) == value &&
                           (value != 0 || !std::signbit(value));
        const auto result = whole ? std::to_chars(buffer_.data(), end, static_cast<int>(value))
                                  : std::to_chars(buffer_.data(), end, value);
        length_ = static_cast<std::size_t>(result.ptr - buffer_.data());
    }
    [[nodiscard]] std::string_view view() const { return {buffer_.data(), length_}; }

private:
    std::array<char, 32> buffer_{};
    std::size_t length_ = 0;
};

/// Calls visit(kind, text) for each written column of the row, the id only when withId.
template <class Visit>
void visitCells(const ResultRow& row, bool withId, Visit&& visit) {
    const auto text = [&](std::string_view value) { visit(Cell::Kind::Text, value); };
    const auto number = [&](double value) { visit(Cell::Kind::Number, ShortestText(value).view()); };
    const auto empty = [&] { visit(Cell::Kind::Empty, std::string_view()); };
    if (withId) {
        if (row.id) {
            text(*row.id);
        } else {
            empty();
        }
    }
    text(statusName(row.status));
    if (!row.estimation) {
        // A bad row's inputs could not be read: they are absent, not empty texts.
        const bool inputsRead = row.status != Status::BadRow;
        for (const std::string* input : {&row.revenue, &row.elasticity, &row.range}) {
            if (inputsRead) {
                text(*input);
            } else {
                empty();
            }
        }
        constexpr int resultColumns = 12;
        for (int i = 0; i < resultColumns; ++i) {
            empty();
        }
        return;
    }
    text(row.revenue);
    text(row.elasticity);
    const int rangeNumber = row.rangePosition + 1;
    const Estimation& result = *row.estimation;
    const EstimationNumbers& n = result.numbers;
    number(rangeNumber);
    text(RangeName(rangeNumber));
    number(RangeIncome(rangeNumber));
    number(n.TaxBurden);
    text(result.BurdenText);
    number(n.TaxRate);
    number(n.AverageTaxRate);
    number(n.g);
    number(n.G);
    text(result.ProgressivityText);
    number(n.d);
    number(n.D);
    text(result.RedistributionText);
}

} // namespace levora::report::detail
