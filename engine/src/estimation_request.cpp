#include "levora/estimation_request.h"

#include <cmath>

namespace levora {
namespace {

RequestOutcome rejectedAs(RequestVerdict verdict, RequestOutcome outcome) {
    outcome.verdict = verdict;
    return outcome;
}

} // namespace

RequestOutcome requestEstimation(std::string_view revenueText, int elasticityPosition, int rangePosition,
                                 const NumberFormat& format) {
    RequestOutcome outcome;
    outcome.revenueText = std::string(revenueText);

    const auto typed = textToNumber(revenueText, format);
    const auto R = typed ? toCurrency(*typed) : std::nullopt;
    if (!R) {
        return rejectedAs(RequestVerdict::RevenueNotANumber, std::move(outcome));
    }
    outcome.revenue = *R;
    outcome.revenueText = numberToText(*R, format);

    if (*R == 0) {
        return rejectedAs(RequestVerdict::RevenueZero, std::move(outcome));
    }
    if (std::fabs(*R) >= RevenueLimit) {
        return rejectedAs(RequestVerdict::RevenueTooLarge, std::move(outcome));
    }
    if (elasticityPosition == NoSelection) {
        return rejectedAs(RequestVerdict::NoElasticity, std::move(outcome));
    }
    if (rangePosition == NoSelection) {
        return rejectedAs(RequestVerdict::NoRange, std::move(outcome));
    }

    outcome.verdict = RequestVerdict::Accepted;
    outcome.estimation = estimate(*R, elasticityPosition, rangePosition, format);
    return outcome;
}

} // namespace levora
