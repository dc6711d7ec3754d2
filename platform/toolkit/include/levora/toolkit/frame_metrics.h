#pragma once

// The window frame around a client area: borders and caption, in logical
// pixels. The Parts set a window's outer size before it is shown, when the
// window system has not yet framed it, so the client area is derived from
// these metrics: the real ones once the window system has reported them for a
// window of the same border style, otherwise a documented default. Platforms
// without a window manager (offscreen, minimal) always use the default.

#include <QMargins>

namespace levora::toolkit {

enum class BorderStyle {
    None,        ///< no border and no caption
    FixedSingle, ///< a thin border the user cannot drag, with a caption
    FixedDialog, ///< a dialog frame, with a caption
    Sizable,     ///< a border the user can drag, with a caption
};

/// Borders and caption (caption included in top), in logical pixels.
struct FrameMetrics {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const FrameMetrics&, const FrameMetrics&) = default;
};

/// The frame assumed until the window system reports one: a 4-pixel border on
/// each side and a 22-pixel caption.
inline constexpr FrameMetrics DefaultFrame{4, 26, 4, 4};

/// The frame of a window of this border style.
[[nodiscard]] FrameMetrics frameMetrics(BorderStyle style);

/// Records the frame the window system reported for a shown window. Ignored
/// on platforms without a window manager.
void learnFrameMetrics(BorderStyle style, const FrameMetrics& reported);

/// Forgets what was learnt (for a fresh start of the program's windows).
void forgetFrameMetrics();

} // namespace levora::toolkit
