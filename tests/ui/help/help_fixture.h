#pragma once

// The main window shown as the program shows it, with the help system closed
// and every help flag without a value, before and after every test.

#include "help/MDIForm1.h"
#include "help/frmDLG.h"
#include "help/frmGloss.h"
#include "help/frmHowTo.h"
#include "help/frmNote.h"
#include "main/Form1.h"
#include "shared/ProgramFlags.h"

#include "levora/toolkit/form.h"

#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace levora::ui {

inline void clearHelpFlags() {
    for (WindowFlag* flag :
         {&HelpWindowOpen, &TopicsDialogOpen, &NotePageOpen, &HowToPageOpen, &GlossaryPageOpen}) {
        flag->clear();
    }
}

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(toolkit::existingForms().isEmpty());
        clearHelpFlags();
        main = &forms::Form1.get();
        main->Show();
    }

    void TearDown() override {
        toolkit::releaseForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MapWindowLoaded = 0;
        clearHelpFlags();
    }

    /// The loaded help window, or null.
    static MDIForm1* help() {
        MDIForm1* window = forms::MDIForm1.existing();
        return window != nullptr && window->isLoaded() ? window : nullptr;
    }

    /// The names of the loaded children of the help window.
    static QStringList children() {
        QStringList names;
        if (MDIForm1* window = help()) {
            for (const toolkit::Form* child : window->childForms()) {
                names.append(child->objectName());
            }
        }
        return names;
    }

    /// Opens the help topics as the main window's Help picture does.
    void requestHelp() const { QTest::mouseClick(main->Image8, Qt::LeftButton); }

    /// Where a child window sits in the help window's workspace, in pixels.
    static QRect placement(const toolkit::Form& child) {
        const QWidget* frame = child.parentWidget();
        return frame != nullptr ? frame->geometry() : QRect();
    }

    Form1* main = nullptr;
};

} // namespace levora::ui
