#pragma once

// Switches the main window's result area between its two looks: the results
// shown, or only the greeting picture after a rejected request.

namespace levora::ui::Module1 {

/// Hides the results, shows the "Input Problem" dialog modally and, once it
/// is closed, shows the greeting picture.
void ShowInputProblem();

/// Shows the result captions and values on the result panel's background and
/// hides the greeting picture.
void ShowResults();

} // namespace levora::ui::Module1
