#include "window_log.h"

#include <gtest/gtest.h>

namespace levora::bench {
namespace {

using std::chrono::milliseconds;

const Clock::time_point origin{};

Clock::time_point at(int ms) { return origin + milliseconds(ms); }

class WindowLogTest : public testing::Test {
protected:
    WindowLog log;

    void createNamed(WindowId window, std::string title) {
        log.created(window);
        log.named(window, std::move(title));
    }
};

TEST_F(WindowLogTest, APaintCountsOnlyOnceTheWindowIsMapped) {
    createNamed(1, "Main");
    log.painted(1, at(5));
    EXPECT_FALSE(log.firstPainted("Main"));
    log.mapped(1, at(10));
    EXPECT_EQ(log.firstMapped("Main"), at(10));
    EXPECT_FALSE(log.shownWindow("Main"));
    log.painted(1, at(12));
    log.painted(1, at(20));
    EXPECT_EQ(log.firstPainted("Main"), at(12));
    EXPECT_EQ(log.lastPainted(1), at(20));
    EXPECT_EQ(log.shownWindow("Main"), 1U);
}

TEST_F(WindowLogTest, PaintedInFullAtTheFirstPaintThatShowsTheSettledPixels) {
    // A plain background first, then the controls, then the same again.
    createNamed(1, "Splash");
    log.mapped(1, at(10));
    log.painted(1, at(12), 0xb1a);
    log.painted(1, at(25), 0xf011);
    log.painted(1, at(30), 0xf011);
    EXPECT_EQ(log.firstPainted("Splash"), at(12));
    EXPECT_EQ(log.paintedInFull("Splash"), at(25));
    // What a later mapping shows, and paints without pixels, change nothing.
    log.unmapped(1, at(40));
    log.mapped(1, at(50));
    log.painted(1, at(51), 0xb1a);
    log.painted(1, at(52));
    EXPECT_EQ(log.paintedInFull("Splash"), at(25));
    EXPECT_FALSE(log.inFirstMapping(1));
}

TEST_F(WindowLogTest, WithoutPixelsPaintedInFullIsTheFirstPaint) {
    createNamed(1, "Main");
    log.mapped(1, at(10));
    EXPECT_TRUE(log.inFirstMapping(1));
    EXPECT_FALSE(log.paintedInFull("Main"));
    log.painted(1, at(14));
    log.painted(1, at(20));
    EXPECT_EQ(log.paintedInFull("Main"), at(14));
}

TEST_F(WindowLogTest, ATitleNamesTheEarliestOfItsWindows) {
    createNamed(1, "Dialog");
    createNamed(2, "Dialog");
    createNamed(3, "Other");
    log.mapped(3, at(1));
    log.mapped(2, at(30));
    log.mapped(1, at(40));
    EXPECT_EQ(log.firstMapped("Dialog"), at(30));
    EXPECT_FALSE(log.firstMapped("Missing"));
}

TEST_F(WindowLogTest, ATitleLearntAfterTheMapStillFindsTheWindow) {
    log.created(1);
    log.mapped(1, at(10));
    log.named(1, "Late");
    EXPECT_EQ(log.firstMapped("Late"), at(10));
    EXPECT_EQ(log.title(1), "Late");
}

TEST_F(WindowLogTest, AWindowShowsAgainOnlyWhenPaintedAfterItsNextMap) {
    createNamed(1, "Main");
    log.mapped(1, at(10));
    log.painted(1, at(11));
    log.unmapped(1, at(50));
    EXPECT_FALSE(log.mappedWindow("Main"));
    EXPECT_FALSE(log.shownWindow("Main"));
    log.mapped(1, at(60));
    EXPECT_EQ(log.mappedWindow("Main"), 1U);
    EXPECT_FALSE(log.shownWindow("Main"));
    log.painted(1, at(61));
    EXPECT_EQ(log.shownWindow("Main"), 1U);
    EXPECT_EQ(log.firstMapped("Main"), at(10));
    EXPECT_EQ(log.firstPainted("Main"), at(11));
}

TEST_F(WindowLogTest, ADestroyedWindowKeepsItsTimesUntilItsIdComesBack) {
    createNamed(1, "Splash");
    log.mapped(1, at(10));
    log.painted(1, at(12));
    log.destroyed(1);
    EXPECT_FALSE(log.mappedWindow("Splash"));
    EXPECT_EQ(log.firstPainted("Splash"), at(12));
    log.painted(1, at(15));
    EXPECT_EQ(log.lastPainted(1), at(12));
    log.created(1);
    EXPECT_FALSE(log.firstMapped("Splash"));
}

TEST_F(WindowLogTest, AWindowNeverMappedIsNotTheOneToRestore) {
    // Two windows share a title; only the one ever mapped can be restored.
    createNamed(1, "Main");
    createNamed(2, "Main");
    log.mapped(2, at(10));
    log.unmapped(2, at(20));
    EXPECT_EQ(log.onceMappedWindow("Main"), 2U);
    EXPECT_FALSE(log.onceMappedWindow("Other"));
}

TEST_F(WindowLogTest, OnlyTitledWindowsCountAsActivity) {
    log.created(9);
    log.mapped(9, at(5));
    log.painted(9, at(6));
    EXPECT_FALSE(log.lastActivity());
    createNamed(1, "Main");
    log.mapped(1, at(10));
    log.painted(1, at(25));
    log.painted(9, at(40));
    EXPECT_EQ(log.lastActivity(), at(25));
    log.unmapped(1, at(30));
    EXPECT_EQ(log.lastActivity(), at(30));
    log.clear();
    EXPECT_FALSE(log.lastActivity());
    EXPECT_FALSE(log.isKnown(1));
}

TEST_F(WindowLogTest, EventsForUnknownWindowsArePaintsIgnoredAndMapsRecorded) {
    log.painted(7, at(1));
    EXPECT_FALSE(log.isKnown(7));
    log.mapped(8, at(2));
    EXPECT_TRUE(log.isKnown(8));
}

} // namespace
} // namespace levora::bench
