#include "levora/report/result_row.h"

#include "levora/model_tables.h"

#include <utility>

namespace levora::report {

std::string_view statusName(Status status) {
    switch (status) {
    case Status::Ok:
        return "ok";
    case Status::NotANumber:
        return "not_a_number";
    case Status::Zero:
        return "zero";
    case Status::TooLarge:
        return "too_large";
    case Status::NoElasticity:
        return "no_elasticity";
    case Status::UnknownElasticity:
        return "unknown_elasticity";
    case Status::NoRange:
        return "no_range";
    case Status::UnknownRange:
        return "unknown_range";
    case Status::BadRow:
        return "bad_row";
    }
    return "bad_row";
}

std::string_view statusMessage(Status status) {
    switch (status) {
    case Status::Ok:
        return "accepted";
    case Status::NotANumber:
        return "the revenue is not a number";
    case Status::Zero:
        return "the revenue rounds to zero";
    case Status::TooLarge:
        return "the revenue must be below 202.9414 in magnitude";
    case Status::NoElasticity:
        return "no elasticity was given";
    case Status::UnknownElasticity:
        return "the elasticity is not one of -0.9, -0.8, ..., 0.9";
    case Status::NoRange:
        return "no income range was given";
    case Status::UnknownRange:
        return "the income range is neither 1..25 nor a range's text";
    case Status::BadRow:
        return "the row could not be read";
    }
    return "the row could not be read";
}

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
