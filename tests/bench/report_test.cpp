#include "report.h"

#include <gtest/gtest.h>

#include <sstream>

namespace levora::bench {
namespace {

TEST(Report, DescribesMedianAndRangeAtTheGivenPrecision) {
    EXPECT_EQ(describe({.median = 183.44, .minimum = 170.06, .maximum = 220.35, .count = 5}, 1),
              "183.4 (170.1-220.3)");
    EXPECT_EQ(describe({.median = 2, .minimum = 1, .maximum = 3, .count = 3}, 0), "2 (1-3)");
}

struct RatioRow {
    const char* name;
    std::vector<double> levora;
    std::vector<double> bare;
    std::optional<double> ratio;
};

void PrintTo(const RatioRow& row, std::ostream* out) { *out << row.name; }

class MedianRatio : public testing::TestWithParam<RatioRow> {};

TEST_P(MedianRatio, OfTheTwoMedians) {
    EXPECT_EQ(medianRatio(GetParam().levora, GetParam().bare), GetParam().ratio);
}

INSTANTIATE_TEST_SUITE_P(SampleSets, MedianRatio,
                         testing::Values(RatioRow{"unsorted", {30, 10, 20}, {10, 11, 9}, 2.0},
                                         RatioRow{"bare_outlier", {15}, {10, 20, 1000}, 0.75},
                                         RatioRow{"no_levora", {}, {10}, std::nullopt},
                                         RatioRow{"no_bare", {10}, {}, std::nullopt},
                                         RatioRow{"bare_zero", {10}, {0}, std::nullopt}),
                         [](const testing::TestParamInfo<RatioRow>& row) { return row.param.name; });

TEST(Report, JudgesTheRatioAgainstTheGoalInclusively) {
    EXPECT_EQ(judge(1.5, 1.5), "1.50 x, goal <= 1.50 x: met");
    EXPECT_EQ(judge(1.2345, 1.3), "1.23 x, goal <= 1.30 x: met");
    EXPECT_EQ(judge(1.31, 1.3), "1.31 x, goal <= 1.30 x: MISSED");
}

TEST(Report, PrintsARowPerFigureAndADashWhereASideHasNoSamples) {
    const Section section{"Heading", 1, 1.5, {{"with both", {30, 30}, {20, 20}}, {"bare only", {}, {12.24}}}};
    std::ostringstream out;
    printSection(out, section);
    const std::string text = out.str();
    EXPECT_EQ(text.substr(0, text.find('\n')), "Heading");
    EXPECT_NE(text.find("30.0 (30.0-30.0)"), std::string::npos) << text;
    EXPECT_NE(text.find("1.50 x, goal <= 1.50 x: met"), std::string::npos) << text;
    const auto bareOnly = text.substr(text.find("bare only"));
    EXPECT_NE(bareOnly.find("12.2 (12.2-12.2)"), std::string::npos) << text;
    EXPECT_EQ(bareOnly.back(), '\n');
    EXPECT_NE(bareOnly.find(" - "), std::string::npos) << text;
    EXPECT_EQ(bareOnly.find(" x"), std::string::npos) << text;
}

} // namespace
} // namespace levora::bench
