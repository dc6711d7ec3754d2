#include "checks.h"

#include "help/MDIForm1.h"
#include "help/frmDLG.h"
#include "help/frmGloss.h"
#include "help/frmHowTo.h"
#include "help/frmNote.h"
#include "main/Form1.h"
#include "shared/ProgramFlags.h"

#include "levora/model_tables.h"
#include "levora/toolkit/form.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>
#include <array>
#include <string_view>

namespace levora::soak {

namespace {

/// The program's windows and the popups of their lists and menus stay well
/// below this.
constexpr qsizetype MostTopLevelWidgets = 16;
/// Between actions on the main window: the main window, the help window and
/// its one child, and the map title window.
constexpr qsizetype MostForms = 4;

/// A help child and the caption the help window shows with it.
struct HelpChild {
    std::string_view name;
    std::string_view caption;
};

constexpr std::array<HelpChild, 4> HelpChildren{{
    {"frmDLG", "Help - Topics"},
    {"frmNote", "Help - Notice the data and results"},
    {"frmHowTo", "Help - How to get the input and output"},
    {"frmGloss", "Help - The Glossary"},
}};

std::string name(const QObject& object) { return object.objectName().toStdString(); }

bool isLoaded(QStringView formName) {
    const QList<toolkit::Form*> forms = toolkit::existingForms();
    return std::any_of(forms.begin(), forms.end(), [formName](const toolkit::Form* form) {
        return form->isLoaded() && form->objectName() == formName;
    });
}

std::string flagText(const ui::WindowFlag& flag) {
    return flag.hasValue() ? QString::number(flag.value()).toStdString() : std::string("no value");
}

std::string childNames(const QList<toolkit::Form*>& children) {
    std::string names;
    for (const toolkit::Form* child : children) {
        names += (names.empty() ? "" : ",") + name(*child);
    }
    return names;
}

std::string loadedText(bool loaded) { return loaded ? "loaded" : "not loaded"; }

std::array<const toolkit::ControlProperties*, 6> results(const ui::Form1& window) {
    return {window.Image1a, window.Image1b, window.Image1c, window.Label6, window.Label7, window.Label8};
}

std::string visibility(const ui::Form1& window) {
    std::string text;
    for (const QWidget* widget :
         std::initializer_list<const QWidget*>{window.Image1a, window.Image1b, window.Image1c, window.Label6,
                                               window.Label7, window.Label8, window.Image6}) {
        text += name(*widget) + (widget->isHidden() ? " hidden " : " shown ");
    }
    return text;
}

} // namespace

HelpView helpView() {
    const ui::MDIForm1* help = forms::MDIForm1.existing();
    if (help == nullptr || !help->isLoaded()) {
        return {};
    }
    return {childNames(help->childForms()), help->WindowState()};
}

std::string describe(const HelpView& view) {
    if (view.child.empty()) {
        return "closed";
    }
    return view.child + (view.windowState == 1 ? " minimized" : view.windowState == 0 ? "" : " maximized");
}

Problems windowFlagProblems() {
    Problems problems;
    const bool map = isLoaded(u"Form2");
    if (ui::MapWindowLoaded != (map ? 1 : 0)) {
        problems.push_back("MapWindowLoaded is " + std::to_string(ui::MapWindowLoaded) + " while Form2 is " +
                           loadedText(map));
    }
    struct HelpFlag {
        std::string_view flagName;
        const ui::WindowFlag& flag;
        std::string_view window;
        bool loaded;
    };
    const std::array<HelpFlag, 5> helpFlags{{
        {"HelpWindowOpen", ui::HelpWindowOpen, "MDIForm1", forms::MDIForm1.isLoaded()},
        {"TopicsDialogOpen", ui::TopicsDialogOpen, "frmDLG", forms::frmDLG.isLoaded()},
        {"NotePageOpen", ui::NotePageOpen, "frmNote", forms::frmNote.isLoaded()},
        {"HowToPageOpen", ui::HowToPageOpen, "frmHowTo", forms::frmHowTo.isLoaded()},
        {"GlossaryPageOpen", ui::GlossaryPageOpen, "frmGloss", forms::frmGloss.isLoaded()},
    }};
    for (const HelpFlag& help : helpFlags) {
        const bool holds = help.loaded ? help.flag.hasValue() && help.flag == 1 : help.flag == 0;
        if (!holds) {
            problems.push_back(std::string(help.flagName) + " is " + flagText(help.flag) + " while " +
                               std::string(help.window) + " is " + loadedText(help.loaded));
        }
    }
    return problems;
}

Problems helpWindowProblems() {
    const ui::MDIForm1* help = forms::MDIForm1.existing();
    if (help == nullptr) {
        return {};
    }
    const QList<toolkit::Form*> children = help->childForms();
    if (!help->isLoaded()) {
        return children.size() > 1
                   ? Problems{"the help window on its way out holds the children " + childNames(children)}
                   : Problems{};
    }
    if (children.size() != 1) {
        return {"the help window holds " + std::to_string(children.size()) + " children: " + childNames(children)};
    }
    Problems problems;
    if (!help->isVisible()) {
        problems.emplace_back("the help window is loaded but not shown");
    }
    const toolkit::Form& child = *children.front();
    if (!child.isVisible()) {
        problems.push_back("the help window's child " + name(child) + " is not shown");
    }
    const std::string childName = name(child);
    const auto* const known = std::find_if(HelpChildren.begin(), HelpChildren.end(),
                                           [&childName](const HelpChild& c) { return c.name == childName; });
    const std::string caption = help->Caption().toStdString();
    if (known == HelpChildren.end()) {
        problems.push_back("the help window holds " + name(child) + ", which is no help child");
    } else if (caption != known->caption) {
        problems.push_back("the help window's caption is \"" + caption + "\" while it shows " + name(child) +
                           ", where \"" + std::string(known->caption) + "\" was expected");
    }
    return problems;
}

Problems resultAreaProblems(const ui::Form1& window, const std::optional<ResultTexts>& expected) {
    const auto shown = results(window);
    const bool allResults =
        std::all_of(shown.begin(), shown.end(), [](const toolkit::ControlProperties* c) { return c->Visible(); });
    const bool noResults =
        std::none_of(shown.begin(), shown.end(), [](const toolkit::ControlProperties* c) { return c->Visible(); });
    const bool greeting = window.Image6->Visible();
    if (!(allResults && !greeting) && !(noResults && greeting)) {
        return {"the result area shows neither of its looks: " + visibility(window)};
    }
    if (!expected) {
        return greeting ? Problems{} : Problems{"the results are shown where the greeting was expected"};
    }
    if (greeting) {
        return {"the greeting is shown where the results were expected"};
    }
    Problems problems;
    const std::array labels{window.Label6, window.Label7, window.Label8};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const std::string caption = labels.at(i)->Caption().toStdString();
        if (caption != expected->at(i)) {
            problems.push_back(name(*labels.at(i)) + " shows \"" + caption + "\" where the engine says \"" +
                               expected->at(i) + "\"");
        }
    }
    return problems;
}

Problems hiddenResultAreaProblems(const ui::Form1& window) {
    const auto shown = results(window);
    const bool anyResult =
        std::any_of(shown.begin(), shown.end(), [](const toolkit::ControlProperties* c) { return c->Visible(); });
    if (anyResult || window.Image6->Visible()) {
        return {"the result area is not all hidden while the Input Problem dialog is up: " + visibility(window)};
    }
    return {};
}

Problems leakProblems() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Problems problems;
    const QList<toolkit::Form*> forms = toolkit::existingForms();
    for (const toolkit::Form* form : forms) {
        if (form->isUnloaded()) {
            problems.push_back(name(*form) + " still exists after its unload");
        }
    }
    if (const ui::MDIForm1* help = forms::MDIForm1.existing()) {
        const qsizetype frames = help->workspace()->subWindowList().size();
        const qsizetype children = help->childForms().size();
        if (frames != children) {
            problems.push_back("the help window keeps " + std::to_string(frames) + " child frames for " +
                               std::to_string(children) + " loaded children");
        }
    }
    if (forms.size() > MostForms) {
        problems.push_back(std::to_string(forms.size()) + " windows exist");
    }
    const qsizetype topLevel = QApplication::topLevelWidgets().size();
    if (topLevel > MostTopLevelWidgets) {
        problems.push_back(std::to_string(topLevel) + " top-level widgets exist");
    }
    return problems;
}

Problems endedProblems() {
    Problems problems;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            problems.push_back(name(*widget) + " (" + widget->metaObject()->className() +
                               ") still shows after the program ended");
        }
    }
    return problems;
}

Problems releasedProblems() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Problems problems;
    for (const toolkit::Form* form : toolkit::existingForms()) {
        problems.push_back(name(*form) + " outlived the program");
    }
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        problems.push_back(std::string("a ") + widget->metaObject()->className() + " outlived the program");
    }
    return problems;
}

Problems freshWindowProblems(const ui::Form1& window) {
    Problems problems = resultAreaProblems(window, std::nullopt);
    if (!window.Text2->Text().isEmpty()) {
        problems.emplace_back("a fresh main window's revenue box is not empty");
    }
    if (window.Combo1->ListCount() != ElasticityCount || window.Combo1->ListIndex() != -1 ||
        window.Combo2->ListCount() != RangeCount || window.Combo2->ListIndex() != -1) {
        problems.emplace_back("a fresh main window's lists are not full and without a choice");
    }
    if (!window.isVisible() || window.WindowState() != 0) {
        problems.emplace_back("a fresh main window is not shown in its normal state");
    }
    return problems;
}

} // namespace levora::soak
