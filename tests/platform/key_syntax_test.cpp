// The key-sending syntax parsed into keystrokes: plain text, modifiers,
// groups, braced keys with repeat counts, and the texts it rejects.

#include "key_syntax.h"

#include "levora/toolkit/runtime.h"

#include <QString>

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace levora::toolkit::detail {

namespace {

/// A text as a test shows it: quoted, with characters other than printable
/// ASCII written as their UTF-16 units.
std::string shown(const QString& text) {
    std::ostringstream out;
    out << '"';
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
            out << c.toLatin1();
        } else {
            out << "\\u" << std::hex << std::setw(4) << std::setfill('0') << static_cast<unsigned>(c.unicode());
        }
    }
    out << '"';
    return out.str();
}

} // namespace

// Shown by GoogleTest when the keystrokes differ.
void PrintTo(const KeyStroke& stroke, std::ostream* out) {
    *out << "{key 0x" << std::hex << static_cast<unsigned>(stroke.key) << std::dec;
    if (stroke.modifiers.testFlag(Qt::ShiftModifier)) {
        *out << " Shift";
    }
    if (stroke.modifiers.testFlag(Qt::ControlModifier)) {
        *out << " Control";
    }
    if (stroke.modifiers.testFlag(Qt::AltModifier)) {
        *out << " Alt";
    }
    *out << " text " << shown(stroke.text) << '}';
}

namespace {

/// The test name of a case, which each case table gives.
template <class Case>
std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Shift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers Control = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers Alt = Qt::AltModifier;

KeyStroke stroke(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
    return KeyStroke{key, modifiers, text};
}

KeyStroke stroke(char32_t key, Qt::KeyboardModifiers modifiers, const QString& text) {
    return stroke(static_cast<Qt::Key>(key), modifiers, text);
}

std::vector<KeyStroke> repeated(const KeyStroke& one, std::size_t count) {
    std::vector<KeyStroke> strokes(count, one);
    return strokes;
}

/// A text and the keystrokes it stands for.
struct StrokeCase {
    const char* name;
    QString keys;
    std::vector<KeyStroke> strokes;
};

void PrintTo(const StrokeCase& c, std::ostream* out) { *out << shown(c.keys); }

class ParseKeys : public ::testing::TestWithParam<StrokeCase> {};

TEST_P(ParseKeys, GivesTheKeystrokesOfTheText) { EXPECT_EQ(parseKeys(GetParam().keys), GetParam().strokes); }

INSTANTIATE_TEST_SUITE_P(
    PlainText, ParseKeys,
    ::testing::Values(
        StrokeCase{"Empty", QString(), {}},
        StrokeCase{"LowerCaseLetters", "ab", {stroke(Qt::Key_A, None, "a"), stroke(Qt::Key_B, None, "b")}},
        StrokeCase{
            "UpperCaseLetterHoldsShift", "Hi", {stroke(Qt::Key_H, Shift, "H"), stroke(Qt::Key_I, None, "i")}},
        StrokeCase{"Digits", "09", {stroke(Qt::Key_0, None, "0"), stroke(Qt::Key_9, None, "9")}},
        StrokeCase{"Spaces",
                   "a  b",
                   {stroke(Qt::Key_A, None, "a"), stroke(Qt::Key_Space, None, " "),
                    stroke(Qt::Key_Space, None, " "), stroke(Qt::Key_B, None, "b")}},
        StrokeCase{"Signs",
                   "-.,/=",
                   {stroke(Qt::Key_Minus, None, "-"), stroke(Qt::Key_Period, None, "."),
                    stroke(Qt::Key_Comma, None, ","), stroke(Qt::Key_Slash, None, "/"),
                    stroke(Qt::Key_Equal, None, "=")}},
        StrokeCase{"Latin1LettersAreKeyedByTheirUpperCase",
                   "\u00e9\u00c9",
                   {stroke(Qt::Key_Eacute, None, "\u00e9"), stroke(Qt::Key_Eacute, Shift, "\u00c9")}},
        StrokeCase{"Latin1LettersWhoseUpperCaseLiesBeyondLatin1KeepTheirKey",
                   "\u00ff\u00b5",
                   {stroke(Qt::Key_ydiaeresis, None, "\u00ff"), stroke(Qt::Key_mu, None, "\u00b5")}},
        StrokeCase{"OtherLettersAreKeyedByTheirUpperCase",
                   "\u03c9\u03a9",
                   {stroke(U'\u03a9', None, "\u03c9"), stroke(U'\u03a9', Shift, "\u03a9")}},
        StrokeCase{"DigitOfAnotherScriptIsTheDigitKey", "\u0663", {stroke(Qt::Key_3, None, "\u0663")}},
        StrokeCase{"CharacterBeyondTheBmp", "\U0001f600", {stroke(U'\U0001f600', None, "\U0001f600")}},
        StrokeCase{
            "TildeIsEnter",
            "a~b",
            {stroke(Qt::Key_A, None, "a"), stroke(Qt::Key_Return, None, "\r"), stroke(Qt::Key_B, None, "b")}},
        StrokeCase{"WindowMenuThenEnter",
                   "%{ }{Enter}",
                   {stroke(Qt::Key_Space, Alt, " "), stroke(Qt::Key_Return, None, "\r")}}),
    caseName<StrokeCase>);

INSTANTIATE_TEST_SUITE_P(
    Modifiers, ParseKeys,
    ::testing::Values(
        StrokeCase{"ShiftTypesTheUpperCase", "+a", {stroke(Qt::Key_A, Shift, "A")}},
        StrokeCase{"Control", "^a", {stroke(Qt::Key_A, Control, "a")}},
        StrokeCase{"Alt", "%a", {stroke(Qt::Key_A, Alt, "a")}},
        StrokeCase{"ControlAlt", "^%x", {stroke(Qt::Key_X, Control | Alt, "x")}},
        StrokeCase{"AllThreeInAnyOrder",
                   "+^%a%^+b",
                   {stroke(Qt::Key_A, Shift | Control | Alt, "A"), stroke(Qt::Key_B, Shift | Control | Alt, "B")}},
        StrokeCase{"RepeatedModifierIsHeldOnce", "++^^a", {stroke(Qt::Key_A, Shift | Control, "A")}},
        StrokeCase{"ControlWithUpperCaseLetterAlsoHoldsShift", "^A", {stroke(Qt::Key_A, Shift | Control, "A")}},
        StrokeCase{"ApplyToTheNextKeyOnly", "+ab", {stroke(Qt::Key_A, Shift, "A"), stroke(Qt::Key_B, None, "b")}},
        StrokeCase{"ShiftLeavesADigitAsItIs", "+1", {stroke(Qt::Key_1, Shift, "1")}},
        StrokeCase{"ShiftLeavesASignAsItIs", "+{+}", {stroke(Qt::Key_Plus, Shift, "+")}},
        StrokeCase{"OnTilde", "+~", {stroke(Qt::Key_Return, Shift, "\r")}},
        StrokeCase{"OnANamedKey", "%{F4}", {stroke(Qt::Key_F4, Alt, "")}},
        StrokeCase{"ShiftTab", "+{Tab}", {stroke(Qt::Key_Tab, Shift, "\t")}}),
    caseName<StrokeCase>);

INSTANTIATE_TEST_SUITE_P(
    Groups, ParseKeys,
    ::testing::Values(
        StrokeCase{"ModifierAppliesToEveryKey",
                   "+(ab)c",
                   {stroke(Qt::Key_A, Shift, "A"), stroke(Qt::Key_B, Shift, "B"), stroke(Qt::Key_C, None, "c")}},
        StrokeCase{"WithoutModifiersSendsTheKeysAsTheyAre",
                   "(aB)",
                   {stroke(Qt::Key_A, None, "a"), stroke(Qt::Key_B, Shift, "B")}},
        StrokeCase{"Empty", "()", {}}, StrokeCase{"EmptyWithModifiers", "+^()a", {stroke(Qt::Key_A, None, "a")}},
        StrokeCase{"KeyInsideCarriesItsOwnModifiersToo",
                   "+(a^b)",
                   {stroke(Qt::Key_A, Shift, "A"), stroke(Qt::Key_B, Shift | Control, "B")}},
        StrokeCase{"ModifiersInsideAreHeldForOneKey",
                   "^(%ab+c)",
                   {stroke(Qt::Key_A, Control | Alt, "a"), stroke(Qt::Key_B, Control, "b"),
                    stroke(Qt::Key_C, Control | Shift, "C")}},
        StrokeCase{"ModifierRepeatedInsideIsHeldOnce", "+(+a)", {stroke(Qt::Key_A, Shift, "A")}},
        StrokeCase{"HoldsBracedKeysAndTilde",
                   "%(+{Enter}~{a 2})",
                   {stroke(Qt::Key_Return, Alt | Shift, "\r"), stroke(Qt::Key_Return, Alt, "\r"),
                    stroke(Qt::Key_A, Alt, "a"), stroke(Qt::Key_A, Alt, "a")}},
        StrokeCase{"Consecutive", "+(a)^(b)", {stroke(Qt::Key_A, Shift, "A"), stroke(Qt::Key_B, Control, "b")}}),
    caseName<StrokeCase>);

INSTANTIATE_TEST_SUITE_P(
    LiteralEscapes, ParseKeys,
    ::testing::Values(StrokeCase{"Plus", "{+}", {stroke(Qt::Key_Plus, None, "+")}},
                      StrokeCase{"Caret", "{^}", {stroke(Qt::Key_AsciiCircum, None, "^")}},
                      StrokeCase{"Percent", "{%}", {stroke(Qt::Key_Percent, None, "%")}},
                      StrokeCase{"Tilde", "{~}", {stroke(Qt::Key_AsciiTilde, None, "~")}},
                      StrokeCase{"ParenLeft", "{(}", {stroke(Qt::Key_ParenLeft, None, "(")}},
                      StrokeCase{"ParenRight", "{)}", {stroke(Qt::Key_ParenRight, None, ")")}},
                      StrokeCase{"BraceLeft", "{{}", {stroke(Qt::Key_BraceLeft, None, "{")}},
                      StrokeCase{"BraceRight", "{}}", {stroke(Qt::Key_BraceRight, None, "}")}},
                      StrokeCase{"BracketLeft", "{[}", {stroke(Qt::Key_BracketLeft, None, "[")}},
                      StrokeCase{"BracketRight", "{]}", {stroke(Qt::Key_BracketRight, None, "]")}},
                      StrokeCase{"Letter", "{a}", {stroke(Qt::Key_A, None, "a")}},
                      StrokeCase{"UpperCaseLetter", "{A}", {stroke(Qt::Key_A, Shift, "A")}},
                      StrokeCase{"Space", "{ }", {stroke(Qt::Key_Space, None, " ")}},
                      StrokeCase{"BeyondTheBmp", "{\U0001f600}", {stroke(U'\U0001f600', None, "\U0001f600")}},
                      StrokeCase{"InARow",
                                 "{{}{}}{(}{)}",
                                 {stroke(Qt::Key_BraceLeft, None, "{"), stroke(Qt::Key_BraceRight, None, "}"),
                                  stroke(Qt::Key_ParenLeft, None, "("), stroke(Qt::Key_ParenRight, None, ")")}}),
    caseName<StrokeCase>);

INSTANTIATE_TEST_SUITE_P(
    RepeatCounts, ParseKeys,
    ::testing::Values(StrokeCase{"Letter", "{a 3}", repeated(stroke(Qt::Key_A, None, "a"), 3)},
                      StrokeCase{"NamedKey", "{Enter 2}", repeated(stroke(Qt::Key_Return, None, "\r"), 2)},
                      StrokeCase{"FunctionKey", "{f12 2}", repeated(stroke(Qt::Key_F12, None, ""), 2)},
                      StrokeCase{"Space", "{  3}", repeated(stroke(Qt::Key_Space, None, " "), 3)},
                      StrokeCase{"BraceRight", "{} 2}", repeated(stroke(Qt::Key_BraceRight, None, "}"), 2)},
                      StrokeCase{"BraceLeft", "{{ 2}", repeated(stroke(Qt::Key_BraceLeft, None, "{"), 2)},
                      StrokeCase{"Tilde", "{~ 2}", repeated(stroke(Qt::Key_AsciiTilde, None, "~"), 2)},
                      StrokeCase{"Zero", "a{b 0}c", {stroke(Qt::Key_A, None, "a"), stroke(Qt::Key_C, None, "c")}},
                      StrokeCase{"LeadingZeros", "{a 007}", repeated(stroke(Qt::Key_A, None, "a"), 7)},
                      StrokeCase{"MostAllowed", "{a 255}", repeated(stroke(Qt::Key_A, None, "a"), 255)},
                      StrokeCase{"MostAllowedWithLeadingZero", "{a 0255}",
                                 repeated(stroke(Qt::Key_A, None, "a"), 255)},
                      StrokeCase{"ModifiersHeldForEveryRepetition", "+^{b 2}",
                                 repeated(stroke(Qt::Key_B, Shift | Control, "B"), 2)}),
    caseName<StrokeCase>);

/// A braced key name and the key it names.
struct NamedKeyCase {
    const char* name;
    Qt::Key key;
    const char* text;
};

void PrintTo(const NamedKeyCase& c, std::ostream* out) { *out << '{' << c.name << '}'; }

class NamedKeys : public ::testing::TestWithParam<NamedKeyCase> {};

TEST_P(NamedKeys, AreMatchedInAnyLetterCase) {
    const QString name = QString::fromLatin1(GetParam().name);
    QString alternating = name.toLower();
    for (qsizetype i = 0; i < alternating.size(); i += 2) {
        alternating[i] = alternating.at(i).toUpper();
    }
    const std::vector<KeyStroke> expected{stroke(GetParam().key, None, QString::fromLatin1(GetParam().text))};
    for (const QString& written : {name, name.toUpper(), name.toLower(), alternating}) {
        EXPECT_EQ(parseKeys(u'{' + written + u'}'), expected) << written.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NamedKeys,
    ::testing::Values(NamedKeyCase{"Enter", Qt::Key_Return, "\r"}, NamedKeyCase{"Tab", Qt::Key_Tab, "\t"},
                      NamedKeyCase{"Esc", Qt::Key_Escape, "\x1b"}, NamedKeyCase{"Escape", Qt::Key_Escape, "\x1b"},
                      NamedKeyCase{"BS", Qt::Key_Backspace, "\b"}, NamedKeyCase{"BkSp", Qt::Key_Backspace, "\b"},
                      NamedKeyCase{"Backspace", Qt::Key_Backspace, "\b"},
                      NamedKeyCase{"Del", Qt::Key_Delete, "\x7f"}, NamedKeyCase{"Delete", Qt::Key_Delete, "\x7f"},
                      NamedKeyCase{"Ins", Qt::Key_Insert, ""}, NamedKeyCase{"Insert", Qt::Key_Insert, ""},
                      NamedKeyCase{"Home", Qt::Key_Home, ""}, NamedKeyCase{"End", Qt::Key_End, ""},
                      NamedKeyCase{"PgUp", Qt::Key_PageUp, ""}, NamedKeyCase{"PgDn", Qt::Key_PageDown, ""},
                      NamedKeyCase{"Up", Qt::Key_Up, ""}, NamedKeyCase{"Down", Qt::Key_Down, ""},
                      NamedKeyCase{"Left", Qt::Key_Left, ""}, NamedKeyCase{"Right", Qt::Key_Right, ""},
                      NamedKeyCase{"Break", Qt::Key_Pause, ""}, NamedKeyCase{"CapsLock", Qt::Key_CapsLock, ""},
                      NamedKeyCase{"NumLock", Qt::Key_NumLock, ""},
                      NamedKeyCase{"ScrollLock", Qt::Key_ScrollLock, ""}, NamedKeyCase{"PrtSc", Qt::Key_Print, ""},
                      NamedKeyCase{"Help", Qt::Key_Help, ""}),
    caseName<NamedKeyCase>);

TEST(FunctionKeys, AreF1ToF16InEitherCase) {
    constexpr std::array Keys{Qt::Key_F1,  Qt::Key_F2,  Qt::Key_F3,  Qt::Key_F4,  Qt::Key_F5,  Qt::Key_F6,
                              Qt::Key_F7,  Qt::Key_F8,  Qt::Key_F9,  Qt::Key_F10, Qt::Key_F11, Qt::Key_F12,
                              Qt::Key_F13, Qt::Key_F14, Qt::Key_F15, Qt::Key_F16};
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        const QString number = QString::number(i + 1);
        const std::vector<KeyStroke> expected{stroke(Keys.at(i), None, QString())};
        EXPECT_EQ(parseKeys("{F" + number + '}'), expected) << "F" << number.toStdString();
        EXPECT_EQ(parseKeys("{f" + number + '}'), expected) << "f" << number.toStdString();
    }
}

/// A malformed text, and where its diagnostic places the fault (1-based, in
/// UTF-16 units), or 0 where the place is left unchecked.
struct MalformedCase {
    const char* name;
    QString keys;
    int position;
};

void PrintTo(const MalformedCase& c, std::ostream* out) { *out << shown(c.keys); }

class MalformedKeys : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedKeys, AreAnInvalidProcedureCall) {
    try {
        static_cast<void>(parseKeys(GetParam().keys));
        ADD_FAILURE() << "the text was accepted";
    } catch (const RunTimeError& failure) {
        EXPECT_EQ(failure.failure(), Failure::InvalidProcedureCall);
        if (GetParam().position != 0) {
            const std::string place = " at character " + std::to_string(GetParam().position);
            EXPECT_TRUE(std::string_view(failure.what()).ends_with(place)) << failure.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Braces, MalformedKeys,
    ::testing::Values(
        MalformedCase{"UnclosedBrace", "ab{Enter", 3}, MalformedCase{"LoneBrace", "{", 1},
        MalformedCase{"EmptyBraces", "{}", 1}, MalformedCase{"EmptyBracesBeforeABracedKey", "{}{Enter}", 0},
        MalformedCase{"BraceClosingNothing", "a}", 2}, MalformedCase{"UnknownName", "ab{Foo}", 4},
        MalformedCase{"MisspeltName", "{Enterr}", 0}, MalformedCase{"TwoLetters", "{ab}", 0},
        MalformedCase{"NameWithASpace", "{Caps Lock}", 0},
        MalformedCase{"SpaceWithOneSpaceBeforeTheCount", "{ 3}", 0}, MalformedCase{"FunctionKeyZero", "{F0}", 0},
        MalformedCase{"FunctionKey17", "{F17}", 0}, MalformedCase{"FunctionKeyWithLeadingZero", "{F01}", 0},
        MalformedCase{"FunctionKeyWithoutNumber", "{Fx}", 0},
        MalformedCase{"FunctionKeyWithFullWidthDigit", "{F\uff11}", 0},
        MalformedCase{"NameWithKelvinSign", "{B\u212aSp}", 0}, MalformedCase{"NameWithLongS", "{Bk\u017fp}", 0},
        MalformedCase{"BareBracketLeft", "[", 1}, MalformedCase{"BareBracketRight", "a]", 2}),
    caseName<MalformedCase>);

INSTANTIATE_TEST_SUITE_P(
    RepeatCounts, MalformedKeys,
    ::testing::Values(MalformedCase{"Missing", "{a }", 0}, MalformedCase{"Letters", "{a x}", 0},
                      MalformedCase{"TrailingLetter", "{a 3x}", 0}, MalformedCase{"Negative", "{a -1}", 0},
                      MalformedCase{"Signed", "{a +1}", 0}, MalformedCase{"TrailingSpace", "{a 3 }", 0},
                      MalformedCase{"TwoSpacesAfterALetter", "{a  3}", 0},
                      MalformedCase{"FullWidthDigit", "{a \uff13}", 0},
                      MalformedCase{"DigitOfAnotherScript", "{a \u0663}", 0},
                      MalformedCase{"Fraction", "{a 1.5}", 0}, MalformedCase{"JustAboveTheMost", "{a 256}", 0},
                      MalformedCase{"Thousand", "{a 1000}", 0},
                      MalformedCase{"BeyondAnInteger", "{a 99999999999999999999}", 0}),
    caseName<MalformedCase>);

INSTANTIATE_TEST_SUITE_P(
    GroupsAndModifiers, MalformedKeys,
    ::testing::Values(MalformedCase{"UnclosedGroup", "ab+(cd", 4}, MalformedCase{"StrayParenthesis", "ab)", 3},
                      MalformedCase{"ClosedTwice", "(a))", 4}, MalformedCase{"NestedGroups", "+(a(b))", 4},
                      MalformedCase{"DirectlyNestedGroups", "((a))", 2},
                      MalformedCase{"NestedGroupWithModifier", "(+(a))", 0},
                      MalformedCase{"TrailingShift", "a+", 3}, MalformedCase{"TrailingControl", "a^", 0},
                      MalformedCase{"TrailingAlt", "%", 0}, MalformedCase{"TrailingModifiers", "+^%", 0},
                      MalformedCase{"ModifierBeforeTheGroupsEnd", "+(a+)", 5},
                      MalformedCase{"ModifierBeforeAClosingBrace", "+}", 2}),
    caseName<MalformedCase>);

INSTANTIATE_TEST_SUITE_P(
    Characters, MalformedKeys,
    ::testing::Values(MalformedCase{"Tab", "ab\tc", 3}, MalformedCase{"LineFeed", "a\nb", 2},
                      MalformedCase{"CarriageReturn", "\r", 1}, MalformedCase{"Delete", "\x7f", 1},
                      MalformedCase{"NextLine", "a\u0085", 2}, MalformedCase{"Null", QString(QChar(u'\0')), 1},
                      MalformedCase{"TabAfterACharacterBeyondTheBmp", "\U0001f600\t", 3},
                      MalformedCase{"TabInBraces", "a{\t}", 3},
                      MalformedCase{"TabInBracesWithACount", "{\t 2}", 2},
                      MalformedCase{"TabInAGroup", "+(a\t)", 4},
                      MalformedCase{"UnpairedHighSurrogate", QString(QChar(0xd83d)) + "a", 1},
                      MalformedCase{"UnpairedLowSurrogate", "ab" + QString(QChar(0xde00)), 3},
                      MalformedCase{"HighSurrogateAtTheEnd", "a" + QString(QChar(0xd83d)), 2}),
    caseName<MalformedCase>);

} // namespace
} // namespace levora::toolkit::detail
