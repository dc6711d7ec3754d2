#include "process.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace levora::bench {
namespace {

using std::chrono::seconds;

struct EnvironmentRow {
    const char* name;
    std::vector<std::string> base;
    std::vector<std::string> overrides;
    std::vector<std::string> expected;
};

void PrintTo(const EnvironmentRow& row, std::ostream* out) { *out << row.name; }

class EnvironmentWith : public testing::TestWithParam<EnvironmentRow> {};

TEST_P(EnvironmentWith, ReplacesWholeNamesOnly) {
    EXPECT_EQ(environmentWith(GetParam().base, GetParam().overrides), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, EnvironmentWith,
    testing::Values(
        EnvironmentRow{"added", {"HOME=/h"}, {"QT_QPA_PLATFORM=xcb"}, {"HOME=/h", "QT_QPA_PLATFORM=xcb"}},
        EnvironmentRow{"replaced",
                       {"QT_QPA_PLATFORM=offscreen", "HOME=/h"},
                       {"QT_QPA_PLATFORM=xcb"},
                       {"HOME=/h", "QT_QPA_PLATFORM=xcb"}},
        // A longer name that starts with the overridden one stays.
        EnvironmentRow{"longer_name_kept",
                       {"QT_QPA_PLATFORMTHEME=gtk3"},
                       {"QT_QPA_PLATFORM=xcb"},
                       {"QT_QPA_PLATFORMTHEME=gtk3", "QT_QPA_PLATFORM=xcb"}},
        EnvironmentRow{"nothing_to_override", {"A=1", "B=2"}, {}, {"A=1", "B=2"}}),
    [](const testing::TestParamInfo<EnvironmentRow>& row) { return row.param.name; });

// Programs written as shell scripts into a folder of their own.
class ProcessTest : public testing::Test {
protected:
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("levora-process-test-" + std::to_string(getpid()));

    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string script(const std::string& name, const std::string& body) {
        const auto path = folder / name;
        std::ofstream(path) << "#!/bin/sh\n" << body << '\n';
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path.string();
    }
};

TEST_F(ProcessTest, ReportsTheExitStatusAndASignalAs128Plus) {
    Process exits(script("exits", "exit 3"), {});
    EXPECT_EQ(exits.waitForExit(seconds(10)), 3);
    Process killed(script("killed", "kill -TERM $$"), {});
    EXPECT_EQ(killed.waitForExit(seconds(10)), 128 + 15);
}

TEST_F(ProcessTest, TakesItsStartTimeBetweenTheCallAndItsReturn) {
    const auto before = Clock::now();
    Process process(script("quick", "exit 0"), {});
    const auto after = Clock::now();
    EXPECT_GE(process.startedAt(), before);
    EXPECT_LE(process.startedAt(), after);
    EXPECT_EQ(process.waitForExit(seconds(10)), 0);
}

TEST_F(ProcessTest, RunsWithTheOverriddenEnvironment) {
    Process process(script("checks", R"(test "$LEVORA_PROCESS_TEST" = yes && test -n "$PATH")"),
                    {"LEVORA_PROCESS_TEST=yes"});
    EXPECT_EQ(process.waitForExit(seconds(10)), 0);
}

TEST_F(ProcessTest, KillsAProgramThatOutlivesTheTimeout) {
    Process process(script("sleeps", "exec sleep 30"), {});
    const auto pid = process.pid();
    const auto start = Clock::now();
    EXPECT_FALSE(process.waitForExit(std::chrono::milliseconds(200)));
    EXPECT_LT(Clock::now() - start, seconds(5));
    EXPECT_TRUE(process.hasEnded());
    EXPECT_NE(kill(pid, 0), 0) << "the program still runs";
}

TEST_F(ProcessTest, ThrowsForAProgramThatCannotBeStarted) {
    EXPECT_THROW(Process((folder / "missing").string(), {}), std::runtime_error);
    const auto notExecutable = folder / "plain";
    std::ofstream(notExecutable) << "text\n";
    EXPECT_THROW(Process(notExecutable.string(), {}), std::runtime_error);
}

} // namespace
} // namespace levora::bench
