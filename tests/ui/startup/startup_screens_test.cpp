// The splash and the About box on a screen smaller than either: their
// positions come out negative and are used as they are.

#include "startup_fixture.h"

#include "modal.h"

#include "startup/frmAbout.h"
#include "startup/frmStartup.h"

#include "levora/toolkit/twips.h"

namespace levora::ui {
namespace {

TEST_F(StartupTest, OnASmallScreenTheSplashLeftIsNegativeAndNotClamped) {
    ASSERT_EQ(toolkit::Screen::Width(), 3000.0);
    ASSERT_EQ(toolkit::Screen::Height(), 2250.0);
    const frmStartup& splash = forms::frmStartup.get();
    EXPECT_EQ(splash.Left(), 3000.0 / 2 - 4290.0 / 2);
    EXPECT_EQ(splash.Top(), 2250 / 2.5 - 1725 / 2.5);
    EXPECT_LT(splash.geometry().left(), 0);
}

TEST_F(StartupTest, OnASmallScreenTheAboutBoxLeftIsNegativeAndNotClamped) {
    testing::whenModal([](QWidget& modal) {
        auto& about = static_cast<frmAbout&>(modal);
        EXPECT_EQ(about.Left(), 3000.0 / 3 - 4845.0 / 4);
        EXPECT_EQ(about.Top(), 2250.0 / 3 - 2805.0 / 4);
        EXPECT_LT(about.geometry().left(), 0);
        about.cmdOK->click();
    });
    forms::frmAbout->Show(1);
    EXPECT_FALSE(forms::frmAbout.isLoaded());
}

} // namespace
} // namespace levora::ui
