#include "levora/report/result_row.h"

#include "levora/model_tables.h"

#include <array>
#include <cstddef>
#include <utility>

namespace levora::report {

namespace {

struct StatusTexts {
    std::string_view name;
    std::string_view message;
};

// In the order of Status.
constexpr std::array<StatusTexts, 9> statusTexts = {{
    {"ok", "accepted"},
    {"not_a_number", "the revenue is not a number"},
    {"zero", "the revenue rounds to zero"},
    {"too_large", "the revenue must be below 202.9414 in magnitude"},
    {"no_elasticity", "no elasticity was given"},
    {"unknown_elasticity", "the elasticity is not one of -0.9, -0.8, ..., 0.9"},
    {"no_range", "no income range was given"},
    {"unknown_range", "the income range is neither 1..25 nor a range's text"},
    {"bad_row", "the row could not be read"},
}};

const StatusTexts& textsOf(Status status) { return statusTexts.at(static_cast<std::size_t>(status)); }

} // namespace

std::string_view statusName(Status status) { return textsOf(status).name; }

std::string_view statusMessage(Status status) { return textsOf(status).message; }

ResultRow acceptedRow(std::string revenueText, double R, int e, int p, Estimation estimation) {
    ResultRow row;
    row.status = Status::Ok;
    row.revenue = std::move(revenueText);
    row.roundedRevenue = R;
    row.elasticity = std::string(ElasticityName(e));
    row.range = std::to_string(p + 1);
    row.elasticityPosition = e;
    row.rangePosition = p;
    row.estimation = std::move(estimation);
    return row;
}

ResultRow rejectedRow(Status status, std::string revenue, std::string elasticity, std::string range) {
    ResultRow row;
    row.status = status;
    row.revenue = std::move(revenue);
    row.elasticity = std::move(elasticity);
    row.range = std::move(range);
    return row;
}

} // namespace levora::report
