#pragma once

// The help topics dialog: the entry page of the help window, listing the
// three help pages as picture links. A link calls the help window's command
// for its page, which unloads this dialog while the link's click is still
// being handled.

#include "levora/toolkit/controls.h"
#include "levora/toolkit/form.h"

#include <cstdint>

namespace levora::ui {

class frmDLG : public toolkit::Form {
    Q_OBJECT

public:
    frmDLG();

    toolkit::Image* Image5 = nullptr;
    toolkit::Image* Image2 = nullptr;
    toolkit::Image* Image3 = nullptr;
    toolkit::Image* Image4 = nullptr;

protected:
    void Form_Load() override;
    void Form_Unload(std::int16_t& Cancel) override;

private:
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();
};

} // namespace levora::ui

namespace levora::forms {

inline toolkit::FormInstance<ui::frmDLG> frmDLG;

} // namespace levora::forms
