#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <memory>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

class QFont;
class QPainter;
class QTextLayout;

namespace levora::picturegen {

// Chinese text is set in this family and Latin text in the Arial-metric one;
// the generator refuses to run without them rather than draw empty boxes.
inline constexpr auto ChineseFamily = "WenQuanYi Micro Hei";
inline constexpr auto LatinFamily = "Liberation Sans";

// One line of text filling its control, shrunk from a size natural for the
// control's height until it fits the width.
struct Caption {
    QString text;
    QColor ink;
    bool bold = false;
    // Left, centred or right; every caption is centred vertically.
    Qt::Alignment alignment = Qt::AlignLeft;
    QColor face = Qt::transparent;
    // A raised button edge: light above and left, shadow below and right.
    bool raised = false;
    // A line in the ink under the whole text, as links have.
    bool underline = false;
};

// A paragraph of a message, in its own colour and weight.
struct Paragraph {
    QString text;
    QColor ink;
    bool bold = false;
};

// Paragraphs wrapped to the picture's width, all shrunk together until they
// fit its height.
struct Message {
    std::vector<Paragraph> paragraphs;
};

// Draws a picture in logical pixels on a painter already scaled to the output.
using Drawing = void (*)(QPainter& painter, QSizeF size);

struct Picture {
    QString name;
    QSize size; // in logical pixels, the size of the control it fills
    std::variant<Caption, Message, Drawing> content;
};

// Every picture the program uses, in the order they are listed.
const std::vector<Picture>& pictures();

// The program's icon for the desktop's icon theme, drawn afresh at each of the
// theme's sizes, each a picture named by its size ("16x16").
const std::vector<Picture>& programIcons();
// Where the theme keeps an icon, relative to the theme's parent directory.
QString programIconPath(const Picture& icon);

// The picture at scale times its logical size.
QImage render(const Picture& picture, int scale);

// The one picture of that name; the generator stops if there is none.
const Picture& picture(const QString& name);

// The texts of the help pages are kept as UTF-8 for code without Qt.
inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The font of all text: Latin glyphs from LatinFamily, Chinese ones from ChineseFamily.
QFont textFont(int pixelSize, bool bold = false);
// Lays text out on whole-pixel baselines, in lines at most width wide, or in
// one line without a width.
std::unique_ptr<QTextLayout> layOut(const QString& text, const QFont& font, std::optional<qreal> width);
qreal widestLine(const QTextLayout& layout);
// From the top of the first line to the bottom of the last.
qreal laidOutHeight(const QTextLayout& layout);

void drawCaption(QPainter& painter, QSizeF size, const Caption& caption);
void drawMessage(QPainter& painter, QSizeF size, const Message& message);

void drawSmile(QPainter& painter, QSizeF size);
void drawDocumentIcon(QPainter& painter, QSizeF size);
void drawHandCursor(QPainter& painter, QSizeF size);
void drawProgramIcon(QPainter& painter, QSizeF size);
void drawFlag(QPainter& painter, QSizeF size);
void drawEastAsiaMap(QPainter& painter, QSizeF size);

// The help window's icon and its pages.
void drawHelpIcon(QPainter& painter, QSizeF size);
void drawNotePage(QPainter& painter, QSizeF size);
void drawHowToPage(QPainter& painter, QSizeF size);
void drawGlossaryPage(QPainter& painter, QSizeF size);

} // namespace levora::picturegen
