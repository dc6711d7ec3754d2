// Inputs that broke a rule the request fuzzer (tests/fuzz) checks, kept as
// tests of the normal suite.

#include "levora/estimation_request.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace levora {
namespace {

constexpr int elasticity0_5 = 14;
constexpr int range6000 = 8;

struct SeparatorFinding {
    std::string text;
    std::string decimal;
    std::string group;
    double revenue;
    std::string revenueText;
};

void PrintTo(const SeparatorFinding& c, std::ostream* os) {
    *os << '"' << c.text << "\" decimal \"" << c.decimal << "\" group \"" << c.group << '"';
}

// A group separator that begins the decimal separator made the reader take
// the start of "1xy5" for a thousands group, so an accepted revenue written
// with a decimal separator did not read back.
class GroupSeparatorBeginningTheDecimalSeparator : public testing::TestWithParam<SeparatorFinding> {};

TEST_P(GroupSeparatorBeginningTheDecimalSeparator, AcceptedRevenueReadsBack) {
    const SeparatorFinding& c = GetParam();
    const NumberFormat format{c.decimal, c.group};
    const RequestOutcome outcome = requestEstimation(c.text, elasticity0_5, range6000, format);
    ASSERT_EQ(outcome.verdict, RequestVerdict::Accepted);
    EXPECT_EQ(outcome.revenue, c.revenue);
    EXPECT_EQ(outcome.revenueText, c.revenueText);
    EXPECT_EQ(textToNumber(outcome.revenueText, format), c.revenue);
}

TEST_P(GroupSeparatorBeginningTheDecimalSeparator, IsNotUsedForGrouping) {
    const SeparatorFinding& c = GetParam();
    const NumberFormat format{c.decimal, c.group};
    EXPECT_EQ(textToNumber("1" + c.group + "000", format), std::nullopt);
    EXPECT_EQ(textToNumber("1000", format), 1000.0);
}

INSTANTIATE_TEST_SUITE_P(
    Findings, GroupSeparatorBeginningTheDecimalSeparator,
    testing::Values(SeparatorFinding{"15e-1", "xy", "x", 1.5, "1xy5"},
                    SeparatorFinding{"25E-1", ",,", ",", 2.5, "2,,5"},
                    SeparatorFinding{"-1234567e-4", "::'", ":", -123.4567, "-123::'4567"},
                    // The lead byte of U+066B ARABIC DECIMAL SEPARATOR as the group separator.
                    SeparatorFinding{"5e-1", "\u066b", "\xd9", 0.5, "0\u066b5"},
                    // The fuzzer's own find: a backslash grouping, four of them as the decimal separator.
                    SeparatorFinding{R"(\\\\6)", R"(\\\\)", R"(\)", 0.6, R"(0\\\\6)"}));

TEST(FuzzRegression, DecimalSeparatorBeginningTheGroupSeparatorKeepsGrouping) {
    // The reverse is not ambiguous: "x" followed by "y" is never a decimal part.
    const NumberFormat format{"x", "xy"};
    EXPECT_EQ(textToNumber("1xy000x5", format), 1000.5);
    EXPECT_EQ(numberToText(1.5, format), "1x5");
    EXPECT_EQ(textToNumber("1x5", format), 1.5);
}

} // namespace
} // namespace levora
