#pragma once

// Colour values: a 32-bit number that is either an RGB colour &H00BBGGRR (red
// in the lowest byte) or, with the top bit set, &H800000nn, a reference to
// system colour nn that is resolved from the palette when the colour is used.

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace levora::toolkit {

using ColourValue = std::uint32_t;

inline constexpr ColourValue SystemColourFlag = 0x80000000U;

/// The system colours the windows use, by number.
enum class SystemColour : std::uint8_t {
    WindowBackground = 5,
    WindowText = 8,
    InactiveBorder = 11,
    ButtonFace = 15,
    ToolTipBackground = 24,
};

/// The colour value of a red, green and blue part, each clamped to 0..255.
[[nodiscard]] constexpr ColourValue RGB(int red, int green, int blue) {
    auto part = [](int value) { return static_cast<ColourValue>(value < 0 ? 0 : value > 255 ? 255 : value); };
    return part(red) | (part(green) << 8U) | (part(blue) << 16U);
}

/// The colour value that refers to a system colour.
[[nodiscard]] constexpr ColourValue systemColour(SystemColour colour) {
    return SystemColourFlag | static_cast<ColourValue>(colour);
}

/// A number held as a colour value: anything from -2^31 to 2^32 - 1, negative
/// numbers taken as their 32-bit two's complement. Throws
/// RunTimeError(Overflow) for a number that does not fit in 32 bits.
[[nodiscard]] ColourValue colourValue(std::int64_t number);

/// Whether a value names a colour: an RGB colour or a known system colour.
[[nodiscard]] bool isColour(ColourValue value);

/// Throws RunTimeError(InvalidPropertyValue) unless the value names a colour.
void requireColour(ColourValue value);

/// The colour a value stands for, system colours taken from the palette.
/// Throws RunTimeError(InvalidPropertyValue) for a value that is no colour.
[[nodiscard]] QColor resolveColour(ColourValue value, const QPalette& palette);

/// As above, with the application's palette.
[[nodiscard]] QColor resolveColour(ColourValue value);

} // namespace levora::toolkit
