#pragma once

// Rounding a result to four decimals as it is shown, and scaling it to hppm
// (hundred parts per million).

#include "levora/conversions.h"

#include <optional>

namespace levora::detail {

/// The text Format(value, "0.0000") writes, read back in the same format and
/// multiplied by 10000. Fails on a non-finite value.
[[nodiscard]] std::optional<double> hppmThroughText(double value, const NumberFormat& format);

/// The same double as hppmThroughText, computed without the text where that
/// can be done exactly.
[[nodiscard]] std::optional<double> toHppm(double value, const NumberFormat& format);

} // namespace levora::detail
