#pragma once

// The invariants the soak checks after every action, each returning what it
// found wrong, in words for the failure report.

#include <optional>
#include <string>
#include <vector>

namespace levora::ui {
class Form1;
} // namespace levora::ui

namespace levora::soak {

using Problems = std::vector<std::string>;

/// The three result texts, in the order of the labels Label6, Label7, Label8.
using ResultTexts = std::vector<std::string>;

/// Each window flag says whether its window is loaded: MapWindowLoaded is 1
/// exactly while Form2 is, HelpWindowOpen exactly while MDIForm1 is (and holds
/// no value or 0 otherwise). The windows are looked up among the existing
/// ones by name.
[[nodiscard]] Problems windowFlagProblems();

/// The result area shows exactly one of its looks, the one expected: all
/// results with the given texts and no greeting, or (no texts) only the
/// greeting.
[[nodiscard]] Problems resultAreaProblems(const ui::Form1& window, const std::optional<ResultTexts>& expected);

/// While the "Input Problem" dialog is up, the whole result area is hidden.
[[nodiscard]] Problems hiddenResultAreaProblems(const ui::Form1& window);

/// After the deferred deletions: no window outlives its unload, and the
/// number of windows and other top-level widgets stays small.
[[nodiscard]] Problems leakProblems();

/// After End(): every window is hidden.
[[nodiscard]] Problems endedProblems();

/// After the windows have been released: none is left.
[[nodiscard]] Problems releasedProblems();

/// A main window as a fresh start shows it: an empty revenue box, both lists
/// filled and without a choice, and the greeting.
[[nodiscard]] Problems freshWindowProblems(const ui::Form1& window);

} // namespace levora::soak
