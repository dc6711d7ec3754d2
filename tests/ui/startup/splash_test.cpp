// The splash as its load shows, places and fills it.

#include "startup_fixture.h"

#include "startup/ProgramInfo.h"
#include "startup/frmStartup.h"

#include "levora/toolkit/colour.h"
#include "levora/toolkit/twips.h"

#include <QFontInfo>

#include <string>

namespace levora::ui {
namespace {

class SplashTest : public StartupTest {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        splash = &forms::frmStartup.get();
    }

    frmStartup* splash = nullptr;
};

TEST_F(SplashTest, LoadShowsTheSplashFortyPercentOfTheFreeHeightFromTheTopAndCentredAcross) {
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->Caption(), QStringLiteral(" Starting up ..."));
    ASSERT_EQ(splash->ScaleWidth(), 4170.0);
    ASSERT_EQ(splash->ScaleHeight(), 1275.0);
    // The outer size is the client area and the frame: 286 × 115 pixels.
    EXPECT_EQ(splash->Width(), 4290.0);
    EXPECT_EQ(splash->Height(), 1725.0);
    EXPECT_EQ(splash->Top(), 11520 / 2.5 - 1725 / 2.5);
    EXPECT_EQ(splash->Left(), 15360.0 / 2 - 4290.0 / 2);
    // 3918 and 5535 twips are 261.2 and 369 pixels.
    EXPECT_EQ(splash->geometry().topLeft(), QPoint(369 + splash->frame().left, 261 + splash->frame().top));
}

struct ControlCase {
    const char* name;
    QRect pixels; // the designed twips, 15 to a pixel
    const char* text;
};

class SplashControls : public SplashTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(SplashControls, SitAtTheirDesignedPlaces) {
    const auto* control = splash->client()->findChild<QWidget*>(QString::fromLatin1(GetParam().name));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), GetParam().pixels);
    EXPECT_TRUE(control->isVisible());
    if (GetParam().text != nullptr) {
        EXPECT_EQ(control->property("Caption").toString(), QString::fromUtf8(GetParam().text));
    }
}

INSTANTIATE_TEST_SUITE_P(Splash, SplashControls,
                         ::testing::Values(ControlCase{"picIcon", {8, 8, 64, 64}, nullptr},
                                           ControlCase{"lblTitle", {88, 8, 161, 17}, "Levora for N.Korea"},
                                           ControlCase{"lblVersion", {88, 24, 169, 13}, "Version 1.01"},
                                           ControlCase{"lblDisclaimer", {88, 40, 137, 15}, nullptr},
                                           ControlCase{"Label1", {88, 56, 137, 17}, nullptr}),
                         [](const ::testing::TestParamInfo<ControlCase>& param) {
                             return std::string(param.param.name);
                         });

TEST_F(SplashTest, TheTwoTextLinesAreSetAtLoadAndEveryTextFitsItsLabel) {
    EXPECT_EQ(splash->lblDisclaimer->Caption(), ProgramInfo::CopyrightLine());
    EXPECT_EQ(splash->Label1->Caption(), ProgramInfo::AuthorLine());
    EXPECT_FALSE(splash->lblDisclaimer->Caption().isEmpty());
    EXPECT_FALSE(splash->Label1->Caption().isEmpty());
    for (const toolkit::Label* label :
         {splash->lblTitle, splash->lblVersion, splash->lblDisclaimer, splash->Label1}) {
        EXPECT_TRUE(textFits(*label));
        EXPECT_EQ(label->ForeColor(), toolkit::systemColour(toolkit::SystemColour::WindowText));
    }
}

TEST_F(SplashTest, OnlyTheTitleIsBold) {
    EXPECT_TRUE(QFontInfo(splash->lblTitle->font()).bold());
    EXPECT_DOUBLE_EQ(splash->lblTitle->font().pointSizeF(), 8.25);
    for (const toolkit::Label* label : {splash->lblVersion, splash->lblDisclaimer, splash->Label1}) {
        EXPECT_FALSE(QFontInfo(label->font()).bold()) << label->objectName().toStdString();
    }
}

TEST_F(SplashTest, ThePictureSitsInsideASunkenEdge) {
    const QImage shown = splash->picIcon->grab().toImage();
    const QImage picture(ProgramInfo::PictureResource());
    ASSERT_EQ(picture.size(), QSize(60, 60));
    ASSERT_EQ(shown.size(), QSize(64, 64));
    EXPECT_EQ(shown.copy(2, 2, 60, 60).convertToFormat(QImage::Format_RGB32),
              picture.convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(shown.pixel(0, 0), shown.pixel(63, 63)) << "a sunken edge is dark above and light below";
    EXPECT_FALSE(splash->picIcon->accessibleName().isEmpty());
}

TEST_F(SplashTest, ItsTimerTicksEverySecond) {
    EXPECT_EQ(splash->Timer1->Interval(), 1000);
    EXPECT_TRUE(splash->Timer1->Enabled());
}

} // namespace
} // namespace levora::ui
