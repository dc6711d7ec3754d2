#include "levora/toolkit/form.h"

#include "levora/toolkit/controls.h"
#include "levora/toolkit/mdi_form.h"
#include "levora/toolkit/runtime.h"
#include "levora/toolkit/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMoveEvent>
#include <QTimer>

#include <algorithm>

namespace levora::toolkit {

namespace {

/// The program-wide state of the windows: which exist, the event loops that
/// wait for End(), and whether it has been called.
struct Program {
    QList<Form*> forms;
    QList<QEventLoop*> waits;
    QEventLoop* mainLoop = nullptr;
    // The window that last took or asked for the focus.
    QPointer<QWidget> focused;
    bool ended = false;
};

Program& program() {
    static Program state;
    return state;
}

/// How long after showing a window its frame is looked at again, and how many
/// times at most while the window manager has not framed it yet.
constexpr int FrameSettleMilliseconds = 200;
constexpr int FrameLooks = 5;

Qt::WindowFlags flagsFor(BorderStyle border, CaptionButtons buttons) {
    if (border == BorderStyle::None) {
        return Qt::Window | Qt::FramelessWindowHint;
    }
    Qt::WindowFlags flags =
        Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    flags |= border == BorderStyle::FixedDialog ? Qt::Dialog : Qt::Window;
    if (buttons == CaptionButtons::Minimize) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (border == BorderStyle::Sizable) {
        flags |= Qt::WindowMinMaxButtonsHint;
    }
    return flags;
}

/// A program whose last window has unloaded has nothing left to wait for:
/// its event loop ends, as it does on End().
void endProgramWithoutWindows() {
    const Program& state = program();
    if (state.mainLoop != nullptr && std::ranges::none_of(state.forms, &Form::isLoaded)) {
        state.mainLoop->exit(0);
    }
}

} // namespace

bool hasEnded() { return program().ended; }

Form::Form(const QString& name, BorderStyle border, CaptionButtons buttons, double clientWidth,
           double clientHeight)
    : QWidget(nullptr, flagsFor(border, buttons)), client_(new Surface(this)), designClientWidth_(clientWidth),
      designClientHeight_(clientHeight), borderStyle_(border), usedFrame_(frame()) {
    setObjectName(name);
    program().forms.append(this);
    fitDesignSize();
    connect(client_, &Surface::Click, this,
            [this] { handleEvent(objectName().toStdString() + ".Click", [this] { Form_Click(); }); });
}

Form::Form(const QString& name, ContainerAccess container, double width, double height)
    : Form(name, BorderStyle::None, CaptionButtons::CloseOnly, width, height) {
    container_ = container;
}

Form::~Form() {
    endModalWait();
    program().forms.removeOne(this);
}

FrameMetrics Form::frame() const { return frameMetrics(borderStyle_); }

QMenuBar* Form::menu() {
    if (menuBar_ == nullptr) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setNativeMenuBar(false);
    }
    return menuBar_;
}

void Form::Load() {
    if (state_ != State::Created) {
        return;
    }
    if (isChild()) {
        embedInContainer();
    }
    state_ = State::Loaded;
    // The menu bar may have been filled since construction.
    fitDesignSize();
    Form_Load();
}

// Loading a child window loads its container first, and the child then lives
// in a frameless subwindow of the container's workspace.
void Form::embedInContainer() {
    MdiForm& container = container_();
    subwindow_ = container.adopt(this);
}

void Form::showInContainer() {
    MdiForm& container = container_();
    container.Show(0);
    Load();
    if (isUnloaded() || subwindow_ == nullptr) {
        return;
    }
    show();
    subwindow_->show();
    subwindow_->raise();
    container.workspace()->setActiveSubWindow(subwindow_);
    takeFocusRequest();
}

void Form::takeFocusRequest() {
    activateWindow();
    program().focused = window();
}

void Form::releaseFromContainer() {
    if (subwindow_ != nullptr) {
        subwindow_->hide();
        subwindow_->deleteLater();
    }
}

QWidget* Form::placedWidget() {
    if (subwindow_ != nullptr) {
        return subwindow_;
    }
    return this;
}

// The outer size that holds the designed client area, the menu bar and the
// frame; Form_Load may set its own afterwards.
void Form::fitDesignSize() {
    const FrameMetrics f = frame();
    const int menuHeight = menuBar_ != nullptr ? menuBar_->sizeHint().height() : 0;
    width_ = designClientWidth_ + toTwips(f.left + f.right);
    height_ = designClientHeight_ + toTwips(f.top + f.bottom + menuHeight);
    applyGeometry();
}

void Form::Show(int modal) {
    if (modal != 0 && modal != 1) {
        throw RunTimeError(Failure::InvalidProcedureCall, "the modal flag is 0 or 1");
    }
    if (isChild()) {
        if (modal != 0) {
            throw RunTimeError(Failure::InvalidProcedureCall, "a child window cannot be shown modally");
        }
        showInContainer();
        return;
    }
    Load();
    if (isUnloaded()) {
        return;
    }
    if (modal == 0) {
        const bool shown = isVisible();
        show();
        if (shown) {
            raise();
        }
        takeFocusRequest();
        return;
    }
    if (modalWait_ != nullptr || isVisible()) {
        throw RunTimeError(Failure::InvalidProcedureCall, "a shown window cannot be shown modally");
    }
    setWindowModality(Qt::ApplicationModal);
    show();
    takeFocusRequest();
    QEventLoop wait;
    const QPointer<Form> self(this);
    modalWait_ = &wait;
    program().waits.append(&wait);
    wait.exec(QEventLoop::DialogExec);
    program().waits.removeOne(&wait);
    if (Form* form = self.data(); form != nullptr) {
        form->modalWaitEnded();
    }
    if (hasEnded()) {
        throw ProgramEnded{};
    }
}

void Form::modalWaitEnded() {
    modalWait_ = nullptr;
    if (isHidden()) {
        setWindowModality(Qt::NonModal);
    }
}

void Form::Hide() {
    if (subwindow_ != nullptr) {
        subwindow_->hide();
    }
    hide();
    endModalWait();
}

void Form::Unload() {
    if (state_ != State::Loaded) {
        return;
    }
    state_ = State::Unloading;
    std::int16_t cancel = 0;
    try {
        if (!unloadChildren()) {
            state_ = State::Loaded;
            return;
        }
        Form_Unload(cancel);
    } catch (...) {
        state_ = State::Loaded;
        throw;
    }
    if (cancel != 0) {
        state_ = State::Loaded;
        return;
    }
    state_ = State::Unloaded;
    for (IntervalTimer* timer : findChildren<IntervalTimer*>()) {
        timer->setEnabled(false);
    }
    hide();
    endModalWait();
    releaseFromContainer();
    deleteLater();
    endProgramWithoutWindows();
}

void Form::endModalWait() {
    if (modalWait_ != nullptr) {
        modalWait_->exit(0);
    }
}

void Form::setLeft(double left) { setMeasure(&Form::left_, left); }

void Form::setTop(double top) { setMeasure(&Form::top_, top); }

void Form::setWidth(double width) { setSize(&Form::width_, width); }

void Form::setHeight(double height) { setSize(&Form::height_, height); }

void Form::setSize(double Form::*measure, double value) {
    if (value < 0) {
        throw RunTimeError(Failure::InvalidPropertyValue, "a negative width or height");
    }
    setMeasure(measure, value);
    designSized_ = false;
}

// Checks that the value has a pixel position before anything changes.
void Form::setMeasure(double Form::*measure, double value) {
    static_cast<void>(toPixels(value));
    this->*measure = value;
    applyGeometry();
}

double Form::ScaleWidth() const { return toTwips(client_->width()) / client_->twipsPerUnitX(); }

double Form::ScaleHeight() const { return toTwips(client_->height()) / client_->twipsPerUnitY(); }

int Form::WindowState() const {
    if (isMinimized()) {
        return 1;
    }
    return isMaximized() ? 2 : 0;
}

void Form::setWindowState(int state) {
    static constexpr Qt::WindowStates sizing = Qt::WindowMinimized | Qt::WindowMaximized;
    switch (state) {
    case 0:
        QWidget::setWindowState(windowState() & ~sizing);
        return;
    case 1:
        QWidget::setWindowState((windowState() & ~sizing) | Qt::WindowMinimized);
        return;
    case 2:
        QWidget::setWindowState((windowState() & ~sizing) | Qt::WindowMaximized);
        return;
    default:
        throw RunTimeError(Failure::InvalidPropertyValue, "a window state is 0, 1 or 2");
    }
}

void Form::applyGeometry() {
    const FrameMetrics f = frame();
    const int width = std::max(0, toPixels(width_) - f.left - f.right);
    const int height = std::max(0, toPixels(height_) - f.top - f.bottom);
    const QRect inner(toPixels(left_) + f.left, toPixels(top_) + f.top, width, height);
    usedFrame_ = f;
    applying_ = true;
    if (borderStyle_ != BorderStyle::None && borderStyle_ != BorderStyle::Sizable) {
        setFixedSize(inner.size());
    }
    placedWidget()->setGeometry(inner);
    if (subwindow_ != nullptr) {
        // A hidden subwindow resizes its widget only once shown; the child's
        // client area must have its size at once, for its ScaleWidth.
        resize(inner.size());
    }
    applying_ = false;
    layOutContents();
}

void Form::layOutContents() {
    const int menuHeight = menuBar_ != nullptr ? menuBar_->sizeHint().height() : 0;
    if (menuBar_ != nullptr) {
        menuBar_->setGeometry(0, 0, width(), menuHeight);
    }
    client_->setGeometry(0, menuHeight, width(), std::max(0, height() - menuHeight));
    emit clientAreaChanged();
}

// True once there is nothing more to learn: the window has no frame, is not
// shown, or the window manager has framed it.
bool Form::followFrame() {
    if (borderStyle_ == BorderStyle::None || !isVisible()) {
        return true;
    }
    const QRect inner = geometry();
    const QRect outer = frameGeometry();
    const FrameMetrics reported{inner.left() - outer.left(), inner.top() - outer.top(),
                                outer.right() - inner.right(), outer.bottom() - inner.bottom()};
    if (reported == FrameMetrics{}) {
        return false;
    }
    learnFrameMetrics(borderStyle_, reported);
    if (frame() != usedFrame_) {
        // A window still at its designed size keeps its client area; one that
        // was given an outer size keeps that.
        if (designSized_) {
            fitDesignSize();
            emit outerSizeCorrected();
        } else {
            applyGeometry();
        }
    }
    return true;
}

// The user dragged a sizable window's border.
void Form::adoptResizedSize() {
    const int width = geometry().width() + usedFrame_.left + usedFrame_.right;
    const int height = geometry().height() + usedFrame_.top + usedFrame_.bottom;
    if (width != toPixels(width_)) {
        width_ = toTwips(width);
        designSized_ = false;
    }
    if (height != toPixels(height_)) {
        height_ = toTwips(height);
        designSized_ = false;
    }
}

void Form::adoptMovedPosition() {
    const int x = geometry().left() - usedFrame_.left;
    const int y = geometry().top() - usedFrame_.top;
    if (x != toPixels(left_)) {
        left_ = toTwips(x);
    }
    if (y != toPixels(top_)) {
        top_ = toTwips(y);
    }
}

CommandButton* Form::buttonFor(bool cancel) const {
    const QList<CommandButton*> buttons = findChildren<CommandButton*>();
    const auto found = std::find_if(buttons.begin(), buttons.end(), [cancel](const CommandButton* button) {
        return (cancel ? button->Cancel() : button->Default()) && button->isVisible() && button->isEnabled();
    });
    return found != buttons.end() ? *found : nullptr;
}

void Form::closeEvent(QCloseEvent* event) {
    if (hasEnded() || isUnloaded()) {
        event->accept();
        return;
    }
    event->ignore();
    handleEvent(objectName().toStdString() + ".Unload", [this] { Unload(); });
}

void Form::keyPressEvent(QKeyEvent* event) {
    if (windowMenuKey(*event)) {
        event->accept();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    CommandButton* button = enter || escape ? buttonFor(escape) : nullptr;
    if (button == nullptr) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    button->click();
}

// The window menu, opened by Alt+Space, takes the next key: Enter its
// highlighted item, Restore; Esc, or any other key, closes it.
bool Form::windowMenuKey(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Space && event.modifiers().testFlag(Qt::AltModifier)) {
        windowMenuOpen_ = true;
        return true;
    }
    if (!windowMenuOpen_) {
        return false;
    }
    windowMenuOpen_ = false;
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        restoreFromWindowMenu();
    }
    return true;
}

void Form::restoreFromWindowMenu() {
    if (isMinimized()) {
        QWidget::setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    show();
    raise();
    takeFocusRequest();
}

void Form::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!applying_ && isVisible() && event->spontaneous()) {
        adoptMovedPosition();
    }
    followFrame();
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!applying_ && isVisible() && event->spontaneous() && borderStyle_ == BorderStyle::Sizable) {
        adoptResizedSize();
    }
    layOutContents();
    followFrame();
    if (isLoaded()) {
        handleEvent(objectName().toStdString() + ".Resize", [this] { Form_Resize(); });
    }
}

void Form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    followFrame();
    lookAtFrameLater(FrameLooks);
}

// The window manager frames a new window a moment after it is mapped and
// tells no widget when it has; look again once it has had the time, and again
// while it has not framed the window yet.
void Form::lookAtFrameLater(int looksLeft) {
    const QPointer<Form> self(this);
    QTimer::singleShot(FrameSettleMilliseconds, this, [self, looksLeft] {
        if (self && !self->followFrame() && looksLeft > 1) {
            self->lookAtFrameLater(looksLeft - 1);
        }
    });
}

void Form::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            program().focused = window();
        } else {
            windowMenuOpen_ = false;
        }
        followFrame();
    }
}

void Form::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Minimizing a window hides it spontaneously; only a real hide ends a
    // modal wait.
    if (!event->spontaneous()) {
        endModalWait();
    }
}

QList<Form*> existingForms() { return program().forms; }

QWidget* focusedWindow() {
    QWidget* focused = program().focused.data();
    if (focused != nullptr && (focused->isVisible() || focused->isMinimized())) {
        return focused;
    }
    return QApplication::activeWindow();
}

void Unload(const QString& formName) {
    for (Form* form : existingForms()) {
        if (form->isLoaded() && form->objectName() == formName) {
            form->Unload();
            return;
        }
    }
}

void End() {
    Program& state = program();
    state.ended = true;
    for (Form* form : state.forms) {
        form->hide();
    }
    for (QEventLoop* wait : state.waits) {
        wait->exit(0);
    }
    throw ProgramEnded{};
}

void releaseForms() {
    Program& state = program();
    state.ended = true;
    while (!state.forms.isEmpty()) {
        delete state.forms.takeLast();
    }
    state.ended = false;
}

int runEventLoop() {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    Program& state = program();
    if (!state.ended && std::ranges::any_of(state.forms, &Form::isLoaded)) {
        QEventLoop loop;
        state.waits.prepend(&loop);
        state.mainLoop = &loop;
        loop.exec();
        state.mainLoop = nullptr;
        state.waits.removeOne(&loop);
    }
    releaseForms();
    return 0;
}

} // namespace levora::toolkit
