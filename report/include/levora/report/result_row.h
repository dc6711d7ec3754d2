#pragma once

// One result row: the inputs of a request as they were given, what was
// decided about them and, when they were accepted, the estimation.

#include "levora/estimation.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace levora::report {

/// What was decided about a request, in the order the checks are made.
enum class Status {
    Ok,
    NotANumber,        ///< the revenue is not a number (or beyond the currency range)
    Zero,              ///< the revenue rounds to zero
    TooLarge,          ///< the rounded revenue reaches the limit
    NoElasticity,      ///< no elasticity was given
    UnknownElasticity, ///< the elasticity is not one of the list's texts
    NoRange,           ///< no income range was given
    UnknownRange,      ///< the range is neither a range number nor a range's text
    BadRow,            ///< a batch record that could not be read as a case
};

/// The status as it is written in a row: "ok", "not_a_number", …
[[nodiscard]] std::string_view statusName(Status status);

/// The status in words, for a person: "the revenue is not a number", …
[[nodiscard]] std::string_view statusMessage(Status status);

/// A request and its result.
struct ResultRow {
    std::optional<std::string> id; ///< the case's id, in a batch
    Status status = Status::Ok;
    std::string revenue;       ///< the text the revenue box shows afterwards, or the input as given
    std::string elasticity;    ///< the list text, or the input as given
    std::string range;         ///< the range number, or the input as given
    double roundedRevenue = 0; ///< the revenue the estimation ran with, when accepted
    int elasticityPosition = 0;
    int rangePosition = 0;
    std::optional<Estimation> estimation; ///< present exactly when the status is Ok
};

/// An accepted request of revenue R (its text as the revenue box shows it),
/// elasticity position e and range position p.
[[nodiscard]] ResultRow acceptedRow(std::string revenueText, double R, int e, int p, Estimation estimation);

/// A rejected request, its inputs as given.
[[nodiscard]] ResultRow rejectedRow(Status status, std::string revenue, std::string elasticity, std::string range);

/// The number of columns of a row with its id.
inline constexpr std::size_t ColumnCount = 17;

/// The column names, in their order; the first, "id", only in a batch.
inline constexpr std::array<std::string_view, ColumnCount> ColumnNames = {"id",
                                                                          "status",
                                                                          "revenue",
                                                                          "elasticity",
                                                                          "range",
                                                                          "range_name",
                                                                          "range_income",
                                                                          "burden",
                                                                          "burden_text",
                                                                          "tax_rate",
                                                                          "average_tax_rate",
                                                                          "progressivity",
                                                                          "progressivity_hppm",
                                                                          "progressivity_text",
                                                                          "redistribution",
                                                                          "redistribution_hppm",
                                                                          "redistribution_text"};

} // namespace levora::report
