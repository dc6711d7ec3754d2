#pragma once

// The controls the windows are built from. Each carries its name as its
// objectName and exposes its toolkit properties as Qt properties of the same
// names, so that tests and accessibility tools find and read them.

#include "levora/toolkit/control.h"
#include "levora/toolkit/surface.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace levora::toolkit {

/// Above this device pixel ratio pictures are shown from their files drawn at
/// twice the size, NAME@2x.png beside NAME.png.
inline constexpr qreal DoubleSizeRatio = 1.5;

/// The file of a picture drawn at twice its size: NAME@2x.png for NAME.png.
[[nodiscard]] QString doubleSizePicture(const QString& resource);

/// The picture `resource` for a display of that device pixel ratio: above
/// DoubleSizeRatio its @2x file (when there is one) with a ratio of 2, so that
/// it keeps its size in logical pixels; otherwise the file itself and nothing
/// more. Throws RunTimeError(InvalidPropertyValue) when there is no picture.
[[nodiscard]] QPixmap loadPicture(const QString& resource, qreal devicePixelRatio);

/// A text the user cannot edit. The caption is plain text; it wraps at the
/// label's width.
class Label : public QLabel, public ControlProperties {
    Q_OBJECT
    Q_PROPERTY(double Left READ Left WRITE setLeft)
    Q_PROPERTY(double Top READ Top WRITE setTop)
    Q_PROPERTY(double Width READ Width WRITE setWidth)
    Q_PROPERTY(double Height READ Height WRITE setHeight)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    Label(QWidget* container, const QString& name);
    [[nodiscard]] QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
};

/// A panel that holds other controls and lines on its own background. It may
/// show a picture at its top left corner and a sunken two-pixel edge; the edge
/// lies inside the box, and a picture inside the edge.
class PictureBox : public Surface, public ControlProperties {
    Q_OBJECT
    Q_PROPERTY(double Left READ Left WRITE setLeft)
    Q_PROPERTY(double Top READ Top WRITE setTop)
    Q_PROPERTY(double Width READ Width WRITE setWidth)
    Q_PROPERTY(double Height READ Height WRITE setHeight)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)

public:
    PictureBox(QWidget* container, const QString& name);
    void setBackColor(ColourValue colour);
    /// Throws RunTimeError(InvalidPropertyValue) when it cannot be loaded.
    void setPicture(const QString& resource);
    void setSunkenEdge(bool sunken);
    [[nodiscard]] bool hasSunkenEdge() const { return sunken_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    bool sunken_ = false;
};

/// What a picture is to the keyboard and to assistive tools: a picture, or a
/// button or a link that its Click carries out.
enum class PictureRole { Picture, Button, Link };

/// A picture from the resources, with a tool tip, an optional mouse pointer of
/// its own and a click. A picture that acts as a button or a link says so to
/// assistive tools, which can press it; given a tab stop as well, Tab reaches
/// it, a focus frame shows it and Enter or Space press it.
class Image : public QLabel, public ControlProperties {
    Q_OBJECT
    Q_PROPERTY(double Left READ Left WRITE setLeft)
    Q_PROPERTY(double Top READ Top WRITE setTop)
    Q_PROPERTY(double Width READ Width WRITE setWidth)
    Q_PROPERTY(double Height READ Height WRITE setHeight)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(QString ToolTipText READ toolTip WRITE setToolTipText)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)

public:
    Image(QWidget* container, const QString& name);

    /// Shows a picture; throws RunTimeError(InvalidPropertyValue) when it
    /// cannot be loaded. The picture is decoded when the control is first
    /// shown, so that a picture that is never shown takes no memory.
    void setPicture(const QString& resource);
    /// The picture shown, decoded now if it was not yet.
    [[nodiscard]] QPixmap picture();
    /// The tool tip, which is also the picture's accessible name.
    void setToolTipText(const QString& text);
    void setMouseIcon(const QCursor& cursor) { setCursor(cursor); }

    [[nodiscard]] PictureRole role() const { return role_; }
    void setRole(PictureRole role);
    /// Only a button or a link takes the focus, and only by the keyboard.
    [[nodiscard]] bool TabStop() const { return tabStop_; }
    void setTabStop(bool tabStop);
    /// Raises Click as a mouse click does, if the picture is an enabled button
    /// or link.
    void press();

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    [[nodiscard]] bool actsOnClick() const { return role_ != PictureRole::Picture; }
    void applyFocusPolicy();
    void decodePendingPicture();

    // The picture set while the control was hidden, not decoded yet.
    QString pendingPicture_;
    PictureRole role_ = PictureRole::Picture;
    bool pressed_ = false;
    bool tabStop_ = false;
};

/// A one-line text entry. Setting its text, by the user or in code, raises
/// Change.
class TextBox : public QLineEdit, public ControlProperties {
    Q_OBJECT
    Q_PROPERTY(double Left READ Left WRITE setLeft)
    Q_PROPERTY(double Top READ Top WRITE setTop)
    Q_PROPERTY(double Width READ Width WRITE setWidth)
    Q_PROPERTY(double Height READ Height WRITE setHeight)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QString Text READ Text WRITE setText)

public:
    TextBox(QWidget* container, const QString& name);
    [[nodiscard]] QString Text() const { return text(); }

signals:
    void Change();
};

/// A drop-down list to choose one item from. ListIndex is the chosen item's
/// position, -1 for none; choosing an item, or setting ListIndex, raises Click.
class ComboBox : public QComboBox, public ControlProperties {
    Q_OBJECT
    Q_PROPERTY(double Left READ Left WRITE setLeft)
    Q_PROPERTY(double Top READ Top WRITE setTop)
    Q_PROPERTY(double Width READ Width WRITE setWidth)
    Q_PROPERTY(double Height READ Height WRITE setHeight)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE setListIndex)
    Q_PROPERTY(int ListCount READ ListCount)

public:
    ComboBox(QWidget* container, const QString& name);

    /// Appends an item at the end; the selection stays as it was.
    void AddItem(const QString& item);
    [[nodiscard]] int ListIndex() const { return currentIndex(); }
    /// Throws RunTimeError(InvalidPropertyValue) outside -1 .. ListCount - 1.
    void setListIndex(int index);
    [[nodiscard]] int ListCount() const { return count(); }
    /// The item at a position; throws RunTimeError(InvalidPropertyValue)
    /// outside the list.
    [[nodiscard]] QString List(int index) const;

signals:
    void Click();
};

/// A push button. Enter presses it while it has the focus; a window presses
/// its default button on Enter and its cancel button on Esc.
class CommandButton : public QPushButton, public ControlProperties {
    Q_OBJECT
    Q_PROPERTY(double Left READ Left WRITE setLeft)
    Q_PROPERTY(double Top READ Top WRITE setTop)
    Q_PROPERTY(double Width READ Width WRITE setWidth)
    Q_PROPERTY(double Height READ Height WRITE setHeight)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)

public:
    CommandButton(QWidget* container, const QString& name);
    [[nodiscard]] QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    /// Whether Enter anywhere in the window presses the button. Kept apart
    /// from Qt's default state, which a button outside a QDialog loses as soon
    /// as the focus leaves it.
    [[nodiscard]] bool Default() const { return default_; }
    void setDefault(bool defaultButton) {
        default_ = defaultButton;
        QPushButton::setDefault(defaultButton);
    }
    [[nodiscard]] bool Cancel() const { return cancel_; }
    void setCancel(bool cancel) { cancel_ = cancel; }

signals:
    void Click();

private:
    bool default_ = false;
    bool cancel_ = false;
};

/// Raises Timer every Interval milliseconds while enabled, never earlier; an
/// interval of 0 stops it. Unloading the window that owns it stops it too.
class IntervalTimer : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Interval READ Interval WRITE setInterval)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)

public:
    IntervalTimer(QObject* owner, const QString& name);
    [[nodiscard]] int Interval() const { return interval_; }
    /// Throws RunTimeError(InvalidPropertyValue) for a negative interval.
    void setInterval(int milliseconds);
    [[nodiscard]] bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

signals:
    void Timer();

private:
    void restart();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = true;
};

} // namespace levora::toolkit
