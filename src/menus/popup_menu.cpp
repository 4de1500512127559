#include "menus/popup_menu.h"

namespace lumora {

// Configured menus arrive with the menus work; until then the Menu action shows nothing.
BOOL CPopupMenu::ShowMenu(HWND, const std::string&) {
    return FALSE;
}

void CPopupMenu::RunItem(int) {}

}  // namespace lumora
