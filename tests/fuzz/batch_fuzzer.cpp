// Feeds arbitrary bytes to levora-estimate's batch: the reader, the ordered
// pipeline and the writers. Every input must give one row a record, in input
// order, whatever pieces the bytes arrive in and however the work is split;
// JSON output must stay valid UTF-8 with one line a row. Memory errors and
// undefined behaviour are caught by the sanitizers the fuzzer is built with.
//
// Input layout: the first byte picks the piece size, the output format and
// whether the batch header is put in front of the rest; the rest is the
// batch file.

#include "batch_input.h"
#include "batch_run.h"
#include "levora/report/utf8.h"
#include "levora/report/writer.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace levora::cli {
namespace {

void require(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "batch rule broken: %s\n", rule);
        std::abort();
    }
}

ByteSource piecesOf(std::string_view bytes, std::size_t piece) {
    return [bytes, piece, offset = std::size_t{0}](std::span<char> buffer) mutable {
        const std::size_t count = std::min({piece, buffer.size(), bytes.size() - offset});
        std::memcpy(buffer.data(), bytes.data() + offset, count);
        offset += count;
        return count;
    };
}

// Every case, read one after another, in pieces of the given size.
std::vector<BatchCase> readAll(std::string_view bytes, std::size_t piece, std::string& header) {
    BatchInput input(piecesOf(bytes, piece));
    header = input.readHeader();
    std::vector<BatchCase> cases;
    if (!header.empty()) {
        return cases;
    }
    BatchCase next;
    while (input.read(next)) {
        cases.push_back(next);
    }
    return cases;
}

bool sameCase(const BatchCase& a, const BatchCase& b) {
    return a.line == b.line && a.id == b.id && a.revenue == b.revenue && a.elasticity == b.elasticity &&
           a.range == b.range && a.problem == b.problem;
}

// The rows of the cases, written one by one on this thread.
std::string writtenOneByOne(const std::vector<BatchCase>& cases, const report::ResultWriter& writer) {
    std::string out = writer.start();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        BatchCase next = cases[i];
        writer.append(out, resultRow(next), i);
    }
    return out + writer.finish();
}

void checkCases(const std::vector<BatchCase>& cases) {
    std::size_t lastLine = 1;
    for (const BatchCase& next : cases) {
        require(next.line > lastLine, "records come in input order, after the header");
        lastLine = next.line;
        require(report::isUtf8(next.id) && next.id.find('\0') == std::string::npos, "an id is clean text");
        require(!next.bad() || (next.revenue.empty() && next.elasticity.empty() && next.range.empty()),
                "a bad row carries no inputs");
    }
}

void checkOutput(report::Format format, std::string_view out, std::size_t cases) {
    if (format != report::Format::JsonLines && format != report::Format::Json) {
        return;
    }
    require(report::isUtf8(out), "JSON output is UTF-8");
    const auto lines = static_cast<std::size_t>(std::ranges::count(out, '\n'));
    // JSON lines: one a row; the document adds its head's line and its end.
    const std::size_t expected = format == report::Format::JsonLines ? cases : cases + 2;
    require(lines == expected, "one line a row");
}

constexpr std::array<std::size_t, 6> pieceSizes = {1, 2, 3, 7, 64, 1U << 16U};
constexpr std::array<report::Format, 4> formats = {report::Format::Csv, report::Format::JsonLines,
                                                   report::Format::Json, report::Format::Tsv};
constexpr std::string_view header = "id,revenue,elasticity,range\n";

} // namespace
} // namespace levora::cli

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace levora::cli;
    if (size == 0) {
        return 0;
    }
    const unsigned selector = data[0];
    std::string bytes((selector & 1U) != 0 ? header : std::string_view());
    bytes.append(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t piece = pieceSizes.at((selector >> 1U) % pieceSizes.size());
    const auto format = formats.at((selector >> 4U) % formats.size());

    std::string headerProblem;
    const auto whole = readAll(bytes, bytes.size() + 1, headerProblem);
    std::string piecesProblem;
    const auto inPieces = readAll(bytes, piece, piecesProblem);
    require(headerProblem == piecesProblem, "the header verdict does not depend on the pieces");
    require(std::ranges::equal(whole, inPieces, sameCase), "the cases do not depend on the pieces");
    if (!headerProblem.empty()) {
        return 0;
    }
    checkCases(whole);

    const levora::report::ResultWriter writer(format, levora::report::DocumentInfo{{{"batch", "-"}}, true});
    BatchInput input(piecesOf(bytes, piece));
    require(input.readHeader().empty(), "the header reads again");
    std::string out;
    std::string messages;
    const auto summary = runBatch(
        input, writer, [&](std::string_view text) { out += text; },
        [&](std::string_view text) { messages += text; }, BatchSettings{2, 3});
    require(summary.cases == whole.size(), "one row a record");
    require(out == writtenOneByOne(whole, writer), "rows are neither lost, doubled nor reordered");
    const auto bad = static_cast<std::size_t>(std::ranges::count_if(whole, [](const auto& c) { return c.bad(); }));
    require(static_cast<std::size_t>(std::ranges::count(messages, '\n')) == bad, "one message a bad row");
    checkOutput(format, out, whole.size());
    return 0;
}
