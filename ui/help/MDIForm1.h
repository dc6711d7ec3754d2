#pragma once

// The help window: a container that holds one help child at a time at the top
// left of its client area (the topics dialog or one of the three pages),
// under a toolbar of four picture buttons. It is never shown by name: showing
// one of its children loads and displays it. Its four public commands switch
// the child; the children lay themselves out and keep their own flags.

#include "levora/toolkit/controls.h"
#include "levora/toolkit/form.h"
#include "levora/toolkit/mdi_form.h"

#include <QAction>
#include <QMenu>

#include <cstdint>

namespace levora::ui {

class MDIForm1 : public toolkit::MdiForm {
    Q_OBJECT

public:
    MDIForm1();

    toolkit::PictureBox* picToolBar = nullptr;
    toolkit::Image* Image1 = nullptr;
    toolkit::Image* Image2 = nullptr;
    toolkit::Image* Image3 = nullptr;
    toolkit::Image* Image4 = nullptr;

    QAction* mnuFileExit = nullptr;
    QMenu* mnuWindow = nullptr;
    QAction* mnuWindowNotice = nullptr;
    QAction* mnuWindowHowTo = nullptr;
    QAction* mnuWindowGlossary = nullptr;

    /// Shows the topics dialog, unloading any page first.
    void Command0_Click();
    /// Shows the notice page, unloading any other child first.
    void Command2_Click();
    /// Shows the how-to page, unloading any other child first.
    void command3_Click();
    /// Shows the glossary page, unloading any other child first.
    void Command4_Click();

protected:
    void MDIForm_Load() override;
    void MDIForm_Unload(std::int16_t& Cancel) override;

private:
    void buildToolBar();
    void buildMenu();
    void connectEvents();
    void showPage(const QString& caption);

    void Image1_Click();
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();
    void mnuFileExit_Click();
    void mnuWindowNotice_Click();
    void mnuWindowHowTo_Click();
    void mnuWindowGlossary_Click();
};

/// The loaded help window, the container of the help children.
toolkit::MdiForm& helpWindow();

} // namespace levora::ui

namespace levora::forms {

inline toolkit::FormInstance<ui::MDIForm1> MDIForm1;

} // namespace levora::forms
