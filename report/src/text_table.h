#pragma once

// The text format: an aligned table for a person to read.

#include "levora/report/result_row.h"
#include "levora/report/writer.h"

#include <string>

namespace levora::report::detail {

/// The heading: the model and the inputs, then the column titles.
[[nodiscard]] std::string textTableHead(const DocumentInfo& info);

/// One row of the table; a rejected row says why in words.
void appendTextTableRow(std::string& out, const ResultRow& row, bool withId);

} // namespace levora::report::detail
