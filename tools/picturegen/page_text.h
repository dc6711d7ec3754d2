#pragma once

// The text of the help pages: blocks laid out ahead of drawing, so that a
// page can try a size and shrink it until everything fits.
#include <QColor>
#include <QPointF>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QFont;
class QPainter;
class QTextLayout;

namespace levora::picturegen {

// Where a placed block of text ended up, in whole pixels from its top.
struct TextExtent {
    qreal height = 0;
    // The baseline of the first line, which lines pointing at the text meet.
    qreal firstBaseline = 0;
};

class PageText {
public:
    PageText();
    PageText(PageText&&) noexcept;
    PageText& operator=(PageText&&) noexcept;
    PageText(const PageText&) = delete;
    PageText& operator=(const PageText&) = delete;
    ~PageText();

    // Lays text out with its top left corner at topLeft, moved to a whole
    // pixel, in lines at most width wide, or in one line without a width.
    TextExtent place(const QString& text, const QFont& font, QPointF topLeft, std::optional<qreal> width,
                     const QColor& ink = Qt::black);
    void draw(QPainter& painter) const;

private:
    struct Block {
        std::unique_ptr<QTextLayout> layout;
        QPointF at;
        QColor ink;
    };
    std::vector<Block> blocks_;
};

} // namespace levora::picturegen
