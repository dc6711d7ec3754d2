// The main window's load sequence on screens unlike the usual one. Each test
// executable built from this file runs on one screen (see CMakeLists.txt).

#include "main_window_fixture.h"

#include "levora/toolkit/twips.h"

namespace levora::ui {
namespace {

#if defined(LEVORA_SMALL_SCREEN)

TEST_F(MainWindowTest, OnAScreenSmallerThanTheWindowThePositionIsNegativeAndNotClamped) {
    ASSERT_EQ(toolkit::Screen::Width(), 3000.0);
    EXPECT_EQ(window->Left(), 3000.0 / 4 - 5213.0 / 4);
    EXPECT_EQ(window->Top(), 2250.0 / 4 - 6910.0 / 4);
    EXPECT_LT(window->geometry().left(), 0);
    EXPECT_EQ(window->Combo1->ListCount(), 19) << "the load went on to the end";
}

#elif defined(LEVORA_HUGE_SCREEN)

// A screen so tall that the window's top lies beyond any widget coordinate:
// setting it fails at load step 3, and the failure rule skips the rest.
TEST_F(MainWindowTest, AFailureDuringLoadLeavesTheWindowAsFarAsItWasBuilt) {
    EXPECT_EQ(window->Height(), 6910.0) << "step 2 ran";
    EXPECT_EQ(window->Width(), 5213.0);
    EXPECT_EQ(window->Combo1->ListCount(), 0) << "the lists are built at step 9";
    EXPECT_EQ(window->Combo2->ListCount(), 0);
    EXPECT_EQ(window->FrameGap, 0) << "step 6 did not run";
    EXPECT_EQ(window->Line21->X2(), 0.0) << "no frame was drawn";
    EXPECT_EQ(window->WindowsColor, 0) << "the colour settings are set at step 8";
    window->Show();
    EXPECT_TRUE(window->isVisible()) << "the window still opens";
}

#endif

} // namespace
} // namespace levora::ui
