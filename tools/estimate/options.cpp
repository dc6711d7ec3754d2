#include "options.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace levora::cli {
namespace {

struct ModeOption {
    std::string_view name;
    Mode mode;
    std::size_t minOperands;
    std::size_t maxOperands;
};

constexpr std::array<ModeOption, 7> modeOptions = {{
    {"--table", Mode::Table, 2, 2},
    {"--by-elasticity", Mode::ByElasticity, 2, 2},
    {"--grid", Mode::Grid, 1, 1},
    {"--batch", Mode::Batch, 0, 1},
    {"--lists", Mode::Lists, 0, 0},
    {"--help", Mode::Help, 0, 0},
    {"--version", Mode::Version, 0, 0},
}};

constexpr ModeOption requestMode{"", Mode::Request, 3, 3};

const ModeOption* modeOption(std::string_view name) {
    for (const ModeOption& option : modeOptions) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

std::string operandsExpected(const ModeOption& mode) {
    switch (mode.mode) {
    case Mode::Request:
        return "expected REVENUE ELASTICITY RANGE";
    case Mode::Table:
        return "--table expects REVENUE ELASTICITY";
    case Mode::ByElasticity:
        return "--by-elasticity expects REVENUE RANGE";
    case Mode::Grid:
        return "--grid expects REVENUE";
    case Mode::Batch:
        return "--batch expects at most one FILE";
    default:
        return std::string(mode.name) + " takes no operands";
    }
}

// An argument is an option when it begins with "--"; a single "-" begins a
// negative number ("-100", "-0.9") or names standard input.
bool isOption(std::string_view argument) { return argument.starts_with("--"); }

} // namespace

std::variant<Options, UsageError> parseOptions(std::span<const std::string> arguments) {
    Options options;
    const ModeOption* mode = nullptr;
    std::optional<std::string_view> formatName;
    bool operandsOnly = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (!operandsOnly && argument == "--") {
            operandsOnly = true;
            continue;
        }
        if (operandsOnly || !isOption(argument)) {
            options.operands.emplace_back(argument);
            continue;
        }
        if (argument == "--format" || argument.starts_with("--format=")) {
            if (formatName) {
                return UsageError{"--format is given twice"};
            }
            if (argument == "--format") {
                if (i + 1 == arguments.size()) {
                    return UsageError{"--format expects text, csv, tsv, json or jsonl"};
                }
                formatName = arguments[++i];
            } else {
                formatName = argument.substr(std::string_view("--format=").size());
            }
            continue;
        }
        const ModeOption* named = modeOption(argument);
        if (named == nullptr) {
            return UsageError{"unknown option " + std::string(argument)};
        }
        if (mode != nullptr) {
            return UsageError{std::string(mode->name) + " and " + std::string(argument) + " cannot be combined"};
        }
        mode = named;
    }
    if (mode == nullptr) {
        if (options.operands.empty()) {
            return UsageError{"no request given"};
        }
        mode = &requestMode;
    }
    options.mode = mode->mode;
    if (options.operands.size() < mode->minOperands || options.operands.size() > mode->maxOperands) {
        return UsageError{operandsExpected(*mode)};
    }
    if (formatName) {
        const auto format = report::formatNamed(*formatName);
        if (!format) {
            return UsageError{"unknown format \"" + std::string(*formatName) +
                              "\" (expected text, csv, tsv, json or jsonl)"};
        }
        const bool printsRows =
            mode->mode != Mode::Lists && mode->mode != Mode::Help && mode->mode != Mode::Version;
        if (!printsRows) {
            return UsageError{"--format does not apply to " + std::string(mode->name)};
        }
        options.format = *format;
    }
    return options;
}

std::string usageText() {
    return "usage: levora-estimate [--format FORMAT] REVENUE ELASTICITY RANGE\n"
           "       levora-estimate [--format FORMAT] --table REVENUE ELASTICITY\n"
           "       levora-estimate [--format FORMAT] --by-elasticity REVENUE RANGE\n"
           "       levora-estimate [--format FORMAT] --grid REVENUE\n"
           "       levora-estimate [--format FORMAT] --batch [FILE|-]\n"
           "       levora-estimate --lists | --help | --version\n"
           "FORMAT is text (the default), csv, tsv, json or jsonl. REVENUE is in hundreds of millions\n"
           "of won, written with \".\" as the decimal separator; ELASTICITY is one of -0.9 ... 0.9;\n"
           "RANGE is the range number 1..25 or its text (\"6000 to 6999\"). See levora-estimate(1).\n";
}

} // namespace levora::cli
