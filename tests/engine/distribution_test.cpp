#include "levora/distribution.h"
#include "levora/estimation.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

namespace levora {
namespace {

// Two doubles are the same when their bits are: 0 and -0 differ here.
#define EXPECT_SAME_BITS(a, b) EXPECT_EQ(std::bit_cast<std::uint64_t>(a), std::bit_cast<std::uint64_t>(b)) << #a

void expectSameEstimation(const Estimation& got, double R, int e, int p) {
    SCOPED_TRACE("R " + std::to_string(R) + ", e " + std::to_string(e) + ", p " + std::to_string(p));
    const auto single = estimate(R, e, p);
    ASSERT_TRUE(single);
    const EstimationNumbers& a = got.numbers;
    const EstimationNumbers& b = single->numbers;
    EXPECT_SAME_BITS(a.ScaledRevenue, b.ScaledRevenue);
    EXPECT_EQ(a.BurdenRange, b.BurdenRange);
    EXPECT_SAME_BITS(a.TaxBurden, b.TaxBurden);
    EXPECT_SAME_BITS(a.TaxRate, b.TaxRate);
    EXPECT_SAME_BITS(a.ElasticitySum, b.ElasticitySum);
    EXPECT_SAME_BITS(a.AverageTaxRate, b.AverageTaxRate);
    EXPECT_SAME_BITS(a.g, b.g);
    EXPECT_SAME_BITS(a.d, b.d);
    EXPECT_SAME_BITS(a.G, b.G);
    EXPECT_SAME_BITS(a.D, b.D);
    EXPECT_EQ(got.BurdenText, single->BurdenText);
    EXPECT_EQ(got.ProgressivityText, single->ProgressivityText);
    EXPECT_EQ(got.RedistributionText, single->RedistributionText);
}

class DistributionGridTest : public testing::TestWithParam<double> {};

TEST_P(DistributionGridTest, EveryCellIsTheSingleEstimation) {
    const double R = GetParam();
    const auto all = grid(R);
    ASSERT_TRUE(all);
    ASSERT_EQ(all->byElasticity.size(), static_cast<std::size_t>(ElasticityCount));
    for (int e = 0; e < ElasticityCount; ++e) {
        const Distribution& ranges = all->byElasticity[static_cast<std::size_t>(e)];
        ASSERT_EQ(ranges.rows.size(), static_cast<std::size_t>(RangeCount));
        const auto single = estimate(R, e, 0);
        ASSERT_TRUE(single);
        EXPECT_SAME_BITS(ranges.AverageTaxRate, single->numbers.AverageTaxRate);
        EXPECT_SAME_BITS(ranges.G, single->numbers.G);
        EXPECT_SAME_BITS(ranges.D, single->numbers.D);
        EXPECT_EQ(ranges.ProgressivityText, single->ProgressivityText);
        for (int p = 0; p < RangeCount; ++p) {
            expectSameEstimation(ranges.rows[static_cast<std::size_t>(p)], R, e, p);
        }
    }
    for (int p = 0; p < RangeCount; ++p) {
        const auto profile = byElasticity(R, p);
        ASSERT_TRUE(profile);
        ASSERT_EQ(profile->rows.size(), static_cast<std::size_t>(ElasticityCount));
        for (int e = 0; e < ElasticityCount; ++e) {
            expectSameEstimation(profile->rows[static_cast<std::size_t>(e)], R, e, p);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Revenues, DistributionGridTest,
                         testing::Values(100.0, 0.0001, -100.0, 150.1235, 202.9413, -202.9413, 1e-300));

TEST(Distribution, TaxRateIsTheRangesOwnTermOfTheSum) {
    const auto ranges = distribution(100, 14);
    ASSERT_TRUE(ranges);
    double sum = 0;
    for (const Estimation& row : ranges->rows) {
        sum = sum + row.numbers.TaxRate;
    }
    EXPECT_SAME_BITS(sum, ranges->rows.front().numbers.ElasticitySum);
    // The open ranges' own rates, not their neighbours' (the burden is the neighbour's).
    EXPECT_NEAR(ranges->rows.front().numbers.TaxRate, 0.026, 1e-15);
    EXPECT_NEAR(ranges->rows.back().numbers.TaxRate, 0.304517, 1e-6);
    EXPECT_EQ(ranges->rows.front().BurdenText, "<67.");
    EXPECT_EQ(ranges->rows.back().BurdenText, ">7782.");
}

TEST(Distribution, ReportsBadInputsAsValues) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(distribution(100, -1).error(), EstimationError::ElasticityOutOfRange);
    EXPECT_EQ(distribution(100, ElasticityCount).error(), EstimationError::ElasticityOutOfRange);
    EXPECT_EQ(distribution(nan, 0).error(), EstimationError::NonFiniteValue);
    EXPECT_EQ(byElasticity(100, -1).error(), EstimationError::RangeOutOfRange);
    EXPECT_EQ(byElasticity(100, RangeCount).error(), EstimationError::RangeOutOfRange);
    EXPECT_EQ(grid(std::numeric_limits<double>::infinity()).error(), EstimationError::NonFiniteValue);
    EXPECT_EQ(grid(1e308).error(), EstimationError::NonFiniteValue);
}

} // namespace
} // namespace levora
