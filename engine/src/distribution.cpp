#include "levora/distribution.h"

#include "estimation_steps.h"

#include <cstddef>
#include <optional>
#include <utility>

namespace levora {
namespace {

// One row: the range's numbers and the three texts, the two shared ones
// written once by the caller.
Expected<Estimation, EstimationError> row(const detail::ElasticityStep& step, int e, int p,
                                          const Distribution& shared, const NumberFormat& format) {
    auto numbers = detail::rangeStep(step, e, p);
    if (!numbers) {
        return Unexpected{numbers.error()};
    }
    Estimation result;
    result.numbers = *numbers;
    result.BurdenText = detail::burdenText(result.numbers.TaxBurden, p, format);
    result.ProgressivityText = shared.ProgressivityText;
    result.RedistributionText = shared.RedistributionText;
    return result;
}

// The distribution summary of one elasticity, without its rows.
Expected<std::pair<detail::ElasticityStep, Distribution>, EstimationError> summary(double R, int e,
                                                                                   const NumberFormat& format) {
    auto step = detail::elasticityStep(R, e, format);
    if (!step) {
        return Unexpected{step.error()};
    }
    Distribution result;
    result.Revenue = R;
    result.ElasticityPosition = e;
    result.AverageTaxRate = step->t;
    result.g = step->g;
    result.d = step->d;
    result.G = step->G;
    result.D = step->D;
    result.ProgressivityText = detail::hppmText(step->G, format);
    result.RedistributionText = detail::hppmText(step->D, format);
    return std::pair{*step, std::move(result)};
}

Expected<Distribution, EstimationError> checkedDistribution(double R, int e, const NumberFormat& format) {
    auto shared = summary(R, e, format);
    if (!shared) {
        return Unexpected{shared.error()};
    }
    const auto& [step, summaryOnly] = *shared;
    Distribution result = summaryOnly;
    result.rows.reserve(static_cast<std::size_t>(RangeCount));
    for (int p = 0; p < RangeCount; ++p) {
        auto estimation = row(step, e, p, result, format);
        if (!estimation) {
            return Unexpected{estimation.error()};
        }
        result.rows.push_back(std::move(estimation).value());
    }
    return result;
}

} // namespace

Expected<Distribution, EstimationError> distribution(double R, int e, const NumberFormat& format) {
    if (const auto error = detail::invalidInputs(R, e, 0)) {
        return Unexpected{*error};
    }
    return checkedDistribution(R, e, format);
}

Expected<ElasticityProfile, EstimationError> byElasticity(double R, int p, const NumberFormat& format) {
    if (const auto error = detail::invalidInputs(R, 0, p)) {
        return Unexpected{*error};
    }
    ElasticityProfile result;
    result.Revenue = R;
    result.RangePosition = p;
    result.rows.reserve(static_cast<std::size_t>(ElasticityCount));
    for (int e = 0; e < ElasticityCount; ++e) {
        auto shared = summary(R, e, format);
        if (!shared) {
            return Unexpected{shared.error()};
        }
        auto estimation = row(shared->first, e, p, shared->second, format);
        if (!estimation) {
            return Unexpected{estimation.error()};
        }
        result.rows.push_back(std::move(estimation).value());
    }
    return result;
}

Expected<DistributionGrid, EstimationError> grid(double R, const NumberFormat& format) {
    if (const auto error = detail::invalidInputs(R, 0, 0)) {
        return Unexpected{*error};
    }
    DistributionGrid result;
    result.Revenue = R;
    result.byElasticity.reserve(static_cast<std::size_t>(ElasticityCount));
    for (int e = 0; e < ElasticityCount; ++e) {
        auto estimations = checkedDistribution(R, e, format);
        if (!estimations) {
            return Unexpected{estimations.error()};
        }
        result.byElasticity.push_back(std::move(estimations).value());
    }
    return result;
}

} // namespace levora
