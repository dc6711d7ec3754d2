// The main window as its load sequence lays it out.

#include "main_window_fixture.h"

#include "levora/model_tables.h"

#include <QFontInfo>

#include <string_view>
#include <vector>

namespace levora::ui {
namespace {

TEST_F(MainWindowTest, LoadSizesAndPlacesTheWindowAQuarterOfTheFreeSpaceFromTheTopLeft) {
    EXPECT_EQ(window->Caption(), QStringLiteral("Levora for N.Korea"));
    EXPECT_EQ(window->Width(), 5213.0);
    EXPECT_EQ(window->Height(), 6910.0);
    EXPECT_EQ(window->Left(), 2536.75);
    EXPECT_EQ(window->Top(), 1152.5);
    // 2536.75 and 1152.5 twips are 169.1 and 76.8 pixels.
    EXPECT_EQ(window->geometry().topLeft(), QPoint(169 + window->frame().left, 77 + window->frame().top));
    EXPECT_EQ(window->geometry().size(), QSize(348 - window->frame().left - window->frame().right,
                                               461 - window->frame().top - window->frame().bottom));
    EXPECT_EQ(window->Picture2->Width(), 5063.0);
    EXPECT_EQ(window->Picture2->Left(), (window->ScaleWidth() - 5063) / 2 - 6);
}

TEST_F(MainWindowTest, TheTopLinesRunFromOneBorderWidthToTheWindowsWidth) {
    const double border = (window->Width() - window->ScaleWidth()) / 2;
    struct Expected {
        toolkit::Line* line;
        double y;
        toolkit::ColourValue colour;
    };
    for (const Expected& expected :
         {Expected{window->Line5, 0, 0x80000008}, Expected{window->Line6, 8, 0x80000005}}) {
        EXPECT_EQ(expected.line->X1(), border);
        EXPECT_EQ(expected.line->X2(), 5213.0);
        EXPECT_EQ(expected.line->Y1(), expected.y);
        EXPECT_EQ(expected.line->Y2(), expected.y);
        EXPECT_EQ(expected.line->BorderColor(), expected.colour);
    }
}

struct FrameCase {
    const char* control;
    std::vector<const char*> lines; // left, top, right, bottom
};

class Frames : public MainWindowTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(Frames, SurroundTheirControlOneTwipAwayWithTheLowerRightCornerOpen) {
    const auto* control = window->findChild<QWidget*>(QString::fromLatin1(GetParam().control));
    ASSERT_NE(control, nullptr);
    const double L = control->property("Left").toDouble();
    const double T = control->property("Top").toDouble();
    const double W = control->property("Width").toDouble();
    const double H = control->property("Height").toDouble();
    const std::vector<std::vector<double>> expected{{L - 1, T - 1, L - 1, T + H},
                                                    {L - 1, T - 1, L + W, T - 1},
                                                    {L + W + 1, T - 1, L + W + 1, T + H},
                                                    {L - 1, T + H + 1, L + W, T + H + 1}};
    for (std::size_t side = 0; side < 4; ++side) {
        const auto* line = window->findChild<toolkit::Line*>(QString::fromLatin1(GetParam().lines[side]));
        ASSERT_NE(line, nullptr) << GetParam().lines[side];
        EXPECT_EQ((std::vector<double>{line->X1(), line->Y1(), line->X2(), line->Y2()}), expected[side])
            << GetParam().lines[side];
        EXPECT_TRUE(line->Visible());
        EXPECT_EQ(line->BorderWidth(), 1);
        EXPECT_EQ(line->BorderColor(), 0x8000000BU);
    }
}

INSTANTIATE_TEST_SUITE_P(FourFrames, Frames,
                         ::testing::Values(FrameCase{"Picture3", {"Line11", "Line12", "Line13", "Line14"}},
                                           FrameCase{"Text2", {"Line21", "Line22", "Line23", "Line24"}},
                                           FrameCase{"Combo1", {"Line31", "Line32", "Line33", "Line34"}},
                                           FrameCase{"Combo2", {"Line41", "Line42", "Line43", "Line44"}}));

TEST_F(MainWindowTest, TheRevenueFrameHasTheListedLines) {
    const auto ends = [](const toolkit::Line* line) {
        return std::vector<double>{line->X1(), line->Y1(), line->X2(), line->Y2()};
    };
    EXPECT_EQ(ends(window->Line21), (std::vector<double>{599, 2639, 599, 3015}));
    EXPECT_EQ(ends(window->Line22), (std::vector<double>{599, 2639, 4215, 2639}));
    EXPECT_EQ(ends(window->Line23), (std::vector<double>{4216, 2639, 4216, 3015}));
    EXPECT_EQ(ends(window->Line24), (std::vector<double>{599, 3016, 4215, 3016}));
}

TEST_F(MainWindowTest, OnlyTheGreetingIsVisibleInTheResultPanelAfterLoad) {
    std::vector<QString> visible;
    for (const QWidget* child : window->Picture3->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->objectName().isEmpty() && !child->isHidden()) {
            visible.push_back(child->objectName());
        }
    }
    EXPECT_EQ(visible, std::vector<QString>{QStringLiteral("Image6")});
    EXPECT_TRUE(onlyGreetingShown());
}

TEST_F(MainWindowTest, BothListsAreFilledInTableOrderWithNothingSelected) {
    ASSERT_EQ(window->Combo1->ListCount(), ElasticityCount);
    ASSERT_EQ(window->Combo2->ListCount(), RangeCount);
    EXPECT_EQ(window->Combo1->List(0), QStringLiteral("-0.9"));
    EXPECT_EQ(window->Combo1->List(18), QStringLiteral("0.9"));
    for (int e = 0; e < ElasticityCount; ++e) {
        EXPECT_EQ(window->Combo1->List(e).toStdString(), ElasticityName(e));
    }
    for (int p = 0; p < RangeCount; ++p) {
        EXPECT_EQ(window->Combo2->List(p).toStdString(), RangeName(p + 1));
    }
    EXPECT_EQ(window->Combo1->ListIndex(), -1);
    EXPECT_EQ(window->Combo2->ListIndex(), -1);
}

TEST_F(MainWindowTest, TheFocusStartsInTheRevenueBoxAndTabsThroughTheThreeStepsToGo) {
    window->Show();
    EXPECT_EQ(window->focusWidget(), window->Text2);
    std::vector<QString> order;
    QWidget* widget = window->Text2;
    while (order.size() < 4) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isVisibleTo(window)) {
            order.push_back(widget->objectName());
        }
        widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(order, (std::vector<QString>{"Text2", "Combo1", "Combo2", "Command1"}));
}

TEST_F(MainWindowTest, EntriesAndResultsAreInArialBold9Point75) {
    for (const char* name : {"Text2", "Combo1", "Combo2", "Command1", "Label6", "Label7", "Label8"}) {
        const auto* control = window->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->font().family(), QStringLiteral("Arial")) << name;
        EXPECT_EQ(control->font().pointSizeF(), 9.75) << name;
        EXPECT_TRUE(control->font().bold()) << name;
        const QString used = QFontInfo(control->font()).family();
        EXPECT_TRUE(used == QStringLiteral("Arial") || used == QStringLiteral("Liberation Sans"))
            << used.toStdString();
    }
}

TEST_F(MainWindowTest, TheColourSchemeIsGreenOnLightCyanOnTheToolTipBackground) {
    for (const auto* entry :
         std::initializer_list<const toolkit::ControlProperties*>{window->Text2, window->Combo1, window->Combo2}) {
        EXPECT_EQ(entry->BackColor(), 0xFFFFC0U);
        EXPECT_EQ(entry->ForeColor(), 0x8000U);
    }
    EXPECT_EQ(window->Text2->palette().color(QPalette::Base), QColor(192, 255, 255));
    EXPECT_EQ(window->Text2->palette().color(QPalette::Text), QColor(0, 128, 0));
    EXPECT_EQ(window->Combo1->palette().color(QPalette::Button), QColor(192, 255, 255));
    EXPECT_EQ(window->Combo2->palette().color(QPalette::ButtonText), QColor(0, 128, 0));
    EXPECT_EQ(window->Picture2->BackColor(), 0x80000018U);
    EXPECT_EQ(window->Command1->BackColor(), 0x80000018U);
    EXPECT_EQ(window->Picture2->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::ToolTipBase));
    EXPECT_EQ(window->Picture1->BackColor(), 0x8000000FU);
    EXPECT_EQ(window->BackColor(), 0x8000000FU);
    EXPECT_EQ(window->Picture3->BackColor(), 0xFFFFC0U);
    EXPECT_EQ(window->Label6->BackColor(), 0xC0C0C0U);
    EXPECT_EQ(window->Label6->ForeColor(), 0x8000U);
}

struct PictureCase {
    const char* name;
    const char* toolTip;
};

class Pictures : public MainWindowTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(Pictures, FillTheirControlAndCarryTheirToolTipAndMeaning) {
    auto* image = window->findChild<toolkit::Image*>(QString::fromLatin1(GetParam().name));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->toolTip(), QString::fromLatin1(GetParam().toolTip));
    EXPECT_EQ(image->accessibleName(), image->toolTip());
    EXPECT_FALSE(image->accessibleDescription().isEmpty());
    EXPECT_EQ(image->picture().size(), image->size());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, Pictures,
                         ::testing::Values(PictureCase{"Image7", "Exit"}, PictureCase{"Image8", "Help"},
                                           PictureCase{"Image6", "Welcome"},
                                           PictureCase{"Image1a", "The tax burden is (WON)  "},
                                           PictureCase{"Image1b", "The progressivity is  "},
                                           PictureCase{"Image1c", "The redistribution effect is  "},
                                           PictureCase{"Image2", "Three steps to get model estimations"},
                                           PictureCase{"Image3", "Step 1 - Choose the tax revenue (WON100m.)"},
                                           PictureCase{"Image4", "Step 2 - Choose the tax elasticity"},
                                           PictureCase{"Image5", "Step 3 - Choose the income range (WON)"}));

TEST_F(MainWindowTest, TheEntriesCarryTheirToolTips) {
    EXPECT_EQ(window->Text2->toolTip(), QStringLiteral("Enter a number here"));
    EXPECT_EQ(window->Combo1->toolTip(), QStringLiteral("Select a number from the list"));
    EXPECT_EQ(window->Combo2->toolTip(), QStringLiteral("Select a range from the list"));
    EXPECT_EQ(window->Command1->toolTip(), QStringLiteral("Click the button"));
    EXPECT_EQ(window->Command1->Caption(), QStringLiteral("GO"));
    EXPECT_EQ(window->Image8->Left(), 575.0);
    EXPECT_FALSE(window->Image7->cursor().pixmap().isNull()) << "the top-bar pictures show a pointing hand";
}

} // namespace
} // namespace levora::ui
