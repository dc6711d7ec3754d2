#include "key_syntax.h"

#include "levora/toolkit/runtime.h"

#include <QChar>
#include <QList>
#include <QStringView>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace levora::toolkit::detail {

namespace {

/// A key that braces name, with the text it types.
struct NamedKey {
    QStringView name;
    Qt::Key key{};
    QStringView text;
};

// The names are matched without regard to the case of their ASCII letters.
constexpr std::array NamedKeys{
    NamedKey{u"Enter", Qt::Key_Return, u"\r"},
    NamedKey{u"Tab", Qt::Key_Tab, u"\t"},
    NamedKey{u"Esc", Qt::Key_Escape, u"\x1b"},
    NamedKey{u"Escape", Qt::Key_Escape, u"\x1b"},
    NamedKey{u"BS", Qt::Key_Backspace, u"\b"},
    NamedKey{u"BkSp", Qt::Key_Backspace, u"\b"},
    NamedKey{u"Backspace", Qt::Key_Backspace, u"\b"},
    NamedKey{u"Del", Qt::Key_Delete, u"\x7f"},
    NamedKey{u"Delete", Qt::Key_Delete, u"\x7f"},
    NamedKey{u"Ins", Qt::Key_Insert, u""},
    NamedKey{u"Insert", Qt::Key_Insert, u""},
    NamedKey{u"Home", Qt::Key_Home, u""},
    NamedKey{u"End", Qt::Key_End, u""},
    NamedKey{u"PgUp", Qt::Key_PageUp, u""},
    NamedKey{u"PgDn", Qt::Key_PageDown, u""},
    NamedKey{u"Up", Qt::Key_Up, u""},
    NamedKey{u"Down", Qt::Key_Down, u""},
    NamedKey{u"Left", Qt::Key_Left, u""},
    NamedKey{u"Right", Qt::Key_Right, u""},
    NamedKey{u"Break", Qt::Key_Pause, u""},
    NamedKey{u"CapsLock", Qt::Key_CapsLock, u""},
    NamedKey{u"NumLock", Qt::Key_NumLock, u""},
    NamedKey{u"ScrollLock", Qt::Key_ScrollLock, u""},
    NamedKey{u"PrtSc", Qt::Key_Print, u""},
    NamedKey{u"Help", Qt::Key_Help, u""},
};

constexpr int FunctionKeyCount = 16;
constexpr int MaxRepeat = 255;

[[noreturn]] void fail(const std::string& detail) {
    throw RunTimeError(Failure::InvalidProcedureCall, "SendKeys: " + detail);
}

bool isLatin1(char32_t c) { return c <= 0xff; }

/// The Qt key of a character, as Qt's own key events name it: keys are
/// defined by their upper-case character, except a Latin-1 one whose upper
/// case lies outside Latin-1 (the micro sign), and a digit of any script is
/// the digit key of its value.
Qt::Key keyOfCharacter(char32_t c) {
    if (QChar::isDigit(c)) {
        return static_cast<Qt::Key>(Qt::Key_0 + QChar::digitValue(c));
    }
    if (isLatin1(c)) {
        const char32_t upper = QChar::toUpper(c);
        return static_cast<Qt::Key>(isLatin1(upper) ? upper : c);
    }
    // Full case mapping may give several characters; the key is the first.
    return static_cast<Qt::Key>(QString::fromUcs4(&c, 1).toUpper().toUcs4().at(0));
}

/// The code points of a text, which must hold no unpaired surrogate: one
/// would otherwise be read as a replacement character.
std::u32string codePoints(const QString& keys) {
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys.at(i).isHighSurrogate() && i + 1 < keys.size() && keys.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (keys.at(i).isSurrogate()) {
            fail("the text holds an unpaired surrogate at character " + std::to_string(i + 1));
        }
    }
    std::u32string text;
    text.reserve(static_cast<std::size_t>(keys.size()));
    for (const uint c : keys.toUcs4()) {
        text.push_back(static_cast<char32_t>(c));
    }
    return text;
}

class Parser {
public:
    explicit Parser(const QString& keys) : text_(codePoints(keys)) {}

    std::vector<KeyStroke> parse() {
        while (!atEnd()) {
            parseItem(Qt::NoModifier, false);
        }
        return std::move(strokes_);
    }

private:
    [[nodiscard]] bool atEnd() const { return position_ >= text_.size(); }
    [[nodiscard]] char32_t peek() const { return text_.at(position_); }

    /// Fails at the current position, counted in UTF-16 units as the text's
    /// own length is, so that a character outside the BMP counts twice.
    [[noreturn]] void failHere(const std::string& what) const {
        const auto before = text_.begin() + static_cast<std::ptrdiff_t>(std::min(position_, text_.size()));
        const auto beyondBmp = std::count_if(text_.begin(), before, [](char32_t c) { return c > 0xffff; });
        fail(what + " at character " + std::to_string(position_ + static_cast<std::size_t>(beyondBmp) + 1));
    }

    /// One key, braced key or group, with the modifiers written before it;
    /// held are those of the group it lies in.
    void parseItem(Qt::KeyboardModifiers held, bool inGroup) {
        bool modified = false;
        while (!atEnd()) {
            const char32_t c = peek();
            if (c == U'+') {
                held |= Qt::ShiftModifier;
            } else if (c == U'^') {
                held |= Qt::ControlModifier;
            } else if (c == U'%') {
                held |= Qt::AltModifier;
            } else {
                break;
            }
            modified = true;
            ++position_;
        }
        if (atEnd() || (modified && (peek() == U')' || peek() == U'}'))) {
            failHere("a modifier has no key after it");
        }
        switch (peek()) {
        case U'(':
            if (inGroup) {
                failHere("a group cannot hold another group");
            }
            parseGroup(held);
            return;
        case U')':
            failHere("a ')' closes no group");
        case U'}':
            failHere("a '}' closes no brace");
        case U'[':
        case U']':
            failHere("brackets are written in braces");
        case U'{':
            parseBraced(held);
            return;
        case U'~':
            ++position_;
            add(Qt::Key_Return, held, QStringLiteral("\r"), 1);
            return;
        default:
            // Taken only once added, so that a failure points at the character.
            addCharacter(peek(), held, 1);
            ++position_;
            return;
        }
    }

    void parseGroup(Qt::KeyboardModifiers held) {
        const std::size_t opening = position_++;
        while (!atEnd() && peek() != U')') {
            parseItem(held, true);
        }
        if (atEnd()) {
            position_ = opening;
            failHere("a '(' is not closed");
        }
        ++position_;
    }

    void parseBraced(Qt::KeyboardModifiers held) {
        const std::size_t opening = position_++;
        // The first character belongs to the name whatever it is, so that
        // "{}}" and "{{}" escape the braces.
        std::size_t closing = position_ + 1;
        while (closing < text_.size() && text_.at(closing) != U'}') {
            ++closing;
        }
        if (closing >= text_.size()) {
            position_ = opening;
            failHere("a '{' is not closed");
        }
        const std::size_t nameStart = position_;
        std::size_t nameEnd = closing;
        int count = 1;
        for (std::size_t i = closing - 1; i > nameStart; --i) {
            if (text_.at(i) == U' ') {
                nameEnd = i;
                position_ = i + 1;
                count = parseCount(closing);
                break;
            }
        }
        position_ = nameStart;
        if (nameEnd - nameStart == 1) {
            addCharacter(text_.at(nameStart), held, count);
        } else {
            addNamed(QString::fromUcs4(text_.data() + nameStart, static_cast<qsizetype>(nameEnd - nameStart)),
                     held, count);
        }
        position_ = closing + 1;
    }

    /// The repeat count from the current position up to the closing brace.
    int parseCount(std::size_t closing) {
        if (position_ == closing) {
            failHere("a repeat count is missing");
        }
        int count = 0;
        for (std::size_t i = position_; i < closing; ++i) {
            const char32_t c = text_.at(i);
            if (c < U'0' || c > U'9') {
                failHere("a repeat count is a whole number");
            }
            count = count * 10 + static_cast<int>(c - U'0');
            if (count > MaxRepeat) {
                failHere("a repeat count is at most 255");
            }
        }
        return count;
    }

    void addNamed(const QString& name, Qt::KeyboardModifiers held, int count) {
        // Qt's case folding would also match "\u212a" (the Kelvin sign) to
        // "k" and "\u017f" (the long s) to "s"; the names are ASCII only.
        const bool ascii = std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; });
        for (const NamedKey& named : NamedKeys) {
            if (ascii && name.compare(named.name, Qt::CaseInsensitive) == 0) {
                add(named.key, held, named.text.toString(), count);
                return;
            }
        }
        if (const int number = functionKeyNumber(name); number != 0) {
            add(static_cast<Qt::Key>(Qt::Key_F1 + number - 1), held, QString(), count);
            return;
        }
        failHere("'" + name.toStdString() + "' names no key");
    }

    /// The number of a function key name, F1 to F16 in ASCII digits without
    /// leading zeros, or 0 for any other name.
    static int functionKeyNumber(const QString& name) {
        if (name.size() > 3 || (name.at(0) != u'F' && name.at(0) != u'f') || name.at(1) == u'0') {
            return 0;
        }
        int number = 0;
        for (const QChar digit : QStringView(name).mid(1)) {
            if (digit < u'0' || digit > u'9') {
                return 0;
            }
            number = number * 10 + (digit.unicode() - u'0');
        }
        return number <= FunctionKeyCount ? number : 0;
    }

    void addCharacter(char32_t c, Qt::KeyboardModifiers held, int count) {
        if (QChar::category(c) == QChar::Other_Control) {
            failHere("a control character is written with its key name");
        }
        char32_t typed = c;
        if (QChar::isLetter(c)) {
            if (QChar::isUpper(c)) {
                held |= Qt::ShiftModifier;
            } else if (held.testFlag(Qt::ShiftModifier)) {
                typed = QChar::toUpper(c);
            }
        }
        add(keyOfCharacter(c), held, QString::fromUcs4(&typed, 1), count);
    }

    void add(Qt::Key key, Qt::KeyboardModifiers held, const QString& typed, int count) {
        for (int i = 0; i < count; ++i) {
            strokes_.push_back(KeyStroke{key, held, typed});
        }
    }

    std::u32string text_;
    std::size_t position_ = 0;
    std::vector<KeyStroke> strokes_;
};

} // namespace

std::vector<KeyStroke> parseKeys(const QString& keys) { return Parser(keys).parse(); }

} // namespace levora::toolkit::detail
