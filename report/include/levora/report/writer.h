#pragma once

// Writes result rows as one document in a chosen format: an aligned table for
// a person, CSV or TSV with a header row, one JSON document, or JSON lines.
// Rows are written one at a time into a caller's buffer, so that a stream of
// any length is written in constant memory, and rows written apart (on other
// threads) join into the same document.

#include "levora/report/result_row.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace levora::report {

enum class Format { Text, Csv, Tsv, Json, JsonLines };

/// The format of a name: "text", "csv", "tsv", "json" or "jsonl".
[[nodiscard]] std::optional<Format> formatNamed(std::string_view name);

/// What the document is of: the inputs as given (for the JSON document and the
/// text heading), and whether rows carry an id.
struct DocumentInfo {
    std::vector<std::pair<std::string, std::string>> inputs;
    bool withId = false;
};

/// The name and version the JSON document and the text heading give.
inline constexpr std::string_view ModelName = "Levora";
[[nodiscard]] std::string_view modelVersion();

class ResultWriter {
public:
    ResultWriter(Format format, DocumentInfo info);

    /// What comes before the first row: the header row, the JSON document's head.
    [[nodiscard]] std::string start() const;

    /// Appends row number `index` (0 for the document's first row) to `out`.
    void append(std::string& out, const ResultRow& row, std::size_t index) const;

    /// What comes after the last row.
    [[nodiscard]] std::string finish() const;

private:
    Format format_;
    DocumentInfo info_;
};

} // namespace levora::report
