// The pop-up menus described in the INI file, opened by the Menu action. One object per screen
// window, reused for every menu; it keeps the items of the menu it showed last, because the
// chosen item's command arrives after the menu has closed and the launching code asks about the
// item while it runs.
#pragma once

#include <windows.h>

#include <string>

#include "actions/logo_dialog.h"
#include "menus/menu_model.h"

namespace lumora {

class CPopupMenu {
  public:
    CPopupMenu() = default;
    CPopupMenu(const CPopupMenu&) = delete;
    CPopupMenu& operator=(const CPopupMenu&) = delete;
    virtual ~CPopupMenu() = default;

    // Builds the named menu from the INI file and tracks it; the owner receives the chosen
    // item's WM_COMMAND. 1 when it was shown. The previous items are gone in every case.
    virtual BOOL ShowMenu(HWND owner, std::string name);
    // Runs the item with this command id (1100 + its position): display check, disc, splash,
    // then its action. No sound.
    void RunItem(int commandId);
    // Starts the setup of the item with this launch id, as a region's setup starts.
    void RunSetup(int launchId);

    // The launching code's questions about an item, by launch id.
    const MenuItemTable& items() const { return items_; }
    bool HasSetup(int launchId) const { return items_.HasSetup(launchId); }
    bool ExitsDuringSetup(int launchId) const { return items_.ExitsDuringSetup(launchId); }
    const std::string* GetLaunchDir(int launchId) const { return items_.GetLaunchDir(launchId); }
    int GetDiscDrive(int launchId) const { return items_.GetDiscDrive(launchId); }
    bool UsesDiscDrive(int launchId, const std::string& command) const {
        return items_.UsesDiscDrive(launchId, command);
    }
    bool KeepsLongPath(int launchId, const std::string& command) const {
        return items_.KeepsLongPath(launchId, command);
    }

  private:
    void FreeItems();
    // Asks for the disc of a requirement and keeps the result with the item at this position,
    // unless a nested action has replaced the items meanwhile. False when the user cancelled.
    bool EnsureItemDisk(int position, const std::optional<StringList>& requirement);

    HWND owner_ = nullptr;
    CLogoDialog splashPopup_;
    MenuItemTable items_;
    // Counts item tables: calls that pump messages can run another menu's action, which
    // replaces the table under a RunItem that is still waiting.
    unsigned generation_ = 0;
};

}  // namespace lumora
