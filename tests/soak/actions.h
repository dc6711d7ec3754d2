#pragma once

// The action tables of the soak, one per window. A window that joins the
// program brings its own table (its rows apply while it is in front) and its
// rows are added to allActions().

#include "soak.h"

#include <vector>

namespace levora::soak {

/// The main window: the revenue box, the two lists, "GO", its pictures, and
/// minimizing, restoring and closing it.
[[nodiscard]] std::vector<Action> mainWindowActions();

/// The "Input Problem" dialog, in front of the blocked main window.
[[nodiscard]] std::vector<Action> inputProblemActions();

/// Every table.
[[nodiscard]] std::vector<Action> allActions();

} // namespace levora::soak
