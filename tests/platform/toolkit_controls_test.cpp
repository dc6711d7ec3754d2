// The toolkit's controls.

#include "levora/toolkit/controls.h"
#include "levora/toolkit/line.h"
#include "levora/toolkit/runtime.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace levora::toolkit {
namespace {

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<Surface>(nullptr);
        window->resize(400, 300);
    }

    std::unique_ptr<Surface> window;
};

TEST_F(ControlTest, AControlIsPlacedInWholePixelsAndKeepsItsTwips) {
    auto* box = new TextBox(window.get(), QStringLiteral("Text2"));
    box->Move(600, 2640, 3615, 375);
    EXPECT_EQ(box->geometry(), QRect(40, 176, 241, 25));
    box->setLeft(607.4);
    EXPECT_EQ(box->Left(), 607.4);
    EXPECT_EQ(box->x(), 40);
    EXPECT_EQ(box->property("Width").toDouble(), 3615.0);
    EXPECT_THROW(box->setHeight(-15), RunTimeError);
    EXPECT_THROW(box->setTop(std::numeric_limits<double>::infinity()), RunTimeError);
    EXPECT_EQ(box->geometry(), QRect(40, 176, 241, 25));
}

TEST_F(ControlTest, SettingATextRaisesChange) {
    auto* box = new TextBox(window.get(), QStringLiteral("Text2"));
    QSignalSpy changes(box, &TextBox::Change);
    box->setText(QStringLiteral("100"));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(box->property("Text").toString(), QStringLiteral("100"));
}

TEST_F(ControlTest, AListHasNoSelectionUntilOneIsMade) {
    auto* list = new ComboBox(window.get(), QStringLiteral("Combo1"));
    EXPECT_EQ(list->ListIndex(), -1);
    list->AddItem(QStringLiteral("-0.9"));
    list->AddItem(QStringLiteral("-0.8"));
    EXPECT_EQ(list->ListCount(), 2);
    QSignalSpy clicks(list, &ComboBox::Click);
    list->setListIndex(-1);
    EXPECT_EQ(list->ListIndex(), -1);
    list->setListIndex(1);
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_EQ(clicks.count(), 2) << "setting ListIndex raises Click";
    for (const int outside : {-2, 2}) {
        EXPECT_THROW(list->setListIndex(outside), RunTimeError);
    }
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_EQ(list->List(0), QStringLiteral("-0.9"));
    EXPECT_THROW(static_cast<void>(list->List(2)), RunTimeError);
}

TEST_F(ControlTest, ChoosingAnItemFromTheKeyboardRaisesClick) {
    auto* list = new ComboBox(window.get(), QStringLiteral("Combo2"));
    list->AddItem(QStringLiteral("a"));
    list->AddItem(QStringLiteral("b"));
    window->show();
    QSignalSpy clicks(list, &ComboBox::Click);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(list->ListIndex(), 0);
}

TEST_F(ControlTest, AnImageIsClickedByALeftClickReleasedOnIt) {
    auto* image = new Image(window.get(), QStringLiteral("Image7"));
    image->Move(90, 105, 465, 255);
    window->show();
    QSignalSpy clicks(image, &Image::Click);
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(image, Qt::RightButton, {}, QPoint(3, 3));
    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ControlTest, AnImageNamesItselfByItsToolTipAndFailsOnAMissingPicture) {
    auto* image = new Image(window.get(), QStringLiteral("Image6"));
    image->setToolTipText(QStringLiteral("Welcome"));
    EXPECT_EQ(image->toolTip(), QStringLiteral("Welcome"));
    EXPECT_EQ(image->accessibleName(), QStringLiteral("Welcome"));
    EXPECT_THROW(image->setPicture(QStringLiteral(":/no/such/picture.png")), RunTimeError);
}

TEST_F(ControlTest, ALabelShowsItsCaptionAsPlainText) {
    auto* label = new Label(window.get(), QStringLiteral("Label6"));
    label->setCaption(QStringLiteral("<b>609.</b>"));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->property("Caption").toString(), QStringLiteral("<b>609.</b>"));
}

TEST_F(ControlTest, ColoursGoOnThePaletteAndSystemColoursComeFromTheApplication) {
    auto* box = new TextBox(window.get(), QStringLiteral("Text2"));
    box->setBackColor(0xFFFFC0);
    box->setForeColor(0x8000);
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(192, 255, 255));
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(0, 128, 0));
    auto* panel = new PictureBox(window.get(), QStringLiteral("Picture2"));
    panel->setBackColor(0x80000018);
    EXPECT_EQ(panel->BackColor(), 0x80000018U);
    EXPECT_EQ(panel->palette().color(QPalette::Window), QApplication::palette().color(QPalette::ToolTipBase));
    EXPECT_THROW(panel->setBackColor(0x80000063), RunTimeError);
    EXPECT_EQ(panel->BackColor(), 0x80000018U);
}

TEST_F(ControlTest, ALineIsPaintedAboveTheControlsOfItsSurface) {
    window->setSurfaceColour(0xFFFFFF);
    auto* box = new PictureBox(window.get(), QStringLiteral("Picture3"));
    box->Move(150, 150, 1500, 1500);
    box->setBackColor(0xFF0000); // blue
    auto* line = new Line(window.get(), QStringLiteral("Line11"));
    line->setBorderColor(0x0000FF); // red
    line->setX1(0);
    line->setY1(600);
    line->setX2(3000);
    line->setY2(600);
    window->show();
    const QImage picture = window->grab().toImage();
    EXPECT_EQ(picture.pixelColor(50, 40), QColor(255, 0, 0)) << "the line covers the panel at its row";
    EXPECT_EQ(picture.pixelColor(5, 40), QColor(255, 0, 0));
    EXPECT_EQ(picture.pixelColor(50, 41), QColor(0, 0, 255));
    line->setVisible(false);
    EXPECT_EQ(window->grab().toImage().pixelColor(50, 40), QColor(0, 0, 255));
}

TEST_F(ControlTest, ALineRejectsBadValues) {
    auto* line = new Line(window.get(), QStringLiteral("Line5"));
    EXPECT_THROW(line->setBorderWidth(0), RunTimeError);
    EXPECT_THROW(line->setBorderColor(0x1000000), RunTimeError);
    EXPECT_THROW(line->setX1(std::numeric_limits<double>::quiet_NaN()), RunTimeError);
    EXPECT_EQ(line->BorderWidth(), 1);
    EXPECT_EQ(line->X1(), 0.0);
}

TEST_F(ControlTest, AClickOnAControlIsNoClickOnItsSurface) {
    auto* image = new Image(window.get(), QStringLiteral("Image1"));
    image->Move(0, 0, 900, 900);
    auto* box = new PictureBox(window.get(), QStringLiteral("Picture1"));
    box->Move(1500, 0, 900, 900);
    QSignalSpy surfaceClicks(window.get(), &Surface::Click);
    QSignalSpy imageClicks(image, &Image::Click);
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(imageClicks.count(), 1);
    EXPECT_EQ(surfaceClicks.count(), 0) << "the press landed on a control";
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_EQ(surfaceClicks.count(), 1);
}

// A picture is checked when it is set but decoded only once its control is
// shown, painted or asked for it; a hidden control never holds it.
TEST_F(ControlTest, AnImageDecodesItsPictureWhenItIsFirstShown) {
    QImage picture(12, 8, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 200));
    const QString resource = QDir::temp().filePath(QStringLiteral("levora-image-test.png"));
    ASSERT_TRUE(picture.save(resource));
    QImage other(5, 5, QImage::Format_RGB32);
    other.fill(QColor(0, 200, 0));
    const QString otherResource = QDir::temp().filePath(QStringLiteral("levora-image-test-other.png"));
    ASSERT_TRUE(other.save(otherResource));

    auto* shown = new Image(window.get(), QStringLiteral("Image1"));
    auto* hidden = new Image(window.get(), QStringLiteral("Image2"));
    auto* asked = new Image(window.get(), QStringLiteral("Image3"));
    hidden->setVisible(false);
    asked->setVisible(false);
    for (Image* image : {shown, hidden, asked}) {
        image->setPicture(resource);
        EXPECT_TRUE(image->pixmap().isNull()) << "not decoded before the window is shown";
    }
    window->show();
    EXPECT_EQ(shown->pixmap().size(), QSize(12, 8));
    EXPECT_TRUE(hidden->pixmap().isNull()) << "a hidden picture is never decoded";
    EXPECT_EQ(asked->picture().toImage().pixel(11, 7), qRgb(0, 0, 200));

    shown->setPicture(otherResource);
    EXPECT_EQ(shown->pixmap().size(), QSize(5, 5)) << "a shown control shows a new picture at once";
    hidden->setPicture(otherResource);
    hidden->setVisible(true);
    EXPECT_EQ(hidden->pixmap().size(), QSize(5, 5)) << "the last picture set is the one decoded";
    EXPECT_THROW(hidden->setPicture(QStringLiteral(":/no/such/picture.png")), RunTimeError);
    EXPECT_EQ(hidden->pixmap().size(), QSize(5, 5)) << "a failed picture leaves the one shown";

    QFile broken(resource);
    ASSERT_TRUE(broken.open(QIODevice::ReadWrite));
    // The header stays whole; the picture data and the end are cut off.
    ASSERT_TRUE(broken.resize(broken.size() - 20));
    broken.close();
    auto* damaged = new Image(window.get(), QStringLiteral("Image4"));
    damaged->setVisible(false);
    damaged->setPicture(resource);
    damaged->setVisible(true);
    EXPECT_TRUE(damaged->pixmap().isNull()) << "a picture whose data cannot be read is left blank";
    QFile::remove(resource);
    QFile::remove(otherResource);
}

TEST_F(ControlTest, APictureBoxShowsItsPictureInsideItsSunkenEdge) {
    auto* box = new PictureBox(window.get(), QStringLiteral("picIcon"));
    box->Move(0, 0, 600, 600);
    box->setBackColor(RGB(255, 255, 255));
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(QColor(200, 0, 0));
    const QString resource = QDir::temp().filePath(QStringLiteral("levora-picture-box-test.png"));
    ASSERT_TRUE(picture.save(resource));
    box->setPicture(resource);
    EXPECT_EQ(QColor(box->grab().toImage().pixel(0, 0)), QColor(200, 0, 0)) << "without an edge, at the corner";
    box->setSunkenEdge(true);
    const QImage shown = box->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(2, 2)), QColor(200, 0, 0)) << "inside the two-pixel edge";
    EXPECT_EQ(QColor(shown.pixel(17, 17)), QColor(200, 0, 0));
    EXPECT_EQ(QColor(shown.pixel(18, 18)), QColor(Qt::white)) << "the background beyond the picture";
    EXPECT_NE(QColor(shown.pixel(0, 10)), QColor(200, 0, 0));
    EXPECT_NE(shown.pixel(0, 10), shown.pixel(39, 10)) << "dark on the upper left, light on the lower right";
    QFile::remove(resource);
    EXPECT_THROW(box->setPicture(QStringLiteral(":/no/such/picture.png")), RunTimeError);
}

TEST(IntervalTimer, TicksWhileEnabledWithAnInterval) {
    IntervalTimer timer(nullptr, QStringLiteral("Timer1"));
    QSignalSpy ticks(&timer, &IntervalTimer::Timer);
    timer.setInterval(5);
    EXPECT_TRUE(ticks.wait(5000));
    timer.setEnabled(false);
    const auto seen = ticks.count();
    QTest::qWait(30);
    EXPECT_EQ(ticks.count(), seen);
    EXPECT_THROW(timer.setInterval(-1), RunTimeError);
}

} // namespace
} // namespace levora::toolkit

namespace levora::toolkit {
namespace {

TEST(IntervalTimer, NeverTicksEarly) {
    IntervalTimer timer(nullptr, QStringLiteral("Timer1"));
    QElapsedTimer clock;
    QSignalSpy ticks(&timer, &IntervalTimer::Timer);
    clock.start();
    timer.setInterval(200);
    ASSERT_TRUE(ticks.wait(5000));
    EXPECT_GE(clock.elapsed(), 200);
}

} // namespace
} // namespace levora::toolkit
