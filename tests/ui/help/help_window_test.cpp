// The help window: its first opening, the switching between its children by
// the toolbar, the menu and the topics links, and its closing.

#include "help_fixture.h"

#include "levora/toolkit/colour.h"
#include "levora/toolkit/runtime.h"

#include <QMdiArea>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>

#include <array>
#include <functional>
#include <string>

namespace levora::ui {
namespace {

constexpr double ScreenTwipsWide = 1024 * 15;
constexpr double ScreenTwipsHigh = 768 * 15;

TEST_F(HelpTest, TheFirstRequestOpensTheHelpWindowBesideTheMainWindowWithTheTopics) {
    EXPECT_FALSE(HelpWindowOpen.hasValue());
    requestHelp();
    MDIForm1* window = help();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(HelpWindowOpen == 1);
    EXPECT_EQ(window->Width(), 6826.0);
    EXPECT_EQ(window->Height(), 7026.0);
    EXPECT_EQ(window->Top(), ScreenTwipsHigh / 4 - 7026.0 / 4);
    EXPECT_EQ(window->Left(), ScreenTwipsWide / 2 - 6826.0 / 4);
    EXPECT_EQ(window->Caption(), QStringLiteral("Help - Topics"));
    EXPECT_EQ(window->BackColor(), toolkit::systemColour(toolkit::SystemColour::WindowBackground));
    EXPECT_EQ(children(), QStringList{QStringLiteral("frmDLG")});
    EXPECT_TRUE(TopicsDialogOpen == 1);
    EXPECT_TRUE(main->isVisible()) << "the main window stays in use beside the help";
    EXPECT_FALSE(NotePageOpen.hasValue());
}

struct ButtonCase {
    const char* name;
    double left;
};

class ToolbarButtons : public HelpTest, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(ToolbarButtons, SitInARowTwentyTwipsApartAcrossTheTopOfTheToolbar) {
    requestHelp();
    MDIForm1* window = help();
    ASSERT_NE(window, nullptr);
    auto* button = window->picToolBar->findChild<toolkit::Image*>(QString::fromLatin1(GetParam().name));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Left(), GetParam().left);
    EXPECT_EQ(button->Top(), 0.0);
    EXPECT_EQ(button->Width(), 795.0);
    EXPECT_EQ(button->Height(), 328.0);
    EXPECT_EQ(button->cursor().shape(), Qt::BitmapCursor) << "the hand pointer";
    EXPECT_EQ(button->parentWidget(), window->picToolBar);
    EXPECT_EQ(window->picToolBar->Height(), 405.0);
    EXPECT_EQ(window->picToolBar->width(), window->client()->width()) << "across the full width";
}

INSTANTIATE_TEST_SUITE_P(Lefts, ToolbarButtons,
                         ::testing::Values(ButtonCase{"Image1", 0}, ButtonCase{"Image2", 815},
                                           ButtonCase{"Image3", 1630}, ButtonCase{"Image4", 2445}),
                         [](const ::testing::TestParamInfo<ButtonCase>& param) {
                             return std::string(param.param.name);
                         });

TEST_F(HelpTest, TheToolbarAndTheMenuCarryTheirCaptionsAndTips) {
    requestHelp();
    MDIForm1* window = help();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Image1->toolTip(), QStringLiteral("Exit"));
    EXPECT_EQ(window->Image2->toolTip(), QStringLiteral("Notice the data and results"));
    EXPECT_EQ(window->Image3->toolTip(), QStringLiteral("How to get inputs and outputs"));
    EXPECT_EQ(window->Image4->toolTip(), QStringLiteral("Glossary"));
    QStringList bar;
    for (const QAction* action : window->menu()->actions()) {
        bar.append(action->text());
    }
    EXPECT_EQ(bar, (QStringList{QStringLiteral("E&xit"), QStringLiteral("&Window")}));
    QStringList items;
    for (const QAction* action : window->mnuWindow->actions()) {
        items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(items, (QStringList{QStringLiteral("&Notice"), QStringLiteral("&How to ..."), QStringLiteral("-"),
                                  QStringLiteral("&Glossary")}));
}

// A way of asking for a help child, from a window that shows the topics.
using Ask = std::function<void(MDIForm1&)>;

struct Target {
    const char* way;
    Ask ask;
    const char* child;
    const char* caption;
    WindowFlag* flag;
};

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

void clickLink(toolkit::Image* frmDLG::*link) {
    frmDLG* dialog = forms::frmDLG.existing();
    ASSERT_NE(dialog, nullptr) << "no topics dialog to click in";
    click(dialog->*link);
}

const std::array<Target, 7> targets{{
    {"NoticeButton", [](MDIForm1& w) { click(w.Image2); }, "frmNote", "Help - Notice the data and results",
     &NotePageOpen},
    {"HowToButton", [](MDIForm1& w) { click(w.Image3); }, "frmHowTo", "Help - How to get the input and output",
     &HowToPageOpen},
    {"GlossaryButton", [](MDIForm1& w) { click(w.Image4); }, "frmGloss", "Help - The Glossary", &GlossaryPageOpen},
    {"NoticeMenu", [](MDIForm1& w) { w.mnuWindowNotice->trigger(); }, "frmNote",
     "Help - Notice the data and results", &NotePageOpen},
    {"HowToMenu", [](MDIForm1& w) { w.mnuWindowHowTo->trigger(); }, "frmHowTo",
     "Help - How to get the input and output", &HowToPageOpen},
    {"GlossaryMenu", [](MDIForm1& w) { w.mnuWindowGlossary->trigger(); }, "frmGloss", "Help - The Glossary",
     &GlossaryPageOpen},
    {"TopicsCommand", [](MDIForm1& w) { w.Command0_Click(); }, "frmDLG", "Help - Topics", &TopicsDialogOpen},
}};

// Where the help stands before the switch: how to get there from the topics.
struct Start {
    const char* name;
    Ask reach;
};

const std::array<Start, 4> starts{{
    {"FromTopics", [](MDIForm1&) {}},
    {"FromNotice", [](MDIForm1& w) { w.Command2_Click(); }},
    {"FromHowTo", [](MDIForm1& w) { w.command3_Click(); }},
    {"FromGlossary", [](MDIForm1& w) { w.Command4_Click(); }},
}};

class PageSwitch : public HelpTest, public ::testing::WithParamInterface<std::tuple<Start, Target>> {};

TEST_P(PageSwitch, LeavesExactlyTheChosenChildLoadedWithItsCaption) {
    const auto& [start, target] = GetParam();
    requestHelp();
    MDIForm1* window = help();
    ASSERT_NE(window, nullptr);
    start.reach(*window);
    target.ask(*window);
    EXPECT_EQ(help(), window) << "the help window stays the same window";
    EXPECT_EQ(children(), QStringList{QString::fromLatin1(target.child)});
    EXPECT_EQ(window->Caption(), QString::fromLatin1(target.caption));
    EXPECT_TRUE(*target.flag == 1);
    for (const WindowFlag* flag : {&TopicsDialogOpen, &NotePageOpen, &HowToPageOpen, &GlossaryPageOpen}) {
        if (flag != target.flag) {
            EXPECT_TRUE(*flag == 0) << "another child's flag is still set";
        }
    }
    const QList<toolkit::Form*> loaded = window->childForms();
    ASSERT_EQ(loaded.size(), 1);
    EXPECT_TRUE(loaded.front()->isVisible());
    EXPECT_EQ(placement(*loaded.front()).topLeft(), QPoint(0, 0)) << "at the top left of the client area";
}

INSTANTIATE_TEST_SUITE_P(Everywhere, PageSwitch,
                         ::testing::Combine(::testing::ValuesIn(starts), ::testing::ValuesIn(targets)),
                         [](const ::testing::TestParamInfo<std::tuple<Start, Target>>& param) {
                             return std::string(std::get<0>(param.param).name) + "_" +
                                    std::get<1>(param.param).way;
                         });

struct LinkCase {
    const char* name;
    toolkit::Image* frmDLG::*link;
    const char* child;
    const char* caption;
};

class TopicsLink : public HelpTest, public ::testing::WithParamInterface<LinkCase> {};

// The link's own window goes while its click is handled: it must only go
// away once the handler has returned.
TEST_P(TopicsLink, UnloadsTheDialogFromItsOwnClickAndShowsThePage) {
    requestHelp();
    MDIForm1* window = help();
    ASSERT_NE(window, nullptr);
    const QPointer<frmDLG> dialog = forms::frmDLG.existing();
    clickLink(GetParam().link);
    EXPECT_TRUE(TopicsDialogOpen == 0);
    EXPECT_EQ(children(), QStringList{QString::fromLatin1(GetParam().child)});
    EXPECT_EQ(window->Caption(), QString::fromLatin1(GetParam().caption));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull()) << "the dialog is destroyed once control is back in the event loop";
}

INSTANTIATE_TEST_SUITE_P(
    Links, TopicsLink,
    ::testing::Values(LinkCase{"Notice", &frmDLG::Image2, "frmNote", "Help - Notice the data and results"},
                      LinkCase{"HowTo", &frmDLG::Image3, "frmHowTo", "Help - How to get the input and output"},
                      LinkCase{"Glossary", &frmDLG::Image4, "frmGloss", "Help - The Glossary"}),
    [](const ::testing::TestParamInfo<LinkCase>& param) { return std::string(param.param.name); });

TEST_F(HelpTest, TheTopicsTitleIsNoLink) {
    requestHelp();
    frmDLG* dialog = forms::frmDLG.existing();
    ASSERT_NE(dialog, nullptr);
    click(dialog->Image5);
    EXPECT_EQ(children(), QStringList{QStringLiteral("frmDLG")});
    EXPECT_EQ(dialog->Image5->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(dialog->Image5->toolTip().isEmpty());
}

TEST_F(HelpTest, AskingForThePageShownReloadsNothing) {
    requestHelp();
    MDIForm1* window = help();
    ASSERT_NE(window, nullptr);
    window->Command2_Click();
    frmNote* page = forms::frmNote.existing();
    ASSERT_NE(page, nullptr);
    window->setCaption(QStringLiteral("changed"));
    page->Label1->setTop(0);
    window->Command2_Click();
    ASSERT_EQ(forms::frmNote.existing(), page);
    EXPECT_EQ(page->Label1->Top(), 0.0) << "Form_Load did not run again";
    EXPECT_TRUE(NotePageOpen == 1);
    EXPECT_EQ(window->Caption(), QStringLiteral("Help - Notice the data and results"));
}

TEST_F(HelpTest, TheTopicsCommandWithTheTopicsShownChangesNothing) {
    requestHelp();
    MDIForm1* window = help();
    ASSERT_NE(window, nullptr);
    const QPointer<frmDLG> dialog = forms::frmDLG.existing();
    window->setCaption(QStringLiteral("as it was"));
    window->Command0_Click();
    EXPECT_EQ(forms::frmDLG.existing(), dialog.data());
    EXPECT_EQ(window->Caption(), QStringLiteral("as it was"));
    EXPECT_EQ(children(), QStringList{QStringLiteral("frmDLG")});
}

// A flag without a value counts as 0, so its window is not unloaded; a flag
// that says 1 for a window that is not there is taken at its word, and the
// unload of a window that is not loaded does nothing.
TEST_F(HelpTest, ACommandOnAFreshHelpSystemLoadsTheHelpWindowFirst) {
    forms::MDIForm1.Load();
    EXPECT_TRUE(HelpWindowOpen == 1);
    forms::MDIForm1->command3_Click();
    MDIForm1* window = help();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(children(), QStringList{QStringLiteral("frmHowTo")});
    EXPECT_FALSE(TopicsDialogOpen.hasValue());
    EXPECT_FALSE(NotePageOpen.hasValue());
    EXPECT_FALSE(GlossaryPageOpen.hasValue());
}

// Ways of closing the help window.
struct Closing {
    const char* name;
    std::function<void(MDIForm1&)> close;
};

class ClosingHelp : public HelpTest, public ::testing::WithParamInterface<Closing> {};

TEST_P(ClosingHelp, UnloadsThePageThenRestoresAndReplacesTheMainWindow) {
    requestHelp();
    MDIForm1* window = help();
    ASSERT_NE(window, nullptr);
    window->Command4_Click();
    const QPointer<MDIForm1> closed = window;
    main->setLeft(0);
    main->setTop(0);
    main->setWindowState(1);
    GetParam().close(*window);
    EXPECT_TRUE(GlossaryPageOpen == 0);
    EXPECT_TRUE(HelpWindowOpen == 0);
    EXPECT_EQ(help(), nullptr);
    const MDIForm1* gone = closed.data();
    EXPECT_TRUE(gone == nullptr || !gone->isVisible());
    EXPECT_EQ(main->WindowState(), 0);
    EXPECT_EQ(main->Top(), ScreenTwipsHigh / 4 - main->Height() / 4);
    EXPECT_EQ(main->Left(), ScreenTwipsWide / 4 - main->Width() / 4);
    EXPECT_TRUE(main->isLoaded()) << "closing the help leaves the program running";
    EXPECT_FALSE(toolkit::hasEnded());
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingHelp,
                         ::testing::Values(Closing{"ExitButton", [](MDIForm1& w) { click(w.Image1); }},
                                           Closing{"ExitMenu", [](MDIForm1& w) { w.mnuFileExit->trigger(); }},
                                           Closing{"CloseBox", [](MDIForm1& w) { w.close(); }}),
                         [](const ::testing::TestParamInfo<Closing>& param) {
                             return std::string(param.param.name);
                         });

TEST_F(HelpTest, ASecondRequestLoadsTheHelpAfreshAndPlacesItAgain) {
    requestHelp();
    MDIForm1* first = help();
    ASSERT_NE(first, nullptr);
    first->Command2_Click();
    first->setLeft(0);
    first->setTop(0);
    first->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    requestHelp();
    MDIForm1* second = help();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Left(), ScreenTwipsWide / 2 - 6826.0 / 4);
    EXPECT_EQ(second->Top(), ScreenTwipsHigh / 4 - 7026.0 / 4);
    EXPECT_EQ(second->Caption(), QStringLiteral("Help - Topics"));
    EXPECT_EQ(children(), QStringList{QStringLiteral("frmDLG")});
    EXPECT_TRUE(NotePageOpen == 0);
}

// Closing the main window closes the help first, and the program ends.
TEST_F(HelpTest, ClosingTheMainWindowClosesTheHelpFirst) {
    requestHelp();
    ASSERT_NE(help(), nullptr);
    forms::MDIForm1->Command2_Click();
    main->close();
    EXPECT_TRUE(NotePageOpen == 0);
    EXPECT_TRUE(HelpWindowOpen == 0);
    EXPECT_TRUE(toolkit::hasEnded());
}

class HelpAloneTest : public HelpTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(toolkit::existingForms().isEmpty());
        clearHelpFlags();
    }
};

// Without the main window the moves fail, and the help still closes.
TEST_F(HelpAloneTest, ClosingTheHelpWithoutTheMainWindowStillClearsItsFlag) {
    forms::MDIForm1->Command2_Click();
    ASSERT_NE(help(), nullptr);
    forms::MDIForm1.Unload();
    EXPECT_TRUE(HelpWindowOpen == 0);
    EXPECT_TRUE(NotePageOpen == 0);
    EXPECT_EQ(forms::Form1.existing(), nullptr) << "the main window was not brought back to life";
}

TEST_F(HelpTest, TheGlossaryIsScrolledInTheClientArea) {
    requestHelp();
    MDIForm1* window = help();
    ASSERT_NE(window, nullptr);
    window->Command4_Click();
    QCoreApplication::processEvents();
    EXPECT_GT(window->workspace()->verticalScrollBar()->maximum(), 0);
    EXPECT_GT(window->workspace()->horizontalScrollBar()->maximum(), 0);
    window->Command2_Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->workspace()->horizontalScrollBar()->maximum(), 0) << "the notice page fits across";
}

} // namespace
} // namespace levora::ui
