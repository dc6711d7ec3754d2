#include "levora/estimation.h"

#include "hppm.h"
#include "model_data.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string_view>

namespace levora {
namespace {

// The revenue is scaled by this fixed constant of the model.
constexpr double revenueScale = 1.8;

constexpr int firstRange = 1;
constexpr int lastRange = RangeCount;

// The range whose coefficient gives the burden, and the prefix that marks the
// burden of the open-ended first and last ranges as a bound.
struct BurdenSource {
    int range;
    std::string_view prefix;
};

BurdenSource burdenSource(int p) {
    const int k = p + 1;
    if (k == firstRange) {
        return {firstRange + 1, "<"};
    }
    if (k == lastRange) {
        return {lastRange - 1, ">"};
    }
    return {k, ""};
}

bool allFinite(const EstimationNumbers& n) {
    const auto values = {n.ScaledRevenue, n.TaxBurden, n.ElasticitySum, n.AverageTaxRate, n.g, n.d, n.G, n.D};
    return std::ranges::all_of(values, [](double value) { return std::isfinite(value); });
}

std::string hppmText(double hppm, const NumberFormat& format) { return numberToText(hppm, format) + " hppm."; }

} // namespace

Expected<EstimationNumbers, EstimationError> estimateNumbers(double R, int e, int p, const NumberFormat& format) {
    if (e < 0 || e >= ElasticityCount) {
        return Unexpected{EstimationError::ElasticityOutOfRange};
    }
    if (p < 0 || p >= RangeCount) {
        return Unexpected{EstimationError::RangeOutOfRange};
    }
    if (!std::isfinite(R)) {
        return Unexpected{EstimationError::NonFiniteValue};
    }

    const auto& c = detail::taxCoefficients[static_cast<std::size_t>(e)];
    const auto& y = detail::rangeIncomesAsDouble;
    const auto column = [](int range) { return static_cast<std::size_t>(range - 1); };

    EstimationNumbers n;
    const double r = R / revenueScale;
    n.ScaledRevenue = r;
    n.BurdenRange = burdenSource(p).range;
    n.TaxBurden = Int(r * c[column(n.BurdenRange)]);

    double S = 0;
    for (int j = firstRange; j <= lastRange; ++j) {
        S = S + (r * c[column(j)]) / y[column(j)];
    }
    n.ElasticitySum = S;

    const double t = r / IncomeBase;
    n.AverageTaxRate = t;
    const double nt = static_cast<double>(RangeCount) * t;
    n.g = 1 - S / nt;
    const double oneMinusT = 1 - t;
    n.d = (n.g * t) / oneMinusT;

    const auto G = detail::toHppm(n.g, format);
    const auto D = detail::toHppm(n.d, format);
    if (!G || !D) {
        return Unexpected{EstimationError::NonFiniteValue};
    }
    n.G = *G;
    n.D = *D;
    if (!allFinite(n)) {
        return Unexpected{EstimationError::NonFiniteValue};
    }
    return n;
}

Expected<Estimation, EstimationError> estimate(double R, int e, int p, const NumberFormat& format) {
    const auto numbers = estimateNumbers(R, e, p, format);
    if (!numbers) {
        return Unexpected{numbers.error()};
    }
    Estimation result;
    result.numbers = *numbers;
    const EstimationNumbers& n = result.numbers;
    result.BurdenText = std::string(burdenSource(p).prefix) + numberToText(n.TaxBurden, format) + ".";
    result.ProgressivityText = hppmText(n.G, format);
    result.RedistributionText = hppmText(n.D, format);
    return result;
}

} // namespace levora
