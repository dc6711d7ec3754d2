#include "levora/estimation.h"
#include "levora/report/cells.h"
#include "levora/report/writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace levora::report {
namespace {

ResultRow accepted(std::string id) {
    auto estimation = estimate(100, 14, 8);
    EXPECT_TRUE(estimation);
    ResultRow row = acceptedRow("100", 100, 14, 8, estimation.value());
    row.id = std::move(id);
    return row;
}

ResultRow rejected(std::string id, std::string revenue) {
    ResultRow row = rejectedRow(Status::NotANumber, std::move(revenue), "0.5", "9");
    row.id = std::move(id);
    return row;
}

std::string document(Format format, const std::vector<ResultRow>& rows, bool withId = true) {
    const ResultWriter writer(format, DocumentInfo{{{"batch", "cases.csv"}}, withId});
    std::string out = writer.start();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        writer.append(out, rows[i], i);
    }
    return out + writer.finish();
}

constexpr const char* acceptedFields =
    "ok,100,0.5,9, 6000 to  6999,6500,609,609.,0.09380341880341879,0.13298858436630887,0.11244140249594692,1124,"
    "1124 hppm.,0.01724708887618164,172,172 hppm.";

struct DocumentCase {
    const char* name;
    Format format;
    std::vector<ResultRow> rows;
    std::string expected;
};

class Documents : public testing::TestWithParam<DocumentCase> {};

TEST_P(Documents, WriteEveryRowInItsFormat) {
    EXPECT_EQ(document(GetParam().format, GetParam().rows), GetParam().expected);
}

const std::string csvHeader =
    "id,status,revenue,elasticity,range,range_name,range_income,burden,burden_text,tax_rate,average_tax_rate,"
    "progressivity,progressivity_hppm,progressivity_text,redistribution,redistribution_hppm,redistribution_text\n";

INSTANTIATE_TEST_SUITE_P(
    Formats, Documents,
    testing::Values(
        DocumentCase{"csv",
                     Format::Csv,
                     {accepted("a"), rejected("b,\"c\"\nd", "x y")},
                     csvHeader + "a," + acceptedFields +
                         "\n\"b,\"\"c\"\"\nd\",not_a_number,x y,0.5,9,,,,,,,,,,,,\n"},
        DocumentCase{
            "tsv",
            Format::Tsv,
            {rejected("t\ta\\b\r\n", "1")},
            "id\tstatus\trevenue\telasticity\trange\trange_name\trange_income\tburden\tburden_text\ttax_rate\t"
            "average_tax_rate\tprogressivity\tprogressivity_hppm\tprogressivity_text\tredistribution\t"
            "redistribution_hppm\tredistribution_text\n"
            "t\\ta\\\\b\\r\\n\tnot_a_number\t1\t0.5\t9\t\t\t\t\t\t\t\t\t\t\t\t\n"},
        // Control characters are escaped, bytes that are not UTF-8 become U+FFFD.
        DocumentCase{
            "jsonl",
            Format::JsonLines,
            {rejected("q\"\\\x01\xC3\xA9\xFF\xED\xA0\x80", "1")},
            "{\"id\":\"q\\\"\\\\\\u0001\xC3\xA9\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\","
            "\"status\":\"not_a_number\",\"revenue\":\"1\",\"elasticity\":\"0.5\",\"range\":\"9\","
            "\"range_name\":null,\"range_income\":null,\"burden\":null,\"burden_text\":null,\"tax_rate\":null,"
            "\"average_tax_rate\":null,\"progressivity\":null,\"progressivity_hppm\":null,"
            "\"progressivity_text\":null,\"redistribution\":null,\"redistribution_hppm\":null,"
            "\"redistribution_text\":null}\n"},
        // A bad row's inputs were never read: they are absent, not empty.
        DocumentCase{
            "bad_row",
            Format::JsonLines,
            {[] {
                ResultRow row = rejectedRow(Status::BadRow, "", "", "");
                row.id = "x";
                return row;
            }()},
            "{\"id\":\"x\",\"status\":\"bad_row\",\"revenue\":null,\"elasticity\":null,\"range\":null,"
            "\"range_name\":null,\"range_income\":null,\"burden\":null,\"burden_text\":null,\"tax_rate\":null,"
            "\"average_tax_rate\":null,\"progressivity\":null,\"progressivity_hppm\":null,"
            "\"progressivity_text\":null,\"redistribution\":null,\"redistribution_hppm\":null,"
            "\"redistribution_text\":null}\n"},
        DocumentCase{
            "json_empty",
            Format::Json,
            {},
            "{\"model\":\"Levora\",\"version\":\"1.01\",\"inputs\":{\"batch\":\"cases.csv\"},\"rows\":[\n]}\n"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Documents, JsonRowsAreSeparatedAndTyped) {
    const std::string out = document(Format::Json, {accepted("1"), accepted("2")}, false);
    EXPECT_NE(
        out.find(
            "\"rows\":[\n{\"status\":\"ok\",\"revenue\":\"100\",\"elasticity\":\"0.5\",\"range\":9,"
            "\"range_name\":\" 6000 to  6999\",\"range_income\":6500,\"burden\":609,\"burden_text\":\"609.\""),
        std::string::npos)
        << out;
    EXPECT_NE(out.find("\"redistribution_text\":\"172 hppm.\"},\n{\"status\""), std::string::npos) << out;
    EXPECT_EQ(out.find("\"id\""), std::string::npos);
}

TEST(Cells, NumbersReadBackToTheSameDouble) {
    const auto estimation = estimate(150.1235, 3, 0);
    ASSERT_TRUE(estimation);
    const auto row = cells(acceptedRow("150.1235", 150.1235, 3, 0, estimation.value()));
    const EstimationNumbers& n = estimation->numbers;
    const std::array<std::pair<std::size_t, double>, 6> numbers = {
        {{9, n.TaxRate}, {10, n.AverageTaxRate}, {11, n.g}, {12, n.G}, {14, n.d}, {15, n.D}}};
    for (const auto& [column, value] : numbers) {
        EXPECT_EQ(row.at(column).kind, Cell::Kind::Number);
        EXPECT_EQ(std::strtod(row.at(column).text.c_str(), nullptr), value) << ColumnNames.at(column);
    }
}

TEST(Cells, WholeNumbersAreTheirDigitsAndZeroKeepsItsSign) {
    EXPECT_EQ(shortestText(-610), "-610");
    EXPECT_EQ(shortestText(99999), "99999");
    EXPECT_EQ(shortestText(100000), "1e+05");
    EXPECT_EQ(shortestText(-0.0), "-0");
    EXPECT_EQ(shortestText(0.0), "0");
}

TEST(Statuses, AreWrittenInTheWindowsOrderOfChecks) {
    const std::array<std::string_view, 9> names = {"ok",        "not_a_number",  "zero",
                                                   "too_large", "no_elasticity", "unknown_elasticity",
                                                   "no_range",  "unknown_range", "bad_row"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(statusName(static_cast<Status>(i)), names.at(i));
        EXPECT_FALSE(statusMessage(static_cast<Status>(i)).empty());
    }
}

TEST(Formats, AreNamed) {
    EXPECT_EQ(formatNamed("jsonl"), Format::JsonLines);
    EXPECT_EQ(formatNamed("text"), Format::Text);
    EXPECT_EQ(formatNamed("CSV"), std::nullopt);
    EXPECT_EQ(formatNamed(""), std::nullopt);
}

} // namespace
} // namespace levora::report
