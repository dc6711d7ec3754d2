#include "page_text.h"

#include "picture.h"

#include <QPainter>
#include <QTextLayout>

#include <cmath>
#include <utility>

namespace levora::picturegen {

PageText::PageText() = default;
PageText::PageText(PageText&&) noexcept = default;
PageText& PageText::operator=(PageText&&) noexcept = default;
PageText::~PageText() = default;

TextExtent PageText::place(const QString& text, const QFont& font, QPointF topLeft, std::optional<qreal> width,
                           const QColor& ink) {
    auto layout = layOut(text, font, width);
    TextExtent extent{.height = std::ceil(laidOutHeight(*layout))};
    if (layout->lineCount() > 0) {
        const QTextLine first = layout->lineAt(0);
        extent.firstBaseline = first.y() + first.ascent();
    }
    blocks_.push_back({std::move(layout), {std::round(topLeft.x()), std::round(topLeft.y())}, ink});
    return extent;
}

void PageText::draw(QPainter& painter) const {
    for (const Block& block : blocks_) {
        painter.setPen(block.ink);
        block.layout->draw(&painter, block.at);
    }
}

} // namespace levora::picturegen
