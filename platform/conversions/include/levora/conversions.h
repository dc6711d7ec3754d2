#pragma once

// Number and text conversions of Levora's window toolkit: reading a number
// the user typed, the currency rounding to four decimals, writing a number
// back as text, fixed-point formatting and Int. They depend on no window
// toolkit; the locale enters only through the separators a caller passes.

#include <optional>
#include <string>
#include <string_view>

namespace levora {

/// The separators of the user's locale, as UTF-8 text (either may be more than
/// one byte, such as U+202F NARROW NO-BREAK SPACE). An empty group separator
/// means numbers are written and read without grouping. A separator that is
/// empty or could be mistaken for part of a number (a digit, a sign, "e", a
/// blank) is not used: the decimal separator falls back to "." and grouping is
/// dropped, as it is when the group separator is the decimal separator or
/// begins it ("," and ",,").
struct NumberFormat {
    std::string_view decimalSeparator = ".";
    std::string_view groupSeparator = ",";
};

/// Reads a number: optional blanks (space, tab), an optional sign, digits with
/// at most one decimal separator, an optional exponent ("e" or "E", optional
/// sign, digits), optional blanks. Group separators are accepted in the whole
/// part only, between correctly sized groups ("1,234,567", not "1,23"), so a
/// decimal point typed under a locale that uses it for grouping is never
/// silently read as a different number. Fails (nullopt) on an empty text,
/// letters, a lone sign, anything else, and on a value beyond the double
/// range; a value too small for a double reads as zero of its sign.
[[nodiscard]] std::optional<double> textToNumber(std::string_view text, const NumberFormat& format = {});

/// The currency conversion and back: value × 10000 formed as a double, rounded
/// to the nearest whole number with ties to even, held as a 64-bit integer and
/// divided by 10000. Fails on a non-finite value and on one whose magnitude
/// exceeds 922337203685477.5807.
[[nodiscard]] std::optional<double> toCurrency(double value);

/// Writes a number with at most 15 significant digits and no trailing zeros:
/// "100", "150.1235", "-0.5". Whole numbers carry no separator, negatives a
/// leading "-", and negative zero reads "0". Magnitudes of 1E+15 and more, and
/// below 0.0001, are written with an exponent of at least two digits:
/// "1E+15", "1.5E-05". Non-finite values, which no conversion here produces,
/// are written "NaN", "Infinity" and "-Infinity".
[[nodiscard]] std::string numberToText(double value, const NumberFormat& format = {});

/// Formats with a fixed-point pattern: "0" followed optionally by the decimal
/// point and one or more "0" ("0.0000" gives four decimals). The digits come
/// from the double's exact value, a tie rounding away from zero; a result that
/// shows only zeros carries no minus sign. Fails on another pattern and on a
/// non-finite value.
[[nodiscard]] std::optional<std::string> Format(double value, std::string_view pattern,
                                                const NumberFormat& format = {});

/// The largest whole number not above the value.
[[nodiscard]] double Int(double value);

} // namespace levora
