#include "levora/report/writer.h"

#include "cell_visit.h"
#include "levora/report/utf8.h"
#include "text_table.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <utility>

#ifndef LEVORA_VERSION
#error "LEVORA_VERSION names the version the documents carry"
#endif

namespace levora::report {
namespace {

std::span<const std::string_view> writtenNames(bool withId) {
    return withId ? std::span<const std::string_view>(ColumnNames)
                  : std::span<const std::string_view>(ColumnNames).subspan(1);
}

bool needsQuotes(std::string_view field) {
    return std::ranges::any_of(field, [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
}

void appendCsvField(std::string& out, std::string_view field) {
    if (!needsQuotes(field)) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

// TSV has no quoting: a tab, a line break or a backslash in a field is
// written as a backslash escape.
void appendTsvField(std::string& out, std::string_view field) {
    for (const char c : field) {
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
}

template <class AppendField>
void appendDelimited(std::string& out, std::span<const std::string_view> fields, char separator,
                     AppendField appendField) {
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first) {
            out += separator;
        }
        first = false;
        appendField(out, field);
    }
    out += '\n';
}

// A JSON string. Bytes that are not UTF-8 become U+FFFD, so that the
// document stays valid whatever the input held.
void appendJsonString(std::string& out, std::string_view text) {
    static constexpr std::string_view hex = "0123456789abcdef";
    out += '"';
    while (!text.empty()) {
        const char c = text.front();
        const std::size_t length = utf8SequenceLength(text);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            text.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (static_cast<std::uint8_t>(c) < 0x20U || c == '\x7F') {
            const auto code = static_cast<std::uint8_t>(c);
            out += "\\u00";
            out += hex[code >> 4U];
            out += hex[code & 0xFU];
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    out += '"';
}

void appendJsonObject(std::string& out, const ResultRow& row, bool withId) {
    const auto names = writtenNames(withId);
    std::size_t column = 0;
    out += '{';
    detail::visitCells(row, withId, [&](Cell::Kind kind, std::string_view value) {
        if (column > 0) {
            out += ',';
        }
        appendJsonString(out, names[column++]);
        out += ':';
        switch (kind) {
        case Cell::Kind::Empty:
            out += "null";
            break;
        case Cell::Kind::Number:
            out += value;
            break;
        case Cell::Kind::Text:
            appendJsonString(out, value);
            break;
        }
    });
    out += '}';
}

// One delimited line of the row's cells.
template <class AppendField>
void appendDelimitedRow(std::string& out, const ResultRow& row, bool withId, char separator,
                        AppendField appendField) {
    bool first = true;
    detail::visitCells(row, withId, [&](Cell::Kind kind, std::string_view value) {
        if (!first) {
            out += separator;
        }
        first = false;
        // A number is digits, a sign, a point and an exponent: nothing to escape.
        if (kind == Cell::Kind::Number) {
            out += value;
        } else {
            appendField(out, value);
        }
    });
    out += '\n';
}

std::string jsonHead(const DocumentInfo& info) {
    std::string out = "{\"model\":";
    appendJsonString(out, ModelName);
    out += ",\"version\":";
    appendJsonString(out, modelVersion());
    out += ",\"inputs\":{";
    bool first = true;
    for (const auto& [name, value] : info.inputs) {
        if (!first) {
            out += ',';
        }
        first = false;
        appendJsonString(out, name);
        out += ':';
        appendJsonString(out, value);
    }
    out += "},\"rows\":[";
    return out;
}

} // namespace

std::optional<Format> formatNamed(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, Format>, 5> names = {{
        {"text", Format::Text},
        {"csv", Format::Csv},
        {"tsv", Format::Tsv},
        {"json", Format::Json},
        {"jsonl", Format::JsonLines},
    }};
    for (const auto& [known, format] : names) {
        if (name == known) {
            return format;
        }
    }
    return std::nullopt;
}

std::string_view modelVersion() { return LEVORA_VERSION; }

ResultWriter::ResultWriter(Format format, DocumentInfo info) : format_(format), info_(std::move(info)) {}

std::string ResultWriter::start() const {
    std::string out;
    switch (format_) {
    case Format::Text:
        out = detail::textTableHead(info_);
        break;
    case Format::Csv:
        appendDelimited(out, writtenNames(info_.withId), ',', appendCsvField);
        break;
    case Format::Tsv:
        appendDelimited(out, writtenNames(info_.withId), '\t', appendTsvField);
        break;
    case Format::Json:
        out = jsonHead(info_);
        break;
    case Format::JsonLines:
        break;
    }
    return out;
}

void ResultWriter::append(std::string& out, const ResultRow& row, std::size_t index) const {
    switch (format_) {
    case Format::Text:
        detail::appendTextTableRow(out, row, info_.withId);
        break;
    case Format::Csv:
        appendDelimitedRow(out, row, info_.withId, ',', appendCsvField);
        break;
    case Format::Tsv:
        appendDelimitedRow(out, row, info_.withId, '\t', appendTsvField);
        break;
    case Format::Json:
        out += index == 0 ? "\n" : ",\n";
        appendJsonObject(out, row, info_.withId);
        break;
    case Format::JsonLines:
        appendJsonObject(out, row, info_.withId);
        out += '\n';
        break;
    }
}

std::string ResultWriter::finish() const { return format_ == Format::Json ? "\n]}\n" : ""; }

} // namespace levora::report
