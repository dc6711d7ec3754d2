#pragma once

// The requests given on the command line: one case, every range, every
// elasticity, or the whole grid, each as the rows it prints.

#include "levora/report/result_row.h"
#include "levora/report/writer.h"
#include "options.h"

#include <cstdio>
#include <vector>

namespace levora::cli {

/// The rows of a Request, Table, ByElasticity or Grid command, in the order
/// they are printed: ranges within elasticities.
[[nodiscard]] std::vector<report::ResultRow> requestRows(const Options& options);

/// What the document says it is of: the operands by name.
[[nodiscard]] report::DocumentInfo documentInfo(const Options& options);

/// The text a person reads for a single request: the window's captions and results.
[[nodiscard]] std::string requestBlock(const report::ResultRow& row);

} // namespace levora::cli
