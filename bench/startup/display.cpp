#include "display.h"

#include <X11/keysym.h>
#include <xcb/damage.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <memory>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace levora::bench {

namespace {

struct FreeDeleter {
    void operator()(void* reply) const { std::free(reply); } // NOLINT(cppcoreguidelines-no-malloc): xcb's replies
};
template <class T>
using Reply = std::unique_ptr<T, FreeDeleter>;

constexpr std::uint32_t iconicState = 3;
constexpr auto keyPause = std::chrono::milliseconds(20);
// How long a window manager that has taken over the root takes at most to frame a window.
constexpr auto windowManagerAnswer = std::chrono::milliseconds(500);

constexpr std::array<std::pair<std::string_view, xcb_keysym_t>, 16> namedKeys{{
    {"Tab", XK_Tab},
    {"Return", XK_Return},
    {"Escape", XK_Escape},
    {"Down", XK_Down},
    {"Up", XK_Up},
    {"Left", XK_Left},
    {"Right", XK_Right},
    {"Home", XK_Home},
    {"End", XK_End},
    {"BackSpace", XK_BackSpace},
    {"Delete", XK_Delete},
    {"space", XK_space},
    {"F1", XK_F1},
    {"shift", XK_Shift_L},
    {"ctrl", XK_Control_L},
    {"alt", XK_Alt_L},
}};

// A key name of the table, or one printable ASCII character, whose keysym is its code.
xcb_keysym_t keysymNamed(std::string_view name) {
    for (const auto& [keyName, symbol] : namedKeys) {
        if (name == keyName) {
            return symbol;
        }
    }
    if (name.size() == 1 && name[0] > ' ' && name[0] < '\x7f') {
        return static_cast<xcb_keysym_t>(name[0]);
    }
    throw std::invalid_argument("unknown key: " + std::string(name));
}

void requireExtension(xcb_connection_t* connection, xcb_extension_t* extension, std::string_view name) {
    const auto* data = xcb_get_extension_data(connection, extension);
    if (data == nullptr || data->present == 0) {
        throw std::runtime_error("the X server lacks the " + std::string(name) + " extension");
    }
}

} // namespace

Display::Display() {
    connection_ = xcb_connect(nullptr, &screenNumber_);
    if (xcb_connection_has_error(connection_) != 0) {
        xcb_disconnect(connection_);
        throw std::runtime_error("cannot connect to the X display (is DISPLAY set?)");
    }
    fcntl(xcb_get_file_descriptor(connection_), F_SETFD, FD_CLOEXEC);
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int skipped = 0; skipped < screenNumber_; ++skipped) {
        xcb_screen_next(&screens);
    }
    root_ = screens.data->root;
    rootVisual_ = screens.data->root_visual;

    requireExtension(connection_, &xcb_damage_id, "DAMAGE");
    requireExtension(connection_, &xcb_test_id, "XTEST");
    damageEventBase_ = xcb_get_extension_data(connection_, &xcb_damage_id)->first_event;
    const Reply<xcb_damage_query_version_reply_t> damageVersion(xcb_damage_query_version_reply(
        connection_, xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    if (!damageVersion) {
        throw std::runtime_error("the X server refused the DAMAGE extension's version");
    }

    auto* cookies = xcb_ewmh_init_atoms(connection_, &ewmh_);
    if (xcb_ewmh_init_atoms_replies(&ewmh_, cookies, nullptr) == 0) {
        throw std::runtime_error("cannot look up the window manager's atoms");
    }
    keySymbols_ = xcb_key_symbols_alloc(connection_);
    wmProtocols_ = atom("WM_PROTOCOLS");
    wmDeleteWindow_ = atom("WM_DELETE_WINDOW");
    wmChangeState_ = atom("WM_CHANGE_STATE");
    wmState_ = atom("WM_STATE");

    const std::uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &rootEvents);
    xcb_flush(connection_);
}

Display::~Display() {
    xcb_key_symbols_free(keySymbols_);
    xcb_ewmh_connection_wipe(&ewmh_);
    xcb_disconnect(connection_);
}

bool Display::waitUntil(const std::function<bool()>& done, Clock::duration timeout) {
    const auto deadline = Clock::now() + timeout;
    while (true) {
        takeEvents();
        if (done()) {
            return true;
        }
        const auto now = Clock::now();
        if (now >= deadline) {
            return false;
        }
        // Events wake the wait at once; the limit lets conditions that depend
        // on time or on other processes be checked again.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count();
        pollfd socket{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&socket, 1, static_cast<int>(std::min<long long>(left, 10)));
    }
}

void Display::pause(Clock::duration duration) {
    const auto until = Clock::now() + duration;
    waitUntil([until] { return Clock::now() >= until; }, duration);
}

bool Display::hasWindowManager() {
    xcb_window_t check = XCB_NONE;
    return xcb_ewmh_get_supporting_wm_check_reply(&ewmh_, xcb_ewmh_get_supporting_wm_check(&ewmh_, root_), &check,
                                                  nullptr) != 0 &&
           check != XCB_NONE;
}

bool Display::awaitWindowManagerAnswer(Clock::duration timeout) {
    const WindowId probe = xcb_generate_id(connection_);
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, probe, root_, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, rootVisual_, 0, nullptr);
    // A window mapped before the manager took over the root stays unframed:
    // it is mapped again until the manager frames it.
    const auto deadline = Clock::now() + timeout;
    bool answered = false;
    while (!answered && Clock::now() < deadline) {
        xcb_map_window(connection_, probe);
        answered = waitUntil([&] { return isFramedAndViewable(probe); }, windowManagerAnswer);
        if (!answered) {
            xcb_unmap_window(connection_, probe);
        }
    }
    xcb_destroy_window(connection_, probe);
    xcb_flush(connection_);
    return answered;
}

std::optional<WindowId> Display::activeWindow() {
    xcb_window_t active = XCB_NONE;
    if (xcb_ewmh_get_active_window_reply(&ewmh_, xcb_ewmh_get_active_window(&ewmh_, screenNumber_), &active,
                                         nullptr) == 0 ||
        active == XCB_NONE) {
        return std::nullopt;
    }
    return active;
}

bool Display::isIconic(WindowId window) {
    const Reply<xcb_get_property_reply_t> state(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, wmState_, wmState_, 0, 2), nullptr));
    if (!state || state->format != 32 || xcb_get_property_value_length(state.get()) < 4) {
        return false;
    }
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(state.get())) == iconicState;
}

void Display::pressChord(std::string_view chord) {
    std::vector<xcb_keycode_t> modifiers;
    bool needsShift = false;
    while (true) {
        const auto plus = chord.find('+', 1);
        if (plus == std::string_view::npos) {
            break;
        }
        bool ignored = false;
        modifiers.push_back(keycodeFor(keysymNamed(chord.substr(0, plus)), ignored));
        chord.remove_prefix(plus + 1);
    }
    const auto key = keycodeFor(keysymNamed(chord), needsShift);
    if (needsShift) {
        bool ignored = false;
        modifiers.push_back(keycodeFor(XK_Shift_L, ignored));
    }
    for (const auto modifier : modifiers) {
        fakeKey(XCB_KEY_PRESS, modifier);
    }
    fakeKey(XCB_KEY_PRESS, key);
    fakeKey(XCB_KEY_RELEASE, key);
    std::for_each(modifiers.rbegin(), modifiers.rend(),
                  [this](xcb_keycode_t modifier) { fakeKey(XCB_KEY_RELEASE, modifier); });
    xcb_flush(connection_);
    pause(keyPause);
}

void Display::typeText(std::string_view text) {
    for (std::size_t index = 0; index < text.size(); ++index) {
        pressChord(text.substr(index, 1));
    }
}

void Display::activate(WindowId window) {
    xcb_ewmh_request_change_active_window(&ewmh_, screenNumber_, window, XCB_EWMH_CLIENT_SOURCE_TYPE_OTHER,
                                          XCB_CURRENT_TIME, XCB_NONE);
    xcb_flush(connection_);
}

void Display::iconify(WindowId window) {
    sendClientMessage(root_, window, wmChangeState_, {iconicState, 0},
                      XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY);
}

void Display::requestClose(WindowId window) {
    sendClientMessage(window, window, wmProtocols_, {wmDeleteWindow_, XCB_CURRENT_TIME}, XCB_EVENT_MASK_NO_EVENT);
}

// A client message about `window` of the given type with two data words, sent
// to `destination` (the window itself, or the root for the window manager).
void Display::sendClientMessage(WindowId destination, WindowId window, xcb_atom_t type,
                                std::array<std::uint32_t, 2> data, std::uint32_t eventMask) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = type;
    message.data.data32[0] = data[0];
    message.data.data32[1] = data[1];
    xcb_send_event(connection_, 0, destination, eventMask, reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
}

void Display::takeEvents() {
    xcb_flush(connection_);
    while (const Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection_)}) {
        takeEvent(*event, Clock::now());
    }
    if (xcb_connection_has_error(connection_) != 0) {
        throw std::runtime_error("lost the connection to the X display");
    }
}

// Structure events arrive twice for a window that is a child of the root: once
// for the root and once for the window itself. Only the window's own count.
void Display::takeEvent(const xcb_generic_event_t& event, Clock::time_point at) {
    const auto type = event.response_type & 0x7f;
    if (type == damageEventBase_ + XCB_DAMAGE_NOTIFY) {
        const auto& damage = reinterpret_cast<const xcb_damage_notify_event_t&>(event);
        xcb_damage_subtract(connection_, damage.damage, XCB_NONE, XCB_NONE);
        std::optional<std::uint64_t> pixels;
        if (readingBack_ && log_.inFirstMapping(damage.drawable)) {
            pixels = pixelDigest(damage.drawable, damage.geometry.width, damage.geometry.height);
        }
        log_.painted(damage.drawable, at, pixels);
        if (tracing_) {
            std::ostringstream what;
            what << "painted " << damage.area.width << 'x' << damage.area.height << '+' << damage.area.x << '+'
                 << damage.area.y;
            if (pixels) {
                what << ", pixels " << std::hex << *pixels;
            }
            trace(what.str(), damage.drawable, at);
        }
        return;
    }
    switch (type) {
    case XCB_CREATE_NOTIFY: {
        const auto& created = reinterpret_cast<const xcb_create_notify_event_t&>(event);
        if (created.parent == root_) {
            watch(created.window, at);
        }
        break;
    }
    case XCB_MAP_NOTIFY: {
        const auto& mapped = reinterpret_cast<const xcb_map_notify_event_t&>(event);
        if (mapped.event == mapped.window && log_.isKnown(mapped.window)) {
            log_.named(mapped.window, titleOf(mapped.window));
            log_.mapped(mapped.window, at);
            trace("mapped", mapped.window, at);
        }
        break;
    }
    case XCB_UNMAP_NOTIFY: {
        const auto& unmapped = reinterpret_cast<const xcb_unmap_notify_event_t&>(event);
        if (unmapped.event == unmapped.window && log_.isKnown(unmapped.window)) {
            log_.unmapped(unmapped.window, at);
            trace("unmapped", unmapped.window, at);
        }
        break;
    }
    case XCB_DESTROY_NOTIFY: {
        const auto& destroyed = reinterpret_cast<const xcb_destroy_notify_event_t&>(event);
        if (destroyed.event == destroyed.window && log_.isKnown(destroyed.window)) {
            trace("destroyed", destroyed.window, at);
            log_.destroyed(destroyed.window);
        }
        break;
    }
    case XCB_REPARENT_NOTIFY: {
        const auto& reparented = reinterpret_cast<const xcb_reparent_notify_event_t&>(event);
        if (reparented.event == reparented.window) {
            trace("reparented", reparented.window, at);
        }
        break;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto& property = reinterpret_cast<const xcb_property_notify_event_t&>(event);
        if ((property.atom == ewmh_._NET_WM_NAME || property.atom == wmName_) && log_.isKnown(property.window)) {
            log_.named(property.window, titleOf(property.window));
        }
        break;
    }
    case XCB_MAPPING_NOTIFY: {
        auto mapping = reinterpret_cast<const xcb_mapping_notify_event_t&>(event);
        xcb_refresh_keyboard_mapping(keySymbols_, &mapping);
        break;
    }
    default:
        break;
    }
}

// Follows a new top-level window: its own structure and property changes, and
// its drawing. A window already mapped by the time the selection takes effect
// counts as mapped now.
void Display::watch(WindowId window, Clock::time_point at) {
    const std::uint32_t events = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection_, window, XCB_CW_EVENT_MASK, &events);
    xcb_damage_create(connection_, xcb_generate_id(connection_), window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    log_.created(window);
    const Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, window), nullptr));
    if (attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED) {
        log_.named(window, titleOf(window));
        log_.mapped(window, at);
        trace("mapped before it was watched", window, at);
    }
}

std::string Display::titleOf(WindowId window) {
    xcb_ewmh_get_utf8_strings_reply_t name{};
    if (xcb_ewmh_get_wm_name_reply(&ewmh_, xcb_ewmh_get_wm_name(&ewmh_, window), &name, nullptr) != 0) {
        std::string title(name.strings, name.strings_len);
        xcb_ewmh_get_utf8_strings_reply_wipe(&name);
        return title.substr(0, title.find('\0'));
    }
    const Reply<xcb_get_property_reply_t> legacy(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, wmName_, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
        nullptr));
    if (!legacy || legacy->format != 8) {
        return {};
    }
    return {static_cast<const char*>(xcb_get_property_value(legacy.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(legacy.get()))};
}

// A digest of the window's pixels (FNV-1a over their colour bytes), or nothing
// where they cannot be read.
std::optional<std::uint64_t> Display::pixelDigest(WindowId window, std::uint16_t width, std::uint16_t height) {
    const Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(
        connection_, xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, width, height, ~0U),
        nullptr));
    if (!image) {
        return std::nullopt;
    }
    constexpr std::uint64_t fnvOffset = 14695981039346656037ULL;
    constexpr std::uint64_t fnvPrime = 1099511628211ULL;
    // Depth 24 in 32-bit pixels: the fourth byte of each is padding.
    const bool padded = image->depth == 24;
    const auto* bytes = xcb_get_image_data(image.get());
    const auto length = static_cast<std::size_t>(xcb_get_image_data_length(image.get()));
    std::uint64_t digest = fnvOffset;
    for (std::size_t index = 0; index < length; ++index) {
        if (!padded || index % 4 != 3) {
            digest = (digest ^ bytes[index]) * fnvPrime;
        }
    }
    return digest;
}

bool Display::isFramedAndViewable(WindowId window) {
    const Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr));
    const Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, window), nullptr));
    return tree && attributes && tree->parent != root_ && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

void Display::fakeKey(std::uint8_t type, xcb_keycode_t key) {
    xcb_test_fake_input(connection_, type, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
}

xcb_keycode_t Display::keycodeFor(xcb_keysym_t symbol, bool& needsShift) {
    const std::unique_ptr<xcb_keycode_t, FreeDeleter> codes(xcb_key_symbols_get_keycode(keySymbols_, symbol));
    if (!codes || *codes == XCB_NO_SYMBOL) {
        throw std::runtime_error("the keyboard map has no key for keysym " + std::to_string(symbol));
    }
    needsShift = xcb_key_symbols_get_keysym(keySymbols_, *codes, 0) != symbol;
    return *codes;
}

xcb_atom_t Display::atom(std::string_view name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    if (!reply) {
        throw std::runtime_error("cannot look up the atom " + std::string(name));
    }
    return reply->atom;
}

void Display::trace(std::string_view what, WindowId window, Clock::time_point at) {
    if (tracing_ && log_.isKnown(window)) {
        const auto milliseconds = std::chrono::duration<double, std::milli>(at - traceOrigin_).count();
        std::cerr << milliseconds << " ms: window 0x" << std::hex << window << std::dec << " \""
                  << log_.title(window) << "\" " << what << '\n';
    }
}

} // namespace levora::bench
