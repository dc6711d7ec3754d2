#pragma once

// A window of the toolkit. It has the lifecycle the windows rely on: Load runs
// Form_Load once; Show shows it modeless, or modal with the caller waiting and
// every other window disabled; Hide; Unload runs Form_Unload and destroys the
// window, so a later use gets a fresh one. Its Left, Top, Width and Height are
// outer measures in twips, ScaleWidth and ScaleHeight those of the client
// area, which lies below the menu bar inside the frame (frame_metrics.h).
//
// A window may instead be the child of a container window (mdi_form.h):
// borderless, placed inside the container's client area, and loading and
// showing its container before itself.
//
// Every event reaches the window's handlers through handleEvent (runtime.h).

#include "levora/toolkit/colour.h"
#include "levora/toolkit/frame_metrics.h"
#include "levora/toolkit/surface.h"

#include <QIcon>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>

#include <cstdint>

class QEventLoop;
class QMdiSubWindow;

namespace levora::toolkit {

class CommandButton;
class MdiForm;

/// How a child window reaches its container: the loaded container window,
/// created and loaded on first use.
using ContainerAccess = MdiForm& (*)();

/// The buttons in a window's caption besides its close box.
enum class CaptionButtons { CloseOnly, Minimize };

class Form : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double Left READ Left WRITE setLeft)
    Q_PROPERTY(double Top READ Top WRITE setTop)
    Q_PROPERTY(double Width READ Width WRITE setWidth)
    Q_PROPERTY(double Height READ Height WRITE setHeight)
    Q_PROPERTY(double ScaleWidth READ ScaleWidth)
    Q_PROPERTY(double ScaleHeight READ ScaleHeight)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Visible READ isVisible)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int WindowState READ WindowState WRITE setWindowState)

public:
    ~Form() override;

    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    Form(Form&&) = delete;
    Form& operator=(Form&&) = delete;

    /// Runs Form_Load unless the window is loaded already.
    void Load();
    /// 0: modeless. 1: modal; returns once the window has been hidden or
    /// unloaded. Loads the window first; a child window shows its container
    /// first. Throws RunTimeError for another flag, for a modal show of a
    /// window that is already shown and for a modal show of a child window.
    void Show(int modal = 0);
    void Hide();
    /// Runs Form_Unload; unless it cancels, stops the window's timers, hides
    /// and destroys the window. Destruction waits until control returns to the
    /// event loop, so a window may unload itself from its own handler. A
    /// container unloads its children first and stays loaded if one of them
    /// cancels.
    void Unload();

    [[nodiscard]] bool isLoaded() const { return state_ == State::Loaded; }
    /// Whether Unload has run to its end.
    [[nodiscard]] bool isUnloaded() const { return state_ == State::Unloaded; }

    [[nodiscard]] double Left() const { return left_; }
    [[nodiscard]] double Top() const { return top_; }
    [[nodiscard]] double Width() const { return width_; }
    [[nodiscard]] double Height() const { return height_; }
    void setLeft(double left);
    void setTop(double top);
    void setWidth(double width);
    void setHeight(double height);
    [[nodiscard]] double ScaleWidth() const;
    [[nodiscard]] double ScaleHeight() const;

    [[nodiscard]] QString Caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    [[nodiscard]] ColourValue BackColor() const { return client_->surfaceColour(); }
    virtual void setBackColor(ColourValue colour) { client_->setSurfaceColour(colour); }
    /// 0 normal, 1 minimized, 2 maximized.
    [[nodiscard]] int WindowState() const;
    /// Throws RunTimeError(InvalidPropertyValue) outside 0 .. 2.
    void setWindowState(int state);

    /// The client area, where the window's controls are placed.
    [[nodiscard]] Surface* client() const { return client_; }
    /// The menu bar, created on first use.
    QMenuBar* menu();
    [[nodiscard]] BorderStyle borderStyle() const { return borderStyle_; }
    /// The frame used to derive the client area.
    [[nodiscard]] FrameMetrics frame() const;
    /// Whether this is a child window of a container.
    [[nodiscard]] bool isChild() const { return container_ != nullptr; }
    /// Whether Alt+Space has opened the window menu (send_keys.h).
    [[nodiscard]] bool isWindowMenuOpen() const { return windowMenuOpen_; }

signals:
    /// The client area has been laid out anew.
    void clientAreaChanged();
    /// The window manager's frame turned out other than the one the outer
    /// size was derived from, and the window, still at its designed size,
    /// took its new outer size. A window that placed itself by its outer size
    /// before its frame was known places itself again here.
    void outerSizeCorrected();

protected:
    /// A window named `name` with the given frame, its client area sized as
    /// designed (in twips); the outer size follows from the frame.
    Form(const QString& name, BorderStyle border, CaptionButtons buttons, double clientWidth, double clientHeight);
    /// A borderless child window of the container `container` gives, sized as
    /// designed (in twips).
    Form(const QString& name, ContainerAccess container, double width, double height);

    virtual void Form_Load() {}
    virtual void Form_Unload(std::int16_t& Cancel) { static_cast<void>(Cancel); }
    virtual void Form_Resize() {}
    virtual void Form_Click() {}

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

    /// Unloads the windows this one holds, before its own Form_Unload; false
    /// when one of them stays loaded.
    virtual bool unloadChildren() { return true; }

private:
    friend class MdiForm;

    enum class State { Created, Loaded, Unloading, Unloaded };

    void fitDesignSize();
    void setMeasure(double Form::*measure, double value);
    void setSize(double Form::*measure, double value);
    void applyGeometry();
    void layOutContents();
    bool followFrame();
    void lookAtFrameLater(int looksLeft);
    void adoptMovedPosition();
    void adoptResizedSize();
    void embedInContainer();
    void showInContainer();
    void releaseFromContainer();
    [[nodiscard]] QWidget* placedWidget();
    void endModalWait();
    void modalWaitEnded();
    [[nodiscard]] CommandButton* buttonFor(bool cancel) const;
    bool windowMenuKey(const QKeyEvent& event);
    void restoreFromWindowMenu();
    void takeFocusRequest();

    Surface* client_;
    QMenuBar* menuBar_ = nullptr;
    double designClientWidth_;
    double designClientHeight_;
    QEventLoop* modalWait_ = nullptr;
    ContainerAccess container_ = nullptr;
    // The frame the container gives a child window; it owns the child.
    QMdiSubWindow* subwindow_ = nullptr;
    BorderStyle borderStyle_;
    State state_ = State::Created;
    FrameMetrics usedFrame_;
    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;
    bool applying_ = false;
    bool designSized_ = true;
    bool windowMenuOpen_ = false;
};

/// The windows that exist now (loaded or not yet destroyed), oldest first.
[[nodiscard]] QList<Form*> existingForms();

/// The window that has the focus: the one the window system made active or,
/// if a window has since been shown and asked for the focus, that one, since
/// the window system may not activate it (a minimized window) or not yet.
[[nodiscard]] QWidget* focusedWindow();

/// Unloads the loaded window of that name, if there is one.
void Unload(const QString& formName);

/// Stops the program at once: every window closes without its unload
/// handling, no further event reaches a handler, and the running handler is
/// unwound (ProgramEnded), also from inside a modal wait.
[[noreturn]] void End();

/// Destroys every window without running any handler and clears the ended
/// state: what the program does once its event loop has returned, and what a
/// fresh run of the windows starts from.
void releaseForms();

/// Runs the program's event loop until End() or until no window is loaded any
/// more, then releases the windows. Returns the program's exit status.
int runEventLoop();

/// A program-wide window instance in the toolkit's manner: the first use
/// creates and loads the window, and after an Unload the next use gets a
/// fresh one.
template <class Window>
class FormInstance {
public:
    constexpr FormInstance() = default;

    /// The loaded window, created and loaded on first use.
    Window* operator->() { return &get(); }
    Window& get() {
        Window* window = window_.data();
        if (window == nullptr || window->isUnloaded()) {
            window = new Window;
            window_ = window;
        }
        window->Load();
        return *window;
    }
    /// Loads the window unless it is loaded.
    void Load() { static_cast<void>(get()); }
    /// Unloads the window if it is loaded; does not create one.
    void Unload() {
        if (Window* window = window_.data(); window != nullptr && window->isLoaded()) {
            window->Unload();
        }
    }
    [[nodiscard]] bool isLoaded() const {
        const Window* window = window_.data();
        return window != nullptr && window->isLoaded();
    }
    /// The current window, if one exists, without loading it.
    [[nodiscard]] Window* existing() const {
        Window* window = window_.data();
        return window != nullptr && !window->isUnloaded() ? window : nullptr;
    }

private:
    QPointer<Window> window_;
};

} // namespace levora::toolkit
