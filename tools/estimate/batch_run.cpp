#include "batch_run.h"

#include "cases.h"

#include <algorithm>
#include <deque>
#include <future>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace levora::cli {
namespace {

struct ChunkResult {
    std::string rows;
    std::string messages;
    std::size_t rejected = 0;
};

ChunkResult runChunk(std::vector<BatchCase> cases, std::size_t firstIndex, const report::ResultWriter& writer) {
    ChunkResult result;
    // A CSV row is about 200 bytes: room for the chunk's rows at once spares
    // the copies of a growing buffer.
    constexpr std::size_t bytesPerRow = 256;
    result.rows.reserve(cases.size() * bytesPerRow);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        BatchCase& next = cases[i];
        if (next.bad()) {
            result.messages += "line " + std::to_string(next.line) + ": " + next.problem + '\n';
        }
        const report::ResultRow row = resultRow(next);
        if (row.status != report::Status::Ok) {
            ++result.rejected;
        }
        writer.append(result.rows, row, firstIndex + i);
    }
    return result;
}

unsigned workerCount(unsigned asked) {
    if (asked != 0) {
        return asked;
    }
    return std::max(1U, std::thread::hardware_concurrency());
}

} // namespace

report::ResultRow resultRow(BatchCase& next) {
    report::ResultRow row = next.bad() ? report::rejectedRow(report::Status::BadRow, "", "", "")
                                       : decide(next.revenue, next.elasticity, next.range);
    row.id = std::move(next.id);
    return row;
}

BatchSummary runBatch(BatchInput& input, const report::ResultWriter& writer, const TextSink& out,
                      const TextSink& messages, const BatchSettings& settings) {
    const std::size_t chunkSize = std::max<std::size_t>(1, settings.casesPerChunk);
    // Two chunks a worker keep every core busy while the oldest is written.
    const std::size_t inFlightLimit = 2 * std::size_t{workerCount(settings.threads)};

    BatchSummary summary;
    std::deque<std::future<ChunkResult>> inFlight;
    const auto writeOldest = [&] {
        ChunkResult done = inFlight.front().get();
        inFlight.pop_front();
        if (!done.messages.empty()) {
            messages(done.messages);
        }
        out(done.rows);
        summary.rejected += done.rejected;
    };

    out(writer.start());
    bool more = true;
    while (more) {
        std::vector<BatchCase> cases;
        cases.reserve(chunkSize);
        while (cases.size() < chunkSize) {
            BatchCase next;
            more = input.read(next);
            if (!more) {
                break;
            }
            cases.push_back(std::move(next));
        }
        if (cases.empty()) {
            break;
        }
        const std::size_t firstIndex = summary.cases;
        summary.cases += cases.size();
        inFlight.push_back(
            std::async(std::launch::async, runChunk, std::move(cases), firstIndex, std::cref(writer)));
        if (inFlight.size() >= inFlightLimit) {
            writeOldest();
        }
    }
    while (!inFlight.empty()) {
        writeOldest();
    }
    out(writer.finish());
    return summary;
}

} // namespace levora::cli
