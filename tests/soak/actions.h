#pragma once

// The action tables of the soak, one per window. A window that joins the
// program brings its own table (its rows apply while it is in front) and its
// rows are added to allActions().

#include "soak.h"

#include <vector>

namespace levora::soak {

/// The main window: the revenue box, the two lists, "GO", its pictures, Exit,
/// and minimizing, restoring and closing it.
[[nodiscard]] std::vector<Action> mainWindowActions();

/// The "Input Problem" dialog, in front of the blocked main window.
[[nodiscard]] std::vector<Action> inputProblemActions();

/// The help system: asking for the help topics from the main window, the help
/// window's toolbar, menu and close box, minimizing and restoring it, and the
/// topics dialog's links and title.
[[nodiscard]] std::vector<Action> helpActions();

/// The About box, from the main window's Help menu, in front of the blocked
/// windows.
[[nodiscard]] std::vector<Action> aboutBoxActions();

/// Every table.
[[nodiscard]] std::vector<Action> allActions();

} // namespace levora::soak
