#include "levora/estimation_request.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace levora {
namespace {

constexpr int elasticity0_5 = 14;
constexpr int range6000 = 8;

TEST(EstimationRequest, RevenueLimitIsTheProductWithIncomeBase) {
    volatile double factor = 0.4858; // multiplied at run time, not folded
    EXPECT_EQ(RevenueLimit, factor * IncomeBase);
    EXPECT_EQ(RevenueLimit, 202.94139544);
}

struct RequestCase {
    std::string text;
    int e;
    int p;
    RequestVerdict verdict;
    std::string textAfterwards;
};

void PrintTo(const RequestCase& c, std::ostream* os) { *os << '"' << c.text << "\" " << c.e << ' ' << c.p; }

class Requests : public testing::TestWithParam<RequestCase> {};

TEST_P(Requests, DecideAndRewriteTheRevenue) {
    const RequestCase& c = GetParam();
    const RequestOutcome outcome = requestEstimation(c.text, c.e, c.p);
    EXPECT_EQ(outcome.verdict, c.verdict);
    EXPECT_EQ(outcome.revenueText, c.textAfterwards);
    EXPECT_EQ(outcome.rejected(), c.verdict != RequestVerdict::Accepted);
    EXPECT_EQ(outcome.estimation.has_value(), c.verdict == RequestVerdict::Accepted);
    EXPECT_EQ(outcome.revenue.has_value(), c.verdict != RequestVerdict::RevenueNotANumber);
}

using V = RequestVerdict;

INSTANTIATE_TEST_SUITE_P(
    Revenue, Requests,
    testing::Values(
        RequestCase{"100", 14, 8, V::Accepted, "100"}, RequestCase{"150.123456", 14, 8, V::Accepted, "150.1235"},
        RequestCase{"  +100.00 ", 14, 8, V::Accepted, "100"}, RequestCase{"1e2", 14, 8, V::Accepted, "100"},
        RequestCase{"202.9413", 14, 8, V::Accepted, "202.9413"},
        RequestCase{"-202.9413", 14, 8, V::Accepted, "-202.9413"}, RequestCase{"-100", 14, 8, V::Accepted, "-100"},
        RequestCase{"0.00005001", 14, 8, V::Accepted, "0.0001"},
        RequestCase{"202.9414", 14, 8, V::RevenueTooLarge, "202.9414"},
        RequestCase{"-202.9414", 14, 8, V::RevenueTooLarge, "-202.9414"},
        RequestCase{"202.94139", 14, 8, V::RevenueTooLarge, "202.9414"},
        RequestCase{"922337203685477", 14, 8, V::RevenueTooLarge, "922337203685477"},
        RequestCase{"1e15", 14, 8, V::RevenueNotANumber, "1e15"},
        RequestCase{"922337203685477.5807", 14, 8, V::RevenueNotANumber, "922337203685477.5807"},
        RequestCase{"0.00004", 14, 8, V::RevenueZero, "0"}, RequestCase{"-0.00005", 14, 8, V::RevenueZero, "0"},
        RequestCase{"0", 14, 8, V::RevenueZero, "0"}, RequestCase{"1e-400", 14, 8, V::RevenueZero, "0"},
        RequestCase{"abc", 14, 8, V::RevenueNotANumber, "abc"}, RequestCase{"", 14, 8, V::RevenueNotANumber, ""},
        RequestCase{"-", 14, 8, V::RevenueNotANumber, "-"}, RequestCase{",", 14, 8, V::RevenueNotANumber, ","},
        RequestCase{"1e309", 14, 8, V::RevenueNotANumber, "1e309"},
        RequestCase{"\t\x07", 14, 8, V::RevenueNotANumber, "\t\x07"}));

INSTANTIATE_TEST_SUITE_P(Lists, Requests,
                         testing::Values(RequestCase{"150.123456", NoSelection, 8, V::NoElasticity, "150.1235"},
                                         RequestCase{"150.123456", 14, NoSelection, V::NoRange, "150.1235"},
                                         // The elasticity is checked before the range.
                                         RequestCase{"100", NoSelection, NoSelection, V::NoElasticity, "100"},
                                         // The lists are not looked at while the revenue fails.
                                         RequestCase{"abc", NoSelection, NoSelection, V::RevenueNotANumber, "abc"},
                                         RequestCase{"0", NoSelection, NoSelection, V::RevenueZero, "0"},
                                         RequestCase{"300", NoSelection, NoSelection, V::RevenueTooLarge, "300"}));

TEST(EstimationRequest, AcceptedRequestCarriesTheEstimation) {
    const RequestOutcome outcome = requestEstimation("100", elasticity0_5, range6000);
    ASSERT_EQ(outcome.verdict, RequestVerdict::Accepted);
    ASSERT_TRUE(outcome.estimation && *outcome.estimation);
    const Estimation& result = outcome.estimation->value();
    EXPECT_EQ(result.BurdenText, "609.");
    EXPECT_EQ(result.ProgressivityText, "1124 hppm.");
    EXPECT_EQ(result.RedistributionText, "172 hppm.");
    EXPECT_EQ(outcome.revenue, 100.0);
}

TEST(EstimationRequest, PositionOutsideAListFailsInTheEstimation) {
    // Not a selection the lists can make: the estimation reports it and the
    // request passes that on rather than inventing a result.
    const RequestOutcome outcome = requestEstimation("100", ElasticityCount, range6000);
    EXPECT_EQ(outcome.verdict, RequestVerdict::Accepted);
    ASSERT_TRUE(outcome.estimation);
    ASSERT_FALSE(*outcome.estimation);
    EXPECT_EQ(outcome.estimation->error(), EstimationError::ElasticityOutOfRange);
}

TEST(EstimationRequest, ReadsAndWritesTheLocaleFormat) {
    const NumberFormat german{",", "."};
    const RequestOutcome accepted = requestEstimation("150,123456", elasticity0_5, range6000, german);
    EXPECT_EQ(accepted.verdict, RequestVerdict::Accepted);
    EXPECT_EQ(accepted.revenueText, "150,1235");
    EXPECT_EQ(accepted.revenue, 150.1235);

    // "150.5" means nothing under German grouping; it is not read as 1505.
    const RequestOutcome rejected = requestEstimation("150.5", elasticity0_5, range6000, german);
    EXPECT_EQ(rejected.verdict, RequestVerdict::RevenueNotANumber);
    EXPECT_EQ(rejected.revenueText, "150.5");
}

// What every outcome must satisfy, whatever the text was.
void expectSound(const std::string& text, const RequestOutcome& outcome, int e, int p) {
    if (!outcome.revenue) {
        EXPECT_EQ(outcome.verdict, RequestVerdict::RevenueNotANumber);
        EXPECT_EQ(outcome.revenueText, text);
        return;
    }
    const double R = *outcome.revenue;
    EXPECT_EQ(R, std::nearbyint(R * 10000) / 10000);
    if (outcome.verdict != RequestVerdict::Accepted) {
        return;
    }
    // Accepted revenues have few enough digits to be written back exactly.
    EXPECT_EQ(textToNumber(outcome.revenueText), R) << outcome.revenueText;
    EXPECT_LT(std::fabs(R), RevenueLimit);
    EXPECT_NE(R, 0.0);
    ASSERT_TRUE(outcome.estimation && *outcome.estimation);
    const auto direct = estimate(R, e, p);
    ASSERT_TRUE(direct);
    EXPECT_EQ(outcome.estimation->value().BurdenText, direct->BurdenText);
    EXPECT_EQ(outcome.estimation->value().RedistributionText, direct->RedistributionText);
    for (const std::string& shown : {direct->BurdenText, direct->ProgressivityText, direct->RedistributionText}) {
        EXPECT_EQ(shown.find_first_of("eEnN"), std::string::npos) << shown;
    }
}

TEST(EstimationRequest, AnyTextGivesARejectionOrASoundEstimation) {
    const std::string alphabet = "0123456789.,+-eE \t\x01\x7fx\xe4\xb8\x80";
    std::mt19937 random(20261209);
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 14);
    std::uniform_int_distribution<int> elasticity(-1, ElasticityCount - 1);
    std::uniform_int_distribution<int> range(-1, RangeCount - 1);
    for (int n = 0; n < 30000; ++n) {
        std::string text;
        for (int k = length(random); k > 0; --k) {
            text += alphabet[letter(random)];
        }
        const int e = elasticity(random);
        const int p = range(random);
        expectSound(text, requestEstimation(text, e, p), e, p);
    }
}

TEST(EstimationRequest, EveryAcceptableRevenueIsAccepted) {
    std::mt19937_64 random(99);
    std::uniform_int_distribution<std::int64_t> units(-2'029'413, 2'029'413);
    for (int n = 0; n < 5000; ++n) {
        const std::int64_t u = units(random);
        if (u == 0) {
            continue;
        }
        const std::string text = numberToText(static_cast<double>(u) / 10000);
        const RequestOutcome outcome = requestEstimation(text, 3, 17);
        ASSERT_EQ(outcome.verdict, RequestVerdict::Accepted) << text;
        EXPECT_EQ(outcome.revenueText, text);
        expectSound(text, outcome, 3, 17);
    }
}

TEST(EstimationRequest, HugeTextsAreRejectedWithoutHarm) {
    const std::string digits(1'000'000, '9');
    const RequestOutcome outcome = requestEstimation(digits, elasticity0_5, range6000);
    EXPECT_EQ(outcome.verdict, RequestVerdict::RevenueNotANumber);
    EXPECT_EQ(outcome.revenueText.size(), digits.size());

    const std::string smallRevenue = "0." + std::string(500'000, '0') + "1";
    EXPECT_EQ(requestEstimation(smallRevenue, elasticity0_5, range6000).verdict, RequestVerdict::RevenueZero);
}

} // namespace
} // namespace levora
