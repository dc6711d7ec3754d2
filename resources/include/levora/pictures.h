#pragma once

// Facts about the compiled-in pictures (":/pictures/NAME.png") that code using
// them needs beyond the pixels themselves.
namespace levora::pictures {

// The pixel of hand_cursor.png that points: the tip of the raised index
// finger. The generator draws the finger from these, so they cannot drift.
inline constexpr int HandCursorHotX = 9;
inline constexpr int HandCursorHotY = 1;

} // namespace levora::pictures
