// The help pages and the topics dialog as their loads lay them out.

#include "help_fixture.h"

#include "levora/help_texts.h"
#include "levora/toolkit/colour.h"

#include <QFontMetrics>

#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace levora::ui {
namespace {

struct Placed {
    const char* control; // null: the child window itself
    double left;
    double top;
    double width;
    double height;
};

struct ChildCase {
    const char* name;
    std::function<void(MDIForm1&)> show;
    const char* form;
    std::vector<Placed> placed;
};

// The glossary's lengths are kept in single precision.
double single(double twips) { return static_cast<double>(static_cast<float>(twips)); }

const double glossaryHeight = single(888.0 / 728.0 * 10000 + 1200);
const double glossaryWidth = single(6225 * 1.8);
// A client area is whole pixels wide: ScaleWidth is 533 or 747 pixels.
const double glossaryScaleWidth = 747 * 15;

const std::array<ChildCase, 4> children{{
    {"Topics",
     [](MDIForm1& w) { w.Command0_Click(); },
     "frmDLG",
     {{nullptr, 0, 0, 6000, 4000},
      {"Image5", 720, 600, 1005, 330},
      {"Image2", 720, 1200, 2280, 300},
      {"Image3", 720, 1680, 1935, 300},
      {"Image4", 720, 2160, 540, 300}}},
    {"Notice",
     [](MDIForm1& w) { w.Command2_Click(); },
     "frmNote",
     {{nullptr, 0, 0, 6600, 5800},
      {"Picture2", 600, 600, 1388, 748},
      {"Image1", 8, 8, 1260, 735},
      {"Label1", 600, 1748, 3405, 318},
      {"Picture1", 0, 2066, 6600, 5800}}},
    {"HowTo",
     [](MDIForm1& w) { w.command3_Click(); },
     "frmHowTo",
     {{nullptr, 0, 0, 8000, 6000}, {"Image1", 300, 600, 2250, 420}, {"Picture1", 0, 975, 7995, 5025}}},
    {"Glossary",
     [](MDIForm1& w) { w.Command4_Click(); },
     "frmGloss",
     {{nullptr, 0, 0, glossaryWidth, glossaryHeight},
      {"Label1", single(glossaryWidth / 2.2), 600, 2055, 375},
      {"Image1", 480, 600, 600, 360},
      {"Picture1", 0, 975, glossaryScaleWidth, glossaryHeight}}},
}};

class ChildLayout : public HelpTest, public ::testing::WithParamInterface<ChildCase> {
protected:
    toolkit::Form* shown() {
        requestHelp();
        MDIForm1* window = help();
        if (window == nullptr) {
            return nullptr;
        }
        GetParam().show(*window);
        const QList<toolkit::Form*> loaded = window->childForms();
        return loaded.size() == 1 && loaded.front()->objectName() == QString::fromLatin1(GetParam().form)
                   ? loaded.front()
                   : nullptr;
    }

    static QObject* part(toolkit::Form& child, const char* control) {
        return control == nullptr ? static_cast<QObject*>(&child)
                                  : child.findChild<QWidget*>(QString::fromLatin1(control));
    }
};

TEST_P(ChildLayout, PlacesEveryPartWhereItsLoadPutsIt) {
    toolkit::Form* child = shown();
    ASSERT_NE(child, nullptr);
    for (const Placed& placed : GetParam().placed) {
        const QObject* object = part(*child, placed.control);
        ASSERT_NE(object, nullptr) << placed.control;
        const std::string name = placed.control != nullptr ? placed.control : GetParam().form;
        EXPECT_EQ(object->property("Left").toDouble(), placed.left) << name;
        EXPECT_EQ(object->property("Top").toDouble(), placed.top) << name;
        EXPECT_EQ(object->property("Width").toDouble(), placed.width) << name;
        EXPECT_EQ(object->property("Height").toDouble(), placed.height) << name;
        if (const auto* widget = qobject_cast<const QWidget*>(object); widget != nullptr && widget != child) {
            EXPECT_TRUE(widget->isVisible()) << name;
        }
    }
    EXPECT_EQ(child->BackColor(), toolkit::systemColour(toolkit::SystemColour::WindowBackground));
    EXPECT_EQ(placement(*child).topLeft(), QPoint(0, 0));
    EXPECT_TRUE(child->isVisible());
}

TEST_P(ChildLayout, AResizeChangesNothing) {
    toolkit::Form* child = shown();
    ASSERT_NE(child, nullptr);
    child->setWidth(3000);
    child->setHeight(2000);
    QCoreApplication::processEvents();
    for (const Placed& placed : GetParam().placed) {
        if (placed.control == nullptr) {
            continue;
        }
        const QObject* object = part(*child, placed.control);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->property("Left").toDouble(), placed.left) << placed.control;
        EXPECT_EQ(object->property("Top").toDouble(), placed.top) << placed.control;
        EXPECT_EQ(object->property("Width").toDouble(), placed.width) << placed.control;
        EXPECT_EQ(object->property("Height").toDouble(), placed.height) << placed.control;
    }
}

TEST_P(ChildLayout, IsABorderlessChildOfTheHelpWindow) {
    toolkit::Form* child = shown();
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(child->isChild());
    EXPECT_EQ(child->borderStyle(), toolkit::BorderStyle::None);
    EXPECT_EQ(child->window(), help()) << "inside the help window, not a window of its own";
    EXPECT_TRUE(child->parentWidget()->windowFlags().testFlag(Qt::FramelessWindowHint));
}

INSTANTIATE_TEST_SUITE_P(Children, ChildLayout, ::testing::ValuesIn(children),
                         [](const ::testing::TestParamInfo<ChildCase>& param) {
                             return std::string(param.param.name);
                         });

TEST_F(HelpTest, TheLinksShowTheHandAndTheirTips) {
    requestHelp();
    frmDLG* dialog = forms::frmDLG.existing();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Image2->toolTip(), QStringLiteral("Notice the data and results"));
    EXPECT_EQ(dialog->Image3->toolTip(), QStringLiteral("How to get inputs and outputs"));
    EXPECT_EQ(dialog->Image4->toolTip(), QStringLiteral("Glossary"));
    for (const toolkit::Image* link : {dialog->Image2, dialog->Image3, dialog->Image4}) {
        EXPECT_EQ(link->cursor().shape(), Qt::BitmapCursor) << link->objectName().toStdString();
        EXPECT_FALSE(link->pixmap().isNull());
    }
}

// The notice page's picture box reaches below the page; the page shows its
// upper part only.
TEST_F(HelpTest, TheNoticePictureBoxReachesBelowThePage) {
    requestHelp();
    forms::MDIForm1->Command2_Click();
    frmNote* page = forms::frmNote.existing();
    ASSERT_NE(page, nullptr);
    EXPECT_GT(page->Picture1->Top() + page->Picture1->Height(), page->Height());
    EXPECT_EQ(page->Picture1->geometry().bottom() >= page->client()->height(), true);
}

// The how-to picture is 400 pixels (6000 twips) high; its box is 5025 twips.
TEST_F(HelpTest, TheHowToPictureIsCutAtTheBottomOfItsBox) {
    requestHelp();
    forms::MDIForm1->command3_Click();
    frmHowTo* page = forms::frmHowTo.existing();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Picture1->height(), 335);
    EXPECT_LT(page->Picture1->height(), QImage(QStringLiteral(":/pictures/howto_page.png")).height());
}

struct TextCase {
    const char* name;
    std::function<void(MDIForm1&)> show;
    std::function<toolkit::PictureBox*()> picture;
    std::string_view sample;
};

class PageText : public HelpTest, public ::testing::WithParamInterface<TextCase> {};

// A screen reader reads the page's picture by its accessible description.
TEST_P(PageText, ThePagePictureCarriesTheFullEnglishText) {
    requestHelp();
    GetParam().show(forms::MDIForm1.get());
    toolkit::PictureBox* picture = GetParam().picture();
    ASSERT_NE(picture, nullptr);
    const QString sample =
        QString::fromUtf8(GetParam().sample.data(), static_cast<qsizetype>(GetParam().sample.size()));
    EXPECT_TRUE(picture->accessibleDescription().contains(sample))
        << picture->accessibleDescription().toStdString();
    EXPECT_FALSE(picture->accessibleName().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageText,
    ::testing::Values(TextCase{"Notice", [](MDIForm1& w) { w.Command2_Click(); },
                               [] { return forms::frmNote->Picture1; }, help::NoticeParagraphs[1]},
                      TextCase{"HowTo", [](MDIForm1& w) { w.command3_Click(); },
                               [] { return forms::frmHowTo->Picture1; }, help::HowToInputs.notes[1].english},
                      TextCase{"Glossary", [](MDIForm1& w) { w.Command4_Click(); },
                               [] { return forms::frmGloss->Picture1; }, help::Glossary.back().englishDefinition}),
    [](const ::testing::TestParamInfo<TextCase>& param) { return std::string(param.param.name); });

TEST_F(HelpTest, ThePageTitlesFitTheirLabels) {
    requestHelp();
    forms::MDIForm1->Command2_Click();
    const toolkit::Label* notice = forms::frmNote->Label1;
    EXPECT_LE(QFontMetrics(notice->font()).horizontalAdvance(notice->text()), notice->width());
    forms::MDIForm1->Command4_Click();
    const toolkit::Label* glossary = forms::frmGloss->Label1;
    EXPECT_LE(QFontMetrics(glossary->font()).horizontalAdvance(glossary->text()), glossary->width());
}

} // namespace
} // namespace levora::ui
