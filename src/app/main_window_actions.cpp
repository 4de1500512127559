// The main window's handler of the dispatch message: the actions of the table of actions.
#include <optional>
#include <string>

#include "actions/action_gate.h"
#include "actions/help.h"
#include "actions/launch.h"
#include "app/main_window.h"
#include "config/ini_store.h"
#include "prefs/preferences_sheet.h"

namespace lumora {
namespace {

// The action of a code that the message may carry; none for any other code.
std::optional<ActionCode> KnownCode(WPARAM code) {
    for (const ActionInfo& action : kActions) {
        if (static_cast<WPARAM>(action.code) == code) {
            return action.code;
        }
    }
    if (code == static_cast<WPARAM>(ActionCode::kReloadScreen)) {
        return ActionCode::kReloadScreen;
    }
    return std::nullopt;
}

}  // namespace

void CMainWindow::OnDispatch(WPARAM action, LPARAM lParam) {
    // The message is registered system-wide, so another program may send it with any code and
    // lParam. lParam is read only when it is a request that this process's own exported
    // functions are sending right now; another program's lParam is no address here. And while
    // an action runs, a message from elsewhere starts no other.
    const DispatchArgs* own = TakeOwnDispatchArgs(lParam);
    const ActionGate gate;
    const std::optional<ActionCode> code = KnownCode(action);
    if (!code || (!own && !gate.held())) {
        return;
    }
    RunAction(*code, own);
}

void CMainWindow::RunAction(ActionCode code, const DispatchArgs* own) {
    // The data may belong to a region that the action frees (a screen change): it is copied.
    const std::optional<std::string> data =
        own && own->data ? std::optional<std::string>(own->data) : std::nullopt;
    switch (code) {
        case ActionCode::kScreen:
            if (data) {
                ShowScreen(*data);
                SizeToScreen(false);
            }
            break;
        case ActionCode::kPreviousScreen:
            CarryScreenChange(Screens().ShowPrevious());
            SizeToScreen(false);
            break;
        case ActionCode::kMinimize:
            ::ShowWindow(hwnd(), SW_MINIMIZE);
            break;
        case ActionCode::kMenu:
            if (own && screen_.exists()) {
                screen_.menus().ShowMenu(screen_.hwnd(), data.value_or(std::string()));
            }
            break;
        case ActionCode::kHelp:
            if (data) {
                RunHelp(*data);
            }
            break;
        case ActionCode::kPreferences:
        case ActionCode::kAbout: {
            // About opens the same sheet at its About page: the one place that shows the product.
            CPreferencesSheet sheet(hwnd(), code == ActionCode::kAbout
                                                ? CPreferencesSheet::kAboutPage
                                                : CPreferencesSheet::kOptionsPage);
            sheet.DoModal();
            if (sheet.matteChanged()) {
                // Laid out anew, as at a start with the new matte.
                OnDisplayChange();
            }
            break;
        }
        case ActionCode::kProgram:
        case ActionCode::kProgramAndWait:
            if (own) {
                RunProgramAction(own->index, data, code == ActionCode::kProgramAndWait);
            }
            break;
        case ActionCode::kExit:
            Close();
            break;
        case ActionCode::kReloadScreen:
            CarryScreenChange(Screens().Reload());
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
