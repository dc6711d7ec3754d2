#include "hppm.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace levora::detail {
namespace {

void expectSameAsText(double value) {
    const auto direct = toHppm(value, {});
    const auto text = hppmThroughText(value, {});
    ASSERT_EQ(direct.has_value(), text.has_value()) << value;
    if (direct) {
        ASSERT_EQ(std::bit_cast<std::uint64_t>(*direct), std::bit_cast<std::uint64_t>(*text))
            << std::hexfloat << value << ": " << *direct << " vs " << *text;
    }
}

TEST(Hppm, AgreesWithTheTextForResultSizedValues) {
    std::mt19937_64 random(1124);
    std::uniform_real_distribution<double> result(-2.0, 2.0);
    for (int n = 0; n < 200000; ++n) {
        expectSameAsText(result(random));
    }
}

TEST(Hppm, AgreesWithTheTextNextToEveryKindOfTie) {
    // Exact ties (k + 1/2) / 10000 that a double can hold, and the doubles
    // around the nearest double of many inexact ones.
    std::vector<double> values = {0.03125, -0.03125, 0.00005, -0.00005, 0.15625, 1.00005};
    for (int k = -30000; k <= 30000; k += 7) {
        values.push_back((k + 0.5) / 10000);
    }
    for (const double tie : values) {
        double below = tie;
        double above = tie;
        for (int step = 0; step < 4; ++step) {
            expectSameAsText(below);
            expectSameAsText(above);
            below = std::nextafter(below, -1.0e9);
            above = std::nextafter(above, 1.0e9);
        }
    }
}

TEST(Hppm, AgreesWithTheTextOverAllMagnitudes) {
    std::mt19937_64 random(172);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int n = 0; n < 100000; ++n) {
        expectSameAsText(std::bit_cast<double>(bits(random)));
    }
    for (const double edge :
         {0.0, -0.0, 5e-324, -1e-9, 0x1p48, -0x1p48, 0x1p49, 1e300, std::numeric_limits<double>::max(),
          std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        expectSameAsText(edge);
    }
}

TEST(Hppm, NegativeValuesThatRoundToZeroGivePositiveZero) {
    const auto zero = toHppm(-0.000001, {});
    ASSERT_TRUE(zero);
    EXPECT_EQ(*zero, 0.0);
    EXPECT_FALSE(std::signbit(*zero));
}

} // namespace
} // namespace levora::detail
