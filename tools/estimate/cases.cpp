#include "cases.h"

#include "levora/estimation_request.h"
#include "levora/model_tables.h"

#include <charconv>
#include <string>

namespace levora::cli {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether two texts are the same when blanks and the case of ASCII letters are not counted.
bool sameWithoutBlanks(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (true) {
        while (i < a.size() && isBlank(a[i])) {
            ++i;
        }
        while (j < b.size() && isBlank(b[j])) {
            ++j;
        }
        if (i == a.size() || j == b.size()) {
            return i == a.size() && j == b.size();
        }
        if (lowerAscii(a[i]) != lowerAscii(b[j])) {
            return false;
        }
        ++i;
        ++j;
    }
}

std::optional<int> rangeNumber(std::string_view text) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    const bool digitsOnly = !text.empty() && text.front() != '-';
    if (!digitsOnly || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

report::Status revenueStatus(RequestVerdict verdict) {
    switch (verdict) {
    case RequestVerdict::RevenueZero:
        return report::Status::Zero;
    case RequestVerdict::RevenueTooLarge:
        return report::Status::TooLarge;
    default:
        return report::Status::NotANumber;
    }
}

} // namespace

Choice elasticityChoice(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) {
        return {};
    }
    for (int e = 0; e < ElasticityCount; ++e) {
        if (text == ElasticityName(e)) {
            return {Choice::Kind::Known, e};
        }
    }
    return {Choice::Kind::Unknown, 0};
}

Choice rangeChoice(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) {
        return {};
    }
    if (const auto number = rangeNumber(text)) {
        if (*number >= 1 && *number <= RangeCount) {
            return {Choice::Kind::Known, *number - 1};
        }
        return {Choice::Kind::Unknown, 0};
    }
    for (int i = 1; i <= RangeCount; ++i) {
        if (sameWithoutBlanks(text, RangeName(i))) {
            return {Choice::Kind::Known, i - 1};
        }
    }
    return {Choice::Kind::Unknown, 0};
}

report::ResultRow decide(std::string_view revenue, std::string_view elasticity, std::string_view range) {
    const Choice e = elasticityChoice(elasticity);
    const Choice p = rangeChoice(range);
    const auto position = [](const Choice& choice) {
        return choice.kind == Choice::Kind::Known ? choice.position : NoSelection;
    };
    auto outcome = requestEstimation(revenue, position(e), position(p), ScriptFormat);
    const auto rejected = [&](report::Status status) {
        return report::rejectedRow(status, std::move(outcome.revenueText), std::string(elasticity),
                                   std::string(range));
    };
    switch (outcome.verdict) {
    case RequestVerdict::Accepted:
        break;
    case RequestVerdict::NoElasticity:
        return rejected(e.kind == Choice::Kind::Missing ? report::Status::NoElasticity
                                                        : report::Status::UnknownElasticity);
    case RequestVerdict::NoRange:
        return rejected(p.kind == Choice::Kind::Missing ? report::Status::NoRange : report::Status::UnknownRange);
    default:
        return rejected(revenueStatus(outcome.verdict));
    }
    if (!outcome.estimation || !*outcome.estimation) {
        // An accepted revenue is finite and below the limit, so the estimation
        // does not fail; should it ever, the case is reported, not dropped.
        return rejected(report::Status::BadRow);
    }
    return report::acceptedRow(std::move(outcome.revenueText), outcome.revenue.value_or(0), e.position, p.position,
                               std::move(*outcome.estimation).value());
}

} // namespace levora::cli
