// The main window's handler of the dispatch message: the actions named in the INI file.
#include <optional>
#include <string>

#include "actions/help.h"
#include "app/main_window.h"
#include "prefs/preferences_sheet.h"

namespace lumora {

void CMainWindow::OnDispatch(WPARAM action, const DispatchArgs* args) {
    // Only the codes that carry data look at lParam: the message is registered system-wide, so
    // any other sender may pass anything there. The data may belong to a region that the action
    // frees (a screen change), so it is copied before the action runs.
    const auto dataOf = [args]() -> std::optional<std::string> {
        if (args && args->data) {
            return std::string(args->data);
        }
        return std::nullopt;
    };
    switch (action) {
        case kActionScreen:
            if (const auto name = dataOf()) {
                ShowScreen(*name);
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
                screen_.menus().ShowMenu(screen_.hwnd(), dataOf().value_or(std::string()));
            }
            break;
        case kActionHelp:
            if (const auto argument = dataOf()) {
                RunHelp(*argument);
            }
            break;
        case kActionPreferences:
            CPreferencesSheet(hwnd()).DoModal();
            break;
        case kActionAbout:
            // The About page of the same sheet: the one place that shows the product.
            CPreferencesSheet(hwnd(), CPreferencesSheet::kAboutPage).DoModal();
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
