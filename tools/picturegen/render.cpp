#include "picture.h"

#include <QPainter>

#include <type_traits>

namespace levora::picturegen {
namespace {

// 96 pixels per inch, so that viewers show a picture at its pixel size.
constexpr int dotsPerMeter = 3780;

template <typename Predicate>
bool everyPixel(const QImage& image, Predicate is) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!is(image.pixel(x, y))) {
                return false;
            }
        }
    }
    return true;
}

bool isOpaque(QRgb pixel) { return qAlpha(pixel) == 255; }

bool isOpaqueGrey(QRgb pixel) {
    return isOpaque(pixel) && qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
}

// Opaque pictures are stored without an alpha channel, and those in shades
// of grey alone at one byte a pixel: the program keeps them so in memory.
QImage::Format storedFormat(const QImage& image) {
    if (everyPixel(image, isOpaqueGrey)) {
        return QImage::Format_Grayscale8;
    }
    return everyPixel(image, isOpaque) ? QImage::Format_RGB32 : QImage::Format_ARGB32;
}

} // namespace

QImage render(const Picture& picture, int scale) {
    QImage image(picture.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.scale(scale, scale);
        const QSizeF size(picture.size);
        std::visit(
            [&painter, size](const auto& content) {
                using Content = std::decay_t<decltype(content)>;
                if constexpr (std::is_same_v<Content, Caption>) {
                    drawCaption(painter, size, content);
                } else if constexpr (std::is_same_v<Content, Message>) {
                    drawMessage(painter, size, content);
                } else {
                    content(painter, size);
                }
            },
            picture.content);
    }
    image = image.convertToFormat(storedFormat(image));
    image.setDotsPerMeterX(dotsPerMeter * scale);
    image.setDotsPerMeterY(dotsPerMeter * scale);
    return image;
}

} // namespace levora::picturegen
