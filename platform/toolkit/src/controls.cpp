#include "levora/toolkit/controls.h"

#include "levora/toolkit/runtime.h"

#include "click.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <qdrawutil.h>

namespace levora::toolkit {

namespace {

void name(QObject& control, const QString& objectName) { control.setObjectName(objectName); }

/// The width of the classic sunken edge, two lines of shade on each side.
constexpr int SunkenEdgeWidth = 2;

// Decoded through QImage: a QPixmap made from a file name goes into Qt's
// pixmap cache, which would keep every page picture ever shown resident for
// the rest of the run.
QPixmap loadPicture(const QString& resource) {
    QPixmap picture = QPixmap::fromImage(QImage(resource));
    if (picture.isNull()) {
        throw RunTimeError(Failure::InvalidPropertyValue, "no picture at " + resource.toStdString());
    }
    return picture;
}

} // namespace

Label::Label(QWidget* container, const QString& name)
    : QLabel(container), ControlProperties(*this, {QPalette::Window}, {QPalette::WindowText}) {
    toolkit::name(*this, name);
    setAutoFillBackground(true);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    refreshColours();
}

PictureBox::PictureBox(QWidget* container, const QString& name)
    : Surface(container), ControlProperties(*this, {}, {}) {
    toolkit::name(*this, name);
}

void PictureBox::setBackColor(ColourValue colour) {
    setSurfaceColour(colour);
    ControlProperties::setBackColor(colour);
}

void PictureBox::setPicture(const QString& resource) {
    picture_ = loadPicture(resource);
    update();
}

void PictureBox::setSunkenEdge(bool sunken) {
    sunken_ = sunken;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    Surface::paintEvent(event);
    QPainter painter(this);
    const int edge = sunken_ ? SunkenEdgeWidth : 0;
    if (!picture_.isNull()) {
        painter.drawPixmap(edge, edge, picture_);
    }
    if (sunken_) {
        qDrawWinPanel(&painter, rect(), palette(), true);
    }
}

Image::Image(QWidget* container, const QString& name) : QLabel(container), ControlProperties(*this, {}, {}) {
    toolkit::name(*this, name);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
}

void Image::setPicture(const QString& resource) { setPixmap(loadPicture(resource)); }

void Image::setToolTipText(const QString& text) {
    setToolTip(text);
    setAccessibleName(text);
}

void Image::mousePressEvent(QMouseEvent* event) {
    detail::notePress(pressed_, *event);
    QLabel::mousePressEvent(event);
}

void Image::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = detail::completesClick(pressed_, *this, *event);
    QLabel::mouseReleaseEvent(event);
    if (click) {
        emit Click();
    }
}

TextBox::TextBox(QWidget* container, const QString& name)
    : QLineEdit(container), ControlProperties(*this, {QPalette::Base}, {QPalette::Text}) {
    toolkit::name(*this, name);
    setBackColor(systemColour(SystemColour::WindowBackground));
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
}

ComboBox::ComboBox(QWidget* container, const QString& name)
    : QComboBox(container), ControlProperties(*this, {QPalette::Base, QPalette::Button, QPalette::Window},
                                              {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
    toolkit::name(*this, name);
    setEditable(false);
    setBackColor(systemColour(SystemColour::WindowBackground));
    connect(this, &QComboBox::activated, this, &ComboBox::Click);
}

void ComboBox::AddItem(const QString& item) {
    // Qt selects the first item put into an empty list; the toolkit's lists
    // keep their selection, none included, until one is made.
    const int selected = currentIndex();
    addItem(item);
    setCurrentIndex(selected);
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= count()) {
        throw RunTimeError(Failure::InvalidPropertyValue, "a list position outside the list");
    }
    setCurrentIndex(index);
    emit Click();
}

QString ComboBox::List(int index) const {
    if (index < 0 || index >= count()) {
        throw RunTimeError(Failure::InvalidPropertyValue, "a list position outside the list");
    }
    return itemText(index);
}

CommandButton::CommandButton(QWidget* container, const QString& name)
    : QPushButton(container), ControlProperties(*this, {QPalette::Button}, {QPalette::ButtonText}) {
    toolkit::name(*this, name);
    setAutoDefault(true);
    refreshColours();
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

IntervalTimer::IntervalTimer(QObject* owner, const QString& name) : QObject(owner) {
    toolkit::name(*this, name);
    // A coarse timer may fire up to 5 % early.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &IntervalTimer::Timer);
}

void IntervalTimer::setInterval(int milliseconds) {
    if (milliseconds < 0) {
        throw RunTimeError(Failure::InvalidPropertyValue, "a negative timer interval");
    }
    interval_ = milliseconds;
    restart();
}

void IntervalTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    restart();
}

void IntervalTimer::restart() {
    if (enabled_ && interval_ > 0) {
        timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

} // namespace levora::toolkit
