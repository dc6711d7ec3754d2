// Properties of the help window's pictures that a reader relies on: the pages
// keep to the part of them the window shows, the printed pages are grey, the
// links are underlined and the buttons raised like the others.
#include <levora/help_texts.h>

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

namespace help = levora::help;

QImage compiled(const char* name) {
    return QImage(QStringLiteral(":/pictures/%1.png").arg(QString::fromLatin1(name)))
        .convertToFormat(QImage::Format_ARGB32);
}

bool isGrey(QRgb pixel) { return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel); }

// Dark enough for a line or a stroke, not the antialiased fringe of one.
bool isDark(QRgb pixel) {
    return qAlpha(pixel) == 255 && std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 0x80;
}

bool isPaper(QRgb pixel) { return pixel == qRgb(0xFF, 0xFF, 0xFF); }

// The smallest rectangle holding every pixel that is not white paper.
QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!isPaper(image.pixel(x, y))) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

int countPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// The longest run of pixels of exactly that colour in row y.
int longestRun(const QImage& image, int y, QRgb colour) {
    int longest = 0;
    int run = 0;
    for (int x = 0; x < image.width(); ++x) {
        run = image.pixel(x, y) == colour ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

struct PageCase {
    const char* name;
    // Where the window shows the page, less a margin: all ink stays inside.
    QRect shown;
    // The ink spreads over at least this share of the shown width, as
    // wrapped text or a table filling the page does.
    double filledWidth;
};

const std::vector<PageCase> pageCases{
    // The window shows the top 245 pixels of the notice page, 440 wide.
    {"note_page", QRect(4, 4, 436, 236), 0.9},
    // It cuts the how-to page off below 330 pixels.
    {"howto_page", QRect(4, 4, 512, 321), 0.9},
    // The glossary shows whole; nothing may run into the page's edges.
    {"glossary_page", QRect(4, 4, 709, 880), 0.95},
};

TEST(HelpPages, KeepAllInkWhereTheWindowShowsIt) {
    for (const PageCase& page : pageCases) {
        SCOPED_TRACE(page.name);
        const QImage image = compiled(page.name);
        ASSERT_FALSE(image.isNull());
        const QRect ink = inkBounds(image);
        ASSERT_FALSE(ink.isNull());
        EXPECT_TRUE(page.shown.contains(ink))
            << "ink from " << ink.left() << ',' << ink.top() << " to " << ink.right() << ',' << ink.bottom();
        EXPECT_GE(ink.width(), page.filledWidth * page.shown.width());
    }
}

TEST(HelpPages, NoticeTextFillsTheShownPartAndLeavesTheRestBlank) {
    const QImage image = compiled("note_page");
    ASSERT_FALSE(image.isNull());
    const QRect ink = inkBounds(image);
    // Two paragraphs of some 40 words each take well over half of the 240
    // pixels at a readable size, and none of the 200 rows below.
    EXPECT_GE(ink.height(), 150);
    EXPECT_LT(ink.bottom(), 240);
    for (int y = 250; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_TRUE(isPaper(image.pixel(x, y))) << x << ',' << y;
        }
    }
}

struct ColourCase {
    const char* name;
    bool coloured;
};

TEST(HelpPages, PrintedPagesAreGreyAndTheHowToPageIsInColour) {
    const std::vector<ColourCase> cases{{"note_page", false}, {"glossary_page", false}, {"howto_page", true}};
    for (const ColourCase& page : cases) {
        SCOPED_TRACE(page.name);
        const QImage image = compiled(page.name);
        ASSERT_FALSE(image.isNull());
        int coloured = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                coloured += isGrey(image.pixel(x, y)) ? 0 : 1;
            }
        }
        if (page.coloured) {
            EXPECT_GT(coloured, 1000);
        } else {
            EXPECT_EQ(coloured, 0);
        }
    }
}

TEST(HelpPages, HowToPageShowsTheWindowInItsColours) {
    const QImage image = compiled("howto_page");
    ASSERT_FALSE(image.isNull());
    // The light-cyan result area, the green labels and the pale yellow of the
    // input area, each over a good part of the picture of the window.
    EXPECT_GT(countPixels(image, qRgb(192, 255, 255)), 3000);
    EXPECT_GT(countPixels(image, qRgb(0x00, 0x80, 0x00)), 1000);
    EXPECT_GT(countPixels(image, qRgb(0xFF, 0xFF, 0xE1)), 3000);
}

TEST(HelpPages, HowToPageJoinsEachOfSixNotesByOneThinLine) {
    const QImage image = compiled("howto_page");
    ASSERT_FALSE(image.isNull());
    // Between the picture of the window and the notes only the lines cross
    // this column: one a row each, for three outputs and three inputs.
    constexpr int between = 196;
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (isDark(image.pixel(between, y))) {
            rows.push_back(y);
        }
    }
    ASSERT_EQ(rows.size(), help::HowToOutputs.notes.size() + help::HowToInputs.notes.size());
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_GT(rows[i] - rows[i - 1], 12) << "lines at " << rows[i - 1] << " and " << rows[i];
    }
    for (const int y : rows) {
        // Each runs straight across the gap.
        for (int x = between - 8; x <= between + 8; ++x) {
            EXPECT_TRUE(isDark(image.pixel(x, y))) << x << ',' << y;
        }
    }
}

TEST(HelpPages, GlossaryTableHasARowForTheHeadsAndEachTerm) {
    const QImage image = compiled("glossary_page");
    ASSERT_FALSE(image.isNull());
    // Grid lines run across nearly the whole page or down the whole table.
    int across = 0;
    for (int y = 0; y < image.height(); ++y) {
        int dark = 0;
        for (int x = 0; x < image.width(); ++x) {
            dark += isDark(image.pixel(x, y)) ? 1 : 0;
        }
        across += dark >= image.width() * 9 / 10 ? 1 : 0;
    }
    // Above the heads, under them and under each entry.
    EXPECT_EQ(across, static_cast<int>(help::Glossary.size()) + 2);

    const QRect ink = inkBounds(image);
    int down = 0;
    for (int x = 0; x < image.width(); ++x) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y) {
            dark += isDark(image.pixel(x, y)) ? 1 : 0;
        }
        // The table stands above the note, so a line down it is over half the ink.
        down += dark >= ink.height() / 2 ? 1 : 0;
    }
    // The left edge, the right edge and between the three columns.
    EXPECT_EQ(down, 4);
}

struct LinkCase {
    const char* name;
    bool underlined;
};

TEST(HelpTopics, LinksAreUnderlinedAndLabelsAreNot) {
    const QRgb green = qRgb(0x00, 0x80, 0x00);
    const std::vector<LinkCase> cases{
        {"link_notice", true},    {"link_howto", true},     {"link_glossary", true},
        {"result_burden", false}, {"step1_revenue", false}, {"title_three_steps", false},
    };
    for (const LinkCase& link : cases) {
        SCOPED_TRACE(link.name);
        const QImage image = compiled(link.name);
        ASSERT_FALSE(image.isNull());
        // The text's extent: every pixel with some ink.
        QRect text;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) > 0) {
                    text |= QRect(x, y, 1, 1);
                }
            }
        }
        ASSERT_FALSE(text.isNull());
        // An underline is one unbroken green row under the whole text, its
        // lowest row of ink.
        int underlineRow = -1;
        for (int y = 0; y < image.height(); ++y) {
            if (longestRun(image, y, green) >= text.width() * 9 / 10) {
                underlineRow = y;
            }
        }
        if (link.underlined) {
            EXPECT_EQ(underlineRow, text.bottom());
            // Under letters, not a line by itself.
            EXPECT_GE(text.height(), 8);
        } else {
            EXPECT_EQ(underlineRow, -1);
        }
    }
}

TEST(HelpTopics, HelpButtonsAreRaisedLikeTheOtherButtons) {
    const QRgb light = qRgb(0xFF, 0xFF, 0xFF);
    const QRgb shadow = QColor(Qt::darkGray).rgb();
    const QRgb face = qRgb(0xC0, 0xC0, 0xC0);
    for (const char* name : {"exit_button", "help_button", "help_exit_button", "help_notice_button",
                             "help_howto_button", "help_glossary_button"}) {
        SCOPED_TRACE(name);
        const QImage image = compiled(name);
        ASSERT_FALSE(image.isNull());
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        // Light along the top and the left, shadow along the bottom and the
        // right, which take the corners where they meet.
        int wrongEdge = 0;
        for (int x = 0; x < right; ++x) {
            wrongEdge += image.pixel(x, 0) == light && image.pixel(x + 1, bottom) == shadow ? 0 : 1;
        }
        for (int y = 0; y < bottom; ++y) {
            wrongEdge += image.pixel(0, y) == light && image.pixel(right, y + 1) == shadow ? 0 : 1;
        }
        EXPECT_EQ(wrongEdge, 0);
        // Inside the edge the face shows around the caption.
        EXPECT_EQ(image.pixel(1, 1), face);
        EXPECT_EQ(image.pixel(right - 1, bottom - 1), face);
        EXPECT_GT(countPixels(image, face), image.width() * image.height() / 2);
    }
}

TEST(HelpIcon, FillsItsSizeWithAWhiteMarkOnBlue) {
    for (const char* name : {"help_icon_16", "help_icon_32"}) {
        SCOPED_TRACE(name);
        const QImage image = compiled(name);
        ASSERT_FALSE(image.isNull());
        const int side = image.width();
        ASSERT_EQ(image.height(), side);
        QRect drawn;
        int blue = 0;
        int white = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) > 0) {
                    drawn |= QRect(x, y, 1, 1);
                }
                if (qAlpha(pixel) == 255) {
                    blue += qBlue(pixel) > qRed(pixel) + 60 ? 1 : 0;
                    white += pixel == qRgb(0xFF, 0xFF, 0xFF) ? 1 : 0;
                }
            }
        }
        // A round icon: its corners are clear, and it reaches every edge.
        for (const QRgb corner : {image.pixel(0, 0), image.pixel(side - 1, 0), image.pixel(0, side - 1),
                                  image.pixel(side - 1, side - 1)}) {
            EXPECT_EQ(qAlpha(corner), 0);
        }
        EXPECT_EQ(drawn, image.rect());
        EXPECT_GT(blue, side * side / 3);
        // The mark is solid white, not only a grey blur of one.
        EXPECT_GT(white, side * side / 20);
    }
}

} // namespace
