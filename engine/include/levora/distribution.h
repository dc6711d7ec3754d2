#pragma once

// The estimation for many inputs at once: every income range under one
// elasticity, every elasticity for one range, or the whole grid. Each row is
// the very estimation a separate call of estimate() gives for its inputs, to
// the last bit; the work that does not depend on the range is done once per
// elasticity.

#include "levora/estimation.h"
#include "levora/model_tables.h"

#include <vector>

namespace levora {

/// Every income range under one elasticity, with the summary the ranges share.
struct Distribution {
    double Revenue = 0;
    int ElasticityPosition = 0;
    double AverageTaxRate = 0; ///< t
    double g = 0;              ///< the progressivity
    double d = 0;              ///< the redistribution effect
    double G = 0;              ///< g in hppm
    double D = 0;              ///< d in hppm
    std::string ProgressivityText;
    std::string RedistributionText;
    /// One row per range position p (0..24), in that order.
    std::vector<Estimation> rows;
};

/// Every elasticity for one income range.
struct ElasticityProfile {
    double Revenue = 0;
    int RangePosition = 0;
    /// One row per elasticity position e (0..18), in that order.
    std::vector<Estimation> rows;
};

/// Every range under every elasticity.
struct DistributionGrid {
    double Revenue = 0;
    /// One distribution per elasticity position e (0..18), in that order.
    std::vector<Distribution> byElasticity;
};

/// The estimation of every range position for revenue R and elasticity position e (0..18).
[[nodiscard]] Expected<Distribution, EstimationError> distribution(double R, int e,
                                                                   const NumberFormat& format = {});

/// The estimation of range position p (0..24) under every elasticity.
[[nodiscard]] Expected<ElasticityProfile, EstimationError> byElasticity(double R, int p,
                                                                        const NumberFormat& format = {});

/// The distribution under every elasticity: 19 × 25 estimations.
[[nodiscard]] Expected<DistributionGrid, EstimationError> grid(double R, const NumberFormat& format = {});

} // namespace levora
