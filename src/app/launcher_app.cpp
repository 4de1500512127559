#include "app/launcher_app.h"

#include <windows.h>

#include <memory>

#include "win/message_box.h"
#include "win/app_state.h"
#include "app/color_check.h"
#include "app/main_window.h"
#include "config/display.h"
#include "config/ini_store.h"
#include "config/settings.h"
#include "resource.h"
#include "win/dialog_colors.h"
#include "win/message_loop.h"
#include "win/resource_string.h"
#include "win/system_library.h"

namespace lumora {
namespace {

class CLauncherApp {
  public:
    BOOL InitInstance();
    int ExitInstance();
    void Run();

  private:
    std::unique_ptr<CMainWindow> mainWindow_;
};

// Restores and raises a launcher that runs already; true when there is one.
bool RaiseRunningInstance() {
    HWND running = ::FindWindowA(ResourceString(IDS_MAIN_WINDOW_CLASS).c_str(), nullptr);
    if (!running) {
        return false;
    }
    ::ShowWindow(running, SW_RESTORE);
    ::SetWindowPos(running, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return true;
}

// The folder of the executable in its short form, ending in a backslash; empty when it cannot
// be found (a bare file name would send the INI file to the Windows folder).
std::string ExecutableFolder() {
    char path[MAX_PATH + 1] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    const size_t lastSeparator = folder.find_last_of('\\');
    if (lastSeparator == std::string::npos) {
        return std::string();
    }
    folder.erase(lastSeparator + 1);
    char shortForm[261] = {};
    DWORD shortLength = ::GetShortPathNameA(folder.c_str(), shortForm, sizeof shortForm);
    if (shortLength > 0 && shortLength < sizeof shortForm) {
        folder.assign(shortForm, shortLength);
    }
    return folder;
}

BOOL CLauncherApp::InitInstance() {
    if (RaiseRunningInstance()) {
        return FALSE;
    }
    std::string iniFileName = ResourceString(IDS_INI_FILE_NAME);
    if (iniFileName.empty()) {
        return FALSE;
    }
    std::string folder = ExecutableFolder();
    if (folder.empty()) {
        return FALSE;
    }
    SetIniLocation(std::move(folder), std::move(iniFileName));
    if (RefuseLowColorDisplay(GetDisplayColorClass())) {
        return FALSE;
    }
    App().dispatchMessageId =
        ::RegisterWindowMessageA(ResourceString(IDS_DISPATCH_MESSAGE).c_str());
    SetDialogColors(RGB(192, 192, 192), RGB(0, 0, 0));
    LoadProgramSettings();
    mainWindow_ = std::make_unique<CMainWindow>();
    if (!mainWindow_->Create()) {
        // Without a main window there is nothing to run.
        return FALSE;
    }
    App().mainWindow = mainWindow_->hwnd();
    return TRUE;
}

void CLauncherApp::Run() {
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!MayDispatch(message)) {
            continue;
        }
        // Keyboard input to a dialog (the logo popup) goes through its dialog manager.
        HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
        if (root && root != App().mainWindow && ::IsDialogMessageA(root, &message)) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

int CLauncherApp::ExitInstance() {
    ClearSetupState();
    ClearIniLocation();
    FreeProgramSettings();
    App().mainWindow = nullptr;
    return 0;
}

}  // namespace

int RunLauncher() {
    // Before anything loads a DLL: only the system folder is searched.
    RestrictDllSearchToSystem();
    // The disc search probes empty drives: the system shows no box about a drive not ready.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    // Every loop of the thread, the system's included, filters what other programs post.
    const MessageFilter filter;
    CLauncherApp app;
    if (app.InitInstance()) {
        app.Run();
    }
    return app.ExitInstance();
}

}  // namespace lumora
