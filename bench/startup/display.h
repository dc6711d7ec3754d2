#pragma once

// The benchmark's connection to the X server: it watches every top-level
// window (created, named, mapped, painted, gone) into a WindowLog, and works
// the windows as a user would, through the XTEST extension and the window
// manager. Needs a running window manager for activating and minimizing.

#include "window_log.h"

#include <array>
#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>
#include <xcb/xcb_keysyms.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace levora::bench {

class Display {
public:
    // Connects to $DISPLAY; throws std::runtime_error when it cannot, or when
    // the server lacks the DAMAGE or XTEST extension.
    Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;
    Display(Display&&) = delete;
    Display& operator=(Display&&) = delete;
    ~Display();

    [[nodiscard]] WindowLog& log() { return log_; }
    // Writes every event the log takes to standard error.
    void setTracing(bool tracing) { tracing_ = tracing; }
    // Reads each window's pixels back after every paint of its first mapping,
    // so the log can tell when it was painted in full. Costs a round trip and
    // a copy of the window per paint.
    void setReadingBack(bool readingBack) { readingBack_ = readingBack; }

    // Takes in events until `done` holds, at most for the timeout; says whether it holds.
    bool waitUntil(const std::function<bool()>& done, Clock::duration timeout);
    // Takes in events for the given time.
    void pause(Clock::duration duration);

    [[nodiscard]] bool hasWindowManager();
    // Shows a window of its own until the window manager has framed and
    // mapped it: a manager that has only just started may not yet frame the
    // windows that programs map. Says whether it answered within the timeout.
    bool awaitWindowManagerAnswer(Clock::duration timeout);
    [[nodiscard]] std::optional<WindowId> activeWindow();
    // Whether the window manager holds the window minimized (ICCCM IconicState).
    [[nodiscard]] bool isIconic(WindowId window);

    // Presses one key with its modifiers and lets it go: "Tab", "shift+Tab",
    // "ctrl+a", "Return", "1".
    void pressChord(std::string_view chord);
    // Types printable ASCII text key by key.
    void typeText(std::string_view text);

    // Asks the window manager to activate (and so restore) or to minimize the window.
    void activate(WindowId window);
    void iconify(WindowId window);
    // Sends WM_DELETE_WINDOW, as the close button of the window's frame does.
    void requestClose(WindowId window);

private:
    void takeEvents();
    void sendClientMessage(WindowId destination, WindowId window, xcb_atom_t type,
                           std::array<std::uint32_t, 2> data, std::uint32_t eventMask);
    void takeEvent(const xcb_generic_event_t& event, Clock::time_point at);
    void watch(WindowId window, Clock::time_point at);
    [[nodiscard]] std::string titleOf(WindowId window);
    [[nodiscard]] bool isFramedAndViewable(WindowId window);
    [[nodiscard]] std::optional<std::uint64_t> pixelDigest(WindowId window, std::uint16_t width,
                                                           std::uint16_t height);
    void fakeKey(std::uint8_t type, xcb_keycode_t key);
    [[nodiscard]] xcb_keycode_t keycodeFor(xcb_keysym_t symbol, bool& needsShift);
    [[nodiscard]] xcb_atom_t atom(std::string_view name);
    void trace(std::string_view what, WindowId window, Clock::time_point at);

    xcb_connection_t* connection_ = nullptr;
    int screenNumber_ = 0;
    xcb_window_t root_ = XCB_NONE;
    xcb_visualid_t rootVisual_ = 0;
    xcb_ewmh_connection_t ewmh_{};
    xcb_key_symbols_t* keySymbols_ = nullptr;
    std::uint8_t damageEventBase_ = 0;
    xcb_atom_t wmProtocols_ = XCB_NONE;
    xcb_atom_t wmDeleteWindow_ = XCB_NONE;
    xcb_atom_t wmChangeState_ = XCB_NONE;
    xcb_atom_t wmState_ = XCB_NONE;
    xcb_atom_t wmName_ = XCB_ATOM_WM_NAME;
    WindowLog log_;
    bool tracing_ = false;
    bool readingBack_ = false;
    Clock::time_point traceOrigin_ = Clock::now();
};

} // namespace levora::bench
