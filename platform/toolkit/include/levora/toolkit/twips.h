#pragma once

// Lengths in twips. The toolkit maps 15 twips to one logical pixel, so Qt's
// high-DPI scaling turns them into device pixels; a fractional pixel is
// rounded to the nearest one.

namespace levora::toolkit {

inline constexpr double TwipsPerPixel = 15.0;

/// The nearest logical pixel to a length in twips, halves away from zero.
/// Throws RunTimeError(Overflow) for a length that is not finite or beyond the
/// largest widget coordinate.
[[nodiscard]] int toPixels(double twips);

/// A length in logical pixels as twips.
[[nodiscard]] constexpr double toTwips(int pixels) { return pixels * TwipsPerPixel; }

/// The primary screen's size in twips.
struct Screen {
    [[nodiscard]] static double Width();
    [[nodiscard]] static double Height();
};

} // namespace levora::toolkit
