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

/// What the help system shows: the names of the help window's loaded
/// children, joined by commas (empty while the help window is not loaded),
/// and the help window's state (0 while it is not loaded).
struct HelpView {
    std::string child;
    int windowState = 0;
    friend bool operator==(const HelpView&, const HelpView&) = default;
};

[[nodiscard]] HelpView helpView();

/// A help view for the log: "closed", or the child and the window state.
[[nodiscard]] std::string describe(const HelpView& view);

/// Each window flag says whether its window is loaded: MapWindowLoaded is 1
/// exactly while Form2 is; HelpWindowOpen, TopicsDialogOpen, NotePageOpen,
/// HowToPageOpen and GlossaryPageOpen are 1 exactly while MDIForm1, frmDLG,
/// frmNote, frmHowTo and frmGloss are, and hold no value or 0 otherwise.
[[nodiscard]] Problems windowFlagProblems();

/// While the help window is loaded it is shown and holds exactly one child,
/// shown, whose page its caption names; a help window on its way out holds
/// at most one.
[[nodiscard]] Problems helpWindowProblems();

/// The result area shows exactly one of its looks, the one expected: all
/// results with the given texts and no greeting, or (no texts) only the
/// greeting.
[[nodiscard]] Problems resultAreaProblems(const ui::Form1& window, const std::optional<ResultTexts>& expected);

/// While the "Input Problem" dialog is up, the whole result area is hidden.
[[nodiscard]] Problems hiddenResultAreaProblems(const ui::Form1& window);

/// After the deferred deletions: no window outlives its unload, the help
/// window keeps no frame of a child that has gone, and the number of windows
/// and other top-level widgets stays small.
[[nodiscard]] Problems leakProblems();

/// After End(): every window is hidden.
[[nodiscard]] Problems endedProblems();

/// After the windows have been released: none is left.
[[nodiscard]] Problems releasedProblems();

/// A main window as a fresh start shows it: an empty revenue box, both lists
/// filled and without a choice, and the greeting.
[[nodiscard]] Problems freshWindowProblems(const ui::Form1& window);

} // namespace levora::soak
