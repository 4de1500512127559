// The main window's handler of the dispatch message: the actions named in the INI file.
#include "actions/help.h"
#include "app/main_window.h"

namespace lumora {

void CMainWindow::OnDispatch(WPARAM action, const DispatchArgs* args) {
    // The data may belong to a region that the action frees (a screen change): copy it first.
    const bool hasData = args && args->data;
    const std::string data = hasData ? args->data : std::string();
    switch (action) {
        case kActionScreen:
            if (hasData) {
                ShowScreen(data);
                SizeToScreen(false);
            }
            break;
        case kActionPreviousScreen: {
            const std::string previous = previousScreen_;
            ShowScreen(previous);
            SizeToScreen(false);
            break;
        }
        case kActionMinimize:
            ::ShowWindow(hwnd(), SW_MINIMIZE);
            break;
        case kActionMenu:
            if (screen_.exists()) {
                screen_.menus().ShowMenu(screen_.hwnd(), data);
            }
            break;
        case kActionHelp:
            if (hasData) {
                RunHelp(data);
            }
            break;
        case kActionExit:
            Close();
            break;
        case kActionReloadScreen: {
            const std::string current = currentScreen_;
            ShowScreen(current);
            break;
        }
        default:
            // Preferences, About and the program actions arrive with their own windows and the
            // launching code; any other code does nothing.
            break;
    }
}

}  // namespace lumora
