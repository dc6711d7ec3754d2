// Closing the main window: the map title window and the help window go
// first, where their flags say they are loaded, then the program ends.

#include "main_window_fixture.h"

#include "levora/toolkit/runtime.h"

#include <vector>

namespace levora::ui {
namespace {

std::vector<QString>& unloads() {
    static std::vector<QString> log;
    return log;
}

/// Stands in for a window that the main window unloads by name.
class StandIn : public toolkit::Form {
public:
    explicit StandIn(const QString& name)
        : Form(name, toolkit::BorderStyle::None, toolkit::CaptionButtons::CloseOnly, 1500, 1500) {}

protected:
    void Form_Unload(std::int16_t& /*Cancel*/) override { unloads().push_back(objectName()); }
};

struct FlagCase {
    std::int16_t mapFlag;
    std::optional<double> helpFlag;
    std::vector<QString> unloaded;
};

class UnloadSequence : public MainWindowTest, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(UnloadSequence, UnloadsTheLoadedWindowsTheFlagsNameThenEnds) {
    unloads().clear();
    auto* map = new StandIn(QStringLiteral("Form2"));
    auto* help = new StandIn(QStringLiteral("MDIForm1"));
    map->Load();
    help->Load();
    MapWindowLoaded = GetParam().mapFlag;
    if (GetParam().helpFlag) {
        HelpWindowOpen = *GetParam().helpFlag;
    }
    window->Show();
    window->close();
    EXPECT_EQ(unloads(), GetParam().unloaded);
    EXPECT_TRUE(toolkit::hasEnded());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(map->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Flags, UnloadSequence,
                         ::testing::Values(FlagCase{0, std::nullopt, {}}, FlagCase{0, 0.0, {}},
                                           FlagCase{1, std::nullopt, {QStringLiteral("Form2")}},
                                           FlagCase{0, 1.0, {QStringLiteral("MDIForm1")}},
                                           FlagCase{
                                               1, 1.0, {QStringLiteral("Form2"), QStringLiteral("MDIForm1")}}));

TEST(WindowFlag, HoldsNoValueUntilSetAndNoValueCountsAsZero) {
    WindowFlag flag;
    EXPECT_FALSE(flag.hasValue());
    EXPECT_TRUE(flag == 0);
    EXPECT_FALSE(flag == 1);
    flag = 1;
    EXPECT_TRUE(flag.hasValue());
    EXPECT_TRUE(flag == 1);
    flag.clear();
    EXPECT_TRUE(flag == 0);
}

} // namespace
} // namespace levora::ui
