#pragma once

// The key-sending syntax of SendKeys, parsed into the keystrokes it stands
// for. Delivering them is left to the caller, so the syntax can be checked on
// its own and a malformed text fails before a single key reaches a window.
//
// The grammar, where the classic description leaves room:
// - `+`, `^` and `%` may be combined and repeated; a repeated one is held
//   once. They apply to the next key, to every key of a parenthesised group,
//   or to every repetition of a braced `{x n}`.
// - Inside a group a key may carry modifiers of its own, held together with
//   the group's: `+(a^b)` is Shift+A, then Shift+Control+B. A group may be
//   empty, and a group without modifiers sends its keys as they are. Groups
//   do not nest: `+(a(b))` is malformed.
// - Braces take their first character literally, so `{}}` and `{{}` escape
//   the braces themselves; the text up to the next `}` is the name. A count
//   follows the name after its last space: `{  3}` is three spaces, while
//   `{ 3}` names no key. The count is written in ASCII digits, leading zeros
//   allowed, and must not exceed 255.
// - Any single character in braces stands for itself, `{a}` as `a` and `{~}`
//   as the tilde; names of two or more characters are the named keys, in any
//   case of their ASCII letters.
// - Brackets are written in braces, `{[}` and `{]}`; a bare `[` or `]` is
//   malformed, as is a `)` or `}` that closes nothing.
// - Only letters change with Shift: `+a` types "A", while `+1` stays the 1 key
//   typing "1", since the shifted character of a digit or sign depends on the
//   keyboard layout. An upper-case letter is typed with Shift held: `A` is
//   Shift+A.
// - Control characters in the text (a tab, a line break) are malformed: keys
//   that type them are written `{Tab}` and `~` or `{Enter}`.
// - Enter is Qt's Return key (the main one, not the keypad's), Break is the
//   Pause key and PrtSc the Print key. Backspace and Delete type "\b" and
//   "\x7f", as Qt's own key events for them carry.

#include <QString>
#include <Qt>

#include <vector>

namespace levora::toolkit::detail {

/// One key pressed and released with the modifiers held for it.
struct KeyStroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers; // Shift, Control, Alt as held for this stroke
    QString text;                    // what the key types; empty for navigation, lock and function keys
    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

/// Parses the key-sending syntax; throws RunTimeError(Failure::InvalidProcedureCall) on a malformed text.
[[nodiscard]] std::vector<KeyStroke> parseKeys(const QString& keys);

} // namespace levora::toolkit::detail
