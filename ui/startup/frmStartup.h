#pragma once

// The start-up splash: the program picture, its title, version, copyright and
// author. It shows itself on load, and a second later its timer loads the map
// title window and the main window and unloads the splash. A tick that fails
// leaves the splash up, and the next tick runs the whole sequence again.

#include "levora/toolkit/controls.h"
#include "levora/toolkit/form.h"

namespace levora::ui {

class frmStartup : public toolkit::Form {
    Q_OBJECT

public:
    frmStartup();

    toolkit::PictureBox* picIcon = nullptr;
    toolkit::Label* lblTitle = nullptr;
    toolkit::Label* lblVersion = nullptr;
    toolkit::Label* lblDisclaimer = nullptr;
    toolkit::Label* Label1 = nullptr;
    toolkit::IntervalTimer* Timer1 = nullptr;

    /// The steps of the start-up sequence, in their order.
    enum class StartupStep { LoadMapWindow, HideMapWindow, LoadMainWindow, ShowMainWindow, UnloadSplash };

protected:
    void Form_Load() override;

    /// Called before each step of the sequence; a failure thrown here counts
    /// as a failure of that step.
    virtual void beforeStartupStep(StartupStep step) { static_cast<void>(step); }

private:
    void placeOnScreen();
    void Timer1_Timer();
};

} // namespace levora::ui

namespace levora::forms {

inline toolkit::FormInstance<ui::frmStartup> frmStartup;

} // namespace levora::forms
