#include "text_table.h"

#include "levora/model_tables.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace levora::report::detail {
namespace {

enum class Align { Left, Right };

struct Column {
    std::string_view title;
    std::size_t width;
    Align align;
};

constexpr Column idColumn{"Id", 8, Align::Left};
constexpr std::array<Column, 8> columns = {{
    {"Revenue", 10, Align::Right},
    {"Elasticity", 10, Align::Right},
    {"Income range (won)", 18, Align::Left},
    {"Income", 6, Align::Right},
    {"Tax burden (won)", 16, Align::Right},
    {"Tax rate", 9, Align::Right},
    {"Progressivity", 14, Align::Right},
    {"Redistribution", 14, Align::Right},
}};
constexpr std::string_view gap = "  ";

// Line breaks and tabs in a text the user gave would break the table's lines.
std::string oneLine(std::string_view text) {
    std::string line(text);
    std::ranges::replace_if(
        line, [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
    return line;
}

void appendCell(std::string& out, std::string_view text, const Column& column) {
    const std::size_t padding = column.width > text.size() ? column.width - text.size() : 0;
    if (column.align == Align::Right) {
        out.append(padding, ' ');
    }
    out += text;
    if (column.align == Align::Left) {
        out.append(padding, ' ');
    }
}

std::string percent(double rate) {
    std::array<char, 48> buffer{};
    constexpr int decimals = 2;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rate * 100,
                                      std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr) + " %";
}

void trimTrailingBlanks(std::string& out) {
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
}

} // namespace

std::string textTableHead(const DocumentInfo& info) {
    std::string out(ModelName);
    out += ' ';
    out += modelVersion();
    std::string_view separator = ": ";
    for (const auto& [name, value] : info.inputs) {
        out += separator;
        out += name;
        out += ' ';
        out += oneLine(value);
        separator = ", ";
    }
    out += "\n\n";
    if (info.withId) {
        appendCell(out, idColumn.title, idColumn);
        out += gap;
    }
    for (const Column& column : columns) {
        appendCell(out, column.title, column);
        out += gap;
    }
    trimTrailingBlanks(out);
    out += '\n';
    return out;
}

void appendTextTableRow(std::string& out, const ResultRow& row, bool withId) {
    const std::size_t lineStart = out.size();
    if (withId) {
        appendCell(out, oneLine(row.id.value_or("")), idColumn);
        out += gap;
    }
    appendCell(out, oneLine(row.revenue), columns[0]);
    out += gap;
    if (!row.estimation) {
        appendCell(out, oneLine(row.elasticity), columns[1]);
        out += gap;
        appendCell(out, oneLine(row.range), columns[2]);
        out += gap;
        out += "rejected: ";
        out += statusMessage(row.status);
        out += '\n';
        return;
    }
    const int rangeNumber = row.rangePosition + 1;
    const Estimation& result = *row.estimation;
    const std::array<std::string, 7> texts = {
        std::string(ElasticityName(row.elasticityPosition)),
        std::string(RangeName(rangeNumber)),
        std::to_string(RangeIncome(rangeNumber)),
        result.BurdenText,
        percent(result.numbers.TaxRate),
        result.ProgressivityText,
        result.RedistributionText,
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        appendCell(out, texts.at(i), columns.at(i + 1));
        out += gap;
    }
    const std::size_t end = out.find_last_not_of(' ');
    out.resize(std::max(end + 1, lineStart));
    out += '\n';
}

} // namespace levora::report::detail
