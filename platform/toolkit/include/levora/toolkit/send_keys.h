#pragma once

// Sends keystrokes, written in the key-sending syntax ("%{ }{Enter}" is
// Alt+Space, then Enter), to the window that has the focus, as if the user
// typed them.
//
// Alt+Space opens the window's window menu, as the desktop does; while it is
// open, Enter takes its highlighted item, Restore: a minimized window comes
// back to its normal state, and the window is raised and given the focus. Esc
// or any other key closes the menu.

#include <QString>

namespace levora::toolkit {

/// With wait, returns once every keystroke has been processed; without, once
/// they are queued. Throws RunTimeError(InvalidProcedureCall) for a malformed
/// text, before any key is sent. Sends nothing when no window has the focus.
void SendKeys(const QString& keys, bool wait = false);

} // namespace levora::toolkit
