#pragma once

// The estimation request behind the "GO" button: it reads and rounds the
// revenue the user typed, checks it and the two list selections, and either
// runs the estimation or rejects the input. The window only shows what this
// decides.

#include "levora/conversions.h"
#include "levora/estimation.h"
#include "levora/model_tables.h"

#include <optional>
#include <string>
#include <string_view>

namespace levora {

/// The revenue limit: an accepted revenue R has |R| < RevenueLimit and R ≠ 0.
inline constexpr double RevenueLimit = 0.4858 * IncomeBase;

/// The list position that means "nothing selected".
inline constexpr int NoSelection = -1;

/// What a request decided.
enum class RequestVerdict {
    Accepted,          ///< the estimation ran (see RequestOutcome::estimation)
    RevenueNotANumber, ///< the text is not a number or does not fit the currency range
    RevenueZero,       ///< the revenue rounds to zero
    RevenueTooLarge,   ///< the rounded revenue's magnitude reaches RevenueLimit
    NoElasticity,      ///< no elasticity is selected
    NoRange,           ///< no income range is selected
};

/// The outcome of one request.
struct RequestOutcome {
    RequestVerdict verdict = RequestVerdict::RevenueNotANumber;
    /// What the revenue box holds afterwards: the rounded revenue's text, or
    /// the text unchanged when it could not be read.
    std::string revenueText;
    /// The revenue rounded to four decimals, when the text could be read.
    std::optional<double> revenue;
    /// On acceptance, the estimation or the reason it failed (a position
    /// outside its list); absent when the request was rejected.
    std::optional<Expected<Estimation, EstimationError>> estimation;

    [[nodiscard]] bool rejected() const { return verdict != RequestVerdict::Accepted; }
};

/// Decides a request from the revenue text and the two list positions
/// (NoSelection for none), reading and writing numbers in the given format.
/// The revenue is checked first and the lists only after it passed, the
/// elasticity before the range.
[[nodiscard]] RequestOutcome requestEstimation(std::string_view revenueText, int elasticityPosition,
                                               int rangePosition, const NumberFormat& format = {});

} // namespace levora
