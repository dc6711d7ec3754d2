#pragma once

// The fixed tables of Levora's tax model for North Korea: the 19 tax
// elasticities, the 25 pre-tax income ranges with a representative income
// each, the 19 × 25 tax-burden coefficients and the income base.
//
// Elasticities are numbered 0..18 ("-0.9" to "0.9"), which is also their
// position in the elasticity list. Ranges are numbered 1..25; a range's
// position in the range list is its number minus one. The accessors throw
// std::out_of_range for an index outside these bounds.

#include <cstdint>
#include <string_view>

namespace levora {

/// Number of tax elasticities.
inline constexpr int ElasticityCount = 19;

/// Number of income ranges.
inline constexpr std::int16_t RangeCount = 25;

/// The income base against which the scaled revenue is an average tax rate,
/// 41774.68 / 100 in double arithmetic (the double nearest 417.7468).
inline constexpr double IncomeBase = 41774.68 / 100;

/// The text of elasticity e (0..18), as the elasticity list shows it: "-0.9" … "0.9".
[[nodiscard]] std::string_view ElasticityName(int e);

/// The text of range i (1..25), exactly 14 characters, as the range list shows
/// it: "less than 1000", " 1000 to  1999", …, "39000 and more".
[[nodiscard]] std::string_view RangeName(int i);

/// The representative income, in won, of range i (1..25).
[[nodiscard]] std::int32_t RangeIncome(int i);

/// The tax burden, in won, of a person with income RangeIncome(i) under
/// elasticity e, per unit of scaled revenue.
[[nodiscard]] double TaxCoefficient(int i, int e);

} // namespace levora
