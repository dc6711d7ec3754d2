#include "page_text.h"
#include "picture.h"

#include <levora/help_texts.h>

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <optional>

namespace levora::picturegen {
namespace {

// The help window shows only the top of the page.
constexpr qreal shownHeight = 325;
constexpr qreal margin = 8;

// The notes stand in a column right of the picture of the window.
constexpr qreal notesLeft = 212;
constexpr qreal numberWidth = 16;
constexpr qreal noteGap = 6;
constexpr qreal groupGap = 12;
constexpr qreal headingGap = 4;
constexpr int largestNoteText = 13;
constexpr int smallestNoteText = 12;

// The picture of the estimation window, in the colours of the real one.
constexpr qreal windowLeft = 8;
constexpr qreal windowRight = 180;
constexpr qreal titleBarHeight = 14;
constexpr qreal frameInset = 4;
const QColor titleBar(0x00, 0x00, 0x80);
const QColor buttonFace(0xC0, 0xC0, 0xC0);
const QColor lightCyan(192, 255, 255);
const QColor inputPanel(0xFF, 0xFF, 0xE1);
const QColor labelGreen(0x00, 0x80, 0x00);
const QColor shadow(0x80, 0x80, 0x80);
const QColor connectorInk(0x50, 0x50, 0x50);

// A label of the window is drawn as a bar of its green, as high as a line
// of its text looks from afar.
constexpr qreal labelBarHeight = 7;
constexpr qreal fieldHeight = 18;
constexpr qreal resultLabelWidth = 64;
constexpr qreal resultFieldLeft = 96;
constexpr qreal resultFieldWidth = 72;
// The steps' labels differ in length as their words do.
constexpr std::array<qreal, 3> stepLabelWidths{106, 84, 96};
constexpr qreal stepFieldWidth = 128;
// A step's label stands this far above the middle of its field.
constexpr qreal stepLabelRise = 17;
constexpr qreal dropButtonWidth = 16;
constexpr qreal goSize = 26;
constexpr qreal partLeft = 20;
// From a result row to the next, and from a step to the next, at least.
constexpr qreal resultPitch = 24;
constexpr qreal stepPitch = fieldHeight / 2 + 10 + stepLabelRise;
constexpr qreal panelGap = 4;
// The top of the light-cyan result area, under the title bar.
constexpr qreal cyanTop = margin + titleBarHeight + panelGap;

// Where each part of the window is, found from the notes it is joined to.
struct HowToLayout {
    PageText text;
    // The width of a note's text, right of its number.
    qreal noteWidth = 0;
    std::array<qreal, 3> results{};
    std::array<qreal, 3> steps{};
    qreal notesBottom = 0;
    [[nodiscard]] qreal cyanBottom() const { return results.back() + resultPitch / 2 + 3; }
    [[nodiscard]] qreal inputTop() const { return cyanBottom() + panelGap; }
    [[nodiscard]] qreal goTop() const { return steps.back() + fieldHeight / 2 + 6; }
    [[nodiscard]] qreal windowBottom() const { return goTop() + goSize + 4 + frameInset; }
    [[nodiscard]] qreal bottom() const { return std::max(notesBottom, windowBottom()); }
};

qreal firstBaseline(const QString& text, const QFont& font, qreal width) {
    const auto layout = layOut(text, font, width);
    const QTextLine first = layout->lineAt(0);
    return first.y() + first.ascent();
}

// Lays out a group's heading and notes from y down, each note no higher than
// its part of the window allows: the line to it runs straight across, to the
// middle of the small letters of its first line. Returns the bottom.
qreal placeGroup(HowToLayout& page, const help::HowToGroup& group, qreal y, int pixelSize,
                 std::array<qreal, 3>& anchors, qreal firstAnchor, qreal pitch) {
    const QFont heading = textFont(pixelSize + 1, true);
    const QFont regular = textFont(pixelSize);
    const QFont bold = textFont(pixelSize, true);
    const qreal width = page.noteWidth;
    y += page.text
             .place(fromUtf8(group.english) + QStringLiteral("  ") + fromUtf8(group.chinese), heading,
                    {notesLeft, y}, std::nullopt)
             .height;
    y += headingGap;
    const qreal middle = std::round(QFontMetricsF(regular).xHeight() / 2);
    qreal least = firstAnchor;
    for (std::size_t i = 0; i < group.notes.size(); ++i) {
        const help::HowToNote& note = group.notes[i];
        const QString english = fromUtf8(note.english);
        const qreal baseline = firstBaseline(english, regular, width);
        y = std::max(y, least - baseline + middle);
        anchors[i] = y + baseline - middle;
        const QString number = fromUtf8(help::noteNumber(i)) + QLatin1Char('.');
        page.text.place(number, bold, {notesLeft, y + baseline - firstBaseline(number, bold, numberWidth)},
                        std::nullopt);
        const qreal textLeft = notesLeft + numberWidth;
        y += page.text.place(english, regular, {textLeft, y}, width).height;
        y += page.text.place(fromUtf8(note.chinese), regular, {textLeft, y}, width).height;
        y += noteGap;
        least = anchors[i] + pitch;
    }
    return y - noteGap;
}

HowToLayout layOutHowTo(QSizeF size, int pixelSize) {
    HowToLayout page;
    page.noteWidth = size.width() - margin - notesLeft - numberWidth;
    qreal y = margin;
    y = placeGroup(page, help::HowToOutputs, y, pixelSize, page.results, cyanTop + resultPitch / 2 + 3,
                   resultPitch);
    y += groupGap;
    // The first step's label keeps clear of the top of its panel.
    const qreal firstStep = page.inputTop() + 6 + stepLabelRise;
    page.notesBottom = placeGroup(page, help::HowToInputs, y, pixelSize, page.steps, firstStep, stepPitch);
    return page;
}

// A field sunk into its panel: shadow above and left, light below and right.
void drawField(QPainter& painter, const QRectF& field) {
    painter.fillRect(field, Qt::white);
    painter.fillRect(QRectF(field.left(), field.top(), field.width(), 1), shadow);
    painter.fillRect(QRectF(field.left(), field.top(), 1, field.height()), shadow);
    painter.fillRect(QRectF(field.left() + 1, field.top() + 1, field.width() - 2, 1), Qt::black);
    painter.fillRect(QRectF(field.left() + 1, field.top() + 1, 1, field.height() - 2), Qt::black);
    painter.fillRect(QRectF(field.left(), field.bottom() - 1, field.width(), 1), buttonFace);
    painter.fillRect(QRectF(field.right() - 1, field.top(), 1, field.height()), buttonFace);
}

// A face standing out of its panel: light above and left, shadow below and right.
void drawRaised(QPainter& painter, const QRectF& face) {
    painter.fillRect(face, buttonFace);
    painter.fillRect(QRectF(face.left(), face.top(), face.width(), 1), Qt::white);
    painter.fillRect(QRectF(face.left(), face.top(), 1, face.height()), Qt::white);
    painter.fillRect(QRectF(face.left(), face.bottom() - 1, face.width(), 1), Qt::black);
    painter.fillRect(QRectF(face.right() - 1, face.top(), 1, face.height()), Qt::black);
    painter.fillRect(QRectF(face.left() + 1, face.bottom() - 2, face.width() - 2, 1), shadow);
    painter.fillRect(QRectF(face.right() - 2, face.top() + 1, 1, face.height() - 2), shadow);
}

QRectF fieldAround(qreal left, qreal width, qreal middle) {
    return {left, middle - fieldHeight / 2, width, fieldHeight};
}

void drawDropDown(QPainter& painter, const QRectF& field) {
    drawField(painter, field);
    const QRectF button(field.right() - 2 - dropButtonWidth, field.top() + 2, dropButtonWidth, field.height() - 4);
    drawRaised(painter, button);
    // The arrow's rows shorten by a pixel at each end, which keeps its edges sharp.
    const qreal arrowTop = button.center().y() - 2;
    for (int row = 0; row < 4; ++row) {
        const qreal half = 3.5 - row;
        painter.fillRect(QRectF(std::floor(button.center().x() - half), arrowTop + row, 2 * half, 1), Qt::black);
    }
}

void drawLabelBar(QPainter& painter, qreal left, qreal width, qreal middle) {
    painter.fillRect(QRectF(left, std::round(middle - labelBarHeight / 2), width, labelBarHeight), labelGreen);
}

// A thin line from a part of the window to its note, with a dot on the part.
void drawConnector(QPainter& painter, qreal from, qreal middle) {
    painter.fillRect(QRectF(from - 1, middle - 1, 3, 3), connectorInk);
    painter.fillRect(QRectF(from, middle, notesLeft - 5 - from, 1), connectorInk);
}

void drawWindow(QPainter& painter, const HowToLayout& page, int pixelSize) {
    const qreal width = windowRight - windowLeft;
    drawRaised(painter, {windowLeft, margin, width, page.windowBottom() - margin});
    painter.fillRect(QRectF(windowLeft + 2, margin + 2, width - 4, titleBarHeight - 2), titleBar);
    const qreal panelLeft = windowLeft + frameInset;
    const qreal panelWidth = width - 2 * frameInset;

    painter.fillRect(QRectF(panelLeft, cyanTop, panelWidth, page.cyanBottom() - cyanTop), lightCyan);
    for (const qreal middle : page.results) {
        drawLabelBar(painter, partLeft, resultLabelWidth, middle);
        drawField(painter, fieldAround(resultFieldLeft, resultFieldWidth, middle));
    }

    const qreal inputBottom = page.windowBottom() - frameInset;
    painter.fillRect(QRectF(panelLeft, page.inputTop(), panelWidth, inputBottom - page.inputTop()), inputPanel);
    for (std::size_t i = 0; i < page.steps.size(); ++i) {
        const qreal middle = page.steps[i];
        drawLabelBar(painter, partLeft, stepLabelWidths.at(i), middle - stepLabelRise + labelBarHeight / 2);
        const QRectF field = fieldAround(partLeft, stepFieldWidth, middle);
        if (i == 0) {
            drawField(painter, field);
        } else {
            drawDropDown(painter, field);
        }
    }

    const QRectF go(partLeft + 36, page.goTop(), goSize, goSize);
    drawRaised(painter, go);
    const auto caption = layOut(fromUtf8(help::GoCaption), textFont(pixelSize - 1, true), std::nullopt);
    const QTextLine line = caption->lineAt(0);
    painter.setPen(Qt::black);
    caption->draw(&painter, {std::round(go.center().x() - line.naturalTextWidth() / 2),
                             std::round(go.center().y() - line.height() / 2)});

    for (const qreal middle : page.results) {
        drawConnector(painter, resultFieldLeft + resultFieldWidth + 3, middle);
    }
    for (const qreal middle : page.steps) {
        drawConnector(painter, partLeft + stepFieldWidth + 3, middle);
    }
}

} // namespace

void drawHowToPage(QPainter& painter, QSizeF size) {
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    int pixelSize = largestNoteText;
    HowToLayout page = layOutHowTo(size, pixelSize);
    while (page.bottom() > shownHeight && pixelSize > smallestNoteText) {
        page = layOutHowTo(size, --pixelSize);
    }
    drawWindow(painter, page, pixelSize);
    page.text.draw(painter);
}

} // namespace levora::picturegen
