#include "proc_status.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <optional>
#include <vector>

namespace levora::bench {
namespace {

constexpr const char* statusText = "Name:\tlevora\n"
                                   "VmPeak:\t  612345 kB\n"
                                   "VmSize:\t  600000 kB\n"
                                   "VmHWM:\t   32256 kB\n"
                                   "VmRSS:\t   31000 kB\n";

struct StatusRow {
    const char* name;
    const char* text;
    std::optional<long> kib;
};

void PrintTo(const StatusRow& row, std::ostream* out) { *out << row.name; }

class PeakResidentOf : public testing::TestWithParam<StatusRow> {};

TEST_P(PeakResidentOf, ReadsTheHighWaterMarkLineOnly) {
    EXPECT_EQ(peakResidentKiB(GetParam().text), GetParam().kib);
}

INSTANTIATE_TEST_SUITE_P(
    StatusTexts, PeakResidentOf,
    testing::Values(StatusRow{"full_status", statusText, 32256},
                    StatusRow{"last_line_without_newline", "VmRSS:\t 1 kB\nVmHWM:\t 77 kB", 77},
                    StatusRow{"missing", "VmRSS:\t 31000 kB\n", std::nullopt},
                    StatusRow{"kernel_thread_without_memory", "Name:\tkthreadd\nState:\tS\n", std::nullopt},
                    StatusRow{"not_a_number", "VmHWM:\t abc kB\n", std::nullopt},
                    StatusRow{"other_unit", "VmHWM:\t 12 MB\n", std::nullopt},
                    StatusRow{"empty_value", "VmHWM:\n", std::nullopt},
                    StatusRow{"key_inside_a_line", "XVmHWM:\t 5 kB\n", std::nullopt}),
    [](const testing::TestParamInfo<StatusRow>& row) { return row.param.name; });

TEST(PeakResident, GrowsWithMemoryTheProcessTouches) {
    const auto before = readPeakResidentKiB(getpid());
    ASSERT_TRUE(before);
    constexpr std::size_t touched = std::size_t{64} * 1024 * 1024;
    const std::vector<char> block(touched, 1);
    const auto after = readPeakResidentKiB(getpid());
    ASSERT_TRUE(after);
    EXPECT_GE(*after - *before, static_cast<long>(touched / 1024) * 9 / 10);
}

} // namespace
} // namespace levora::bench
