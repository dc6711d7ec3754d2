#pragma once

// A surface that controls are placed on: a window's client area or a picture
// box. It paints its background colour and the line controls it holds, the
// lines above its child controls so that a frame drawn around a control stays
// visible. It may declare its own scale: how many twips one unit of its
// children's coordinates is.

#include "levora/toolkit/colour.h"

#include <QPoint>
#include <QWidget>

namespace levora::toolkit {

class Line;

class Surface : public QWidget {
    Q_OBJECT

public:
    explicit Surface(QWidget* parent);

    [[nodiscard]] ColourValue surfaceColour() const { return colour_; }
    /// Throws RunTimeError(InvalidPropertyValue) for a value that is no colour.
    void setSurfaceColour(ColourValue colour);

    /// Twips per unit of the children's coordinates (1 unless declared).
    [[nodiscard]] double twipsPerUnitX() const { return unitX_; }
    [[nodiscard]] double twipsPerUnitY() const { return unitY_; }
    void setScale(double twipsPerUnitX, double twipsPerUnitY);

    /// A point in this surface's units, in logical pixels.
    [[nodiscard]] QPoint toPixelPoint(double x, double y) const;

    /// Repaints the lines after one of them changed.
    void updateLines();

signals:
    /// A click on the surface itself, not on one of its controls.
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void childEvent(QChildEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class LineLayer;

    LineLayer* lines_ = nullptr;
    ColourValue colour_ = SystemColourFlag | 15U;
    double unitX_ = 1.0;
    double unitY_ = 1.0;
    bool pressed_ = false;
};

} // namespace levora::toolkit
