#include "levora/toolkit/send_keys.h"

#include "key_syntax.h"

#include "levora/toolkit/form.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

#include <vector>

namespace levora::toolkit {

namespace {

bool opensWindowMenu(const detail::KeyStroke& stroke) {
    return stroke.key == Qt::Key_Space && stroke.modifiers.testFlag(Qt::AltModifier);
}

// The window menu takes the keys while it is open; otherwise they go to the
// control with the focus, as typed keys do.
QWidget* receiverFor(QWidget* window, const detail::KeyStroke& stroke) {
    auto* form = qobject_cast<Form*>(window);
    if (form != nullptr && (opensWindowMenu(stroke) || form->isWindowMenuOpen())) {
        return form;
    }
    QWidget* focus = window->focusWidget();
    return focus != nullptr ? focus : window;
}

void deliver(QWidget* receiver, QEvent::Type type, const detail::KeyStroke& stroke, bool wait) {
    if (wait) {
        QKeyEvent event(type, stroke.key, stroke.modifiers, stroke.text);
        QCoreApplication::sendEvent(receiver, &event);
    } else {
        QCoreApplication::postEvent(receiver, new QKeyEvent(type, stroke.key, stroke.modifiers, stroke.text));
    }
}

} // namespace

void SendKeys(const QString& keys, bool wait) {
    const std::vector<detail::KeyStroke> strokes = detail::parseKeys(keys);
    const QPointer<QWidget> window = focusedWindow();
    for (const detail::KeyStroke& stroke : strokes) {
        // A key may close the window it went to.
        if (window.isNull()) {
            return;
        }
        const QPointer<QWidget> receiver = receiverFor(window.data(), stroke);
        deliver(receiver.data(), QEvent::KeyPress, stroke, wait);
        if (!receiver.isNull()) {
            deliver(receiver.data(), QEvent::KeyRelease, stroke, wait);
        }
    }
    if (wait) {
        QCoreApplication::processEvents();
    }
}

} // namespace levora::toolkit
