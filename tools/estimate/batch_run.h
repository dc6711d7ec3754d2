#pragma once

// Runs a batch: reads its cases, decides them on every core in chunks and
// writes the rows in input order. At most a few chunks are in flight, so
// memory stays flat however many cases there are.

#include "batch_input.h"
#include "levora/report/writer.h"

#include <cstddef>
#include <functional>
#include <string_view>

namespace levora::cli {

/// Takes output as it is ready; throws when it cannot be written.
using TextSink = std::function<void(std::string_view)>;

struct BatchSummary {
    std::size_t cases = 0;    ///< rows written
    std::size_t rejected = 0; ///< rows whose status is not ok (bad rows included)
};

struct BatchSettings {
    unsigned threads = 0; ///< 0: one a core
    std::size_t casesPerChunk = 4096;
};

/// The result row of one case: decided as a request, or a bad row; the id
/// is moved out of the case.
[[nodiscard]] report::ResultRow resultRow(BatchCase& next);

/// Runs every case of `input`, whose header has been read: the document to
/// `out` (from the writer's start to its finish), one line a bad row to
/// `messages` ("line 7: 3 fields, expected 4").
BatchSummary runBatch(BatchInput& input, const report::ResultWriter& writer, const TextSink& out,
                      const TextSink& messages, const BatchSettings& settings = {});

} // namespace levora::cli
