#include "levora/toolkit/twips.h"

#include "levora/toolkit/runtime.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace levora::toolkit {

int toPixels(double twips) {
    const double pixels = std::round(twips / TwipsPerPixel);
    if (!std::isfinite(pixels) || std::fabs(pixels) > QWIDGETSIZE_MAX) {
        throw RunTimeError(Failure::Overflow, "a length beyond the screen's coordinates");
    }
    return static_cast<int>(pixels);
}

namespace {

QSize screenPixels() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize();
}

} // namespace

double Screen::Width() { return toTwips(screenPixels().width()); }

double Screen::Height() { return toTwips(screenPixels().height()); }

} // namespace levora::toolkit
