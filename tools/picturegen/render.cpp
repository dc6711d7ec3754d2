#include "picture.h"

#include <QPainter>

#include <type_traits>

namespace levora::picturegen {
namespace {

// 96 pixels per inch, so that viewers show a picture at its pixel size.
constexpr int dotsPerMeter = 3780;

bool isOpaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 255) {
                return false;
            }
        }
    }
    return true;
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
    // Opaque pictures are stored without an alpha channel.
    image = image.convertToFormat(isOpaque(image) ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    image.setDotsPerMeterX(dotsPerMeter * scale);
    image.setDotsPerMeterY(dotsPerMeter * scale);
    return image;
}

} // namespace levora::picturegen
