#include "revenue_texts.h"

#include "random.h"

#include <QLocale>

#include <algorithm>
#include <array>

namespace levora::soak {

namespace {

QString digits(Random& random, int least, int most) {
    QString run;
    for (int i = random.between(least, most); i > 0; --i) {
        run += QChar(u'0' + random.below(10));
    }
    return run;
}

QString decimalPoint() { return QLocale().decimalPoint(); }

QString groupSeparator() { return QLocale().groupSeparator(); }

QString sign(Random& random) {
    switch (random.below(12)) {
    case 0:
    case 1:
        return QStringLiteral("-");
    case 2:
        return QStringLiteral("+");
    case 3:
        return random.of({QStringLiteral("--"), QStringLiteral("+-"), QStringLiteral("-+")});
    default:
        return {};
    }
}

QString plainNumber(Random& random) {
    QString text = sign(random) + digits(random, random.oneIn(6) ? 0 : 1, random.oneIn(3) ? 4 : 2);
    if (random.oneIn(2)) {
        text += decimalPoint() + digits(random, random.oneIn(8) ? 0 : 1, 9);
    }
    return text;
}

// Thousands groups, mostly of the right size.
QString groupedNumber(Random& random) {
    QString text = sign(random) + digits(random, 1, 3);
    for (int group = random.between(1, 3); group > 0; --group) {
        text += groupSeparator() + digits(random, random.oneIn(4) ? 1 : 3, random.oneIn(4) ? 4 : 3);
    }
    if (random.oneIn(3)) {
        text += decimalPoint() + digits(random, 1, 4);
    }
    return text;
}

QString exponentNumber(Random& random) {
    QString exponent = random.of({QStringLiteral("e"), QStringLiteral("E")});
    exponent += random.of({QString(), QStringLiteral("+"), QStringLiteral("-")});
    return plainNumber(random) + exponent + digits(random, random.oneIn(10) ? 0 : 1, random.oneIn(5) ? 4 : 2);
}

// Revenues around the request's limits: the largest accepted magnitude, the
// smallest one that does not round to zero, and the ties of the rounding to
// four decimals, written as they are or with more digits after them.
QString edgeNumber(Random& random) {
    static constexpr std::array edges{
        "202.9413",
        "202.94139",
        "202.941395",
        "202.94135",
        "202.94145",
        "202.9414",
        "202.94134999",
        "0.00005",
        "0.00015",
        "0.00025",
        "0.000049",
        "0.0000500",
        "0.00004999",
        "5e-5",
        "1.5e-4",
        "0.0001",
        "2.5e-4",
        "0.00035",
        "100.00005",
        "100.00015",
        "202.9412999",
        "2.0294e2",
        "0",
        "0.0",
        "-0",
        "0e0",
        "1e-400",
        "1e400",
        "922337203685477.5807",
        "922337203685477.5808",
        "-922337203685477.5808",
        "-922337203685477.5809",
    };
    QString text = QString::fromLatin1(edges.at(static_cast<std::size_t>(random.below(edges.size()))));
    text.replace(QLatin1Char('.'), decimalPoint());
    if (random.oneIn(3) && text.at(0) != QLatin1Char('-')) {
        text.prepend(QLatin1Char('-'));
    }
    if (random.oneIn(4)) {
        text += digits(random, 1, 3);
    }
    return text;
}

QString blankAround(Random& random, const QString& number) {
    const QString blanks = random.of({QStringLiteral(" "), QStringLiteral("  "), QString()});
    return random.of(
        {blanks + number, number + blanks, blanks + number + blanks, number.left(1) + blanks + number.mid(1)});
}

QString anyAscii(Random& random) {
    QString text;
    for (int i = random.below(16); i > 0; --i) {
        text += QChar(random.between(0x20, 0x7e));
    }
    return text;
}

// Characters a keyboard does not type but a paste brings: other blanks and
// digits, other signs and separators, letters from other scripts, a character
// outside the basic plane, a combining mark and line breaks.
QString foreignCharacter(Random& random) {
    static constexpr std::array<char32_t, 24> foreign{
        U'\t',  U'\n',  U'\r',  0x00A0, 0x2009, 0x3000, 0x200B, 0xFEFF, 0x2212, 0x2013,  0xFF10, 0xFF15,
        0x0660, 0x0665, 0x066B, 0x00B7, 0x00B2, 0x00BD, 0x00E9, 0x4E00, 0x0301, 0x1F4B0, 0x20A9, 0xFF0E,
    };
    const char32_t c = foreign.at(static_cast<std::size_t>(random.below(foreign.size())));
    return QString::fromUcs4(&c, 1);
}

} // namespace

bool isTypable(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
}

RevenueText typedRevenue(Random& random) {
    switch (random.below(16)) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        return {plainNumber(random), "number"};
    case 7:
        return {groupedNumber(random), "grouped number"};
    case 8:
        return {exponentNumber(random), "number with exponent"};
    case 9:
    case 10:
        return {edgeNumber(random), "number at a limit"};
    case 11:
        return {blankAround(random, plainNumber(random)), "number with blanks"};
    case 12:
        return {digits(random, 15, 40), "many digits"};
    case 13:
        return {random.of({QStringLiteral("."), QStringLiteral("-"), QStringLiteral("+"), QStringLiteral("e5"),
                           QStringLiteral("1e"), QStringLiteral("1.2.3"), QStringLiteral("1-"),
                           QStringLiteral("&H10"), QStringLiteral("1d2"), QStringLiteral("$100"),
                           QStringLiteral("100%"), QStringLiteral("(100)")}),
                "malformed number"};
    default:
        return {anyAscii(random), "any text"};
    }
}

RevenueText pastedRevenue(Random& random) {
    QString text = random.oneIn(3) ? anyAscii(random) : typedRevenue(random).text;
    for (int i = random.between(1, 3); i > 0; --i) {
        text.insert(random.below(static_cast<int>(text.size()) + 1), foreignCharacter(random));
    }
    return {text, "text with foreign characters"};
}

RevenueText longRevenue(Random& random, int length) {
    if (length == 0) {
        length = random.oneIn(3) ? random.between(32000, 40000) : random.between(1000, 20000);
    }
    switch (random.below(3)) {
    case 0:
        return {QString(length, QLatin1Char('9')), "long run of nines"};
    case 1:
        // Leading zeros in front of a number the request accepts.
        return {QString(length, QLatin1Char('0')) + QStringLiteral("100"), "long run of zeros"};
    default:
        return {digits(random, 10, 20) + decimalPoint() + digits(random, length, length), "long decimal"};
    }
}

} // namespace levora::soak
