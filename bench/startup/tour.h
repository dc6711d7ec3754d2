#pragma once

// The tour of Levora's windows that the memory figure is taken after: one row
// per step, each done as a user would through the keyboard and the window
// manager, each waiting until the program has answered it.

#include "display.h"

#include <functional>
#include <string>
#include <vector>

namespace levora::bench {

struct TourStep {
    std::string what;
    std::function<void(Display&)> perform;
};

// From the main window just shown: a correct estimation, a rejected one with
// its "Input Problem" dialog closed, and the main window minimized and restored;
// then the help window opened by Help Topics, its three pages from its Window
// menu, the topics again from the main window, the help window closed, and the
// About box opened and closed. It ends as it began, with the main window alone.
std::vector<TourStep> levoraTour();

// Performs the steps in order; throws std::runtime_error naming the step that failed.
void runTour(Display& display, const std::vector<TourStep>& steps);

} // namespace levora::bench
