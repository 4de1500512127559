// The pop-up menus described in the INI file, opened by the Menu action.
#pragma once

#include <windows.h>

#include <string>

namespace lumora {

class CPopupMenu {
  public:
    // Builds the named menu from the INI file and tracks it; 1 when it was shown.
    BOOL ShowMenu(HWND owner, const std::string& name);
    // Runs the item with this command id (1100 + its position).
    void RunItem(int commandId);
};

}  // namespace lumora
