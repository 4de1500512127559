// The screen window's answers about a launch id: what launching needs of a region, copied.
#include "actions/dispatch.h"
#include "screens/screen_window.h"

namespace lumora {
namespace {

LaunchEntry EntryOf(const CRegion& region) {
    LaunchEntry entry;
    entry.setupFunc = region.setupFunc;
    entry.setupData = region.setupData;
    entry.setupDesc = region.setupDesc;
    entry.setupReq = region.setupReq;
    entry.launchDir = region.launchDir;
    entry.discDrive = region.discDrive;
    entry.launchOnReq = region.launchOnReq;
    entry.launchLong = region.launchLong;
    entry.exitDuringSetup = region.exitDuringSetup;
    return entry;
}

}  // namespace

LaunchTarget CScreenWindow::LaunchTargetOf(int launchId) {
    LaunchTarget target;
    if (launchId >= kMenuLaunchIdBase) {
        // Every id from here up is a pop-up menu item's.
        return menus_.LaunchTargetOf(launchId);
    }
    const CRegion* found = region(launchId);
    if (!found || !found->name) {
        return target;
    }
    target.entry = EntryOf(*found);
    target.discPromptOwner = hwnd();
    // The region may be gone when launching comes back to it: the window that showed it must
    // still be there, with the same region at the same index.
    const HWND window = hwnd();
    const std::string name = *found->name;
    auto stillThere = [this, window, launchId, name]() -> CRegion* {
        if (!exists() || hwnd() != window) {
            return nullptr;
        }
        CRegion* current = region(launchId);
        return current && current->name == name ? current : nullptr;
    };
    target.storeDiscDrive = [stillThere](int drive) {
        if (CRegion* current = stillThere()) {
            current->discDrive = drive;
        }
    };
    target.reload = [this, stillThere, launchId]() {
        if (stillThere()) {
            ReloadRegion(launchId);
        }
    };
    return target;
}

}  // namespace lumora
