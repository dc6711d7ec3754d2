#pragma once

// The soak user's mouse and keyboard. Clicks and key presses go through the
// window system as real ones do: a click lands on whatever lies at its point
// of a window, a window that a modal dialog blocks does not get it, and a key
// reaches the window that has the keyboard focus.

#include <QKeySequence>
#include <QPoint>
#include <QString>

class QWidget;
class QWindow;

namespace levora::toolkit {
class Form;
}

namespace levora::soak {

class Random;
class Soak;

/// A random point inside a widget, in its coordinates, two pixels clear of
/// its edges where it is large enough.
[[nodiscard]] QPoint pointIn(const QWidget& widget, Random& random);

/// Clicks the left button at a point of a widget, through the window it
/// lies in.
void click(QWidget& widget, QPoint at);

/// Moves the pointer to a point of a widget, no button held.
void moveTo(QWidget& widget, QPoint at);

/// Presses the left button at a point of a widget and releases it at once.
/// Returns the milliseconds between press and release, which decide whether a
/// list that opened on the press takes the release as a choice.
int pressAndRelease(QWidget& widget, QPoint at);

/// The window with the keyboard focus, if any.
[[nodiscard]] QWindow* keyboardWindow();

/// Presses and releases a key on the window with the keyboard focus.
void press(QWindow& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

/// Presses the keys of a standard shortcut (select all, paste, ...).
void press(QWindow& window, QKeySequence::StandardKey shortcut);

/// Types printable ASCII text, one key per character.
void type(QWindow& window, const QString& text);

/// Puts text on the clipboard and pastes it.
void paste(QWindow& window, const QString& text);

/// Minimizes (1) or restores (0) a window, at random through its WindowState
/// or through the window system; a restored window is activated, as a window
/// manager does.
void changeWindowState(Soak& soak, toolkit::Form& window, int state);

} // namespace levora::soak
