#include "page_text.h"
#include "picture.h"

#include <levora/help_texts.h>

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace levora::picturegen {
namespace {

// The pages are printed matter: black text on white paper.
const QColor paper = Qt::white;

// Nothing smaller reads well on a page of running text.
constexpr int smallestPageText = 12;

void fillPage(QPainter& painter, QSizeF size) { painter.fillRect(QRectF(QPointF(0, 0), size), paper); }

// The help window shows only this much of the notice page; the rest stays
// blank paper.
constexpr qreal noteShownWidth = 440;
constexpr qreal noteShownHeight = 240;
constexpr qreal noteMargin = 12;
constexpr int noteLargestText = 14;
// Between the paragraphs, in lines.
constexpr qreal noteParagraphGap = 0.6;

struct NoteText {
    PageText text;
    qreal bottom = 0;
};

NoteText layOutNote(int pixelSize) {
    NoteText note;
    const QFont font = textFont(pixelSize);
    const qreal gap = std::round(noteParagraphGap * QFontMetricsF(font).height());
    qreal y = noteMargin;
    for (const std::string_view paragraph : help::NoticeParagraphs) {
        if (y > noteMargin) {
            y += gap;
        }
        y += note.text.place(fromUtf8(paragraph), font, {noteMargin, y}, noteShownWidth - 2 * noteMargin).height;
    }
    note.bottom = y;
    return note;
}

// The glossary's table: the term in both languages, then its Chinese and its
// English definition.
constexpr qreal glossaryMargin = 10;
// The widths of the term's and the Chinese definition's columns; the English
// definition takes the rest.
constexpr std::array<qreal, 2> glossaryColumnWidths{140, 250};
constexpr qreal cellPaddingX = 7;
constexpr qreal cellPaddingY = 6;
constexpr qreal gridWidth = 1;
const QColor gridInk(0x40, 0x40, 0x40);
const QColor headerShade(0xE4, 0xE4, 0xE4);
constexpr int glossaryLargestText = 16;
// The gap between the table and the note below it, and between the note's
// two languages, in lines.
constexpr qreal noteAboveGap = 1.2;
constexpr qreal noteLanguageGap = 0.3;

struct GlossaryTable {
    PageText text;
    // The top of every row and, last, the bottom of the table.
    std::vector<qreal> rowEdges;
    // The left edge of every column and, last, the right edge of the table.
    std::array<qreal, 4> columnEdges{};
    qreal bottom = 0;
};

GlossaryTable layOutGlossary(QSizeF size, int pixelSize) {
    GlossaryTable table;
    const qreal tableWidth = size.width() - 2 * glossaryMargin;
    table.columnEdges = {glossaryMargin, glossaryMargin + glossaryColumnWidths[0],
                         glossaryMargin + glossaryColumnWidths[0] + glossaryColumnWidths[1],
                         glossaryMargin + tableWidth};
    const QFont regular = textFont(pixelSize);
    const QFont bold = textFont(pixelSize, true);

    qreal y = glossaryMargin;
    const auto addRow = [&](const help::GlossaryEntry& entry, bool header) {
        table.rowEdges.push_back(y);
        const QFont& definitionFont = header ? bold : regular;
        const auto cell = [&](std::size_t column) {
            const qreal left = table.columnEdges[column] + gridWidth + cellPaddingX;
            const qreal right = table.columnEdges[column + 1] - cellPaddingX;
            return std::pair{QPointF(left, y + gridWidth + cellPaddingY), right - left};
        };
        const auto [termAt, termWidth] = cell(0);
        const qreal englishTerm = table.text.place(fromUtf8(entry.englishTerm), bold, termAt, termWidth).height;
        qreal tallest = englishTerm + table.text
                                          .place(fromUtf8(entry.chineseTerm), header ? bold : regular,
                                                 termAt + QPointF(0, englishTerm), termWidth)
                                          .height;
        const auto [chineseAt, chineseWidth] = cell(1);
        tallest = std::max(
            tallest,
            table.text.place(fromUtf8(entry.chineseDefinition), definitionFont, chineseAt, chineseWidth).height);
        const auto [englishAt, englishWidth] = cell(2);
        tallest = std::max(
            tallest,
            table.text.place(fromUtf8(entry.englishDefinition), definitionFont, englishAt, englishWidth).height);
        y += gridWidth + 2 * cellPaddingY + tallest;
    };
    addRow(help::GlossaryColumns, true);
    for (const help::GlossaryEntry& entry : help::Glossary) {
        addRow(entry, false);
    }
    table.rowEdges.push_back(y);
    y += gridWidth;

    const qreal line = QFontMetricsF(regular).height();
    y += std::round(noteAboveGap * line);
    y += table.text.place(fromUtf8(help::HppmNote), regular, {glossaryMargin, y}, tableWidth).height;
    y += std::round(noteLanguageGap * line);
    y += table.text.place(fromUtf8(help::HppmNoteChinese), regular, {glossaryMargin, y}, tableWidth).height;
    table.bottom = y;
    return table;
}

// Below this size the help icon's question mark is drawn pixel by pixel.
constexpr qreal smallestGlyphIcon = 24;

// A run of pixels in a row, from first to last inclusive.
struct MarkRow {
    int y;
    int first;
    int last;
};

constexpr std::array<MarkRow, 12> smallMark{{
    {3, 6, 9},
    {4, 5, 10},
    {5, 4, 6},
    {5, 9, 11},
    {6, 4, 5},
    {6, 10, 11},
    {7, 9, 10},
    {8, 8, 9},
    {9, 7, 8},
    {10, 7, 8},
    {12, 7, 8},
    {13, 7, 8},
}};

} // namespace

void drawHelpIcon(QPainter& painter, QSizeF size) {
    // A blue disc with a white question mark, lit from the upper left.
    const qreal s = std::min(size.width(), size.height());
    const QPointF centre(s / 2, s / 2);
    const qreal rim = std::max(1.0, std::round(s / 24));
    QPainterPath disc;
    disc.addEllipse(centre, s / 2 - rim / 2, s / 2 - rim / 2);
    QRadialGradient light(centre - QPointF(s / 5, s / 5), s * 0.8);
    light.setColorAt(0, QColor(0x7C, 0xB8, 0xF4));
    light.setColorAt(1, QColor(0x14, 0x4F, 0xB0));
    painter.fillPath(disc, light);
    painter.fillPath(QPainterPathStroker(QPen(QColor(0x0A, 0x2F, 0x70), rim)).createStroke(disc),
                     QColor(0x0A, 0x2F, 0x70));

    const QColor mark = Qt::white;
    if (s < smallestGlyphIcon) {
        // The rows of a question mark on the 16-pixel grid: its curves would
        // only blur at this size.
        const qreal u = s / 16;
        for (const MarkRow& row : smallMark) {
            painter.fillRect(QRectF(row.first * u, row.y * u, (row.last + 1 - row.first) * u, u), mark);
        }
        return;
    }
    // The glyph's ink, not its line box, is centred, on whole pixels so that
    // its strokes stay sharp.
    const QFont font = textFont(static_cast<int>(std::round(s * 0.8)), true);
    const QString text = QStringLiteral("?");
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
    const auto layout = layOut(text, font, std::nullopt);
    const QTextLine line = layout->lineAt(0);
    const qreal x = std::round(centre.x() - ink.center().x());
    const qreal baseline = std::round(centre.y() - ink.center().y());
    painter.setPen(mark);
    layout->draw(&painter, {x, baseline - line.y() - line.ascent()});
}

void drawNotePage(QPainter& painter, QSizeF size) {
    fillPage(painter, size);
    int pixelSize = noteLargestText;
    NoteText note = layOutNote(pixelSize);
    while (note.bottom > noteShownHeight && pixelSize > smallestPageText) {
        note = layOutNote(--pixelSize);
    }
    note.text.draw(painter);
}

void drawGlossaryPage(QPainter& painter, QSizeF size) {
    fillPage(painter, size);
    int pixelSize = glossaryLargestText;
    GlossaryTable table = layOutGlossary(size, pixelSize);
    while (table.bottom > size.height() - glossaryMargin && pixelSize > smallestPageText) {
        table = layOutGlossary(size, --pixelSize);
    }

    const qreal top = table.rowEdges.front();
    const qreal bottom = table.rowEdges.back() + gridWidth;
    const qreal left = table.columnEdges.front();
    const qreal right = table.columnEdges.back() + gridWidth;
    painter.fillRect(QRectF(left, top, right - left, table.rowEdges[1] - top), headerShade);
    for (const qreal y : table.rowEdges) {
        painter.fillRect(QRectF(left, y, right - left, gridWidth), gridInk);
    }
    for (const qreal x : table.columnEdges) {
        painter.fillRect(QRectF(x, top, gridWidth, bottom - top), gridInk);
    }
    table.text.draw(painter);
}

} // namespace levora::picturegen
