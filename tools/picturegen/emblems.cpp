#include "picture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>

namespace levora::picturegen {
namespace {

const QColor flagBlue(0x02, 0x4F, 0xA2);
const QColor flagRed(0xED, 0x1C, 0x27);

// The program's name in letters any smaller is a grey smear.
constexpr qreal smallestNamePixelSize = 8;

/// A five-pointed star standing on two points, its top point straight up.
QPainterPath star(QPointF centre, qreal outerRadius) {
    const qreal innerRadius = outerRadius * 0.382;
    QPainterPath path;
    for (int corner = 0; corner < 10; ++corner) {
        const qreal radius = corner % 2 == 0 ? outerRadius : innerRadius;
        const qreal angle = -std::numbers::pi / 2 + corner * std::numbers::pi / 5;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (corner == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

/// A degree of longitude and latitude on the map of East Asia, from 110 to
/// 145 degrees east and from 50 down to 30 degrees north.
struct MapFrame {
    QSizeF size;
    [[nodiscard]] QPointF at(qreal east, qreal north) const {
        return {(east - 110) / 35 * size.width(), (50 - north) / 20 * size.height()};
    }
    [[nodiscard]] QPainterPath shape(std::initializer_list<std::pair<qreal, qreal>> coast) const {
        QPolygonF outline;
        for (const auto& [east, north] : coast) {
            outline << at(east, north);
        }
        QPainterPath path;
        path.addPolygon(outline);
        path.closeSubpath();
        return path;
    }
};

} // namespace

void drawProgramIcon(QPainter& painter, QSizeF size) {
    const QRectF tile(QPointF(0, 0), size);
    QLinearGradient sky(tile.topLeft(), tile.bottomRight());
    sky.setColorAt(0, QColor(0x0B, 0x2E, 0x6F));
    sky.setColorAt(1, QColor(0x1B, 0x7F, 0x9A));
    painter.fillRect(tile, sky);

    // A red band from the lower left to the upper right corner, edged in
    // white, and the name written along it.
    painter.save();
    painter.translate(tile.center());
    painter.rotate(-45);
    const qreal diagonal = std::hypot(size.width(), size.height());
    const qreal band = size.height() * 0.36;
    const qreal edge = std::max(1.0, size.height() / 40);
    painter.fillRect(QRectF(-diagonal / 2, -band / 2 - edge, diagonal, band + 2 * edge), Qt::white);
    painter.fillRect(QRectF(-diagonal / 2, -band / 2, diagonal, band), flagRed);

    QFont font;
    font.setFamily(QString::fromLatin1(LatinFamily));
    font.setBold(true);
    font.setPixelSize(100);
    // Fill most of the diagonal, the letters no taller than the band. Where the
    // name would come out too small to read, as on the smallest desktop icons,
    // the band carries its initial alone.
    QString name = QStringLiteral("Levora");
    const auto fittingPixelSize = [&font, diagonal, band](const QString& text) {
        const qreal fullWidth = QFontMetricsF(font).horizontalAdvance(text);
        return std::floor(std::min(100 * diagonal * 0.62 / fullWidth, band * 0.95 / 0.72));
    };
    qreal pixelSize = fittingPixelSize(name);
    if (pixelSize < smallestNamePixelSize) {
        name = name.left(1);
        pixelSize = fittingPixelSize(name);
    }
    font.setPixelSize(static_cast<int>(pixelSize));
    const QFontMetricsF metrics(font);
    QPainterPath text;
    text.addText(-metrics.horizontalAdvance(name) / 2, metrics.capHeight() / 2, font, name);
    painter.fillPath(text, Qt::white);
    painter.restore();
}

void drawFlag(QPainter& painter, QSizeF size) {
    const qreal w = size.width();
    const qreal h = size.height();
    // Stripes, top to bottom: blue, white, red, white, blue.
    const qreal blue = h / 6;
    const qreal white = h / 24;
    painter.fillRect(QRectF(0, 0, w, h), flagBlue);
    painter.fillRect(QRectF(0, blue, w, h - 2 * blue), Qt::white);
    const QRectF red(0, blue + white, w, h - 2 * (blue + white));
    painter.fillRect(red, flagRed);

    // The white disc with the red star, nearer the hoist.
    const QPointF centre(w * 0.34, h / 2);
    const qreal radius = red.height() * 0.36;
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    painter.fillPath(disc, Qt::white);
    painter.fillPath(star(centre, radius * 0.95), flagRed);
}

void drawEastAsiaMap(QPainter& painter, QSizeF size) {
    painter.fillRect(QRectF(QPointF(0, 0), size), QColor(0x1D, 0x3F, 0x7A));
    const MapFrame map{size};
    const QColor land(0x7E, 0xA8, 0x6A);
    // Coasts are filled as areas, which keeps a 2x picture the same drawing.
    const QColor coast(0x2E, 0x4A, 0x2A);
    const QPainterPathStroker coastline(QPen(coast, 0.6));

    const QPainterPath mainland = map.shape({
        {110, 50},     {145, 50},     {140.5, 48.5}, {138, 46},     {135, 43.5},   {131.5, 43},   {130.6, 42.4},
        {129.8, 41.8}, {128.6, 40.6}, {127.5, 39.9}, {127.4, 39.2}, {128.9, 37.8}, {129.4, 36},   {129, 35.1},
        {127.5, 34.7}, {126.3, 34.4}, {126.4, 34.8}, {126.5, 36},   {126.6, 37.4}, {125.7, 38},   {124.7, 38.1},
        {125.4, 38.7}, {124.8, 39.6}, {124.4, 40.1}, {122.2, 40.6}, {121.6, 38.9}, {121.1, 40.9}, {119.6, 39.9},
        {117.7, 39},   {118.9, 37.5}, {121.4, 37.5}, {122.4, 37.4}, {120.4, 36.1}, {119.3, 34.7}, {121.9, 31.2},
        {122, 30},     {110, 30},
    });
    const std::initializer_list<QPainterPath> islands{
        // Honshu, Kyushu, Shikoku, Hokkaido, Sakhalin and Jeju.
        map.shape({{130.9, 34},   {131.5, 34.7}, {133, 35.5},   {135.5, 35.7}, {136.7, 37.3}, {138.5, 38},
                   {140, 39.6},   {140, 41.2},   {141.5, 41.4}, {142, 39.5},   {141, 38.3},   {140.9, 36.9},
                   {140.6, 35.7}, {139.8, 35},   {138.7, 34.7}, {137, 34.6},   {136.8, 34.3}, {135.1, 33.8},
                   {134.6, 34.6}, {133, 34.3},   {132, 33.9}}),
        map.shape({{129.7, 33.2},
                   {130.3, 33.9},
                   {131, 33.9},
                   {131.9, 33.2},
                   {131.4, 31.4},
                   {130.6, 31},
                   {130.1, 32.5},
                   {129.6, 32.8}}),
        map.shape({{132.5, 33.3}, {133.3, 34.2}, {134.6, 34.2}, {134.7, 33.8}, {133.9, 33.4}, {133, 32.8}}),
        map.shape({{140, 41.5},
                   {140, 43},
                   {141.3, 43.3},
                   {141.8, 45.4},
                   {142.9, 44.6},
                   {145.3, 44.3},
                   {145.5, 43.2},
                   {143.3, 42},
                   {141.1, 42.4},
                   {140.5, 41.7}}),
        map.shape({{141.8, 46.3}, {142, 48}, {142.2, 50}, {143.2, 50}, {142.8, 48}, {143.4, 46.8}, {142.5, 46.7}}),
        map.shape({{126.2, 33.4}, {126.5, 33.6}, {126.9, 33.5}, {126.6, 33.2}}),
    };
    painter.fillPath(mainland, land);
    for (const QPainterPath& island : islands) {
        painter.fillPath(island, land);
    }

    // North Korea, from the Yalu to the Tumen and down to the demarcation line.
    const QPainterPath north = map.shape({
        {124.4, 40.1},
        {125.5, 40.8},
        {126.9, 41.8},
        {128.2, 41.9},
        {128.9, 42},
        {129.7, 42.5},
        {130.6, 42.4},
        {129.8, 41.8},
        {128.6, 40.6},
        {127.5, 39.9},
        {127.4, 39.2},
        {128.4, 38.6},
        {127.1, 38.3},
        {126.7, 37.8},
        {125.7, 38},
        {124.7, 38.1},
        {125.4, 38.7},
        {124.8, 39.6},
    });
    painter.fillPath(north, QColor(0xD9, 0x4A, 0x3A));
    painter.fillPath(coastline.createStroke(mainland), coast);
    for (const QPainterPath& island : islands) {
        painter.fillPath(coastline.createStroke(island), coast);
    }
}

} // namespace levora::picturegen
