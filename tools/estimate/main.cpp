// levora-estimate: Levora's tax model from the command line. One request, a
// table of every income range or every elasticity, the whole grid, or a batch
// of cases read as CSV, written as text, CSV, TSV, JSON or JSON lines.
// Exit status: 0 every case accepted, 1 some case rejected (the output is
// still complete), 2 a usage error, 3 the input could not be read or the
// output written. See levora-estimate(1).

#include "batch_input.h"
#include "batch_run.h"
#include "levora/model_tables.h"
#include "levora/report/writer.h"
#include "options.h"
#include "requests.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace levora::cli {
namespace {

constexpr int exitAccepted = 0;
constexpr int exitRejected = 1;
constexpr int exitUsage = 2;
constexpr int exitFailure = 3;

void writeTo(std::FILE* stream, std::string_view text) {
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stream) != text.size()) {
        throw std::runtime_error(std::string("cannot write the output: ") + std::strerror(errno));
    }
}

void message(std::string_view text) {
    writeTo(stderr, "levora-estimate: ");
    writeTo(stderr, text);
}

int usageError(std::string_view problem) {
    message(std::string(problem) + '\n');
    writeTo(stderr, usageText());
    return exitUsage;
}

std::string lists() {
    std::string out = "Elasticities:\n";
    for (int e = 0; e < ElasticityCount; ++e) {
        out += "  " + std::string(ElasticityName(e)) + '\n';
    }
    out += "Income ranges (won):\n";
    for (int i = 1; i <= RangeCount; ++i) {
        out += (i < 10 ? "   " : "  ") + std::to_string(i) + "  " + std::string(RangeName(i)) + '\n';
    }
    return out;
}

int runRequests(const Options& options) {
    const auto rows = requestRows(options);
    int status = exitAccepted;
    for (const auto& row : rows) {
        if (row.status != report::Status::Ok) {
            status = exitRejected;
        }
    }
    if (options.mode == Mode::Request && options.format == report::Format::Text) {
        writeTo(stdout, requestBlock(rows.front()));
        return status;
    }
    const report::ResultWriter writer(options.format, documentInfo(options));
    std::string out = writer.start();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        writer.append(out, rows[i], i);
    }
    out += writer.finish();
    writeTo(stdout, out);
    return status;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

int runBatchCommand(const Options& options) {
    const std::string name = options.operands.empty() ? std::string("-") : options.operands.front();
    std::unique_ptr<std::FILE, FileCloser> opened;
    std::FILE* file = stdin;
    if (name != "-") {
        opened.reset(std::fopen(name.c_str(), "rb"));
        if (!opened) {
            message("cannot read " + name + ": " + std::strerror(errno) + '\n');
            return exitFailure;
        }
        file = opened.get();
    }
    BatchInput input([file](std::span<char> buffer) {
        const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), file);
        if (count == 0 && std::ferror(file) != 0) {
            throw std::runtime_error(std::string("cannot read the batch: ") + std::strerror(errno));
        }
        return count;
    });
    if (const std::string problem = input.readHeader(); !problem.empty()) {
        return usageError(name + ": " + problem);
    }
    const report::ResultWriter writer(options.format, documentInfo(options));
    const auto summary = runBatch(
        input, writer, [](std::string_view text) { writeTo(stdout, text); },
        [](std::string_view text) {
            // Each bad row's line, prefixed with the program's name.
            while (!text.empty()) {
                const std::size_t end = std::min(text.find('\n'), text.size() - 1);
                message(text.substr(0, end + 1));
                text.remove_prefix(end + 1);
            }
        });
    return summary.rejected == 0 ? exitAccepted : exitRejected;
}

int run(std::span<const std::string> arguments) {
    const auto parsed = parseOptions(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return usageError(error->message);
    }
    const auto& options = std::get<Options>(parsed);
    switch (options.mode) {
    case Mode::Help:
        writeTo(stdout, usageText());
        return exitAccepted;
    case Mode::Version:
        writeTo(stdout, "levora-estimate " + std::string(report::modelVersion()) + '\n');
        return exitAccepted;
    case Mode::Lists:
        writeTo(stdout, lists());
        return exitAccepted;
    case Mode::Batch:
        return runBatchCommand(options);
    default:
        return runRequests(options);
    }
}

} // namespace
} // namespace levora::cli

int main(int argc, char** argv) {
    try {
        const std::span<char*> given(argv, static_cast<std::size_t>(argc));
        const std::vector<std::string> arguments(given.begin() + 1, given.end());
        int status = levora::cli::run(arguments);
        if (std::fflush(stdout) != 0) {
            std::fprintf(stderr, "levora-estimate: cannot write the output: %s\n", std::strerror(errno));
            status = 3;
        }
        return status;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "levora-estimate: %s\n", failure.what());
    } catch (...) {
        std::fputs("levora-estimate: unexpected failure\n", stderr);
    }
    return 3;
}
