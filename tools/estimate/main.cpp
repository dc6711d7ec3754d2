// levora-estimate: runs one estimation request of Levora's tax model from the
// command line and prints what the main window would show.
//
//   levora-estimate                          the example: 100, "0.5", " 6000 to  6999"
//   levora-estimate REVENUE ELASTICITY RANGE positions as in the two lists
//   levora-estimate --lists                  the lists with their positions

#include "levora/estimation_request.h"
#include "levora/model_tables.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace {

constexpr int exitRejected = 1;
constexpr int exitUsage = 2;
constexpr int exitFailure = 3;

std::optional<int> readPosition(std::string_view text) {
    int value = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string_view nameOr(std::string_view (*name)(int), int index, int first, int last) {
    return index >= first && index <= last ? name(index) : std::string_view("(none)");
}

void printLists() {
    std::puts("Elasticity positions:");
    for (int e = 0; e < levora::ElasticityCount; ++e) {
        std::printf("  %2d  %s\n", e, std::string(levora::ElasticityName(e)).c_str());
    }
    std::puts("Income range positions (won):");
    for (int i = 1; i <= levora::RangeCount; ++i) {
        std::printf("  %2d  %s\n", i - 1, std::string(levora::RangeName(i)).c_str());
    }
}

int printOutcome(std::string_view revenue, int e, int p) {
    const auto outcome = levora::requestEstimation(revenue, e, p);
    std::printf("Tax revenue (WON100m.):       %s\n", outcome.revenueText.c_str());
    std::printf("Tax elasticity:               %s\n",
                std::string(nameOr(levora::ElasticityName, e, 0, levora::ElasticityCount - 1)).c_str());
    std::printf("Income range (WON):           %s\n",
                std::string(nameOr(levora::RangeName, p + 1, 1, levora::RangeCount)).c_str());
    if (outcome.rejected() || !outcome.estimation || !*outcome.estimation) {
        std::puts("Input Problem: the revenue must be a non-zero number below 202.9414 in magnitude,\n"
                  "and an elasticity and an income range must be chosen.");
        return exitRejected;
    }
    const levora::Estimation& result = outcome.estimation->value();
    std::printf("The tax burden is (WON)       %s\n", result.BurdenText.c_str());
    std::printf("The progressivity is          %s\n", result.ProgressivityText.c_str());
    std::printf("The redistribution effect is  %s\n", result.RedistributionText.c_str());
    return 0;
}

int run(std::span<char*> args) {
    if (args.size() == 2 && std::string_view(args[1]) == "--lists") {
        printLists();
        return 0;
    }
    if (args.size() == 1) {
        constexpr int exampleElasticity = 14;
        constexpr int exampleRange = 8;
        return printOutcome("100", exampleElasticity, exampleRange);
    }
    if (args.size() == 4) {
        const auto e = readPosition(args[2]);
        const auto p = readPosition(args[3]);
        if (e && p) {
            return printOutcome(args[1], *e, *p);
        }
    }
    std::fputs("usage: levora-estimate [REVENUE ELASTICITY-POSITION RANGE-POSITION | --lists]\n", stderr);
    return exitUsage;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(std::span<char*>(argv, static_cast<std::size_t>(argc)));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "levora-estimate: %s\n", failure.what());
    } catch (...) {
        std::fputs("levora-estimate: unexpected failure\n", stderr);
    }
    return exitFailure;
}
