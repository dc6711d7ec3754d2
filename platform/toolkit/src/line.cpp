#include "levora/toolkit/line.h"

#include "levora/toolkit/runtime.h"
#include "levora/toolkit/surface.h"
#include "levora/toolkit/twips.h"

#include <algorithm>

namespace levora::toolkit {

Line::Line(Surface* surface, const QString& name) : QObject(surface) { setObjectName(name); }

Surface* Line::surface() const { return static_cast<Surface*>(parent()); }

void Line::set(double Line::*coordinate, double value) {
    static_cast<void>(toPixels(value * std::max(surface()->twipsPerUnitX(), surface()->twipsPerUnitY())));
    this->*coordinate = value;
    surface()->updateLines();
}

void Line::setX1(double value) { set(&Line::x1_, value); }

void Line::setY1(double value) { set(&Line::y1_, value); }

void Line::setX2(double value) { set(&Line::x2_, value); }

void Line::setY2(double value) { set(&Line::y2_, value); }

void Line::setBorderWidth(int width) {
    if (width < 1) {
        throw RunTimeError(Failure::InvalidPropertyValue, "a line is at least one pixel wide");
    }
    borderWidth_ = width;
    surface()->updateLines();
}

void Line::setBorderColor(ColourValue colour) {
    requireColour(colour);
    borderColor_ = colour;
    surface()->updateLines();
}

void Line::setVisible(bool visible) {
    visible_ = visible;
    surface()->updateLines();
}

} // namespace levora::toolkit
