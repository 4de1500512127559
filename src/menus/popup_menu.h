// The pop-up menus described in the INI file, opened by the Menu action. One object per screen
// window, reused for every menu; it keeps the items of the menu it showed last, because the
// chosen item's command arrives after the menu has closed and the launching code asks about the
// item while it runs.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "actions/launch.h"
#include "actions/logo_dialog.h"
#include "menus/menu_model.h"
#include "win/lifetime.h"

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
    // Runs the item with this command id (1100 + its position) through the click path: display
    // check, disc, splash, then its action. No sound.
    void RunItem(int commandId);
    // Starts the setup of the item with this launch id, as a region's setup starts (without the
    // reload: a menu reads its items afresh whenever it opens).
    void RunSetup(int launchId);
    // What launching needs about the item with this launch id: a copy of its action, the owner
    // of its disc prompt, and a way to keep its disc search while the items are the same.
    LaunchTarget LaunchTargetOf(int launchId);

    const MenuItemTable& items() const { return items_; }
    // The owner's picture is shown at this whole-number scale: menu places and splash pictures
    // follow it.
    void SetScale(int scale) { scale_ = scale; }

  private:
    // The items shown last, and their lifetime: a new menu replaces both.
    void ReplaceItems(MenuItemTable items);
    void StoreDiscDrive(int launchId, int drive);

    HWND owner_ = nullptr;
    CLogoDialog logoPopup_;
    MenuItemTable items_;
    std::unique_ptr<Lifetime> itemsLifetime_ = std::make_unique<Lifetime>();
    int scale_ = 1;
};

}  // namespace lumora
