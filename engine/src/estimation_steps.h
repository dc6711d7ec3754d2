#pragma once

// The estimation in two steps: what depends on the revenue and the elasticity
// alone (the sum of the ranges' tax rates and the summary measures), and what
// each range adds (its burden). A single estimation and the whole distribution
// take the same steps, so both give the same bits.

#include "levora/estimation.h"
#include "levora/model_tables.h"

#include <array>
#include <optional>
#include <string>

namespace levora::detail {

/// Everything of an estimation that does not depend on the range.
struct ElasticityStep {
    double r = 0;                                 ///< the scaled revenue
    std::array<double, RangeCount> taxRates = {}; ///< the terms of S, range 1 first
    double S = 0;
    double t = 0;
    double g = 0;
    double d = 0;
    double G = 0;
    double D = 0;
};

/// Why inputs cannot be estimated: an elasticity or range position outside
/// its list, or a revenue that is not finite; nothing when they can.
[[nodiscard]] std::optional<EstimationError> invalidInputs(double R, int e, int p);

/// The range-independent step for an elasticity position known to be valid.
[[nodiscard]] Expected<ElasticityStep, EstimationError> elasticityStep(double R, int e,
                                                                       const NumberFormat& format);

/// The numbers of range position p (known to be valid) under the step.
[[nodiscard]] Expected<EstimationNumbers, EstimationError> rangeStep(const ElasticityStep& step, int e, int p);

/// The burden text of range position p: "609.", "<67.", ">7782.".
[[nodiscard]] std::string burdenText(double taxBurden, int p, const NumberFormat& format);

/// The text of an hppm value: "1124 hppm.".
[[nodiscard]] std::string hppmText(double hppm, const NumberFormat& format);

} // namespace levora::detail
