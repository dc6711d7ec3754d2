#include "tour.h"

#include "window_titles.h"

#include <stdexcept>

namespace levora::bench {

namespace {

constexpr auto stepTimeout = std::chrono::seconds(10);
// How long a dialog that should not come up is given to come up.
constexpr auto dialogGrace = std::chrono::milliseconds(500);

struct StepFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void await(Display& display, const std::function<bool()>& done, const std::string& what) {
    if (!display.waitUntil(done, stepTimeout)) {
        throw StepFailed("gave up waiting for " + what);
    }
}

WindowId shown(Display& display, std::string_view title) {
    std::optional<WindowId> window;
    await(
        display, [&] { return (window = display.log().shownWindow(title)).has_value(); },
        "the window \"" + std::string(title) + "\"");
    return *window;
}

void activate(Display& display, std::string_view title) {
    const WindowId window = shown(display, title);
    display.activate(window);
    await(
        display, [&] { return display.activeWindow() == window; }, "the window manager to activate it");
}

// Presses space-separated chords ("Tab Down Down", "shift+Tab ctrl+a").
void press(Display& display, std::string_view chords) {
    while (!chords.empty()) {
        const auto end = chords.find(' ');
        display.pressChord(chords.substr(0, end));
        chords.remove_prefix(end == std::string_view::npos ? chords.size() : end + 1);
    }
}

// Presses the chords and waits until the window has been painted again.
void pressAndAwaitRepaint(Display& display, std::string_view chords, std::string_view title) {
    const WindowId window = shown(display, title);
    const auto before = Clock::now();
    press(display, chords);
    await(
        display, [&] { return display.log().lastPainted(window) > before; }, "the window to be painted again");
}

// Presses the chords where the focus is and waits until the program has
// given the window the title and painted it again.
void pressAndAwaitTitle(Display& display, std::string_view chords, WindowId window, std::string_view title) {
    const auto before = Clock::now();
    press(display, chords);
    await(
        display,
        [&] { return display.log().title(window) == title && display.log().lastPainted(window) > before; },
        "the window to be named \"" + std::string(title) + "\" and painted again");
}

// Shows a page of the help window from its Window menu: Alt+W and the page's key.
void showHelpPage(Display& display, std::string_view from, char key, std::string_view page) {
    const WindowId help = shown(display, from);
    pressAndAwaitTitle(display, std::string("alt+w ") + key, help, page);
}

void expectNone(Display& display, std::string_view title) {
    if (display.waitUntil([&] { return display.log().mappedWindow(title).has_value(); }, dialogGrace)) {
        throw StepFailed("the window \"" + std::string(title) + "\" came up");
    }
}

void awaitGone(Display& display, std::string_view title) {
    await(
        display, [&] { return !display.log().mappedWindow(title); },
        "the window \"" + std::string(title) + "\" to close");
}

void minimize(Display& display, std::string_view title) {
    const WindowId window = shown(display, title);
    display.iconify(window);
    await(
        display, [&] { return display.isIconic(window) && !display.log().mappedWindow(title); },
        "the window manager to minimize it");
}

void restore(Display& display, std::string_view title) {
    const auto window = display.log().onceMappedWindow(title);
    if (!window) {
        throw StepFailed("no window \"" + std::string(title) + "\" to restore");
    }
    display.activate(*window);
    shown(display, title);
}

} // namespace

std::vector<TourStep> levoraTour() {
    // Focus starts in the revenue box; Tab leads to the elasticity list, the
    // range list and "GO", and Enter presses "GO".
    return {
        {"activate the main window", [](Display& d) { activate(d, mainTitle); }},
        {"type the revenue 100", [](Display& d) { d.typeText("100"); }},
        {"choose an elasticity", [](Display& d) { press(d, "Tab Down Down Down"); }},
        {"choose an income range", [](Display& d) { press(d, "Tab Down Down Down Down Down"); }},
        {"press Enter: the results are painted", [](Display& d) { pressAndAwaitRepaint(d, "Return", mainTitle); }},
        {"no \"Input Problem\" dialog for a correct estimation",
         [](Display& d) { expectNone(d, inputProblemTitle); }},
        {"type a revenue that is rejected", [](Display& d) { press(d, "shift+Tab shift+Tab ctrl+a a b c"); }},
        {"press Enter: the \"Input Problem\" dialog comes up",
         [](Display& d) {
             press(d, "Return");
             activate(d, inputProblemTitle);
         }},
        {"close the dialog by Esc",
         [](Display& d) {
             press(d, "Escape");
             awaitGone(d, inputProblemTitle);
         }},
        {"minimize the main window", [](Display& d) { minimize(d, mainTitle); }},
        {"restore the main window", [](Display& d) { restore(d, mainTitle); }},
        {"Help Topics by Alt+H H: the help window comes up with the topics",
         [](Display& d) {
             activate(d, mainTitle);
             press(d, "alt+h h");
             activate(d, helpTopicsTitle);
         }},
        {"the Notice page by Alt+W N", [](Display& d) { showHelpPage(d, helpTopicsTitle, 'n', helpNoticeTitle); }},
        {"the How to page by Alt+W H", [](Display& d) { showHelpPage(d, helpNoticeTitle, 'h', helpHowToTitle); }},
        {"the Glossary page by Alt+W G",
         [](Display& d) { showHelpPage(d, helpHowToTitle, 'g', helpGlossaryTitle); }},
        {"Help Topics again in the main window: the help window shows the topics and comes to the front",
         [](Display& d) {
             const WindowId help = shown(d, helpGlossaryTitle);
             activate(d, mainTitle);
             pressAndAwaitTitle(d, "alt+h h", help, helpTopicsTitle);
             await(
                 d, [&] { return d.activeWindow() == help; }, "the help window to be active");
         }},
        {"close the help window by Alt+X",
         [](Display& d) {
             press(d, "alt+x");
             awaitGone(d, helpTopicsTitle);
         }},
        {"About by Alt+H A: the About box comes up",
         [](Display& d) {
             activate(d, mainTitle);
             press(d, "alt+h a");
             activate(d, aboutTitle);
         }},
        {"close the About box by Enter",
         [](Display& d) {
             press(d, "Return");
             awaitGone(d, aboutTitle);
             shown(d, mainTitle);
         }},
    };
}

void runTour(Display& display, const std::vector<TourStep>& steps) {
    for (const auto& step : steps) {
        try {
            step.perform(display);
        } catch (const std::runtime_error& failure) {
            throw std::runtime_error("tour step \"" + step.what + "\" failed: " + failure.what());
        }
    }
}

} // namespace levora::bench
