// The map title window: loaded and hidden over the whole screen, with its flag
// recording whether it is loaded.

#include "startup_fixture.h"

#include "main/Form1.h"
#include "startup/Form2.h"

#include "levora/toolkit/colour.h"
#include "levora/toolkit/runtime.h"
#include "levora/toolkit/twips.h"

#include <QDate>
#include <QRegularExpression>

namespace levora::ui {
namespace {

TEST_F(StartupTest, TheMapWindowRecordsWhileItIsLoaded) {
    EXPECT_EQ(MapWindowLoaded, 0);
    Form2& map = forms::Form2.get();
    EXPECT_EQ(MapWindowLoaded, 1);
    EXPECT_FALSE(map.isVisible()) << "loading does not show it";
    map.Unload();
    EXPECT_EQ(MapWindowLoaded, 0);
    forms::Form2.Load();
    EXPECT_EQ(MapWindowLoaded, 1) << "a fresh window loads again";
}

TEST_F(StartupTest, TheMapWindowCoversTheScreenWithTheFlagNearTheTopRight) {
    const Form2& map = forms::Form2.get();
    EXPECT_EQ(map.Left(), 0.0);
    EXPECT_EQ(map.Top(), 0.0);
    EXPECT_EQ(map.Width(), toolkit::Screen::Width());
    EXPECT_EQ(map.Height(), toolkit::Screen::Height());
    EXPECT_EQ(map.ScaleWidth(), map.Width()) << "it has no border";
    const QRect flag = map.picFlagFrame->geometry();
    EXPECT_GT(flag.left(), map.width() / 2);
    EXPECT_LT(flag.top(), map.height() / 4);
    EXPECT_LE(flag.right(), map.width());
    EXPECT_LT(map.Line1->X1(), map.picFlagFrame->Left()) << "the rule stands left of the flag";
    EXPECT_EQ(map.Line1->X1(), map.Line1->X2());
    EXPECT_GT(map.lblYear->Top(), map.picFlagFrame->Top() + map.picFlagFrame->Height());
    EXPECT_GT(map.picBand->Top(), map.lblYear->Top() + map.lblYear->Height());
    EXPECT_EQ(map.picBand->Width(), map.ScaleWidth());
    EXPECT_FALSE(map.imgMap->isVisibleTo(&map));
    EXPECT_FALSE(map.imgFlagLarge->isVisibleTo(&map));
}

TEST_F(StartupTest, TheMapWindowShowsTheCurrentYearInYellow) {
    const Form2& map = forms::Form2.get();
    const QRegularExpression year(QStringLiteral("^A\\.D\\. (\\d{4})$"));
    const QRegularExpressionMatch match = year.match(map.lblYear->Caption());
    ASSERT_TRUE(match.hasMatch()) << map.lblYear->Caption().toStdString();
    EXPECT_EQ(match.captured(1).toInt(), QDate::currentDate().year());
    EXPECT_EQ(map.lblYear->ForeColor(), toolkit::RGB(255, 255, 0));
}

TEST_F(StartupTest, ClosingTheMainWindowUnloadsTheMapWindow) {
    forms::Form2.Load();
    const QPointer<Form2> map = forms::Form2.existing();
    Form1& main = forms::Form1.get();
    main.Show();
    main.close();
    EXPECT_TRUE(toolkit::hasEnded());
    EXPECT_EQ(MapWindowLoaded, 0);
    EXPECT_TRUE(goneOrUnloaded(map));
}

} // namespace
} // namespace levora::ui
