#include "report.h"

#include <iomanip>
#include <sstream>

namespace levora::bench {

namespace {

constexpr int nameWidth = 40;
constexpr int figureWidth = 26;

std::string describeSamples(const std::vector<double>& samples, int decimals) {
    const auto summary = summarize(samples);
    return summary ? describe(*summary, decimals) : std::string("-");
}

} // namespace

std::string describe(const Summary& summary, int decimals) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(decimals) << summary.median << " (" << summary.minimum << '-'
         << summary.maximum << ')';
    return text.str();
}

std::optional<double> medianRatio(const std::vector<double>& levora, const std::vector<double>& bare) {
    const auto top = summarize(levora);
    const auto bottom = summarize(bare);
    if (!top || !bottom || bottom->median == 0) {
        return std::nullopt;
    }
    return top->median / bottom->median;
}

std::string judge(double ratio, double goal) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(2) << ratio << " x, goal <= " << goal
         << " x: " << (ratio <= goal ? "met" : "MISSED");
    return text.str();
}

void printSection(std::ostream& out, const Section& section) {
    out << section.heading << '\n'
        << std::left << std::setw(nameWidth) << "" << std::setw(figureWidth) << "Levora" << std::setw(figureWidth)
        << "bare"
        << "Levora / bare\n";
    for (const auto& row : section.rows) {
        const auto ratio = medianRatio(row.levora, row.bare);
        out << std::left << std::setw(nameWidth) << row.name << std::setw(figureWidth)
            << describeSamples(row.levora, section.decimals) << std::setw(figureWidth)
            << describeSamples(row.bare, section.decimals) << (ratio ? judge(*ratio, section.goal) : "-") << '\n';
    }
}

} // namespace levora::bench
