// Carrying out a click's plan: the one Win32 path of a region's click, a menu item's choice and
// a setup, whatever front end planned it.
#pragma once

#include <windows.h>

#include <functional>

#include "actions/click_plan.h"
#include "actions/logo_dialog.h"
#include "win/lifetime.h"

namespace lumora {

// Where the plan runs: the region or menu item behind it, as far as the steps need it.
struct ClickSite {
    HWND owner = nullptr;           // owns the message boxes, the disc prompt and the splash popup
    int launchId = kSetupLaunchId;  // passed to the action: a region index or a menu item's id
    int discDrive = 0;              // the region's or item's last disc search
    // Keeps a disc search with the region or item; called only while `alive`.
    std::function<void(int)> storeDiscDrive;
    CLogoDialog* splash = nullptr;  // shows the splash step; none: no splash
    int scale = 1;                  // the splash picture's pixels as scale x scale blocks
    // The region or item: every step after a message loop goes on only while it lives.
    Liveness alive;
};

enum class ClickOutcome {
    kIgnored,   // another action was running: nothing was done
    kStopped,   // a check refused, the user cancelled, or the region or item went meanwhile
    kFinished,  // every step ran (the action itself may have replaced the region or item)
};

// A click or choice of the user: ignored while another action runs, and the only action
// meanwhile.
ClickOutcome RunClick(const ClickPlan& plan, const ClickSite& site);

// The steps of a plan that belongs to the action running now (the setup that a program action
// offers).
ClickOutcome CarryOutPlan(const ClickPlan& plan, const ClickSite& site);

}  // namespace lumora
