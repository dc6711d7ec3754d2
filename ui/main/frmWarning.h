#pragma once

// The "Input Problem" dialog: a message picture, a smiling face and an OK
// button. It is shown modally for every rejected request and unloaded when
// closed, by OK, by a click on its background or by its close box.

#include "levora/toolkit/controls.h"
#include "levora/toolkit/form.h"

namespace levora::ui {

class frmWarning : public toolkit::Form {
    Q_OBJECT

public:
    frmWarning();

    toolkit::Image* Image1 = nullptr;
    toolkit::Image* Image2 = nullptr;
    toolkit::CommandButton* OKButton = nullptr;

protected:
    void Form_Load() override;
    void Form_Click() override;

private:
    void OKButton_Click();
};

} // namespace levora::ui

namespace levora::forms {

inline toolkit::FormInstance<ui::frmWarning> frmWarning;

} // namespace levora::forms
