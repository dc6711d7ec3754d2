#include "levora/estimation.h"

#include "estimation_steps.h"
#include "hppm.h"
#include "model_data.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string_view>

namespace levora {
namespace detail {
namespace {

// The revenue is scaled by this fixed constant of the model.
constexpr double revenueScale = 1.8;

constexpr int firstRange = 1;
constexpr int lastRange = RangeCount;

constexpr std::size_t column(int range) { return static_cast<std::size_t>(range - 1); }

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
    const auto values = {
        n.ScaledRevenue, n.TaxBurden, n.TaxRate, n.ElasticitySum, n.AverageTaxRate, n.g, n.d, n.G, n.D};
    return std::ranges::all_of(values, [](double value) { return std::isfinite(value); });
}

} // namespace

std::optional<EstimationError> invalidInputs(double R, int e, int p) {
    if (e < 0 || e >= ElasticityCount) {
        return EstimationError::ElasticityOutOfRange;
    }
    if (p < 0 || p >= RangeCount) {
        return EstimationError::RangeOutOfRange;
    }
    if (!std::isfinite(R)) {
        return EstimationError::NonFiniteValue;
    }
    return std::nullopt;
}

Expected<ElasticityStep, EstimationError> elasticityStep(double R, int e, const NumberFormat& format) {
    const auto& c = taxCoefficients[static_cast<std::size_t>(e)];
    const auto& y = rangeIncomesAsDouble;

    ElasticityStep step;
    const double r = R / revenueScale;
    step.r = r;
    double S = 0;
    for (int j = firstRange; j <= lastRange; ++j) {
        const double rate = (r * c[column(j)]) / y[column(j)];
        step.taxRates[column(j)] = rate;
        S = S + rate;
    }
    step.S = S;

    const double t = r / IncomeBase;
    step.t = t;
    const double nt = static_cast<double>(RangeCount) * t;
    step.g = 1 - S / nt;
    const double oneMinusT = 1 - t;
    step.d = (step.g * t) / oneMinusT;

    const auto G = toHppm(step.g, format);
    const auto D = toHppm(step.d, format);
    if (!G || !D) {
        return Unexpected{EstimationError::NonFiniteValue};
    }
    step.G = *G;
    step.D = *D;
    return step;
}

Expected<EstimationNumbers, EstimationError> rangeStep(const ElasticityStep& step, int e, int p) {
    const auto& c = taxCoefficients[static_cast<std::size_t>(e)];
    EstimationNumbers n;
    n.ScaledRevenue = step.r;
    n.BurdenRange = burdenSource(p).range;
    n.TaxBurden = Int(step.r * c[column(n.BurdenRange)]);
    n.TaxRate = step.taxRates[static_cast<std::size_t>(p)];
    n.ElasticitySum = step.S;
    n.AverageTaxRate = step.t;
    n.g = step.g;
    n.d = step.d;
    n.G = step.G;
    n.D = step.D;
    if (!allFinite(n)) {
        return Unexpected{EstimationError::NonFiniteValue};
    }
    return n;
}

std::string burdenText(double taxBurden, int p, const NumberFormat& format) {
    return std::string(burdenSource(p).prefix) + numberToText(taxBurden, format) + ".";
}

std::string hppmText(double hppm, const NumberFormat& format) { return numberToText(hppm, format) + " hppm."; }

} // namespace detail

Expected<EstimationNumbers, EstimationError> estimateNumbers(double R, int e, int p, const NumberFormat& format) {
    if (const auto error = detail::invalidInputs(R, e, p)) {
        return Unexpected{*error};
    }
    const auto step = detail::elasticityStep(R, e, format);
    if (!step) {
        return Unexpected{step.error()};
    }
    return detail::rangeStep(*step, e, p);
}

Expected<Estimation, EstimationError> estimate(double R, int e, int p, const NumberFormat& format) {
    const auto numbers = estimateNumbers(R, e, p, format);
    if (!numbers) {
        return Unexpected{numbers.error()};
    }
    Estimation result;
    result.numbers = *numbers;
    const EstimationNumbers& n = result.numbers;
    result.BurdenText = detail::burdenText(n.TaxBurden, p, format);
    result.ProgressivityText = detail::hppmText(n.G, format);
    result.RedistributionText = detail::hppmText(n.D, format);
    return result;
}

} // namespace levora
