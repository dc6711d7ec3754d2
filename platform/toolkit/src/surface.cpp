#include "levora/toolkit/surface.h"

#include "click.h"

#include "levora/toolkit/control.h"
#include "levora/toolkit/line.h"
#include "levora/toolkit/twips.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QPainter>

namespace levora::toolkit {

/// Paints the surface's lines above its controls; mouse events pass through.
class Surface::LineLayer : public QWidget {
public:
    explicit LineLayer(Surface* surface) : QWidget(surface), surface_(surface) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        for (const Line* line : surface_->findChildren<Line*>(Qt::FindDirectChildrenOnly)) {
            if (!line->Visible()) {
                continue;
            }
            QPen pen(resolveColour(line->BorderColor()));
            pen.setWidth(line->BorderWidth());
            painter.setPen(pen);
            painter.drawLine(surface_->toPixelPoint(line->X1(), line->Y1()),
                             surface_->toPixelPoint(line->X2(), line->Y2()));
        }
    }

private:
    Surface* surface_;
};

Surface::Surface(QWidget* parent) : QWidget(parent) {
    // Created here rather than in the initialiser list, so that childEvent
    // sees no half-made layer while the layer itself is being added.
    lines_ = new LineLayer(this);
    setAutoFillBackground(true);
    paint(*this, {QPalette::Window}, colour_);
}

void Surface::setSurfaceColour(ColourValue colour) {
    paint(*this, {QPalette::Window}, colour);
    colour_ = colour;
}

void Surface::setScale(double twipsPerUnitX, double twipsPerUnitY) {
    unitX_ = twipsPerUnitX;
    unitY_ = twipsPerUnitY;
    updateLines();
}

QPoint Surface::toPixelPoint(double x, double y) const { return {toPixels(x * unitX_), toPixels(y * unitY_)}; }

void Surface::updateLines() { lines_->update(); }

void Surface::mousePressEvent(QMouseEvent* event) {
    detail::notePress(pressed_, *event);
    // A control that leaves a press unhandled passes it on to its surface;
    // that is no press on the surface itself.
    if (childAt(event->position().toPoint()) != nullptr) {
        pressed_ = false;
    }
    QWidget::mousePressEvent(event);
}

void Surface::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = detail::completesClick(pressed_, *this, *event);
    QWidget::mouseReleaseEvent(event);
    if (click) {
        emit Click();
    }
}

void Surface::childEvent(QChildEvent* event) {
    QWidget::childEvent(event);
    if (event->added() && lines_ != nullptr && event->child() != lines_ && event->child()->isWidgetType()) {
        lines_->raise();
    }
}

void Surface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    lines_->setGeometry(rect());
}

void Surface::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange) {
        paint(*this, {QPalette::Window}, colour_);
        updateLines();
    }
}

} // namespace levora::toolkit
