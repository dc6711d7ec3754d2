#include "hands.h"

#include "random.h"
#include "soak.h"

#include "levora/toolkit/form.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <string>

namespace levora::soak {

namespace {

/// The window a widget lies in and the point in that window's coordinates.
struct WindowPoint {
    QWindow* window = nullptr;
    QPoint at;
};

WindowPoint inWindow(QWidget& widget, QPoint at) {
    QWidget* top = widget.window();
    return {top->windowHandle(), widget.mapTo(top, at)};
}

int coordinate(int extent, Random& random) {
    const int margin = extent > 8 ? 2 : 0;
    return random.between(margin, std::max(margin, extent - 1 - margin));
}

} // namespace

QPoint pointIn(const QWidget& widget, Random& random) {
    return {coordinate(widget.width(), random), coordinate(widget.height(), random)};
}

void click(QWidget& widget, QPoint at) {
    const WindowPoint point = inWindow(widget, at);
    QTest::mouseClick(point.window, Qt::LeftButton, Qt::NoModifier, point.at);
}

void moveTo(QWidget& widget, QPoint at) {
    const WindowPoint point = inWindow(widget, at);
    QTest::mouseMove(point.window, point.at);
}

int pressAndRelease(QWidget& widget, QPoint at) {
    const WindowPoint point = inWindow(widget, at);
    QElapsedTimer held;
    held.start();
    QTest::mousePress(point.window, Qt::LeftButton, Qt::NoModifier, point.at);
    // The press may have opened a popup, which now has the mouse.
    QTest::mouseRelease(point.window, Qt::LeftButton, Qt::NoModifier, point.at);
    return static_cast<int>(held.elapsed());
}

QWindow* keyboardWindow() { return QGuiApplication::focusWindow(); }

void press(QWindow& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&window, key, modifiers);
}

void press(QWindow& window, QKeySequence::StandardKey shortcut) {
    QTest::keySequence(&window, QKeySequence(shortcut));
}

void type(QWindow& window, const QString& text) {
    for (const QChar c : text) {
        QTest::keyClick(&window, c.toLatin1());
    }
}

void paste(QWindow& window, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    press(window, QKeySequence::Paste);
}

void changeWindowState(Soak& soak, toolkit::Form& window, int state) {
    if (soak.random().oneIn(2)) {
        soak.note("WindowState = " + std::to_string(state));
        window.setWindowState(state);
    } else {
        soak.note("by the window system");
        if (state == 1) {
            window.windowHandle()->showMinimized();
        } else {
            window.windowHandle()->showNormal();
        }
    }
    if (state == 0) {
        window.activateWindow();
    }
}

} // namespace levora::soak
