#pragma once

// A container window: its client area is a workspace that holds child windows
// (Form's child constructor), scrolled when a child is larger than it. Picture
// boxes may be docked along its top edge, across its full width, above the
// workspace. Unloading the container unloads its children first.

#include "levora/toolkit/form.h"

#include <QList>
#include <QPointer>

#include <cstdint>

class QMdiArea;
class QMdiSubWindow;

namespace levora::toolkit {

class PictureBox;

class MdiForm : public Form {
    Q_OBJECT

public:
    /// The workspace the children live in.
    [[nodiscard]] QMdiArea* workspace() const { return workspace_; }
    /// The background of the workspace.
    void setBackColor(ColourValue colour) override;
    /// The loaded child windows, oldest first.
    [[nodiscard]] QList<Form*> childForms() const;

protected:
    /// A sizable container named `name`, its client area sized as designed
    /// (in twips).
    MdiForm(const QString& name, double clientWidth, double clientHeight);

    /// Docks a picture box along the top edge: it spans the client area's
    /// width and keeps its height; the workspace begins below it.
    void alignTop(PictureBox* bar);

    /// A container's load and unload handlers go by these names.
    virtual void MDIForm_Load() {}
    virtual void MDIForm_Unload(std::int16_t& Cancel) { static_cast<void>(Cancel); }

    bool unloadChildren() override;
    void changeEvent(QEvent* event) override;

private:
    friend class Form;

    void Form_Load() final { MDIForm_Load(); }
    void Form_Unload(std::int16_t& Cancel) final { MDIForm_Unload(Cancel); }

    /// Takes a child window into a frameless subwindow of the workspace.
    QMdiSubWindow* adopt(Form* child);
    void paintWorkspace();
    /// The docked bars along the top, and the workspace below them.
    void layOutWorkspace();

    QMdiArea* workspace_;
    QList<QPointer<PictureBox>> topBars_;
};

} // namespace levora::toolkit
