// The windows on a display of device pixel ratio 2 as on one of ratio 1:
// every window and named control at the same place and size in logical
// pixels, and every picture shown from its file drawn at twice the size, pixel
// for pixel. The tests run at ratio 1 and again, as NAME@2x, at ratio 2; there
// the geometry test runs this program once more at ratio 1 and compares.

#include "modal.h"

#include "help/MDIForm1.h"
#include "main/Form1.h"
#include "main/frmWarning.h"
#include "shared/ProgramFlags.h"
#include "shared/picture.h"
#include "startup/Form2.h"
#include "startup/frmAbout.h"
#include "startup/frmStartup.h"

#include "levora/pictures.h"
#include "levora/toolkit/controls.h"
#include "levora/toolkit/form.h"
#include "levora/toolkit/mdi_form.h"
#include "levora/toolkit/runtime.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace levora::ui {
namespace {

constexpr auto TableVariable = "LEVORA_GEOMETRY_TABLE";

/// The ratio the pictures are drawn for on this display: 2 above 1.5, else 1.
int pictureScale() { return qApp->devicePixelRatio() > toolkit::DoubleSizeRatio ? 2 : 1; }

QImage argb(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

/// Every compiled picture file of one scale, by name.
std::map<QString, QImage> pictureFiles(int scale) {
    std::map<QString, QImage> files;
    QDirIterator entries(QStringLiteral(":/pictures"), QDir::Files);
    while (entries.hasNext()) {
        const QString path = entries.next();
        if (path.endsWith(QStringLiteral("@2x.png")) == (scale == 2)) {
            files.emplace(path, argb(QImage(path)));
        }
    }
    return files;
}

/// The file of that scale with exactly these pixels, if any.
QString fileWithPixels(const QImage& pixels, int scale) {
    static const std::map<QString, QImage> single = pictureFiles(1);
    static const std::map<QString, QImage> twice = pictureFiles(2);
    const QImage wanted = argb(pixels);
    for (const auto& [path, image] : scale == 2 ? twice : single) {
        if (image == wanted) {
            return path;
        }
    }
    return {};
}

/// The pictures in picture boxes, which show no pixmap of their own: window,
/// box, picture.
struct BoxedPicture {
    const char* form;
    const char* box;
    const char* picture;
};
constexpr std::array boxedPictures{
    BoxedPicture{"frmStartup", "picIcon", "program_icon"}, BoxedPicture{"frmAbout", "picIcon", "program_icon"},
    BoxedPicture{"frmNote", "Picture1", "note_page"},      BoxedPicture{"frmHowTo", "Picture1", "howto_page"},
    BoxedPicture{"frmGloss", "Picture1", "glossary_page"},
};

/// The window a control belongs to: the nearest form above it.
const toolkit::Form* formOf(const QWidget& control) {
    for (const QWidget* widget = control.parentWidget(); widget != nullptr; widget = widget->parentWidget()) {
        if (const auto* form = qobject_cast<const toolkit::Form*>(widget)) {
            return form;
        }
    }
    return nullptr;
}

/// Where a picture shows in a window's rendering, in physical pixels: its top
/// left corner, and the part of the window that its control lets it fill.
struct Placement {
    QPoint at;
    QRect shown;
};

Placement placement(const QWidget& form, const QWidget& control, int inset, int scale) {
    const QPoint origin = control.mapTo(&form, QPoint(0, 0));
    const QRect inside = QRect(origin, control.size()).adjusted(inset, inset, -inset, -inset) & form.rect();
    return {(origin + QPoint(inset, inset)) * scale, QRect(inside.topLeft() * scale, inside.size() * scale)};
}

/// How many of the picture's opaque pixels, of those its place shows, the
/// window's rendering shows otherwise; none shown counts as all wrong.
int pixelsRenderedOtherwise(const QImage& window, const QImage& picture, const Placement& place) {
    int compared = 0;
    int differing = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb expected = picture.pixel(x, y);
            const QPoint where = place.at + QPoint(x, y);
            if (qAlpha(expected) == 255 && place.shown.contains(where)) {
                ++compared;
                differing += window.pixel(where) != expected ? 1 : 0;
            }
        }
    }
    return compared > 0 ? differing : picture.width() * picture.height();
}

/// Checks the pictures of one window at the display's ratio: each shown from
/// the file drawn for that ratio, as large as its 1x file in logical pixels,
/// and rendered in the window with the file's own pixels.
class PictureCheck {
public:
    void operator()(toolkit::Form& form) {
        const int scale = pictureScale();
        const QImage rendering = argb(form.grab().toImage());
        EXPECT_EQ(rendering.size(), form.size() * scale) << form.objectName().toStdString();
        for (const auto* image : form.findChildren<toolkit::Image*>()) {
            if (formOf(*image) == &form && image->isVisibleTo(&form)) {
                checkImage(form, *image, rendering, scale);
            }
        }
        for (const BoxedPicture& boxed : boxedPictures) {
            if (form.objectName() == QLatin1String(boxed.form)) {
                const auto* box = form.findChild<toolkit::PictureBox*>(QString::fromLatin1(boxed.box));
                ASSERT_NE(box, nullptr) << boxed.form << ' ' << boxed.box;
                checkBox(form, *box, QString::fromLatin1(boxed.picture), rendering, scale);
            }
        }
    }

    int checked = 0;

private:
    void checkImage(const toolkit::Form& form, const toolkit::Image& image, const QImage& rendering, int scale) {
        const QString where = form.objectName() + QLatin1Char('/') + image.objectName();
        SCOPED_TRACE(where.toStdString());
        const QPixmap pixmap = image.pixmap();
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.devicePixelRatio(), scale);
        const QString file = fileWithPixels(pixmap.toImage(), scale);
        ASSERT_FALSE(file.isEmpty()) << "the pixmap is no picture file drawn at " << scale << 'x';
        const QString single = QString(file).replace(QStringLiteral("@2x.png"), QStringLiteral(".png"));
        EXPECT_EQ(pixmap.size(), QImage(single).size() * scale);
        EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QImage(single).size());
        const Placement place = placement(form, image, 0, scale);
        EXPECT_EQ(pixelsRenderedOtherwise(rendering, argb(QImage(file)), place), 0) << file.toStdString();
        ++checked;
    }

    void checkBox(const toolkit::Form& form, const toolkit::PictureBox& box, const QString& picture,
                  const QImage& rendering, int scale) {
        SCOPED_TRACE((form.objectName() + QLatin1Char('/') + box.objectName()).toStdString());
        const QString suffix = scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
        const QImage file = argb(QImage(QStringLiteral(":/pictures/") + picture + suffix));
        ASSERT_FALSE(file.isNull());
        const int edge = box.hasSunkenEdge() ? 2 : 0;
        EXPECT_EQ(pixelsRenderedOtherwise(rendering, file, placement(form, box, edge, scale)), 0);
        ++checked;
    }
};

/// One line for the window and one for each named control in it: its names
/// from the window down, its geometry in logical pixels, whether it shows and,
/// where it has them, its position and size in the window's own units.
void describe(const QString& scene, const toolkit::Form& form, QStringList& rows) {
    const auto row = [&scene, &form](const QWidget& widget) {
        QStringList names;
        for (const QWidget* w = &widget; w != nullptr && w != &form; w = w->parentWidget()) {
            if (!w->objectName().isEmpty()) {
                names.prepend(w->objectName());
            }
        }
        names.prepend(form.objectName());
        const QRect g = widget.geometry();
        QString line = QStringLiteral("%1 %2 %3,%4 %5x%6 %7")
                           .arg(scene, names.join(QLatin1Char('/')))
                           .arg(g.x())
                           .arg(g.y())
                           .arg(g.width())
                           .arg(g.height())
                           .arg(widget.isVisibleTo(&form) ? QStringLiteral("shown") : QStringLiteral("hidden"));
        for (const char* property : {"Left", "Top", "Width", "Height"}) {
            const QVariant value = widget.property(property);
            if (value.isValid()) {
                line +=
                    QStringLiteral(" %1=%2").arg(QString::fromLatin1(property)).arg(value.toDouble(), 0, 'g', 17);
            }
        }
        return line;
    };
    rows.append(row(form));
    for (const QWidget* child : form.findChildren<QWidget*>()) {
        if (!child->objectName().isEmpty()) {
            rows.append(row(*child));
        }
    }
}

/// Opens every window the program has, one scene after another, and hands
/// each loaded window of each scene to `visit`.
class Tour {
public:
    using Visit = std::function<void(const QString& scene, toolkit::Form& form)>;

    explicit Tour(Visit visit) : visit_(std::move(visit)) {}

    void run() {
        forms::frmStartup.get();
        visitAll(QStringLiteral("splash"));
        reset();

        forms::Form2.get();
        visitAll(QStringLiteral("map"));
        reset();

        Form1& main = forms::Form1.get();
        main.Show();
        visitAll(QStringLiteral("main"));
        enter(main, QStringLiteral("100"), 14, 8);
        visitAll(QStringLiteral("main-results"));

        testing::whenModal([this](QWidget& modal) {
            visitModal(QStringLiteral("input-problem"), modal);
            if (auto* warning = qobject_cast<frmWarning*>(&modal)) {
                QTest::mouseClick(warning->OKButton, Qt::LeftButton);
            }
        });
        enter(main, QString(), -1, -1);

        QTest::mouseClick(main.Image8, Qt::LeftButton);
        visitAll(QStringLiteral("help-topics"));
        forms::MDIForm1->Command2_Click();
        visitAll(QStringLiteral("help-notice"));
        forms::MDIForm1->command3_Click();
        visitAll(QStringLiteral("help-howto"));
        forms::MDIForm1->Command4_Click();
        visitAll(QStringLiteral("help-glossary"));

        testing::whenModal([this](QWidget& modal) { visitModal(QStringLiteral("about"), modal); });
        forms::frmAbout->Show(1);
        reset();
    }

    QStringList modalsSeen;

private:
    static void reset() {
        toolkit::releaseForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MapWindowLoaded = 0;
        for (WindowFlag* flag :
             {&HelpWindowOpen, &TopicsDialogOpen, &NotePageOpen, &HowToPageOpen, &GlossaryPageOpen}) {
            flag->clear();
        }
    }

    /// Types a revenue, chooses the two list positions (-1: none) from the
    /// keyboard and presses "GO".
    static void enter(Form1& main, const QString& revenue, int elasticity, int range) {
        main.Text2->clear();
        QTest::keyClicks(main.Text2, revenue);
        for (const auto& [list, position] : {std::pair{main.Combo1, elasticity}, std::pair{main.Combo2, range}}) {
            if (position < 0) {
                list->setListIndex(-1);
            } else {
                QTest::keyClick(list, Qt::Key_Home);
                for (int step = 0; step < position; ++step) {
                    QTest::keyClick(list, Qt::Key_Down);
                }
            }
        }
        QTest::mouseClick(main.Command1, Qt::LeftButton);
    }

    void visitAll(const QString& scene) {
        QCoreApplication::processEvents();
        QList<toolkit::Form*> loaded = toolkit::existingForms();
        loaded.removeIf([](const toolkit::Form* form) { return !form->isLoaded(); });
        std::sort(loaded.begin(), loaded.end(), [](const toolkit::Form* a, const toolkit::Form* b) {
            return a->objectName() < b->objectName();
        });
        for (toolkit::Form* form : loaded) {
            visit_(scene, *form);
        }
    }

    void visitModal(const QString& scene, QWidget& modal) {
        modalsSeen.append(modal.objectName());
        if (auto* form = qobject_cast<toolkit::Form*>(&modal)) {
            visit_(scene, *form);
        }
    }

    Visit visit_;
};

class HighDpiTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(toolkit::existingForms().isEmpty()); }
    void TearDown() override {
        toolkit::releaseForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    /// The description of every window of the tour at this ratio.
    static QStringList describeTour() {
        QStringList rows;
        Tour tour([&rows](const QString& scene, toolkit::Form& form) { describe(scene, form, rows); });
        tour.run();
        EXPECT_EQ(tour.modalsSeen, (QStringList{QStringLiteral("frmWarning"), QStringLiteral("frmAbout")}));
        return rows;
    }
};

TEST_F(HighDpiTest, EveryPictureIsShownFromItsFileForTheRatioPixelForPixel) {
    PictureCheck check;
    Tour tour([&check](const QString& scene, toolkit::Form& form) {
        SCOPED_TRACE(scene.toStdString());
        check(form);
    });
    tour.run();
    EXPECT_EQ(tour.modalsSeen, (QStringList{QStringLiteral("frmWarning"), QStringLiteral("frmAbout")}));
    // The pictures of the main window (twice), its dialog, the help window's
    // toolbar and pages, the map window, the splash and the About box.
    EXPECT_GE(check.checked, 40);
}

/// The rows of `listed` that `reference` lacks, a few of them.
std::vector<QString> missingFrom(const QStringList& listed, const QStringList& reference) {
    const std::set<QString> known(reference.begin(), reference.end());
    std::vector<QString> missing;
    for (const QString& row : listed) {
        if (!known.contains(row) && missing.size() < 20) {
            missing.push_back(row);
        }
    }
    return missing;
}

// At ratio 1 writes the description where the variable says; at ratio 2
// has this program write it at ratio 1 and finds its own the same.
TEST_F(HighDpiTest, EveryWindowAndControlKeepsItsLogicalGeometryAtRatioTwo) {
    const QStringList rows = describeTour();
    EXPECT_GT(rows.size(), 200);
    const QString table = qEnvironmentVariable(TableVariable);
    if (!table.isEmpty()) {
        QFile file(table);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
        file.write(rows.join(QLatin1Char('\n')).toUtf8());
        return;
    }
    if (pictureScale() == 1) {
        GTEST_SKIP() << "compares ratio 2 with ratio 1; run at QT_SCALE_FACTOR=2";
    }
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=" LEVORA_OFFSCREEN_CONFIG));
    environment.insert(QString::fromLatin1(TableVariable), directory.filePath(QStringLiteral("ratio1.txt")));
    QProcess ratioOne;
    ratioOne.setProcessEnvironment(environment);
    ratioOne.start(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral("--gtest_filter=HighDpiTest.EveryWindowAndControlKeepsItsLogicalGeometryAtRatioTwo")});
    ASSERT_TRUE(ratioOne.waitForFinished(120000));
    ASSERT_EQ(ratioOne.exitCode(), 0) << ratioOne.readAll().toStdString();
    QFile file(directory.filePath(QStringLiteral("ratio1.txt")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList atRatioOne = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));

    EXPECT_EQ(rows.size(), atRatioOne.size());
    for (const QString& row : missingFrom(rows, atRatioOne)) {
        ADD_FAILURE() << "only at ratio 2: " << row.toStdString();
    }
    for (const QString& row : missingFrom(atRatioOne, rows)) {
        ADD_FAILURE() << "only at ratio 1: " << row.toStdString();
    }
}

TEST_F(HighDpiTest, TheHandCursorIsDrawnForTheRatioWithItsHotSpotInLogicalPixels) {
    const int scale = pictureScale();
    const QCursor hand = pointingHand();
    EXPECT_EQ(hand.pixmap().devicePixelRatio(), scale);
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32) * scale);
    EXPECT_EQ(hand.hotSpot(), QPoint(pictures::HandCursorHotX, pictures::HandCursorHotY));
    const QString file = scale == 2 ? QStringLiteral(":/pictures/hand_cursor@2x.png")
                                    : QStringLiteral(":/pictures/hand_cursor.png");
    EXPECT_EQ(argb(hand.pixmap().toImage()), argb(QImage(file)));
    // At the hot spot the finger's tip, whichever the file.
    const QPoint tip = hand.hotSpot() * scale;
    EXPECT_EQ(qAlpha(hand.pixmap().toImage().pixel(tip)), 255);
}

struct IconCase {
    const char* form;
    int size; // in logical pixels
    const char* picture;
};

TEST_F(HighDpiTest, WindowIconsAreDrawnForTheRatio) {
    forms::Form1.get();
    forms::MDIForm1.get();
    forms::frmStartup.get();
    const int scale = pictureScale();
    for (const IconCase& icon :
         {IconCase{"Form1", 16, "document_icon_16"}, IconCase{"Form1", 32, "document_icon_32"},
          IconCase{"MDIForm1", 16, "help_icon_16"}, IconCase{"MDIForm1", 32, "help_icon_32"},
          IconCase{"frmStartup", 60, "program_icon"}}) {
        SCOPED_TRACE(std::string(icon.form) + ' ' + icon.picture);
        const QWidget* window = nullptr;
        for (const toolkit::Form* form : toolkit::existingForms()) {
            window = form->objectName() == QLatin1String(icon.form) ? form : window;
        }
        ASSERT_NE(window, nullptr);
        const QPixmap pixmap = window->windowIcon().pixmap(QSize(icon.size, icon.size), scale);
        EXPECT_EQ(pixmap.devicePixelRatio(), scale);
        const QString suffix = scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
        EXPECT_EQ(argb(pixmap.toImage()), argb(QImage(QStringLiteral(":/pictures/") + icon.picture + suffix)));
    }
}

// The loader itself, at the ratios around the threshold, with and without a
// file drawn at twice the size.
struct LoadCase {
    qreal ratio = 1;
    bool doubleFile = false;
    qreal expectedRatio = 1;
    QSize expectedPixels;
};

TEST(LoadPicture, TakesTheDoubleSizeFileAboveOneAndAHalfAndOnlyThere) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    QImage single(10, 6, QImage::Format_RGB32);
    single.fill(Qt::red);
    QImage twice(20, 12, QImage::Format_RGB32);
    twice.fill(Qt::blue);
    ASSERT_TRUE(single.save(directory.filePath(QStringLiteral("both.png"))));
    ASSERT_TRUE(twice.save(directory.filePath(QStringLiteral("both@2x.png"))));
    ASSERT_TRUE(single.save(directory.filePath(QStringLiteral("alone.png"))));
    for (const LoadCase& test :
         {LoadCase{1.0, true, 1.0, {10, 6}}, LoadCase{1.25, true, 1.0, {10, 6}}, LoadCase{1.5, true, 1.0, {10, 6}},
          LoadCase{1.75, true, 2.0, {20, 12}}, LoadCase{2.0, true, 2.0, {20, 12}},
          LoadCase{3.0, true, 2.0, {20, 12}}, LoadCase{2.0, false, 1.0, {10, 6}}}) {
        SCOPED_TRACE(test.ratio);
        SCOPED_TRACE(test.doubleFile);
        const QString name =
            directory.filePath(test.doubleFile ? QStringLiteral("both.png") : QStringLiteral("alone.png"));
        const QPixmap picture = toolkit::loadPicture(name, test.ratio);
        EXPECT_EQ(picture.devicePixelRatio(), test.expectedRatio);
        EXPECT_EQ(picture.size(), test.expectedPixels);
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(10, 6)) << "the logical size never changes";
        EXPECT_EQ(picture.toImage().pixel(0, 0), (test.expectedRatio == 2 ? twice : single).pixel(0, 0));
    }
    EXPECT_THROW((void)toolkit::loadPicture(directory.filePath(QStringLiteral("none.png")), 2.0),
                 toolkit::RunTimeError);
    EXPECT_EQ(toolkit::doubleSizePicture(QStringLiteral(":/pictures/a.b.png")),
              QStringLiteral(":/pictures/a.b@2x.png"));
}

// Grey pictures are kept as read, at one byte a pixel; coloured ones as Qt
// would keep any picture. Either paints the same pixels.
TEST(LoadPicture, KeepsAGreyPictureAtOneByteAPixel) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    QImage grey(10, 6, QImage::Format_Grayscale8);
    grey.fill(0x80);
    QImage coloured(10, 6, QImage::Format_RGB32);
    coloured.fill(qRgb(0x80, 0x80, 0x81));
    ASSERT_TRUE(grey.save(directory.filePath(QStringLiteral("grey.png"))));
    ASSERT_TRUE(coloured.save(directory.filePath(QStringLiteral("coloured.png"))));
    for (const auto& [file, format, colour] :
         {std::tuple{"grey.png", QImage::Format_Grayscale8, qRgb(0x80, 0x80, 0x80)},
          std::tuple{"coloured.png", QImage::Format_RGB32, qRgb(0x80, 0x80, 0x81)}}) {
        SCOPED_TRACE(file);
        const QPixmap picture = toolkit::loadPicture(directory.filePath(QString::fromLatin1(file)), 1.0);
        EXPECT_EQ(picture.toImage().format(), format);
        QImage painted(12, 8, QImage::Format_RGB32);
        painted.fill(Qt::white);
        QPainter(&painted).drawPixmap(1, 1, picture);
        EXPECT_EQ(painted.pixel(1, 1), colour);
        EXPECT_EQ(painted.pixel(10, 6), colour);
        EXPECT_EQ(painted.pixel(11, 7), qRgb(0xFF, 0xFF, 0xFF));
    }
}

} // namespace
} // namespace levora::ui
