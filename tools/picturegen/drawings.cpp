#include "picture.h"

#include <levora/pictures.h>

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>

namespace levora::picturegen {
namespace {

const QColor ink(0x20, 0x20, 0x20);

// Moves a coordinate to the middle of its pixel, where a one-pixel line
// covers exactly one row or column.
qreal onPixel(qreal x) { return std::floor(x) + 0.5; }

QPen outlinePen(const QColor& colour, qreal width = 1, Qt::PenJoinStyle join = Qt::RoundJoin) {
    return {colour, width, Qt::SolidLine, Qt::RoundCap, join};
}

// Fills the area a pen would cover. A painter strokes pens one device pixel
// wide with a thin line algorithm of its own, which would make the 1x and 2x
// pictures differ in more than their resolution.
void strokeAsArea(QPainter& painter, const QPainterPath& path, const QPen& pen) {
    painter.fillPath(QPainterPathStroker(pen).createStroke(path), pen.brush());
}

void drawOutlined(QPainter& painter, const QPainterPath& shape, const QBrush& fill, const QPen& pen) {
    painter.fillPath(shape, fill);
    strokeAsArea(painter, shape, pen);
}

QPainterPath roundedRect(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

} // namespace

void drawSmile(QPainter& painter, QSizeF size) {
    const qreal d = std::min(size.width(), size.height()) - 1;
    const QPointF c(size.width() / 2, size.height() / 2);
    const qreal r = d / 2;

    QPainterPath face;
    face.addEllipse(c, r, r);
    QRadialGradient light(c - QPointF(r / 3, r / 3), r * 1.5);
    light.setColorAt(0, QColor(255, 250, 140));
    light.setColorAt(1, QColor(250, 200, 0));
    drawOutlined(painter, face, light, outlinePen(QColor(0x60, 0x40, 0x00)));

    const QSizeF eye(r * 0.22, r * 0.34);
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath path;
        path.addEllipse(QRectF(QPointF(c.x() + side * r * 0.36 - eye.width() / 2, c.y() - r * 0.45), eye));
        painter.fillPath(path, ink);
    }

    QPainterPath smile;
    smile.moveTo(c.x() - r * 0.55, c.y() + r * 0.15);
    smile.quadTo(c.x(), c.y() + r * 0.85, c.x() + r * 0.55, c.y() + r * 0.15);
    strokeAsArea(painter, smile, outlinePen(ink, 1.3));
}

void drawDocumentIcon(QPainter& painter, QSizeF size) {
    // Every edge of the page runs along the pixel grid or at 45 degrees, which
    // come out sharpest without antialiasing.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const qreal s = std::min(size.width(), size.height());
    const qreal u = s / 16; // the page is laid out on a 16-pixel grid
    const qreal left = onPixel(2 * u);
    const qreal right = onPixel(s - 1 - 2 * u);
    const qreal top = 0.5;
    const qreal bottom = s - 0.5;
    const qreal fold = std::round(4 * u);

    QPainterPath sheet;
    sheet.moveTo(left, top);
    sheet.lineTo(right - fold, top);
    sheet.lineTo(right, top + fold);
    sheet.lineTo(right, bottom);
    sheet.lineTo(left, bottom);
    sheet.closeSubpath();
    const QPen pen = outlinePen(ink, 1, Qt::MiterJoin);
    drawOutlined(painter, sheet, Qt::white, pen);

    QPainterPath corner;
    corner.moveTo(right - fold, top);
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    corner.closeSubpath();
    drawOutlined(painter, corner, QColor(0xD0, 0xD0, 0xD0), pen);

    // Lines of text: the first one beside the fold, the last one a paragraph's end.
    const QColor grey(0x90, 0x90, 0x90);
    const qreal thickness = std::max(1.0, std::round(u / 2));
    const qreal step = thickness + std::round(u) + 1;
    const qreal textLeft = left + 0.5 + std::round(1.5 * u);
    const qreal textRight = right - 0.5 - std::round(1.5 * u);
    const qreal firstLine = std::round(3 * u);
    const qreal lastLine = bottom - std::round(2.5 * u);
    const int lines = static_cast<int>(std::floor((lastLine - firstLine) / step)) + 1;
    for (int line = 0; line < lines; ++line) {
        const qreal y = firstLine + line * step;
        qreal end = y < top + fold + 1 ? right - 0.5 - fold - std::round(1.5 * u) : textRight;
        if (line == lines - 1) {
            end = textLeft + std::round((textRight - textLeft) * 0.6);
        }
        painter.fillRect(QRectF(textLeft, y, end - textLeft, thickness), grey);
    }
}

void drawHandCursor(QPainter& painter, QSizeF /*size*/) {
    // Cursors are crisp black and white; soft edges would only blur a shape
    // this small.
    painter.setRenderHint(QPainter::Antialiasing, false);

    // The hand hangs from the tip of the index finger, the hot spot, through
    // which the top row of the outline passes.
    const qreal tipX = pictures::HandCursorHotX + 0.5;
    const qreal tipY = pictures::HandCursorHotY + 0.5;
    const qreal finger = 4; // a finger's width between the centres of its outline
    const qreal indexLeft = tipX - finger / 2;
    // The tops of the three folded fingers, from the middle to the little one.
    const std::array knuckles{tipY + 9, tipY + 10, tipY + 12};
    const qreal fingersBottom = tipY + 18;

    QPainterPath hand = roundedRect({indexLeft, tipY, finger, 17}, finger / 2);
    qreal x = indexLeft + finger;
    for (const qreal knuckle : knuckles) {
        hand = hand.united(roundedRect({x, knuckle, finger, fingersBottom - knuckle}, finger / 2));
        x += finger;
    }
    const qreal palmRight = x;

    QPainterPath palm;
    palm.moveTo(indexLeft, tipY + 14);
    palm.lineTo(palmRight, tipY + 14);
    palm.lineTo(palmRight, tipY + 22);
    palm.lineTo(palmRight - 3, tipY + 28);
    palm.lineTo(indexLeft + 2, tipY + 28);
    palm.lineTo(indexLeft - 2, tipY + 23);
    palm.closeSubpath();

    QPainterPath thumb;
    thumb.moveTo(indexLeft, tipY + 17);
    thumb.lineTo(indexLeft - 4, tipY + 13);
    thumb.quadTo(indexLeft - 6.5, tipY + 12.5, indexLeft - 6, tipY + 15.5);
    thumb.lineTo(indexLeft - 2, tipY + 23);
    thumb.closeSubpath();

    hand = hand.united(palm).united(thumb).simplified();
    drawOutlined(painter, hand, Qt::white, outlinePen(Qt::black));

    // The clefts between the folded fingers.
    x = indexLeft + finger;
    for (const qreal knuckle : knuckles) {
        painter.fillRect(QRectF(x - 0.5, knuckle + 2, 1, tipY + 16 - knuckle - 2), Qt::black);
        x += finger;
    }
}

} // namespace levora::picturegen
