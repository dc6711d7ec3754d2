#pragma once

// Drives a modal window from the test: the action runs as soon as the program
// waits in the window, so a test never blocks on a dialog.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace levora::testing {

/// Calls `action` with the active modal window once there is one. If none
/// appears within `patience` polls, or the action leaves the window open,
/// the window is closed so that the wait ends and the test can fail cleanly.
inline void whenModal(std::function<void(QWidget&)> action, int patience = 2000) {
    auto* poll = new QTimer(qApp);
    auto polls = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, polls, patience, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            if (++*polls > patience) {
                poll->deleteLater();
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        // Taken before the action, which may let the window be destroyed.
        const QPointer<QWidget> window(modal);
        action(*modal);
        QTimer::singleShot(0, qApp, [window] {
            if (window && window == QApplication::activeModalWidget()) {
                window->hide();
            }
        });
    });
    poll->start(0);
}

} // namespace levora::testing
