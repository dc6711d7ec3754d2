#include "checks.h"

#include "main/Form1.h"
#include "shared/ProgramFlags.h"

#include "levora/model_tables.h"
#include "levora/toolkit/form.h"

#include <QApplication>

#include <algorithm>
#include <array>
#include <string_view>

namespace levora::soak {

namespace {

/// The program's windows and the popups of their lists stay well below this.
constexpr qsizetype MostTopLevelWidgets = 16;
constexpr qsizetype MostForms = 10;

std::string name(const QObject& object) { return object.objectName().toStdString(); }

bool isLoaded(QStringView formName) {
    const QList<toolkit::Form*> forms = toolkit::existingForms();
    return std::any_of(forms.begin(), forms.end(), [formName](const toolkit::Form* form) {
        return form->isLoaded() && form->objectName() == formName;
    });
}

std::string flagText(const ui::WindowFlag& flag) {
    return flag.hasValue() ? std::to_string(flag.value()) : std::string("no value");
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

Problems windowFlagProblems() {
    Problems problems;
    const bool map = isLoaded(u"Form2");
    if (ui::MapWindowLoaded != (map ? 1 : 0)) {
        problems.push_back("MapWindowLoaded is " + std::to_string(ui::MapWindowLoaded) + " while Form2 is " +
                           loadedText(map));
    }
    const bool help = isLoaded(u"MDIForm1");
    const bool helpFlagHolds =
        help ? ui::HelpWindowOpen.hasValue() && ui::HelpWindowOpen == 1 : ui::HelpWindowOpen == 0;
    if (!helpFlagHolds) {
        problems.push_back("HelpWindowOpen is " + flagText(ui::HelpWindowOpen) + " while MDIForm1 is " +
                           loadedText(help));
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
