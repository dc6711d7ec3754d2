#pragma once

// What every control has: a rectangle in its container's units (twips unless
// the container declares its own scale), realised in whole pixels, and, where
// the control has them, a background and a text colour as colour values; and
// a description for assistive tools.

#include "levora/toolkit/colour.h"

#include <QPalette>
#include <QWidget>

#include <initializer_list>
#include <vector>

namespace levora::toolkit {

class ControlProperties {
public:
    [[nodiscard]] double Left() const { return left_; }
    [[nodiscard]] double Top() const { return top_; }
    [[nodiscard]] double Width() const { return width_; }
    [[nodiscard]] double Height() const { return height_; }
    void setLeft(double left);
    void setTop(double top);
    void setWidth(double width);
    void setHeight(double height);
    /// Places the control at once, as a window's design does.
    void Move(double left, double top, double width, double height);

    [[nodiscard]] bool Visible() const { return !widget_.isHidden(); }

    [[nodiscard]] ColourValue BackColor() const { return backColor_; }
    [[nodiscard]] ColourValue ForeColor() const { return foreColor_; }
    /// Throw RunTimeError(InvalidPropertyValue) for a value that is no colour.
    void setBackColor(ColourValue colour);
    void setForeColor(ColourValue colour);

    /// Resolves the colours again, as after a change of the system palette.
    void refreshColours();

    /// What the control is or says, in a sentence, for assistive tools.
    void setDescription(const QString& text) { widget_.setAccessibleDescription(text); }

    ControlProperties(const ControlProperties&) = delete;
    ControlProperties& operator=(const ControlProperties&) = delete;
    ControlProperties(ControlProperties&&) = delete;
    ControlProperties& operator=(ControlProperties&&) = delete;

protected:
    using Roles = std::initializer_list<QPalette::ColorRole>;
    /// The palette roles that carry the background and the text colour.
    ControlProperties(QWidget& widget, Roles backRoles, Roles foreRoles);
    ~ControlProperties() = default;

private:
    void place(double left, double top, double width, double height);

    QWidget& widget_;
    std::vector<QPalette::ColorRole> backRoles_;
    std::vector<QPalette::ColorRole> foreRoles_;
    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;
    ColourValue backColor_ = systemColour(SystemColour::ButtonFace);
    ColourValue foreColor_ = systemColour(SystemColour::WindowText);
};

/// Sets the palette roles of a widget to a colour value.
void paint(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles, ColourValue colour);

} // namespace levora::toolkit
