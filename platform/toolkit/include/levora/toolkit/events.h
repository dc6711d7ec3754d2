#pragma once

// Connects a control's event to a window's handler through handleEvent, so
// that an untrapped failure takes the toolkit's default course and nothing
// runs after End(). The diagnostic names the event "control.signal".

#include "levora/toolkit/runtime.h"

#include <QMetaMethod>
#include <QObject>

#include <string>

namespace levora::toolkit {

template <class Sender, class Signal, class Receiver>
void connectEvent(Sender* sender, Signal signal, Receiver* receiver, void (Receiver::*handler)()) {
    std::string name =
        sender->objectName().toStdString() + "." + QMetaMethod::fromSignal(signal).name().toStdString();
    QObject::connect(sender, signal, receiver, [receiver, handler, name = std::move(name)](auto&&...) {
        handleEvent(name, [receiver, handler] { (receiver->*handler)(); });
    });
}

} // namespace levora::toolkit
