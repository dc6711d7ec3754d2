#include "levora/toolkit/controls.h"

#include "levora/toolkit/runtime.h"

#include "click.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

#include <utility>

namespace levora::toolkit {

namespace {

void name(QObject& control, const QString& objectName) { control.setObjectName(objectName); }

/// The width of the classic sunken edge, two lines of shade on each side.
constexpr int SunkenEdgeWidth = 2;

/// A picture as assistive tools see it: a graphic, or a button or a link
/// that they can press.
class ImageAccessible : public QAccessibleWidget {
public:
    explicit ImageAccessible(Image* image) : QAccessibleWidget(image, QAccessible::Graphic) {}

    [[nodiscard]] QAccessible::Role role() const override {
        switch (image()->role()) {
        case PictureRole::Button:
            return QAccessible::Button;
        case PictureRole::Link:
            return QAccessible::Link;
        case PictureRole::Picture:
            break;
        }
        return QAccessible::Graphic;
    }

    [[nodiscard]] QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (image()->role() != PictureRole::Picture) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            image()->press();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    [[nodiscard]] Image* image() const { return static_cast<Image*>(widget()); }
};

QAccessibleInterface* imageAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(Image::staticMetaObject.className())) {
        return nullptr;
    }
    auto* image = qobject_cast<Image*>(object);
    return image != nullptr ? new ImageAccessible(image) : nullptr;
}

void installImageAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(&imageAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

bool isPressKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const int key = event.key();
    return modifiers == Qt::NoModifier && !event.isAutoRepeat() &&
           (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space);
}

} // namespace

QString doubleSizePicture(const QString& resource) {
    const QFileInfo file(resource);
    return file.path() + QStringLiteral("/") + file.completeBaseName() + QStringLiteral("@2x.") + file.suffix();
}

// Decoded through QImage: a QPixmap made from a file name goes into Qt's
// pixmap cache, which would keep every page picture ever shown resident for
// the rest of the run. At a ratio up to DoubleSizeRatio only the picture
// itself is read. A picture in shades of grey stays at one byte a pixel
// instead of four; painting converts only the part it draws.
QPixmap loadPicture(const QString& resource, qreal devicePixelRatio) {
    QImage image;
    if (devicePixelRatio > DoubleSizeRatio) {
        image = QImage(doubleSizePicture(resource));
        image.setDevicePixelRatio(2);
    }
    if (image.isNull()) {
        image = QImage(resource);
    }
    const Qt::ImageConversionFlags conversion =
        image.format() == QImage::Format_Grayscale8 ? Qt::NoFormatConversion : Qt::AutoColor;
    QPixmap picture = QPixmap::fromImage(std::move(image), conversion);
    if (picture.isNull()) {
        throw RunTimeError(Failure::InvalidPropertyValue, "no picture at " + resource.toStdString());
    }
    return picture;
}

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
    picture_ = loadPicture(resource, devicePixelRatioF());
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
    installImageAccessible();
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
}

void Image::setPicture(const QString& resource) {
    // Only the picture's header is read now, to fail here and not when shown.
    if (!QImageReader(resource).size().isValid()) {
        throw RunTimeError(Failure::InvalidPropertyValue, "no picture at " + resource.toStdString());
    }
    pendingPicture_ = resource;
    if (isVisible()) {
        decodePendingPicture();
    } else {
        setPixmap(QPixmap());
    }
}

QPixmap Image::picture() {
    decodePendingPicture();
    return pixmap();
}

void Image::showEvent(QShowEvent* event) {
    decodePendingPicture();
    QLabel::showEvent(event);
}

// Decoded for the ratio of the screen the control is shown on. A picture whose
// header reads but whose data does not is left blank.
void Image::decodePendingPicture() {
    if (pendingPicture_.isEmpty()) {
        return;
    }
    const QString resource = std::exchange(pendingPicture_, QString());
    try {
        setPixmap(loadPicture(resource, devicePixelRatioF()));
    } catch (const RunTimeError&) {
        setPixmap(QPixmap());
    }
}

void Image::setToolTipText(const QString& text) {
    setToolTip(text);
    setAccessibleName(text);
}

void Image::setRole(PictureRole role) {
    role_ = role;
    applyFocusPolicy();
}

void Image::setTabStop(bool tabStop) {
    tabStop_ = tabStop;
    applyFocusPolicy();
}

// A click leaves the focus where it was, as it does on a tool button.
void Image::applyFocusPolicy() { setFocusPolicy(tabStop_ && actsOnClick() ? Qt::TabFocus : Qt::NoFocus); }

void Image::press() {
    if (actsOnClick() && isEnabled()) {
        emit Click();
    }
}

void Image::keyPressEvent(QKeyEvent* event) {
    if (actsOnClick() && isPressKey(*event)) {
        event->accept();
        press();
        return;
    }
    QLabel::keyPressEvent(event);
}

void Image::paintEvent(QPaintEvent* event) {
    // A window rendered without being shown paints its pictures all the same.
    decodePendingPicture();
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
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
