#pragma once

// The estimation of Levora's tax model: from an accepted revenue, an
// elasticity and an income range, the tax burden of one person in that range,
// the progressivity of the tax and its redistribution effect. A pure function
// of its inputs; it reports failure as a value and never throws.

#include "levora/conversions.h"
#include "levora/expected.h"

#include <string>

namespace levora {

/// Why an estimation produced no result.
enum class EstimationError {
    ElasticityOutOfRange, ///< the elasticity position is outside 0..18
    RangeOutOfRange,      ///< the range position is outside 0..24
    NonFiniteValue,       ///< the revenue or an intermediate value is not finite
};

/// The numbers of one estimation, in the order they are computed.
struct EstimationNumbers {
    double ScaledRevenue = 0;  ///< r = R / 1.8
    int BurdenRange = 0;       ///< the range k (2..24) whose coefficient gives the burden
    double TaxBurden = 0;      ///< Int(r × coefficient of k), in won
    double TaxRate = 0;        ///< the range's own tax rate r × c(p+1) / y(p+1), the term of S for range p+1
    double ElasticitySum = 0;  ///< S, the sum of the 25 ranges' tax rates
    double AverageTaxRate = 0; ///< t = r / IncomeBase
    double g = 0;              ///< the progressivity, 1 − S / (25 t)
    double d = 0;              ///< the redistribution effect, g t / (1 − t)
    double G = 0;              ///< g rounded to four decimals, in hppm (× 10000)
    double D = 0;              ///< d rounded to four decimals, in hppm
};

/// An estimation with the texts the result labels show.
struct Estimation {
    EstimationNumbers numbers;
    std::string BurdenText;         ///< "609.", "<67.", ">7782.", "-610."
    std::string ProgressivityText;  ///< "1124 hppm."
    std::string RedistributionText; ///< "172 hppm."
};

/// Computes the numbers for revenue R (hundreds of millions of won, the value
/// the request accepted), elasticity position e (0..18) and range position p
/// (0..24). The arithmetic is IEEE double, operation by operation, so the
/// results are reproducible to the last bit. The format's decimal separator
/// is the one the rounding to four decimals writes and reads back.
[[nodiscard]] Expected<EstimationNumbers, EstimationError> estimateNumbers(double R, int e, int p,
                                                                           const NumberFormat& format = {});

/// As estimateNumbers, with the three result texts written in the given format.
[[nodiscard]] Expected<Estimation, EstimationError> estimate(double R, int e, int p,
                                                             const NumberFormat& format = {});

} // namespace levora
