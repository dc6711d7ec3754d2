#pragma once

// The command line of levora-estimate, parsed in one place.

#include "levora/report/writer.h"

#include <span>
#include <string>
#include <variant>
#include <vector>

namespace levora::cli {

enum class Mode { Request, Table, ByElasticity, Grid, Batch, Lists, Help, Version };

struct Options {
    Mode mode = Mode::Request;
    report::Format format = report::Format::Text;
    /// The mode's operands, as given: REVENUE ELASTICITY RANGE, REVENUE
    /// ELASTICITY, REVENUE RANGE, REVENUE, or the batch file (none: standard input).
    std::vector<std::string> operands;
};

/// What is wrong with a command line, in one line.
struct UsageError {
    std::string message;
};

/// Parses the arguments after the program's name.
[[nodiscard]] std::variant<Options, UsageError> parseOptions(std::span<const std::string> arguments);

/// The usage text, for standard error after a usage error and for --help.
[[nodiscard]] std::string usageText();

} // namespace levora::cli
