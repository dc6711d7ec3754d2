// Feeds arbitrary bytes to the estimation request, under a number format and
// two list positions taken from the same bytes, and stops with a report when
// an outcome breaks one of the request's rules. Memory errors and undefined
// behaviour are caught by the sanitizers the fuzzer is built with.
//
// Input layout (FuzzedDataProvider): the last byte picks the elasticity
// position, the one before it the range position, the one before that the
// number format; a custom format takes its two separators from the front as
// backslash-terminated strings; the remaining bytes are the revenue text.

#include "levora/estimation_request.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace levora {
namespace {

struct Separators {
    std::string_view decimal;
    std::string_view group;
};

// Locale formats (grouping with U+202F NARROW NO-BREAK SPACE, the Arabic
// decimal and thousands separators U+066B and U+066C among them) and formats
// the conversions must refuse or repair.
constexpr std::array formats{
    Separators{".", ","}, Separators{",", "."}, Separators{",", "\u202f"}, Separators{"\u066b", "\u066c"},
    Separators{".", "'"}, Separators{".", ""},  Separators{",", ","},      Separators{"", ""},
    Separators{"e", "-"}, Separators{" ", "1"},
};
constexpr std::size_t customFormat = formats.size();
constexpr std::size_t maxSeparatorLength = 4;

// The request being checked, kept for the report.
struct Request {
    std::string text;
    int e = NoSelection;
    int p = NoSelection;
    std::string decimal;
    std::string group;
};

void printEscaped(std::string_view text) {
    std::fputc('"', stderr);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isprint(byte) != 0 && c != '"' && c != '\\') {
            std::fputc(c, stderr);
        } else {
            std::fprintf(stderr, "\\x%02x", byte);
        }
    }
    std::fputc('"', stderr);
}

[[noreturn]] void fail(const Request& request, const RequestOutcome& outcome, const char* rule) {
    std::fprintf(stderr, "\nRequest rule broken: %s\n  text ", rule);
    printEscaped(request.text);
    std::fprintf(stderr, "\n  elasticity %d, range %d, decimal ", request.e, request.p);
    printEscaped(request.decimal);
    std::fprintf(stderr, ", group ");
    printEscaped(request.group);
    std::fprintf(stderr, "\n  verdict %d, revenue text ", static_cast<int>(outcome.verdict));
    printEscaped(outcome.revenueText);
    if (outcome.revenue) {
        std::fprintf(stderr, ", revenue %.17g", *outcome.revenue);
    }
    std::fprintf(stderr, "\n");
    std::abort();
}

// True when R is the double nearest to k / 10000 for some integer k. The
// candidate k is R × 10000 rounded; R × 10000 − k is then computed exactly by
// fma (the difference is a small multiple of R's last bit), so R qualifies
// when no neighbouring double lies closer to k / 10000. Ties cannot occur: a
// k / 10000 halfway between two doubles would need more bits than it has.
bool isWholeTenThousandths(double R) {
    constexpr double scale = 10000;
    const double k = std::nearbyint(R * scale);
    const auto distance = [k](double x) { return std::fabs(std::fma(x, scale, -k)); };
    const double up = std::nextafter(R, std::numeric_limits<double>::infinity());
    const double down = std::nextafter(R, -std::numeric_limits<double>::infinity());
    return distance(R) < distance(up) && distance(R) < distance(down);
}

bool showsNonFiniteOrExponent(std::string_view text) {
    std::string lower;
    for (const char c : text) {
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos ||
           lower.find('e') != std::string::npos;
}

bool positionsInLists(const Request& request) {
    return request.e >= 0 && request.e < ElasticityCount && request.p >= 0 && request.p < RangeCount;
}

void checkAccepted(const Request& request, const RequestOutcome& outcome, const NumberFormat& format) {
    if (!outcome.revenue || !outcome.estimation) {
        fail(request, outcome, "an accepted request carries its revenue and estimation");
    }
    const double R = *outcome.revenue;
    if (!(std::fabs(R) < RevenueLimit) || R == 0) {
        fail(request, outcome, "an accepted revenue is non-zero and below the limit");
    }
    if (!isWholeTenThousandths(R)) {
        fail(request, outcome, "an accepted revenue is a whole number of ten-thousandths");
    }
    if (textToNumber(outcome.revenueText, format) != R) {
        fail(request, outcome, "an accepted revenue's text reads back as the revenue");
    }
    const auto& estimation = *outcome.estimation;
    if (!estimation) {
        if (positionsInLists(request)) {
            fail(request, outcome, "an accepted revenue with positions in the lists is estimated");
        }
        return;
    }
    for (const std::string& text :
         {estimation->BurdenText, estimation->ProgressivityText, estimation->RedistributionText}) {
        if (showsNonFiniteOrExponent(text)) {
            fail(request, outcome, "a result text has no NaN, infinity or exponent");
        }
    }
}

void checkRequest(const Request& request) {
    const NumberFormat format{request.decimal, request.group};
    const RequestOutcome outcome = requestEstimation(request.text, request.e, request.p, format);
    if (outcome.verdict == RequestVerdict::RevenueNotANumber) {
        if (outcome.revenue || outcome.revenueText != request.text) {
            fail(request, outcome, "an unreadable revenue leaves the text as typed");
        }
    }
    if (outcome.rejected()) {
        if (outcome.estimation) {
            fail(request, outcome, "a rejected request runs no estimation");
        }
        return;
    }
    checkAccepted(request, outcome, format);
}

Request requestFrom(FuzzedDataProvider& data) {
    Request request;
    request.e = data.ConsumeIntegralInRange(-2, ElasticityCount + 1);
    request.p = data.ConsumeIntegralInRange(-2, RangeCount + 1);
    const auto formatIndex = data.ConsumeIntegralInRange<std::size_t>(0, customFormat);
    if (formatIndex == customFormat) {
        request.decimal = data.ConsumeRandomLengthString(maxSeparatorLength);
        request.group = data.ConsumeRandomLengthString(maxSeparatorLength);
    } else {
        request.decimal = formats.at(formatIndex).decimal;
        request.group = formats.at(formatIndex).group;
    }
    request.text = data.ConsumeRemainingBytesAsString();
    return request;
}

} // namespace
} // namespace levora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    levora::checkRequest(levora::requestFrom(provider));
    return 0;
}
