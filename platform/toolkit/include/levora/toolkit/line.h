#pragma once

// A line control: a straight line between two points of its surface, in the
// surface's units, drawn BorderWidth pixels wide in BorderColor.

#include "levora/toolkit/colour.h"

#include <QObject>

namespace levora::toolkit {

class Surface;

class Line : public QObject {
    Q_OBJECT
    Q_PROPERTY(double X1 READ X1 WRITE setX1)
    Q_PROPERTY(double Y1 READ Y1 WRITE setY1)
    Q_PROPERTY(double X2 READ X2 WRITE setX2)
    Q_PROPERTY(double Y2 READ Y2 WRITE setY2)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)

public:
    Line(Surface* surface, const QString& name);

    [[nodiscard]] double X1() const { return x1_; }
    [[nodiscard]] double Y1() const { return y1_; }
    [[nodiscard]] double X2() const { return x2_; }
    [[nodiscard]] double Y2() const { return y2_; }
    void setX1(double value);
    void setY1(double value);
    void setX2(double value);
    void setY2(double value);

    [[nodiscard]] int BorderWidth() const { return borderWidth_; }
    /// Throws RunTimeError(InvalidPropertyValue) for a width below 1.
    void setBorderWidth(int width);

    [[nodiscard]] ColourValue BorderColor() const { return borderColor_; }
    /// Throws RunTimeError(InvalidPropertyValue) for a value that is no colour.
    void setBorderColor(ColourValue colour);

    [[nodiscard]] bool Visible() const { return visible_; }
    void setVisible(bool visible);

    [[nodiscard]] Surface* surface() const;

private:
    void set(double Line::*coordinate, double value);

    double x1_ = 0;
    double y1_ = 0;
    double x2_ = 0;
    double y2_ = 0;
    int borderWidth_ = 1;
    ColourValue borderColor_ = SystemColourFlag | 8U;
    bool visible_ = true;
};

} // namespace levora::toolkit
