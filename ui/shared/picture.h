#pragma once

// A picture control showing one of the program's pictures, and the pointer
// shown over the pictures that act as buttons.

#include "levora/pictures.h"
#include "levora/toolkit/controls.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QString>

namespace levora::ui {

/// The picture `resource` (its name under :/pictures, without ".png") with its
/// tool tip, which is also its accessible name, and the English meaning of
/// what it shows.
inline toolkit::Image* picture(QWidget* container, const QString& name, const QString& resource,
                               const QString& toolTip, const QString& meaning) {
    auto* image = new toolkit::Image(container, name);
    image->setPicture(QStringLiteral(":/pictures/") + resource + QStringLiteral(".png"));
    image->setToolTipText(toolTip);
    image->setDescription(meaning);
    return image;
}

/// The mouse pointer shown over the pictures that act as buttons and links,
/// drawn at twice its size on a high density display; its hot spot is in
/// logical pixels either way. Pointers share one pixmap through Qt's pixmap
/// cache, which a pixmap made from a file name goes into.
inline QCursor pointingHand() {
    const QString file = QStringLiteral(":/pictures/hand_cursor.png");
    QPixmap hand;
    if (qApp->devicePixelRatio() > toolkit::DoubleSizeRatio) {
        hand = QPixmap(toolkit::doubleSizePicture(file));
        hand.setDevicePixelRatio(2);
    }
    if (hand.isNull()) {
        hand = QPixmap(file);
    }
    return QCursor(hand, pictures::HandCursorHotX, pictures::HandCursorHotY);
}

} // namespace levora::ui
