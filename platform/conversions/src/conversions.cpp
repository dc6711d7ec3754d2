#include "levora/conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>
#include <utility>

namespace levora {
namespace {

constexpr std::size_t groupSize = 3;

// Exponents beyond this cannot be brought back into the double range by any
// run of leading or trailing zeros a text can hold, and stay far from overflow.
constexpr std::int64_t exponentCeiling = 1'000'000'000'000;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A cursor over the text being read.
class Reader {
public:
    explicit Reader(std::string_view text) : rest_(text) {}

    [[nodiscard]] bool atEnd() const { return rest_.empty(); }

    bool skip(std::string_view token) {
        if (token.empty() || !rest_.starts_with(token)) {
            return false;
        }
        rest_.remove_prefix(token.size());
        return true;
    }

    bool skipOneOf(char a, char b) {
        if (!rest_.empty() && (rest_.front() == a || rest_.front() == b)) {
            rest_.remove_prefix(1);
            return true;
        }
        return false;
    }

    std::string_view takeDigits() {
        std::size_t count = 0;
        while (count < rest_.size() && isDigit(rest_[count])) {
            ++count;
        }
        const std::string_view digits = rest_.substr(0, count);
        rest_.remove_prefix(count);
        return digits;
    }

    void skipBlanks() {
        while (!rest_.empty() && isBlank(rest_.front())) {
            rest_.remove_prefix(1);
        }
    }

private:
    std::string_view rest_;
};

// The parts of a number once its separators and blanks are gone.
struct Mantissa {
    std::string wholeDigits;
    std::string fractionDigits;
};

// Reads the whole part: plain digits, or groups joined by the group separator
// where the first group has one to three digits and every later one three.
std::optional<std::string> readWholeDigits(Reader& reader, std::string_view groupSeparator) {
    std::string digits(reader.takeDigits());
    if (digits.empty() || digits.size() > groupSize) {
        return digits;
    }
    while (reader.skip(groupSeparator)) {
        const std::string_view group = reader.takeDigits();
        if (group.size() != groupSize) {
            return std::nullopt;
        }
        digits += group;
    }
    return digits;
}

std::optional<Mantissa> readMantissa(Reader& reader, const NumberFormat& format) {
    Mantissa mantissa;
    auto whole = readWholeDigits(reader, format.groupSeparator);
    if (!whole) {
        return std::nullopt;
    }
    mantissa.wholeDigits = std::move(*whole);
    if (reader.skip(format.decimalSeparator)) {
        mantissa.fractionDigits = reader.takeDigits();
    }
    if (mantissa.wholeDigits.empty() && mantissa.fractionDigits.empty()) {
        return std::nullopt;
    }
    return mantissa;
}

// Reads an optional exponent, saturating its magnitude at exponentCeiling.
std::optional<std::int64_t> readExponent(Reader& reader) {
    if (!reader.skipOneOf('e', 'E')) {
        return std::int64_t{0};
    }
    const bool negative = reader.skip("-");
    if (!negative) {
        reader.skip("+");
    }
    const std::string_view digits = reader.takeDigits();
    if (digits.empty()) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    for (const char digit : digits) {
        magnitude = std::min(magnitude * 10 + (digit - '0'), exponentCeiling);
    }
    return negative ? -magnitude : magnitude;
}

// The decimal order of magnitude of the mantissa's first significant digit, or
// nullopt when the mantissa is zero.
std::optional<std::int64_t> leadingOrder(const Mantissa& mantissa) {
    const auto firstWhole = mantissa.wholeDigits.find_first_not_of('0');
    if (firstWhole != std::string::npos) {
        return static_cast<std::int64_t>(mantissa.wholeDigits.size() - firstWhole) - 1;
    }
    const auto firstFraction = mantissa.fractionDigits.find_first_not_of('0');
    if (firstFraction != std::string::npos) {
        return -static_cast<std::int64_t>(firstFraction) - 1;
    }
    return std::nullopt;
}

std::optional<double> toDouble(bool negative, const Mantissa& mantissa, std::int64_t exponent) {
    const double zero = negative ? -0.0 : 0.0;
    const auto order = leadingOrder(mantissa);
    if (!order) {
        return zero;
    }
    if (exponent == exponentCeiling) {
        return std::nullopt;
    }
    if (exponent == -exponentCeiling) {
        return zero;
    }

    std::string normalized;
    normalized.reserve(mantissa.wholeDigits.size() + mantissa.fractionDigits.size() + 24);
    if (negative) {
        normalized += '-';
    }
    normalized += mantissa.wholeDigits.empty() ? std::string_view("0") : mantissa.wholeDigits;
    if (!mantissa.fractionDigits.empty()) {
        normalized += '.';
        normalized += mantissa.fractionDigits;
    }
    normalized += 'e';
    normalized += std::to_string(exponent);

    double value = 0.0;
    const char* const end = normalized.data() + normalized.size();
    const auto [ptr, error] = std::from_chars(normalized.data(), end, value);
    if (error == std::errc::result_out_of_range) {
        // Out of range either way: too large fails, too small reads as zero.
        if (*order + exponent > 0) {
            return std::nullopt;
        }
        return zero;
    }
    if (error != std::errc{} || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Replaces the '.' that std::to_chars writes by the locale's separator.
std::string withDecimalSeparator(std::string_view text, std::string_view decimalSeparator) {
    std::string result;
    result.reserve(text.size() + decimalSeparator.size());
    for (const char c : text) {
        if (c == '.') {
            result += decimalSeparator;
        } else {
            result += c;
        }
    }
    return result;
}

// The number of decimals of a pattern "0", "0.0", "0.00", ...
std::optional<int> patternDecimals(std::string_view pattern) {
    if (pattern == "0") {
        return 0;
    }
    if (pattern.size() < 3 || !pattern.starts_with("0.")) {
        return std::nullopt;
    }
    const std::string_view decimals = pattern.substr(2);
    if (decimals.find_first_not_of('0') != std::string_view::npos) {
        return std::nullopt;
    }
    return static_cast<int>(decimals.size());
}

// True when value lies exactly halfway between two multiples of 10^-decimals.
bool isExactTie(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fma(value, scale, -scaled) != 0.0) {
        return false;
    }
    return std::fabs(scaled - std::trunc(scaled)) == 0.5;
}

// A separator is usable when it is not empty and cannot be mistaken for part
// of a number: no digit, sign, exponent letter or blank.
bool isUsableSeparator(std::string_view separator) {
    return !separator.empty() && separator.find_first_of("0123456789+-eE \t") == std::string_view::npos;
}

// The format actually applied: an unusable decimal separator falls back to
// ".", and an unusable group separator, or one that is or begins the decimal
// separator (grouping with "x" would take the "x" of "1xy5" for a group under
// the decimal separator "xy"), to no grouping.
NumberFormat sanitized(const NumberFormat& format) {
    NumberFormat result;
    result.decimalSeparator = isUsableSeparator(format.decimalSeparator) ? format.decimalSeparator : ".";
    result.groupSeparator =
        isUsableSeparator(format.groupSeparator) && !result.decimalSeparator.starts_with(format.groupSeparator)
            ? format.groupSeparator
            : std::string_view{};
    return result;
}

} // namespace

std::optional<double> textToNumber(std::string_view text, const NumberFormat& format) {
    const NumberFormat usable = sanitized(format);
    Reader reader(text);
    reader.skipBlanks();
    const bool negative = reader.skip("-");
    if (!negative) {
        reader.skip("+");
    }
    const auto mantissa = readMantissa(reader, usable);
    if (!mantissa) {
        return std::nullopt;
    }
    const auto exponent = readExponent(reader);
    if (!exponent) {
        return std::nullopt;
    }
    reader.skipBlanks();
    if (!reader.atEnd()) {
        return std::nullopt;
    }
    return toDouble(negative, *mantissa, *exponent);
}

std::optional<double> toCurrency(double value) {
    // 2^63: the first magnitude that no 64-bit integer holds as a positive
    // value; every double below it is at most 922337203685477.5807 × 10000.
    constexpr double limit = 9223372036854775808.0;
    const double scaled = value * 10000.0;
    if (!std::isfinite(scaled)) {
        return std::nullopt;
    }
    const double whole = std::nearbyint(scaled);
    if (std::fabs(whole) >= limit) {
        return std::nullopt;
    }
    const auto units = static_cast<std::int64_t>(whole);
    return static_cast<double>(units) / 10000.0;
}

std::string numberToText(double value, const NumberFormat& format) {
    const NumberFormat usable = sanitized(format);
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    if (value == 0.0) {
        return "0";
    }
    // A whole number below 1E+15 is its digits: the same text as the general
    // conversion below, found at a fraction of its cost (results are written
    // by the million in a batch).
    constexpr double firstWithExponent = 1e15;
    std::array<char, 32> buffer{};
    if (std::fabs(value) < firstWithExponent && std::trunc(value) == value) {
        const auto whole =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<long long>(value));
        return {buffer.data(), whole.ptr};
    }
    constexpr int significantDigits = 15;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, significantDigits);
    std::string text(buffer.data(), result.ptr);
    if (const auto e = text.find('e'); e != std::string::npos) {
        text[e] = 'E';
    }
    return withDecimalSeparator(text, usable.decimalSeparator);
}

std::optional<std::string> Format(double value, std::string_view pattern, const NumberFormat& format) {
    const NumberFormat usable = sanitized(format);
    const auto decimals = patternDecimals(pattern);
    if (!decimals || !std::isfinite(value)) {
        return std::nullopt;
    }
    if (isExactTie(value, *decimals)) {
        value = std::nextafter(value, value < 0 ? -std::numeric_limits<double>::infinity()
                                                : std::numeric_limits<double>::infinity());
    }
    // The longest fixed-point text of a double: 309 whole digits, a sign, a
    // point and the decimals.
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, *decimals);
    if (result.ec != std::errc{}) {
        return std::nullopt;
    }
    std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string_view::npos) {
        text.remove_prefix(1);
    }
    return withDecimalSeparator(text, usable.decimalSeparator);
}

double Int(double value) { return std::floor(value); }

} // namespace levora
