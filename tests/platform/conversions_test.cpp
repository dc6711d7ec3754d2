#include "levora/conversions.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace levora {
namespace {

const NumberFormat english{".", ","};
const NumberFormat german{",", "."};
const NumberFormat french{",", "\u202f"};

struct TextCase {
    std::string text;
    std::optional<double> expected;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class TextToNumberEnglish : public testing::TestWithParam<TextCase> {};

TEST_P(TextToNumberEnglish, ReadsOrFails) {
    const auto& [text, expected] = GetParam();
    const auto value = textToNumber(text, english);
    ASSERT_EQ(value.has_value(), expected.has_value());
    if (expected) {
        EXPECT_EQ(*value, *expected);
        EXPECT_EQ(std::signbit(*value), std::signbit(*expected));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, TextToNumberEnglish,
    testing::Values(TextCase{"100", 100.0}, TextCase{"150.123456", 150.123456}, TextCase{"-100", -100.0},
                    TextCase{"+7", 7.0}, TextCase{"  42\t ", 42.0}, TextCase{".5", 0.5}, TextCase{"5.", 5.0},
                    TextCase{"-.25", -0.25}, TextCase{"1e3", 1000.0}, TextCase{"1.5E-3", 0.0015},
                    TextCase{"2e+2", 200.0}, TextCase{"1,234,567.5", 1234567.5}, TextCase{"12,345", 12345.0},
                    TextCase{"0", 0.0}, TextCase{"-0", -0.0}, TextCase{"000123", 123.0},
                    TextCase{"0e999999999999999999999", 0.0}, TextCase{"1e-400", 0.0}, TextCase{"-1e-400", -0.0},
                    TextCase{"1e-99999999999999999999", 0.0},
                    TextCase{"1.7976931348623157e308", 1.7976931348623157e308}, TextCase{"4e-320", 4e-320}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, TextToNumberEnglish,
    testing::Values(TextCase{"", std::nullopt}, TextCase{"   ", std::nullopt}, TextCase{"abc", std::nullopt},
                    TextCase{"-", std::nullopt}, TextCase{"+", std::nullopt}, TextCase{".", std::nullopt},
                    TextCase{",", std::nullopt}, TextCase{"1e309", std::nullopt}, TextCase{"-1e309", std::nullopt},
                    TextCase{"1.7976931348623159e308", std::nullopt},
                    TextCase{"1e99999999999999999999", std::nullopt}, TextCase{"1e", std::nullopt},
                    TextCase{"1e+", std::nullopt}, TextCase{"e5", std::nullopt}, TextCase{"1.2.3", std::nullopt},
                    TextCase{"--1", std::nullopt}, TextCase{"+-1", std::nullopt}, TextCase{"1 2", std::nullopt},
                    TextCase{"1,23", std::nullopt}, TextCase{"1,2345", std::nullopt},
                    TextCase{"1234,567", std::nullopt}, TextCase{",123", std::nullopt},
                    TextCase{"123,", std::nullopt}, TextCase{"1.5,000", std::nullopt},
                    TextCase{"inf", std::nullopt}, TextCase{"nan", std::nullopt}, TextCase{"0x10", std::nullopt},
                    TextCase{"12abc", std::nullopt},
                    TextCase{"\x01"
                             "5",
                             std::nullopt},
                    TextCase{"5\n", std::nullopt}, TextCase{std::string("5\0", 2), std::nullopt},
                    TextCase{"\xe4\xb8\x80\xe7\x99\xbe", std::nullopt}, // 一百
                    TextCase{"\xef\xbc\x91\xef\xbc\x90", std::nullopt}, // full-width 10
                    TextCase{"\xff\xfe", std::nullopt}));

TEST(TextToNumber, UsesTheLocaleSeparators) {
    EXPECT_EQ(textToNumber("150,123456", german), 150.123456);
    EXPECT_EQ(textToNumber("1.234.567,5", german), 1234567.5);
    EXPECT_EQ(textToNumber("1\u202f234,5", french), 1234.5);
    // A point typed under a locale that groups with it is not silently read as
    // a thousands separator in the wrong place.
    EXPECT_EQ(textToNumber("150.5", german), std::nullopt);
    EXPECT_EQ(textToNumber("150.123", german), 150123.0);
    EXPECT_EQ(textToNumber("1,5", english), std::nullopt);
}

TEST(TextToNumber, WithoutGroupSeparatorAcceptsNoGrouping) {
    const NumberFormat ungrouped{".", ""};
    EXPECT_EQ(textToNumber("1234567.5", ungrouped), 1234567.5);
    EXPECT_EQ(textToNumber("1,234", ungrouped), std::nullopt);
}

TEST(TextToNumber, UnusableSeparatorsFallBack) {
    // Separators that could be read as part of a number are not used.
    EXPECT_EQ(textToNumber("1.5", NumberFormat{"", ","}), 1.5);
    EXPECT_EQ(textToNumber("1.5", NumberFormat{"1", ","}), 1.5);
    EXPECT_EQ(textToNumber("1 000", NumberFormat{".", " "}), std::nullopt);
    EXPECT_EQ(textToNumber("1,5", NumberFormat{",", ","}), 1.5);
}

TEST(TextToNumber, HandlesAMegabyteOfDigits) {
    const std::string ones(1'000'000, '1');
    EXPECT_EQ(textToNumber(ones), std::nullopt); // far beyond the double range

    const std::string tiny = "0." + std::string(1'000'000, '0') + "1";
    EXPECT_EQ(textToNumber(tiny), 0.0);

    const std::string one = "1." + std::string(1'000'000, '0');
    EXPECT_EQ(textToNumber(one), 1.0);

    const std::string scaled = "0." + std::string(999'999, '0') + "1e1000000";
    EXPECT_EQ(textToNumber(scaled), 1.0);
}

struct CurrencyCase {
    double value;
    std::optional<double> expected;
};

void PrintTo(const CurrencyCase& c, std::ostream* os) { *os << c.value; }

class ToCurrency : public testing::TestWithParam<CurrencyCase> {};

TEST_P(ToCurrency, RoundsToFourDecimalsTiesToEven) {
    const auto& [value, expected] = GetParam();
    const auto rounded = toCurrency(value);
    ASSERT_EQ(rounded.has_value(), expected.has_value()) << value;
    if (expected) {
        EXPECT_EQ(*rounded, *expected) << value;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToCurrency,
    testing::Values(CurrencyCase{100, 100.0}, CurrencyCase{150.123456, 150.1235},
                    CurrencyCase{202.94139, 202.9414}, CurrencyCase{0.00004, 0.0}, CurrencyCase{0.00125, 0.0012},
                    CurrencyCase{0.00135, 0.0014}, CurrencyCase{-0.00125, -0.0012}, CurrencyCase{2.00005, 2.0},
                    CurrencyCase{0.00005, 0.0}, CurrencyCase{922337203685477.0, 922337203685477.0},
                    CurrencyCase{-922337203685477.0, -922337203685477.0},
                    CurrencyCase{922337203685477.5807, std::nullopt},
                    CurrencyCase{-922337203685477.5808, std::nullopt}, CurrencyCase{1e300, std::nullopt},
                    CurrencyCase{std::numeric_limits<double>::infinity(), std::nullopt},
                    CurrencyCase{std::numeric_limits<double>::quiet_NaN(), std::nullopt}));

TEST(ToCurrency, NegativeZeroBecomesZero) {
    const auto rounded = toCurrency(-0.00004);
    ASSERT_TRUE(rounded);
    EXPECT_EQ(*rounded, 0.0);
    EXPECT_FALSE(std::signbit(*rounded));
}

TEST(ToCurrency, ResultIsTheNearestDoubleToItsFourDecimals) {
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> revenue(-250.0, 250.0);
    for (int n = 0; n < 20000; ++n) {
        const double value = revenue(random);
        const auto rounded = toCurrency(value);
        ASSERT_TRUE(rounded);
        EXPECT_LE(std::fabs(*rounded - value), 0.00005 + 1e-12) << value;
        const double units = std::nearbyint(*rounded * 10000);
        EXPECT_EQ(*rounded, units / 10000) << value;
    }
}

struct TextOfNumberCase {
    double value;
    std::string expected;
};

void PrintTo(const TextOfNumberCase& c, std::ostream* os) { *os << c.value; }

class NumberToText : public testing::TestWithParam<TextOfNumberCase> {};

TEST_P(NumberToText, WritesAtMostFifteenSignificantDigits) {
    EXPECT_EQ(numberToText(GetParam().value, english), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberToText,
    testing::Values(TextOfNumberCase{100, "100"}, TextOfNumberCase{150.1235, "150.1235"},
                    TextOfNumberCase{-0.5, "-0.5"}, TextOfNumberCase{0.1 + 0.2, "0.3"},
                    TextOfNumberCase{1.0 / 3, "0.333333333333333"}, TextOfNumberCase{-1298.9999999999998, "-1299"},
                    TextOfNumberCase{1124.0000000000002, "1124"}, TextOfNumberCase{1234567, "1234567"},
                    TextOfNumberCase{123456789012345, "123456789012345"}, TextOfNumberCase{1e15, "1E+15"},
                    TextOfNumberCase{-999999999999999, "-999999999999999"},
                    TextOfNumberCase{999999999999999.875, "1E+15"}, TextOfNumberCase{-610, "-610"},
                    TextOfNumberCase{-2.5e20, "-2.5E+20"}, TextOfNumberCase{0.0001, "0.0001"},
                    TextOfNumberCase{0.00001, "1E-05"}, TextOfNumberCase{-1.5e-7, "-1.5E-07"},
                    TextOfNumberCase{1e300, "1E+300"}, TextOfNumberCase{0.0, "0"}, TextOfNumberCase{-0.0, "0"},
                    TextOfNumberCase{std::numeric_limits<double>::quiet_NaN(), "NaN"},
                    TextOfNumberCase{-std::numeric_limits<double>::infinity(), "-Infinity"}));

TEST(NumberToText, UsesTheLocaleDecimalSeparator) {
    EXPECT_EQ(numberToText(150.1235, german), "150,1235");
    EXPECT_EQ(numberToText(1234567.5, german), "1234567,5");
    EXPECT_EQ(numberToText(-1.5e-7, german), "-1,5E-07");
    EXPECT_EQ(numberToText(0.5, NumberFormat{"\u066b", "\u066c"}), "0\u066b5");
}

TEST(NumberToText, EveryRevenueTextReadsBackToTheSameRevenue) {
    // Every multiple of 0.0001 in a wide band around the revenue limit.
    for (std::int64_t units = -2'100'000; units <= 2'100'000; units += 7) {
        const double revenue = static_cast<double>(units) / 10000;
        for (const auto& format : {english, german, french}) {
            const auto back = textToNumber(numberToText(revenue, format), format);
            ASSERT_TRUE(back) << revenue;
            ASSERT_EQ(*back, revenue) << revenue;
        }
    }
}

TEST(NumberToText, WritesTheDigitsOfTheFifteenDigitRounding) {
    // The C library's "%.15G" rounds the exact value to 15 digits and drops
    // trailing zeros, with the same exponent rule: the conversion must agree
    // with it on doubles of every magnitude and on short and long decimals.
    std::mt19937_64 random(11);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_int_distribution<std::int64_t> mantissas(1, 99'999'999'999'999'999);
    std::uniform_int_distribution<int> exponents(-25, 20);
    for (int i = 0; i < 200'000; ++i) {
        auto value = std::bit_cast<double>(bits(random));
        if (i % 2 == 1) {
            const auto digits = std::to_string(mantissas(random) / (std::int64_t{1} << (i % 40)));
            value = std::stod(digits + "e" + std::to_string(exponents(random)));
        }
        if (!std::isfinite(value) || value == 0) {
            continue;
        }
        std::array<char, 64> reference{};
        std::snprintf(reference.data(), reference.size(), "%.15G", value);
        ASSERT_EQ(numberToText(value), std::string(reference.data())) << std::hexfloat << value;
    }
}

TEST(NumberToText, IsStableWhenReadBack) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::uint64_t> bits;
    int checked = 0;
    while (checked < 20000) {
        const auto value = std::bit_cast<double>(bits(random));
        if (!std::isfinite(value)) {
            continue;
        }
        const std::string text = numberToText(value);
        const auto back = textToNumber(text);
        ASSERT_TRUE(back) << text;
        ASSERT_EQ(numberToText(*back), text);
        ++checked;
    }
}

struct FormatCase {
    double value;
    std::string pattern;
    std::optional<std::string> expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.value << " \"" << c.pattern << '"'; }

class FormatPattern : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatPattern, RoundsFromTheExactValue) {
    const auto& [value, pattern, expected] = GetParam();
    EXPECT_EQ(Format(value, pattern, english), expected) << value << " " << pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatPattern,
    testing::Values(FormatCase{0.11244140249594692, "0.0000", "0.1124"},
                    FormatCase{0.01724708887618164, "0.0000", "0.0172"},
                    FormatCase{-0.743051, "0.0000", "-0.7431"}, FormatCase{0.03125, "0.0000", "0.0313"},
                    FormatCase{-0.03125, "0.0000", "-0.0313"}, FormatCase{2.5, "0", "3"},
                    FormatCase{-2.5, "0", "-3"}, FormatCase{0.125, "0.00", "0.13"},
                    FormatCase{0.0001, "0.0000", "0.0001"}, FormatCase{0.00004999, "0.0000", "0.0000"},
                    FormatCase{-0.000001, "0.0000", "0.0000"}, FormatCase{-0.0, "0.0000", "0.0000"},
                    FormatCase{12.0, "0.0000", "12.0000"}, FormatCase{1.0 / 3, "0.0", "0.3"},
                    FormatCase{0.5, "#.##", std::nullopt}, FormatCase{0.5, "0.", std::nullopt},
                    FormatCase{0.5, "", std::nullopt}, FormatCase{0.5, "0.00x", std::nullopt},
                    FormatCase{std::numeric_limits<double>::quiet_NaN(), "0.0000", std::nullopt},
                    FormatCase{std::numeric_limits<double>::infinity(), "0.0000", std::nullopt}));

TEST(FormatPattern, WritesTheWholeDigitsOfTheLargestDouble) {
    const auto text = Format(std::numeric_limits<double>::max(), "0.0000");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->size(), 309U + 5U);
    EXPECT_TRUE(text->starts_with("17976931348623157"));
    EXPECT_TRUE(text->ends_with(".0000"));
}

TEST(FormatPattern, UsesTheLocaleDecimalSeparator) {
    EXPECT_EQ(Format(0.11244140249594692, "0.0000", german), "0,1124");
}

TEST(IntOfNumber, IsTheLargestWholeNumberNotAbove) {
    EXPECT_EQ(Int(609.7222222222222), 609.0);
    EXPECT_EQ(Int(-609.7222222222222), -610.0);
    EXPECT_EQ(Int(-3.0), -3.0);
    EXPECT_EQ(Int(0.99999999999999989), 0.0);
}

} // namespace
} // namespace levora
