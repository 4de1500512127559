// A click on a region: its plan carried out through the one click path, and what launching
// needs to know of a region while its action runs.
#include "actions/click_run.h"
#include "menus/menu_model.h"
#include "screens/screen_window.h"

namespace lumora {

void CScreenWindow::RunRegion(int index) {
    const CRegion* clicked = region(index);
    const LaunchTarget target = shown_ ? shown_->TargetOf(index) : LaunchTarget();
    if (!clicked || !target.entry) {
        return;
    }
    ClickSite site;
    site.owner = hwnd();
    site.launchId = index;
    site.discDrive = target.entry->discDrive;
    site.storeDiscDrive = target.storeDiscDrive;
    site.splash = &logoPopup_;
    site.scale = scale();
    site.alive = target.alive;
    const ClickOutcome outcome = RunClick(PlanRegionClick(clicked->action, clicked->sound), site);
    // While the action ran, the pointer may have moved and the regions changed: unless the
    // keyboard leads, the hover state is read again from where the pointer is now.
    if (outcome != ClickOutcome::kIgnored && site.alive.alive() && exists() &&
        session_.hover().focusRegion() == -1) {
        ReadPointer();
    }
}

LaunchTarget CScreenWindow::LaunchTargetOf(int launchId) {
    if (launchId >= kFirstMenuLaunchId) {
        // Every id from here up is a pop-up menu item's.
        return menus_.LaunchTargetOf(launchId);
    }
    if (!region(launchId)) {
        return LaunchTarget();
    }
    LaunchTarget target = shown_->TargetOf(launchId);
    target.discPromptOwner = hwnd();
    target.reload = [this, launchId] { ReloadRegion(launchId); };
    return target;
}

}  // namespace lumora
