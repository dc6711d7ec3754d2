#pragma once

// A fresh main window for every test, worked through its real controls.

#include "modal.h"

#include "main/Form1.h"
#include "shared/ProgramFlags.h"

#include "levora/toolkit/form.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace levora::ui {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = &forms::Form1.get();
        // A dialog that no test step expects would block the test for good.
        // An expected one is closed within moments, so only a dialog still up
        // at the next tick is unexpected.
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && modal == lastModal.data()) {
                ADD_FAILURE() << "an unexpected modal window: " << modal->objectName().toStdString();
                modal->close();
            }
            lastModal = modal;
        });
        watchdog.start(1000);
    }

    void TearDown() override {
        toolkit::releaseForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MapWindowLoaded = 0;
        HelpWindowOpen.clear();
    }

    /// Chooses a list position as a user does, from the keyboard. A user
    /// cannot take a choice back, so "none" is the list as it was loaded.
    static void choose(toolkit::ComboBox* list, int position) {
        if (position < 0) {
            list->setListIndex(-1);
            return;
        }
        QTest::keyClick(list, Qt::Key_Home);
        for (int step = 0; step < position; ++step) {
            QTest::keyClick(list, Qt::Key_Down);
        }
    }

    /// Types a revenue, chooses the two positions (-1: none) and presses "GO".
    void request(const QString& revenue, int elasticity, int range) {
        window->Text2->clear();
        // QTest types Latin-1 only; anything else arrives as a paste would.
        const bool typable =
            std::all_of(revenue.begin(), revenue.end(), [](QChar c) { return c.unicode() < 0x80; });
        if (typable) {
            QTest::keyClicks(window->Text2, revenue);
        } else {
            window->Text2->insert(revenue);
        }
        choose(window->Combo1, elasticity);
        choose(window->Combo2, range);
        QTest::mouseClick(window->Command1, Qt::LeftButton);
    }

    [[nodiscard]] bool resultsShown() const {
        return window->Image1a->Visible() && window->Image1b->Visible() && window->Image1c->Visible() &&
               window->Label6->Visible() && window->Label7->Visible() && window->Label8->Visible() &&
               !window->Image6->Visible();
    }

    [[nodiscard]] bool onlyGreetingShown() const {
        return !window->Image1a->Visible() && !window->Image1b->Visible() && !window->Image1c->Visible() &&
               !window->Label6->Visible() && !window->Label7->Visible() && !window->Label8->Visible() &&
               window->Image6->Visible();
    }

    Form1* window = nullptr;
    QTimer watchdog;
    QPointer<QWidget> lastModal;
};

} // namespace levora::ui
