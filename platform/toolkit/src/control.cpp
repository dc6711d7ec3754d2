#include "levora/toolkit/control.h"

#include "levora/toolkit/runtime.h"
#include "levora/toolkit/surface.h"
#include "levora/toolkit/twips.h"

#include <QGuiApplication>

namespace levora::toolkit {

void paint(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles, ColourValue colour) {
    const QColor resolved = resolveColour(colour);
    QPalette palette = widget.palette();
    for (const QPalette::ColorRole role : roles) {
        palette.setColor(role, resolved);
    }
    widget.setPalette(palette);
}

ControlProperties::ControlProperties(QWidget& widget, Roles backRoles, Roles foreRoles)
    : widget_(widget), backRoles_(backRoles), foreRoles_(foreRoles) {}

void ControlProperties::setLeft(double left) { place(left, top_, width_, height_); }

void ControlProperties::setTop(double top) { place(left_, top, width_, height_); }

void ControlProperties::setWidth(double width) { place(left_, top_, width, height_); }

void ControlProperties::setHeight(double height) { place(left_, top_, width_, height); }

void ControlProperties::Move(double left, double top, double width, double height) {
    place(left, top, width, height);
}

void ControlProperties::place(double left, double top, double width, double height) {
    if (width < 0 || height < 0) {
        throw RunTimeError(Failure::InvalidPropertyValue, "a negative width or height");
    }
    const auto* surface = qobject_cast<const Surface*>(widget_.parentWidget());
    const double unitX = surface != nullptr ? surface->twipsPerUnitX() : 1.0;
    const double unitY = surface != nullptr ? surface->twipsPerUnitY() : 1.0;
    const QRect pixels(toPixels(left * unitX), toPixels(top * unitY), toPixels(width * unitX),
                       toPixels(height * unitY));
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    widget_.setGeometry(pixels);
}

void ControlProperties::setBackColor(ColourValue colour) {
    requireColour(colour);
    backColor_ = colour;
    refreshColours();
}

void ControlProperties::setForeColor(ColourValue colour) {
    requireColour(colour);
    foreColor_ = colour;
    refreshColours();
}

void ControlProperties::refreshColours() {
    const QColor back = resolveColour(backColor_);
    const QColor fore = resolveColour(foreColor_);
    QPalette palette = widget_.palette();
    for (const QPalette::ColorRole role : backRoles_) {
        palette.setColor(role, back);
    }
    for (const QPalette::ColorRole role : foreRoles_) {
        palette.setColor(role, fore);
    }
    widget_.setPalette(palette);
}

} // namespace levora::toolkit
