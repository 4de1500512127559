// The main window's handler of the dispatch message: the actions named in the INI file.
#include <optional>
#include <string>

#include "actions/help.h"
#include "actions/launch.h"
#include "app/main_window.h"
#include "config/ini_store.h"

namespace lumora {

void CMainWindow::OnDispatch(WPARAM action, const DispatchArgs* args) {
    // Only the codes that carry data look at lParam, and only when it is a request that this
    // process's own exported functions are sending: the message is registered system-wide, and
    // another program's lParam is no address here. Anything else is ignored. The data may belong
    // to a region that the action frees (a screen change), so it is copied before the action.
    const auto request = [args]() -> const DispatchArgs* {
        return TakeOwnDispatchArgs(reinterpret_cast<LPARAM>(args));
    };
    const auto dataOf = [](const DispatchArgs* own) -> std::optional<std::string> {
        if (own && own->data) {
            return std::string(own->data);
        }
        return std::nullopt;
    };
    switch (action) {
        case kActionScreen:
            if (const auto name = dataOf(request())) {
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
            if (const DispatchArgs* own = request(); own && screen_.exists()) {
                screen_.menus().ShowMenu(screen_.hwnd(), dataOf(own).value_or(std::string()));
            }
            break;
        case kActionHelp:
            if (const auto argument = dataOf(request())) {
                RunHelp(*argument);
            }
            break;
        case kActionProgram:
        case kActionProgramAndWait:
            if (const DispatchArgs* own = request()) {
                RunProgramAction(own->index, dataOf(own), action == kActionProgramAndWait);
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
            // Preferences and About arrive with their own windows; any other code does nothing.
            break;
    }
}

void CMainWindow::RunProgramAction(int launchId, const std::optional<std::string>& command,
                                   bool wait) {
    const LaunchTarget target = screen_.LaunchTargetOf(launchId);
    const int started = LaunchProgram(hwnd(), target, command ? command->c_str() : nullptr, wait);
    // Waiting, the result is not used.
    if (wait || started <= 0) {
        return;
    }
    if (Setup().setupPending) {
        // A setup: the launcher stays unless the entry asked to leave while it runs.
        if (Setup().exitDuringSetup) {
            Close();
        }
        ClearSetupState();
    } else {
        Close();
    }
}

}  // namespace lumora
