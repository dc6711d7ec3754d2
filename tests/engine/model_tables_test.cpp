#include "levora/conversions.h"
#include "levora/model_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <regex>
#include <stdexcept>
#include <string>
#include <utility>

namespace levora {
namespace {

// The elasticity that elasticity index e stands for.
double elasticityValue(int e) { return (e - 9) / 10.0; }

// The lower and upper bound written in a range text " 1000 to  1999".
std::pair<int, int> bounds(std::string_view name) {
    return {std::stoi(std::string(name.substr(0, 5))), std::stoi(std::string(name.substr(9, 5)))};
}

TEST(ModelTables, ElasticityNamesAreTheTextsOfTheirValues) {
    for (int e = 0; e < ElasticityCount; ++e) {
        EXPECT_EQ(ElasticityName(e), numberToText(elasticityValue(e))) << e;
    }
    EXPECT_EQ(ElasticityName(0), "-0.9");
    EXPECT_EQ(ElasticityName(ElasticityCount - 1), "0.9");
}

TEST(ModelTables, RangeNamesAreFourteenCharactersInTheirForm) {
    EXPECT_EQ(RangeName(1), "less than 1000");
    EXPECT_EQ(RangeName(RangeCount), "39000 and more");
    const std::regex middle("[ 0-9]{5} to [ 0-9]{5}");
    for (int i = 1; i <= RangeCount; ++i) {
        const std::string name(RangeName(i));
        EXPECT_EQ(name.size(), 14U) << i;
        if (i > 1 && i < RangeCount) {
            EXPECT_TRUE(std::regex_match(name, middle)) << '"' << name << '"';
        }
    }
}

TEST(ModelTables, RepresentativeIncomesLieInTheirRanges) {
    EXPECT_LT(RangeIncome(1), 1000);
    EXPECT_GE(RangeIncome(RangeCount), 39000);
    int reversed = 0;
    for (int i = 2; i < RangeCount; ++i) {
        const auto [lower, upper] = bounds(RangeName(i));
        if (upper < lower) {
            // A reversed entry: its income is its lower bound, and the next
            // entry starts at the same bound.
            ++reversed;
            EXPECT_EQ(RangeIncome(i), lower) << i;
            EXPECT_EQ(bounds(RangeName(i + 1)).first, lower) << i;
        } else {
            EXPECT_GE(RangeIncome(i), lower) << i;
            EXPECT_LE(RangeIncome(i), upper) << i;
        }
    }
    EXPECT_EQ(reversed, 5);
}

TEST(ModelTables, RepresentativeIncomesRiseAndOutgrowSixteenBits) {
    for (int i = 2; i <= RangeCount; ++i) {
        EXPECT_LT(RangeIncome(i - 1), RangeIncome(i)) << i;
    }
    EXPECT_GT(RangeIncome(24), std::numeric_limits<std::int16_t>::max());
    EXPECT_GT(RangeIncome(25), std::numeric_limits<std::int16_t>::max());
}

TEST(ModelTables, IncomeBaseIsTheNearestDoubleTo417_7468) {
    volatile double dividend = 41774.68; // divided at run time, not folded
    EXPECT_EQ(IncomeBase, dividend / 100);
    EXPECT_EQ(IncomeBase, 417.7468);
    EXPECT_EQ(RangeCount, 25);
}

TEST(ModelTables, CoefficientCorners) {
    EXPECT_EQ(TaxCoefficient(1, 0), 15.6295);
    EXPECT_EQ(TaxCoefficient(25, 18), 649.913);
}

TEST(ModelTables, EveryCoefficientRowRisesStrictly) {
    for (int e = 0; e < ElasticityCount; ++e) {
        for (int i = 2; i <= RangeCount; ++i) {
            EXPECT_LT(TaxCoefficient(i - 1, e), TaxCoefficient(i, e)) << "e " << e << ", range " << i;
        }
    }
}

TEST(ModelTables, RowZeroIsIncomeOverIncomeBase) {
    const int zero = 9;
    ASSERT_EQ(ElasticityName(zero), "0");
    for (int i = 1; i <= RangeCount; ++i) {
        // The coefficients are written with three decimals.
        EXPECT_NEAR(TaxCoefficient(i, zero), RangeIncome(i) / IncomeBase, 0.0005) << i;
    }
}

TEST(ModelTables, EveryRowFollowsIncomeToThePowerOnePlusElasticity) {
    // Scaled to agree at the top range, every coefficient lies within the
    // rounding of its written digits of K × income^(1 + elasticity).
    for (int e = 0; e < ElasticityCount; ++e) {
        const double exponent = 1 + elasticityValue(e);
        const double K = TaxCoefficient(RangeCount, e) / std::pow(RangeIncome(RangeCount), exponent);
        for (int i = 1; i <= RangeCount; ++i) {
            EXPECT_NEAR(TaxCoefficient(i, e), K * std::pow(RangeIncome(i), exponent), 0.001)
                << "e " << e << ", range " << i;
        }
    }
}

TEST(ModelTables, IndexesOutsideTheTablesThrow) {
    for (const int e : {-1, ElasticityCount, std::numeric_limits<int>::min()}) {
        EXPECT_THROW((void)ElasticityName(e), std::out_of_range) << e;
        EXPECT_THROW((void)TaxCoefficient(1, e), std::out_of_range) << e;
    }
    for (const int i : {0, RangeCount + 1, -1, std::numeric_limits<int>::max()}) {
        EXPECT_THROW((void)RangeName(i), std::out_of_range) << i;
        EXPECT_THROW((void)RangeIncome(i), std::out_of_range) << i;
        EXPECT_THROW((void)TaxCoefficient(i, 0), std::out_of_range) << i;
    }
}

} // namespace
} // namespace levora
