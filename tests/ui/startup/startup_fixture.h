#pragma once

// A clean slate of windows for every start-up test: no window exists before
// it, and none survives it.

#include "shared/ProgramFlags.h"

#include "levora/toolkit/form.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPointer>
#include <QRect>

#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace levora::ui {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(toolkit::existingForms().isEmpty()); }

    void TearDown() override {
        toolkit::releaseForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MapWindowLoaded = 0;
        HelpWindowOpen.clear();
    }

    /// The loaded window of that name, if any.
    static toolkit::Form* loaded(const QString& name) {
        for (toolkit::Form* form : toolkit::existingForms()) {
            if (form->isLoaded() && form->objectName() == name) {
                return form;
            }
        }
        return nullptr;
    }
};

/// Whether a window that was unloaded is gone or at least marked unloaded.
template <class Window>
bool goneOrUnloaded(const QPointer<Window>& window) {
    const Window* existing = window.data();
    return existing == nullptr || existing->isUnloaded();
}

/// Whether a label's whole text fits inside it, as its font lays it out.
template <class Text>
::testing::AssertionResult textFits(const Text& label) {
    const QRect needed =
        QFontMetrics(label.font()).boundingRect(QRect(0, 0, label.width(), 10000), Qt::TextWordWrap, label.text());
    if (needed.width() <= label.width() && needed.height() <= label.height()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << label.objectName().toStdString() << " needs " << needed.width()
                                         << " × " << needed.height() << " px for \"" << label.text().toStdString()
                                         << "\" but has " << label.width() << " × " << label.height();
}

} // namespace levora::ui
