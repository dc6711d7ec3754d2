#include "picture.h"

#include <QFont>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace levora::picturegen {
namespace {

// Nothing smaller stays legible in Chinese.
constexpr int smallestPixelSize = 7;

// The room kept free between the text and the picture's edges.
constexpr qreal textMargin = 1;
// A raised edge is one pixel wide on each side.
constexpr qreal edgeWidth = 1;

// Text starts at this fraction of the height of its line, which gives about
// 13 pixels for the 20 to 23 pixel high labels.
constexpr double naturalSizePerHeight = 0.65;
// A message starts at the size of the text on such a label.
constexpr qreal messageLineHeight = 20;

// A little air between the paragraphs of a message, in lines.
constexpr qreal paragraphGap = 0.3;

int naturalPixelSize(qreal lineHeight) { return static_cast<int>(std::floor(lineHeight * naturalSizePerHeight)); }

void drawRaisedEdge(QPainter& painter, QSizeF size) {
    const qreal w = size.width();
    const qreal h = size.height();
    painter.fillRect(QRectF(0, 0, w, edgeWidth), Qt::white);
    painter.fillRect(QRectF(0, 0, edgeWidth, h), Qt::white);
    painter.fillRect(QRectF(0, h - edgeWidth, w, edgeWidth), Qt::darkGray);
    painter.fillRect(QRectF(w - edgeWidth, 0, edgeWidth, h), Qt::darkGray);
}

} // namespace

QFont textFont(int pixelSize, bool bold) {
    QFont font;
    // Latin glyphs come from the first family; Chinese ones fall back to the second.
    font.setFamilies({QString::fromLatin1(LatinFamily), QString::fromLatin1(ChineseFamily)});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // Grey antialiasing and unhinted advances keep the pixels the same on every
    // display and let a 2x picture be the same layout, only finer.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

// Lays text out in lines at most width wide, or in one line without a width.
std::unique_ptr<QTextLayout> layOut(const QString& text, const QFont& font, std::optional<qreal> width) {
    auto layout = std::make_unique<QTextLayout>(text, font);
    QTextOption option;
    option.setUseDesignMetrics(true);
    // Chinese may break between any two characters; the line breaking rules
    // still keep closing punctuation off the start of a line.
    option.setWrapMode(width ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout->setTextOption(option);
    layout->beginLayout();
    // Whole-pixel baselines keep the horizontal strokes of the characters sharp.
    qreal baseline = 0;
    bool first = true;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        if (width) {
            line.setLineWidth(*width);
        } else {
            line.setNumColumns(static_cast<int>(text.size()));
        }
        baseline += first ? std::ceil(line.ascent()) : std::ceil(line.height());
        first = false;
        line.setPosition({0, baseline - line.ascent()});
    }
    layout->endLayout();
    return layout;
}

qreal widestLine(const QTextLayout& layout) {
    qreal widest = 0;
    for (int i = 0; i < layout.lineCount(); ++i) {
        widest = std::max(widest, layout.lineAt(i).naturalTextWidth());
    }
    return widest;
}

qreal laidOutHeight(const QTextLayout& layout) {
    const int lines = layout.lineCount();
    if (lines == 0) {
        return 0;
    }
    const QTextLine last = layout.lineAt(lines - 1);
    return last.y() + last.height();
}

void drawCaption(QPainter& painter, QSizeF size, const Caption& caption) {
    painter.fillRect(QRectF(QPointF(0, 0), size), caption.face);
    const qreal inset = textMargin + (caption.raised ? edgeWidth : 0);
    if (caption.raised) {
        drawRaisedEdge(painter, size);
    }
    const QRectF room(QPointF(0, 0), size);
    const QRectF inside = room.adjusted(inset, inset, -inset, -inset);

    int pixelSize = naturalPixelSize(size.height());
    auto layout = layOut(caption.text, textFont(pixelSize, caption.bold), std::nullopt);
    while (widestLine(*layout) > inside.width() && pixelSize > smallestPixelSize) {
        --pixelSize;
        layout = layOut(caption.text, textFont(pixelSize, caption.bold), std::nullopt);
    }

    const QTextLine line = layout->lineAt(0);
    qreal x = inside.left();
    if (caption.alignment.testFlag(Qt::AlignHCenter)) {
        x = room.left() + (room.width() - line.naturalTextWidth()) / 2;
    } else if (caption.alignment.testFlag(Qt::AlignRight)) {
        x = inside.right() - line.naturalTextWidth();
    }
    const qreal top = std::round((room.height() - line.height()) / 2);
    painter.setPen(caption.ink);
    layout->draw(&painter, {std::round(x), top});

    if (caption.underline) {
        // One whole row of pixels, clear of the feet of the Chinese characters,
        // which reach below the Latin baseline.
        const qreal baseline = std::round(top + line.y() + line.ascent());
        const qreal below = std::ceil(line.descent() / 2);
        painter.fillRect(QRectF(std::round(x), baseline + below, std::round(line.naturalTextWidth()), 1),
                         caption.ink);
    }
}

void drawMessage(QPainter& painter, QSizeF size, const Message& message) {
    const QRectF inside = QRectF(QPointF(0, 0), size).adjusted(textMargin, textMargin, -textMargin, -textMargin);

    int pixelSize = naturalPixelSize(messageLineHeight);
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    std::vector<qreal> tops;
    for (;;) {
        layouts.clear();
        tops.clear();
        qreal y = 0;
        for (const Paragraph& paragraph : message.paragraphs) {
            if (!layouts.empty()) {
                y += std::round(paragraphGap * layouts.back()->lineAt(0).height());
            }
            layouts.push_back(layOut(paragraph.text, textFont(pixelSize, paragraph.bold), inside.width()));
            tops.push_back(y);
            y += std::ceil(laidOutHeight(*layouts.back()));
        }
        if (y <= inside.height() || pixelSize <= smallestPixelSize) {
            break;
        }
        --pixelSize;
    }

    for (std::size_t i = 0; i < layouts.size(); ++i) {
        painter.setPen(message.paragraphs[i].ink);
        layouts[i]->draw(&painter, {inside.left(), inside.top() + tops[i]});
    }
}

} // namespace levora::picturegen
