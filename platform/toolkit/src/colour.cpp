#include "levora/toolkit/colour.h"

#include "levora/toolkit/runtime.h"

#include <QGuiApplication>

#include <limits>
#include <optional>

namespace levora::toolkit {

ColourValue colourValue(std::int64_t number) {
    if (number < std::numeric_limits<std::int32_t>::min() || number > std::numeric_limits<std::uint32_t>::max()) {
        throw RunTimeError(Failure::Overflow, "a colour value must fit in 32 bits");
    }
    return static_cast<ColourValue>(number);
}

namespace {

/// The palette role that stands for a system colour, if it is one we know.
std::optional<QPalette::ColorRole> systemRole(ColourValue value) {
    switch (static_cast<SystemColour>(value & 0xFFU)) {
    case SystemColour::WindowBackground:
        return QPalette::Base;
    case SystemColour::WindowText:
        return QPalette::WindowText;
    case SystemColour::InactiveBorder:
        return QPalette::Mid;
    case SystemColour::ButtonFace:
        return QPalette::Button;
    case SystemColour::ToolTipBackground:
        return QPalette::ToolTipBase;
    }
    return std::nullopt;
}

bool isSystemColour(ColourValue value) { return (value & SystemColourFlag) != 0; }

} // namespace

bool isColour(ColourValue value) {
    if (isSystemColour(value)) {
        return (value & 0x7FFFFF00U) == 0 && systemRole(value).has_value();
    }
    return value <= 0xFFFFFFU;
}

void requireColour(ColourValue value) {
    if (!isColour(value)) {
        throw RunTimeError(Failure::InvalidPropertyValue, "not a colour value");
    }
}

QColor resolveColour(ColourValue value, const QPalette& palette) {
    requireColour(value);
    if (isSystemColour(value)) {
        return palette.color(QPalette::Active, *systemRole(value));
    }
    return {static_cast<int>(value & 0xFFU), static_cast<int>((value >> 8U) & 0xFFU),
            static_cast<int>((value >> 16U) & 0xFFU)};
}

QColor resolveColour(ColourValue value) { return resolveColour(value, QGuiApplication::palette()); }

} // namespace levora::toolkit
