// Lengths and colour values of the window toolkit.

#include "levora/toolkit/colour.h"
#include "levora/toolkit/runtime.h"
#include "levora/toolkit/twips.h"

#include <QApplication>
#include <QPalette>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace levora::toolkit {
namespace {

struct PixelCase {
    double twips;
    int pixels;
};

class ToPixels : public ::testing::TestWithParam<PixelCase> {};

TEST_P(ToPixels, RoundsToTheNearestPixelHalvesAwayFromZero) {
    EXPECT_EQ(toPixels(GetParam().twips), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ToPixels,
                         ::testing::Values(PixelCase{0, 0}, PixelCase{7.49, 0}, PixelCase{7.5, 1},
                                           PixelCase{-7.5, -1}, PixelCase{15, 1}, PixelCase{2536.75, 169},
                                           PixelCase{1152.5, 77}, PixelCase{5213, 348}, PixelCase{6910, 461},
                                           PixelCase{-1838.25, -123}));

TEST(ToPixels, FailsWithOverflowBeyondTheCoordinateRange) {
    for (const double twips : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(), 1e12, -1e12}) {
        try {
            static_cast<void>(toPixels(twips));
            ADD_FAILURE() << twips << " was accepted";
        } catch (const RunTimeError& failure) {
            EXPECT_EQ(failure.failure(), Failure::Overflow);
        }
    }
}

TEST(Screen, IsMeasuredInTwipsOfTheLogicalScreen) {
    EXPECT_EQ(Screen::Width(), 15360.0);
    EXPECT_EQ(Screen::Height(), 11520.0);
}

TEST(Rgb, PutsRedInTheLowestByteAndClampsParts) {
    EXPECT_EQ(RGB(192, 255, 255), 0xFFFFC0U);
    EXPECT_EQ(RGB(0, 128, 0), 0x8000U);
    EXPECT_EQ(RGB(88, 100, 66), 0x426458U);
    EXPECT_EQ(RGB(300, -5, 256), 0xFF00FFU);
}

TEST(ColourValue, AcceptsEveryNumberThatFitsIn32Bits) {
    EXPECT_EQ(colourValue(0), 0U);
    EXPECT_EQ(colourValue(0x80000018LL), 0x80000018U);
    EXPECT_EQ(colourValue(-2147483624LL), 0x80000018U);
    EXPECT_EQ(colourValue(0xFFFFFFFFLL), 0xFFFFFFFFU);
    for (const std::int64_t number : {std::int64_t{1} << 32, -(std::int64_t{1} << 31) - 1}) {
        EXPECT_THROW(static_cast<void>(colourValue(number)), RunTimeError) << number;
    }
}

struct ColourCase {
    ColourValue value;
    bool isColour;
};

class IsColour : public ::testing::TestWithParam<ColourCase> {};

TEST_P(IsColour, KnowsRgbColoursAndTheSystemColoursInUse) {
    EXPECT_EQ(isColour(GetParam().value), GetParam().isColour);
    if (GetParam().isColour) {
        EXPECT_NO_THROW(requireColour(GetParam().value));
    } else {
        EXPECT_THROW(requireColour(GetParam().value), RunTimeError);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, IsColour,
                         ::testing::Values(ColourCase{0, true}, ColourCase{0xFFFFFF, true},
                                           ColourCase{0x1000000, false}, ColourCase{0x7FFFFFFF, false},
                                           ColourCase{0x80000005, true}, ColourCase{0x80000008, true},
                                           ColourCase{0x8000000B, true}, ColourCase{0x8000000F, true},
                                           ColourCase{0x80000018, true}, ColourCase{0x80000063, false},
                                           ColourCase{0x80010005, false}, ColourCase{0xFFFFFFFF, false}));

TEST(ResolveColour, TakesRgbPartsInOrderAndSystemColoursFromThePalette) {
    QPalette palette;
    palette.setColor(QPalette::ToolTipBase, QColor(1, 2, 3));
    palette.setColor(QPalette::Button, QColor(4, 5, 6));
    palette.setColor(QPalette::Base, QColor(7, 8, 9));
    palette.setColor(QPalette::WindowText, QColor(10, 11, 12));
    palette.setColor(QPalette::Mid, QColor(13, 14, 15));
    EXPECT_EQ(resolveColour(0xFFFFC0, palette), QColor(192, 255, 255));
    EXPECT_EQ(resolveColour(0x80000018, palette), QColor(1, 2, 3));
    EXPECT_EQ(resolveColour(0x8000000F, palette), QColor(4, 5, 6));
    EXPECT_EQ(resolveColour(0x80000005, palette), QColor(7, 8, 9));
    EXPECT_EQ(resolveColour(0x80000008, palette), QColor(10, 11, 12));
    EXPECT_EQ(resolveColour(0x8000000B, palette), QColor(13, 14, 15));
    EXPECT_THROW(static_cast<void>(resolveColour(0x80000001, palette)), RunTimeError);
}

TEST(HandleEvent, ReportsAnUntrappedFailureOnOneLineAndGoesOn) {
    ::testing::internal::CaptureStderr();
    handleEvent("Form1.Command1_Click", [] { throw RunTimeError(Failure::Overflow, "too big"); });
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1);
    EXPECT_NE(report.find("Form1.Command1_Click"), std::string::npos) << report;
    EXPECT_NE(report.find("overflow: too big"), std::string::npos) << report;
    bool ranAfter = false;
    handleEvent("next", [&ranAfter] { ranAfter = true; });
    EXPECT_TRUE(ranAfter);
}

TEST(HandleEvent, LetsAHandlerTrapItsOwnFailures) {
    ::testing::internal::CaptureStderr();
    bool trapped = false;
    handleEvent("trap", [&trapped] {
        try {
            throw RunTimeError(Failure::DivisionByZero);
        } catch (const RunTimeError& failure) {
            trapped = failure.failure() == Failure::DivisionByZero;
        }
    });
    EXPECT_TRUE(trapped);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

} // namespace
} // namespace levora::toolkit
