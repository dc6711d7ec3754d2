#include "hppm.h"

#include <cmath>
#include <limits>

namespace levora::detail {
namespace {

constexpr double hppmPerUnit = 10000;

} // namespace

std::optional<double> hppmThroughText(double value, const NumberFormat& format) {
    const auto text = Format(value, "0.0000", format);
    if (!text) {
        return std::nullopt;
    }
    const auto rounded = textToNumber(*text, format);
    if (!rounded) {
        return std::nullopt;
    }
    return *rounded * hppmPerUnit;
}

// Where long double has a 64-bit mantissa, value × 10000 is exact in it (53
// significant bits times the 10 of 625, since 10000 = 625 × 2^4), so rounding
// it half away from zero gives the very ten-thousandths k that Format writes;
// and k / 10000 in double is the double nearest the decimal k × 10^-4, which
// is what reading the text back gives. Larger values, and other platforms,
// take the text.
std::optional<double> toHppm(double value, const NumberFormat& format) {
    if constexpr (std::numeric_limits<long double>::digits >= 64) {
        constexpr long double exactLimit = 0x1p52L;
        const long double scaled = static_cast<long double>(value) * static_cast<long double>(hppmPerUnit);
        if (std::isfinite(value) && std::fabs(scaled) < exactLimit) {
            const long double k = std::round(scaled);
            if (k == 0) {
                return 0.0;
            }
            return static_cast<double>(k) / hppmPerUnit * hppmPerUnit;
        }
    }
    return hppmThroughText(value, format);
}

} // namespace levora::detail
