#include "batch_input.h"
#include "batch_run.h"
#include "cases.h"
#include "options.h"
#include "requests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace levora::cli {
namespace {

using report::Status;

struct ParseCase {
    std::vector<std::string> arguments;
    std::string problem; // empty when the line is accepted
    Mode mode = Mode::Request;
    report::Format format = report::Format::Text;
    std::vector<std::string> operands;
};

class CommandLines : public testing::TestWithParam<ParseCase> {};

TEST_P(CommandLines, AreParsedOrRefused) {
    const ParseCase& c = GetParam();
    const auto parsed = parseOptions(c.arguments);
    if (!c.problem.empty()) {
        ASSERT_TRUE(std::holds_alternative<UsageError>(parsed));
        EXPECT_EQ(std::get<UsageError>(parsed).message, c.problem);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<UsageError>(parsed).message;
    const auto& options = std::get<Options>(parsed);
    EXPECT_EQ(options.mode, c.mode);
    EXPECT_EQ(options.format, c.format);
    EXPECT_EQ(options.operands, c.operands);
}

using F = report::Format;

ParseCase refused(std::vector<std::string> arguments, std::string problem) {
    return ParseCase{std::move(arguments), std::move(problem), Mode::Request, F::Text, {}};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLines,
    testing::Values(ParseCase{{"-100", "-0.9", "1"}, "", Mode::Request, F::Text, {"-100", "-0.9", "1"}},
                    ParseCase{
                        {"--table", "100", "0.5", "--format", "csv"}, "", Mode::Table, F::Csv, {"100", "0.5"}},
                    ParseCase{{"--format=jsonl", "--grid", "1"}, "", Mode::Grid, F::JsonLines, {"1"}},
                    ParseCase{{"--batch"}, "", Mode::Batch, F::Text, {}},
                    ParseCase{{"--batch", "--", "--odd-name"}, "", Mode::Batch, F::Text, {"--odd-name"}},
                    refused({}, "no request given"), refused({"100", "0.5"}, "expected REVENUE ELASTICITY RANGE"),
                    refused({"--table", "100"}, "--table expects REVENUE ELASTICITY"),
                    refused({"--grid", "--table", "1", "2"}, "--grid and --table cannot be combined"),
                    refused({"--frobnicate"}, "unknown option --frobnicate"),
                    refused({"--format", "xml", "1", "0", "1"},
                            "unknown format \"xml\" (expected text, csv, tsv, json or jsonl)"),
                    refused({"1", "0", "1", "--format"}, "--format expects text, csv, tsv, json or jsonl"),
                    refused({"--lists", "--format", "csv"}, "--format does not apply to --lists"),
                    refused({"--batch", "a", "b"}, "--batch expects at most one FILE")));

struct DecideCase {
    const char* revenue;
    const char* elasticity;
    const char* range;
    Status status;
    const char* revenueAfterwards;
    const char* burden; // on acceptance
};

class Decisions : public testing::TestWithParam<DecideCase> {};

TEST_P(Decisions, FollowTheWindowsOrderOfChecks) {
    const DecideCase& c = GetParam();
    const auto row = decide(c.revenue, c.elasticity, c.range);
    EXPECT_EQ(row.status, c.status);
    EXPECT_EQ(row.revenue, c.revenueAfterwards);
    ASSERT_EQ(row.estimation.has_value(), c.status == Status::Ok);
    if (row.estimation) {
        EXPECT_EQ(row.estimation->BurdenText, c.burden);
    } else {
        EXPECT_EQ(row.elasticity, c.elasticity);
        EXPECT_EQ(row.range, c.range);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Decisions,
                         testing::Values(DecideCase{"100", "0.5", "9", Status::Ok, "100", "609."},
                                         DecideCase{"100", " 0.5 ", " 6000 to  6999", Status::Ok, "100", "609."},
                                         DecideCase{"100", "0.5", "6000to6999", Status::Ok, "100", "609."},
                                         DecideCase{"100", "0.5", "LESS THAN 1000", Status::Ok, "100", "<67."},
                                         DecideCase{"100", "0.5", "25", Status::Ok, "100", ">7782."},
                                         DecideCase{"150.123456", "0.5", "09", Status::Ok, "150.1235", "915."},
                                         DecideCase{"-100", "0.5", "9", Status::Ok, "-100", "-610."},
                                         // "." is the decimal separator and there is no grouping, in every locale.
                                         DecideCase{"1,000", "0.5", "9", Status::NotANumber, "1,000", ""},
                                         DecideCase{"100,5", "0.5", "9", Status::NotANumber, "100,5", ""},
                                         DecideCase{"abc", "x", "", Status::NotANumber, "abc", ""},
                                         DecideCase{"0.00004", "", "", Status::Zero, "0", ""},
                                         DecideCase{"202.94139", "0.5", "9", Status::TooLarge, "202.9414", ""},
                                         DecideCase{"100", "", "x", Status::NoElasticity, "100", ""},
                                         DecideCase{"100", "0.50", "", Status::UnknownElasticity, "100", ""},
                                         DecideCase{"100", "0.5", " ", Status::NoRange, "100", ""},
                                         DecideCase{"100", "0.5", "26", Status::UnknownRange, "100", ""},
                                         DecideCase{"100", "0.5", "0", Status::UnknownRange, "100", ""},
                                         DecideCase{"100", "0.5", "+9", Status::UnknownRange, "100", ""},
                                         DecideCase{"100", "0.5", "6000 to 7000", Status::UnknownRange, "100",
                                                    ""}));

TEST(RequestRows, CoverEveryCellAlsoWhenRejected) {
    const auto count = [](Mode mode, std::vector<std::string> operands, Status status) {
        const auto rows = requestRows(Options{mode, report::Format::Csv, std::move(operands)});
        const bool all = std::ranges::all_of(rows, [&](const auto& row) { return row.status == status; });
        EXPECT_TRUE(all);
        return rows.size();
    };
    EXPECT_EQ(count(Mode::Table, {"100", "0.5"}, Status::Ok), 25U);
    EXPECT_EQ(count(Mode::Table, {"abc", "0.5"}, Status::NotANumber), 25U);
    EXPECT_EQ(count(Mode::Table, {"100", "2"}, Status::UnknownElasticity), 25U);
    EXPECT_EQ(count(Mode::ByElasticity, {"100", "6000 to 6999"}, Status::Ok), 19U);
    EXPECT_EQ(count(Mode::ByElasticity, {"100", "99"}, Status::UnknownRange), 19U);
    EXPECT_EQ(count(Mode::Grid, {"-202.9413"}, Status::Ok), 475U);
    EXPECT_EQ(count(Mode::Grid, {"0"}, Status::Zero), 475U);

    const auto grid = requestRows(Options{Mode::Grid, report::Format::Csv, {"100"}});
    EXPECT_EQ(grid.at(14 * 25 + 8).estimation->BurdenText, "609.");
    EXPECT_EQ(grid.at(14 * 25 + 8).range, "9");
    EXPECT_EQ(grid.at(14 * 25 + 8).elasticity, "0.5");
}

// Runs a batch from text, in pieces of the given size, on the given threads.
std::string runText(const std::string& input, std::size_t piece, unsigned threads, std::size_t chunk,
                    std::string* messages = nullptr) {
    std::size_t offset = 0;
    BatchInput batch([&](std::span<char> buffer) {
        const std::size_t count = std::min({piece, buffer.size(), input.size() - offset});
        std::memcpy(buffer.data(), input.data() + offset, count);
        offset += count;
        return count;
    });
    EXPECT_EQ(batch.readHeader(), "");
    const report::ResultWriter writer(report::Format::Csv, report::DocumentInfo{{}, true});
    std::string out;
    std::string said;
    runBatch(
        batch, writer, [&](std::string_view text) { out += text; }, [&](std::string_view text) { said += text; },
        BatchSettings{threads, chunk});
    if (messages != nullptr) {
        *messages = said;
    }
    return out;
}

TEST(Batch, KeepsTheInputOrderOnEveryThread) {
    std::string input = "id,revenue,elasticity,range\r\n";
    std::string expectedIds;
    for (int i = 0; i < 1000; ++i) {
        input += std::to_string(i) + (i % 7 == 0 ? ",100,0.5\n" : ",100,0.5,9\n");
        expectedIds += std::to_string(i) + '\n';
    }
    const std::string reference = runText(input, 1 << 16, 1, 1000);
    for (const auto& [threads, chunk] : {std::pair{2U, std::size_t{1}}, std::pair{4U, std::size_t{7}}}) {
        EXPECT_EQ(runText(input, 13, threads, chunk), reference);
    }
    std::string ids;
    std::size_t lineStart = reference.find('\n') + 1;
    while (lineStart < reference.size()) {
        ids += reference.substr(lineStart, reference.find(',', lineStart) - lineStart) + '\n';
        lineStart = reference.find('\n', lineStart) + 1;
    }
    EXPECT_EQ(ids, expectedIds);
    std::string messages;
    runText("id,revenue,elasticity,range\n1,100,0.5,9\n2,100\n", 64, 2, 1, &messages);
    EXPECT_EQ(messages, "line 3: 2 fields, expected 4\n");
}

} // namespace
} // namespace levora::cli
