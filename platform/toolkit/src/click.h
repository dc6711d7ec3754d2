#pragma once

// What the toolkit counts as a click on a control: a left-button press and
// its release over the same widget.

#include <QMouseEvent>
#include <QWidget>

namespace levora::toolkit::detail {

/// Notes whether a press can start a click.
inline void notePress(bool& pressed, const QMouseEvent& event) { pressed = event.button() == Qt::LeftButton; }

/// Whether a release completes the click a press started; either way the
/// press is used up.
inline bool completesClick(bool& pressed, const QWidget& widget, const QMouseEvent& event) {
    const bool click =
        pressed && event.button() == Qt::LeftButton && widget.rect().contains(event.position().toPoint());
    pressed = false;
    return click;
}

} // namespace levora::toolkit::detail
