#pragma once

// The program-wide flags the windows share: which of the map title window, the
// help window and the help window's children are loaded.

#include <cstdint>
#include <optional>

namespace levora::ui {

/// A window flag: a number that holds no value before its window is first
/// loaded, and no value compares equal to 0.
class WindowFlag {
public:
    WindowFlag& operator=(double value) {
        value_ = value;
        return *this;
    }
    [[nodiscard]] bool hasValue() const { return value_.has_value(); }
    [[nodiscard]] double value() const { return value_.value_or(0.0); }
    friend bool operator==(const WindowFlag& flag, double value) { return flag.value() == value; }
    /// Back to no value, as before the window was ever loaded.
    void clear() { value_.reset(); }

private:
    std::optional<double> value_;
};

/// 1 while the map title window Form2 is loaded, else 0.
inline std::int16_t MapWindowLoaded = 0;

/// 1 while the help window MDIForm1 is loaded, 0 after it has unloaded.
inline WindowFlag HelpWindowOpen;

/// 1 while the help topics dialog frmDLG is loaded, 0 after it has unloaded.
inline WindowFlag TopicsDialogOpen;

/// 1 while the notice page frmNote is loaded, 0 after it has unloaded.
inline WindowFlag NotePageOpen;

/// 1 while the how-to page frmHowTo is loaded, 0 after it has unloaded.
inline WindowFlag HowToPageOpen;

/// 1 while the glossary page frmGloss is loaded, 0 after it has unloaded.
inline WindowFlag GlossaryPageOpen;

} // namespace levora::ui
