#pragma once

// The font the windows are designed with, mapped to a family this desktop has
// with about the same widths.

#include <QFont>

namespace levora::toolkit {

/// The classic dialog font ("MS Sans Serif"), by default 8.25 points: the
/// font of a window's labels and buttons unless they choose another.
QFont dialogFont(double points = 8.25, bool bold = false);

} // namespace levora::toolkit
