#include "requests.h"

#include "cases.h"
#include "levora/distribution.h"
#include "levora/model_tables.h"

#include <string>
#include <utility>

namespace levora::cli {
namespace {

using report::ResultRow;

// The rows of a many-row command whose shared inputs were rejected: one a
// cell, each saying why, so that the output still has every row.
template <class Inputs>
std::vector<ResultRow> rejectedRows(const ResultRow& first, int count, Inputs inputsOf) {
    std::vector<ResultRow> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        auto [elasticity, range] = inputsOf(i);
        rows.push_back(report::rejectedRow(first.status, first.revenue, std::move(elasticity), std::move(range)));
    }
    return rows;
}

void appendDistribution(std::vector<ResultRow>& rows, const ResultRow& first, const Distribution& ranges) {
    for (int p = 0; p < RangeCount; ++p) {
        rows.push_back(report::acceptedRow(first.revenue, first.roundedRevenue, ranges.ElasticityPosition, p,
                                           ranges.rows[static_cast<std::size_t>(p)]));
    }
}

std::vector<ResultRow> tableRows(const std::string& revenue, const std::string& elasticity) {
    const ResultRow first = decide(revenue, elasticity, "1");
    const auto ranges = first.estimation
                            ? distribution(first.roundedRevenue, first.elasticityPosition, ScriptFormat)
                            : Unexpected{EstimationError::NonFiniteValue};
    if (!ranges) {
        return rejectedRows(first, RangeCount, [&](int p) {
            return std::pair{elasticity, std::to_string(p + 1)};
        });
    }
    std::vector<ResultRow> rows;
    rows.reserve(static_cast<std::size_t>(RangeCount));
    appendDistribution(rows, first, *ranges);
    return rows;
}

std::vector<ResultRow> byElasticityRows(const std::string& revenue, const std::string& range) {
    const ResultRow first = decide(revenue, ElasticityName(0), range);
    const auto profile = first.estimation ? byElasticity(first.roundedRevenue, first.rangePosition, ScriptFormat)
                                          : Unexpected{EstimationError::NonFiniteValue};
    if (!profile) {
        return rejectedRows(first, ElasticityCount, [&](int e) {
            return std::pair{std::string(ElasticityName(e)), range};
        });
    }
    std::vector<ResultRow> rows;
    rows.reserve(static_cast<std::size_t>(ElasticityCount));
    for (int e = 0; e < ElasticityCount; ++e) {
        rows.push_back(report::acceptedRow(first.revenue, first.roundedRevenue, e, first.rangePosition,
                                           profile->rows[static_cast<std::size_t>(e)]));
    }
    return rows;
}

std::vector<ResultRow> gridRows(const std::string& revenue) {
    const ResultRow first = decide(revenue, ElasticityName(0), "1");
    const auto all =
        first.estimation ? grid(first.roundedRevenue, ScriptFormat) : Unexpected{EstimationError::NonFiniteValue};
    if (!all) {
        return rejectedRows(first, ElasticityCount * RangeCount, [](int cell) {
            return std::pair{std::string(ElasticityName(cell / RangeCount)),
                             std::to_string(cell % RangeCount + 1)};
        });
    }
    std::vector<ResultRow> rows;
    rows.reserve(static_cast<std::size_t>(ElasticityCount) * static_cast<std::size_t>(RangeCount));
    for (const Distribution& ranges : all->byElasticity) {
        appendDistribution(rows, first, ranges);
    }
    return rows;
}

} // namespace

std::vector<ResultRow> requestRows(const Options& options) {
    const auto& operands = options.operands;
    switch (options.mode) {
    case Mode::Request: {
        std::vector<ResultRow> rows;
        rows.push_back(decide(operands.at(0), operands.at(1), operands.at(2)));
        return rows;
    }
    case Mode::Table:
        return tableRows(operands.at(0), operands.at(1));
    case Mode::ByElasticity:
        return byElasticityRows(operands.at(0), operands.at(1));
    case Mode::Grid:
        return gridRows(operands.at(0));
    default:
        return {};
    }
}

report::DocumentInfo documentInfo(const Options& options) {
    report::DocumentInfo info;
    const auto& operands = options.operands;
    const auto add = [&](const char* name, std::size_t index) {
        info.inputs.emplace_back(name, operands.at(index));
    };
    switch (options.mode) {
    case Mode::Request:
        add("revenue", 0);
        add("elasticity", 1);
        add("range", 2);
        break;
    case Mode::Table:
        add("revenue", 0);
        add("elasticity", 1);
        break;
    case Mode::ByElasticity:
        add("revenue", 0);
        add("range", 1);
        break;
    case Mode::Grid:
        add("revenue", 0);
        break;
    case Mode::Batch:
        info.inputs.emplace_back("batch", operands.empty() ? std::string("-") : operands.front());
        info.withId = true;
        break;
    default:
        break;
    }
    return info;
}

std::string requestBlock(const ResultRow& row) {
    std::string out;
    const auto line = [&](std::string_view caption, std::string_view value) {
        out += caption;
        out += value;
        out += '\n';
    };
    const bool accepted = row.estimation.has_value();
    line("Tax revenue (WON100m.):       ", row.revenue);
    line("Tax elasticity:               ", row.elasticity);
    line("Income range (WON):           ",
         accepted ? RangeName(row.rangePosition + 1) : std::string_view(row.range));
    if (!accepted) {
        line("Input Problem:                ", report::statusMessage(row.status));
        return out;
    }
    line("The tax burden is (WON)       ", row.estimation->BurdenText);
    line("The progressivity is          ", row.estimation->ProgressivityText);
    line("The redistribution effect is  ", row.estimation->RedistributionText);
    return out;
}

} // namespace levora::cli
