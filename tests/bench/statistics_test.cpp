#include "statistics.h"

#include <gtest/gtest.h>

#include <vector>

namespace levora::bench {
namespace {

struct SummaryRow {
    const char* name;
    std::vector<double> samples;
    double median;
    double minimum;
    double maximum;
};

void PrintTo(const SummaryRow& row, std::ostream* out) { *out << row.name; }

class SummaryOf : public testing::TestWithParam<SummaryRow> {};

TEST_P(SummaryOf, MedianAndRange) {
    const SummaryRow& row = GetParam();
    const auto summary = summarize(row.samples);
    ASSERT_TRUE(summary);
    EXPECT_DOUBLE_EQ(summary->median, row.median);
    EXPECT_DOUBLE_EQ(summary->minimum, row.minimum);
    EXPECT_DOUBLE_EQ(summary->maximum, row.maximum);
    EXPECT_EQ(summary->count, static_cast<int>(row.samples.size()));
}

INSTANTIATE_TEST_SUITE_P(SampleSets, SummaryOf,
                         testing::Values(SummaryRow{"one", {42}, 42, 42, 42},
                                         SummaryRow{"odd_unsorted", {5, 1, 3}, 3, 1, 5},
                                         // The mean of the two middle samples.
                                         SummaryRow{"even", {4, 1, 2, 3}, 2.5, 1, 4},
                                         // One slow run does not move the median.
                                         SummaryRow{"outlier", {10, 11, 12, 13, 1000}, 12, 10, 1000},
                                         SummaryRow{"ties", {7, 7, 7, 9}, 7, 7, 9}),
                         [](const testing::TestParamInfo<SummaryRow>& row) { return row.param.name; });

TEST(Summary, NoSamplesNoSummary) { EXPECT_FALSE(summarize({})); }

} // namespace
} // namespace levora::bench
