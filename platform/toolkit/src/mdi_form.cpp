#include "levora/toolkit/mdi_form.h"

#include "levora/toolkit/controls.h"
#include "levora/toolkit/twips.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

namespace levora::toolkit {

MdiForm::MdiForm(const QString& name, double clientWidth, double clientHeight)
    : Form(name, BorderStyle::Sizable, CaptionButtons::Minimize, clientWidth, clientHeight),
      workspace_(new QMdiArea(client())) {
    workspace_->setObjectName(name + QStringLiteral(".workspace"));
    workspace_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    workspace_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    workspace_->setFrameShape(QFrame::NoFrame);
    paintWorkspace();
    layOutWorkspace();
    connect(this, &Form::clientAreaChanged, this, &MdiForm::layOutWorkspace);
}

void MdiForm::setBackColor(ColourValue colour) {
    Form::setBackColor(colour);
    paintWorkspace();
}

void MdiForm::paintWorkspace() { workspace_->setBackground(resolveColour(BackColor(), client()->palette())); }

void MdiForm::changeEvent(QEvent* event) {
    Form::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        paintWorkspace();
    }
}

QList<Form*> MdiForm::childForms() const {
    QList<Form*> forms;
    for (const QMdiSubWindow* subwindow : workspace_->subWindowList(QMdiArea::CreationOrder)) {
        auto* form = qobject_cast<Form*>(subwindow->widget());
        if (form != nullptr && form->isLoaded()) {
            forms.append(form);
        }
    }
    return forms;
}

void MdiForm::alignTop(PictureBox* bar) {
    topBars_.append(bar);
    layOutWorkspace();
}

void MdiForm::layOutWorkspace() {
    const int width = client()->width();
    int top = 0;
    for (PictureBox* bar : topBars_) {
        if (bar == nullptr || bar->isHidden()) {
            continue;
        }
        bar->Move(0, toTwips(top), toTwips(width), bar->Height());
        top += bar->height();
    }
    workspace_->setGeometry(0, top, width, std::max(0, client()->height() - top));
}

bool MdiForm::unloadChildren() {
    for (Form* child : childForms()) {
        child->Unload();
        if (child->isLoaded()) {
            return false;
        }
    }
    return true;
}

QMdiSubWindow* MdiForm::adopt(Form* child) {
    auto* subwindow = new QMdiSubWindow(workspace_, Qt::FramelessWindowHint | Qt::SubWindow);
    subwindow->setObjectName(child->objectName() + QStringLiteral(".subwindow"));
    // The child goes when it unloads, not when the subwindow is closed.
    subwindow->setAttribute(Qt::WA_DeleteOnClose, false);
    subwindow->setWidget(child);
    workspace_->addSubWindow(subwindow);
    subwindow->hide();
    return subwindow;
}

} // namespace levora::toolkit
