#include "levora/estimation.h"
#include "levora/model_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace levora {
namespace {

constexpr int elasticity0_5 = 14;
constexpr int range6000 = 8;

Estimation estimated(double R, int e, int p, const NumberFormat& format = {}) {
    const auto result = estimate(R, e, p, format);
    EXPECT_TRUE(result) << "R " << R << ", e " << e << ", p " << p;
    return result ? result.value() : Estimation{};
}

TEST(Estimation, WorkedExampleStepByStep) {
    const auto result = estimate(100, elasticity0_5, range6000);
    ASSERT_TRUE(result);
    const EstimationNumbers& n = result->numbers;

    EXPECT_EQ(n.ScaledRevenue, 55.55555555555556);
    EXPECT_EQ(n.BurdenRange, 9);
    EXPECT_EQ(n.ScaledRevenue * TaxCoefficient(9, elasticity0_5), 609.7222222222222);
    EXPECT_EQ(n.TaxBurden, 609.0);
    EXPECT_EQ(n.ElasticitySum, 2.9508790356052637);
    EXPECT_EQ(n.AverageTaxRate, 0.13298858436630887);
    EXPECT_EQ(RangeCount * n.AverageTaxRate, 3.3247146091577218);
    EXPECT_EQ(n.g, 0.11244140249594692);
    EXPECT_EQ(1 - n.AverageTaxRate, 0.8670114156336911);
    EXPECT_EQ(n.d, 0.01724708887618164);
    EXPECT_EQ(n.G, 1124.0);
    EXPECT_EQ(n.D, 172.0);
    EXPECT_EQ(result->BurdenText, "609.");
    EXPECT_EQ(result->ProgressivityText, "1124 hppm.");
    EXPECT_EQ(result->RedistributionText, "172 hppm.");
}

TEST(Estimation, SumRunsOverEveryRangeInOrder) {
    // The first and last terms of the worked example's sum.
    const double r = 100 / 1.8;
    EXPECT_NEAR(r * TaxCoefficient(1, elasticity0_5) / RangeIncome(1), 0.026, 1e-15);
    EXPECT_NEAR(r * TaxCoefficient(25, elasticity0_5) / RangeIncome(25), 0.304517, 1e-6);
}

struct ResultRow {
    double R;
    int e;
    int p;
    const char* burden;
    const char* progressivity;
    const char* redistribution;
};

class EstimationResults : public testing::TestWithParam<ResultRow> {};

TEST_P(EstimationResults, ShowTheExpectedTexts) {
    const ResultRow& row = GetParam();
    const Estimation result = estimated(row.R, row.e, row.p);
    EXPECT_EQ(result.BurdenText, row.burden);
    EXPECT_EQ(result.ProgressivityText, row.progressivity);
    EXPECT_EQ(result.RedistributionText, row.redistribution);
}

INSTANTIATE_TEST_SUITE_P(Rows, EstimationResults,
                         testing::Values(ResultRow{100, 14, 8, "609.", "1124 hppm.", "172 hppm."},
                                         ResultRow{100, 14, 0, "<67.", "1124 hppm.", "172 hppm."},
                                         ResultRow{100, 14, 24, ">7782.", "1124 hppm.", "172 hppm."},
                                         ResultRow{-100, 14, 8, "-610.", "1124 hppm.", "-132 hppm."},
                                         ResultRow{100, 18, 12, "763.", "1571 hppm.", "241 hppm."},
                                         ResultRow{202.9413, 0, 24, ">2698.", "-7431 hppm.", "-2747 hppm."},
                                         ResultRow{0.0001, 18, 12, "0.", "1571 hppm.", "0 hppm."}));

TEST(Estimation, ProgressivityDependsOnTheElasticityAlone) {
    const std::vector<std::string> expected = {"-7431", "-5885", "-4600", "-3533", "-2648", "-1912", "-1299",
                                               "-788",  "-360",  "0",     "304",   "561",   "779",   "965",
                                               "1124",  "1261",  "1379",  "1481",  "1571"};
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(ElasticityCount));
    for (int e = 0; e < ElasticityCount; ++e) {
        for (const double R : {100.0, 0.0001, -150.1235, 202.9413}) {
            for (int p = 0; p < RangeCount; p += 6) {
                EXPECT_EQ(estimated(R, e, p).ProgressivityText, expected[static_cast<std::size_t>(e)] + " hppm.")
                    << "e " << e << ", R " << R << ", p " << p;
            }
        }
    }
}

TEST(Estimation, ProgressivityKeepsItsLastBitResidue) {
    // g rounds to -0.1299, which reads back and scales to just above -1299.
    const auto result = estimate(100, 6, range6000);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->numbers.G, -1298.9999999999998);
    EXPECT_EQ(result->ProgressivityText, "-1299 hppm.");
}

TEST(Estimation, ZeroElasticityShowsZeroWithoutSign) {
    const auto result = estimate(100, 9, range6000);
    ASSERT_TRUE(result);
    EXPECT_LT(result->numbers.g, 0.0);
    EXPECT_GT(result->numbers.g, -0.00005);
    EXPECT_EQ(result->numbers.G, 0.0);
    EXPECT_EQ(result->ProgressivityText, "0 hppm.");
}

TEST(Estimation, BurdenComesFromTheNeighbourForTheOpenRanges) {
    for (int p = 0; p < RangeCount; ++p) {
        const auto result = estimate(100, elasticity0_5, p);
        ASSERT_TRUE(result);
        const int expectedRange = p == 0 ? 2 : p == RangeCount - 1 ? RangeCount - 1 : p + 1;
        EXPECT_EQ(result->numbers.BurdenRange, expectedRange) << p;
        const char expectedPrefix = p == 0 ? '<' : p == RangeCount - 1 ? '>' : '\0';
        const char prefix = result->BurdenText.front();
        if (expectedPrefix != '\0') {
            EXPECT_EQ(prefix, expectedPrefix) << p;
        } else {
            EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(prefix))) << p;
        }
        const double r = 100 / 1.8;
        EXPECT_EQ(result->numbers.TaxBurden, std::floor(r * TaxCoefficient(expectedRange, elasticity0_5))) << p;
    }
}

TEST(Estimation, NegativeRevenueMirrorsTheBurden) {
    for (int e = 0; e < ElasticityCount; ++e) {
        const auto positive = estimate(150.1235, e, 12);
        const auto negative = estimate(-150.1235, e, 12);
        ASSERT_TRUE(positive && negative);
        EXPECT_EQ(negative->ProgressivityText, positive->ProgressivityText) << e;
        EXPECT_LT(negative->numbers.TaxBurden, 0.0);
        EXPECT_EQ(negative->numbers.TaxBurden, -positive->numbers.TaxBurden - 1) << e; // floored, not truncated
        EXPECT_EQ(negative->numbers.AverageTaxRate, -positive->numbers.AverageTaxRate);
        if (positive->numbers.D != 0) {
            EXPECT_LT(negative->numbers.D * positive->numbers.D, 0.0) << e;
            EXPECT_LT(std::fabs(negative->numbers.D), std::fabs(positive->numbers.D)) << e;
        }
    }
}

TEST(Estimation, TextsDoNotDependOnTheLocale) {
    const NumberFormat german{",", "."};
    for (int e = 0; e < ElasticityCount; ++e) {
        const Estimation plain = estimated(123.4567, e, 5);
        const Estimation localized = estimated(123.4567, e, 5, german);
        EXPECT_EQ(localized.BurdenText, plain.BurdenText);
        EXPECT_EQ(localized.ProgressivityText, plain.ProgressivityText);
        EXPECT_EQ(localized.RedistributionText, plain.RedistributionText);
        EXPECT_EQ(localized.numbers.G, plain.numbers.G);
    }
}

struct FailureCase {
    double R;
    int e;
    int p;
    EstimationError error;
};

class EstimationFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(EstimationFailures, AreReportedAsValues) {
    const auto& [R, e, p, error] = GetParam();
    const auto result = estimate(R, e, p);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error(), error);
    EXPECT_FALSE(estimateNumbers(R, e, p));
}

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Cases, EstimationFailures,
                         testing::Values(FailureCase{100, -1, 8, EstimationError::ElasticityOutOfRange},
                                         FailureCase{100, ElasticityCount, 8,
                                                     EstimationError::ElasticityOutOfRange},
                                         FailureCase{100, 14, -1, EstimationError::RangeOutOfRange},
                                         FailureCase{100, 14, RangeCount, EstimationError::RangeOutOfRange},
                                         FailureCase{nan, 14, 8, EstimationError::NonFiniteValue},
                                         FailureCase{inf, 14, 8, EstimationError::NonFiniteValue},
                                         FailureCase{-inf, 14, 8, EstimationError::NonFiniteValue},
                                         // t = 0 makes the progressivity 0 / 0.
                                         FailureCase{0, 14, 8, EstimationError::NonFiniteValue},
                                         // t = 1 makes the redistribution effect divide by zero.
                                         FailureCase{IncomeBase * 1.8, 14, 8, EstimationError::NonFiniteValue},
                                         FailureCase{1e308, 18, 24, EstimationError::NonFiniteValue}));

TEST(Estimation, NoTextEverShowsANonNumber) {
    for (const double R : {1e-300, 5e-324, 1e-5, 1e6, 1e15, 1e300, -1e300, 751.9, -751.9}) {
        for (int e = 0; e < ElasticityCount; e += 3) {
            const auto result = estimate(R, e, 12);
            if (!result) {
                continue;
            }
            for (const std::string& text :
                 {result->BurdenText, result->ProgressivityText, result->RedistributionText}) {
                EXPECT_EQ(text.find("nan"), std::string::npos) << text;
                EXPECT_EQ(text.find("inf"), std::string::npos) << text;
                EXPECT_EQ(text.find("NaN"), std::string::npos) << text;
                EXPECT_EQ(text.find("Inf"), std::string::npos) << text;
            }
        }
    }
}

} // namespace
} // namespace levora
