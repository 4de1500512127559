#include "actions/program_wait.h"

#include <string>

#include "config/ini_store.h"
#include "resource.h"
#include "win/message_loop.h"
#include "win/resource_string.h"

namespace lumora {
namespace {

enum class WaitEnd { kSignalled, kTimedOut, kQuit };

bool TimeHasCome(DWORD deadline) {
    // Signed difference: right across the tick count's wrap after 49 days.
    return static_cast<LONG>(::GetTickCount() - deadline) >= 0;
}

// Serves messages until the handle (may be null) is signalled or `timeoutMs` has passed,
// sleeping while nothing happens.
WaitEnd WaitServingMessages(HANDLE handle, DWORD timeoutMs) {
    const DWORD deadline = ::GetTickCount() + timeoutMs;
    const DWORD handleCount = handle ? 1 : 0;
    for (;;) {
        if (!PumpWaitingMessages()) {
            return WaitEnd::kQuit;
        }
        DWORD remaining = 0;
        if (timeoutMs == INFINITE) {
            remaining = INFINITE;
        } else if (!TimeHasCome(deadline)) {
            remaining = deadline - ::GetTickCount();
        }
        // MWMO_INPUTAVAILABLE: messages already in the queue wake it too.
        const DWORD woke = ::MsgWaitForMultipleObjectsEx(handleCount, &handle, remaining,
                                                         QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_TIMEOUT) {
            return WaitEnd::kTimedOut;
        }
        // An ended process, or a handle that cannot be waited on, ends the wait.
        if (woke != WAIT_OBJECT_0 + handleCount) {
            return WaitEnd::kSignalled;
        }
    }
}

// After a setup: the installer it started may still be at work.
bool WaitForInstaller() {
    const DWORD deadline = ::GetTickCount() + kSetupGraceMs;
    while (!TimeHasCome(deadline)) {
        if (WaitServingMessages(nullptr, deadline - ::GetTickCount()) == WaitEnd::kQuit) {
            return false;
        }
    }
    const std::string installerClass = ResourceString(IDS_INSTALLER_WINDOW_CLASS);
    while (::FindWindowA(installerClass.c_str(), nullptr)) {
        if (WaitServingMessages(nullptr, kInstallerPollMs) == WaitEnd::kQuit) {
            return false;
        }
    }
    ClearSetupState();
    return true;
}

}  // namespace

void WaitForProgram(HWND mainWindow, HANDLE process) {
    ::EnableWindow(mainWindow, FALSE);
    ::ShowWindow(mainWindow, SW_HIDE);
    HANDLE thread = ::GetCurrentThread();
    ::SetThreadPriority(thread, THREAD_PRIORITY_BELOW_NORMAL);
    if (WaitServingMessages(process, INFINITE) != WaitEnd::kQuit && Setup().setupPending) {
        WaitForInstaller();
    }
    ::SetThreadPriority(thread, THREAD_PRIORITY_NORMAL);
    // A launcher closed meanwhile has no window left to show.
    if (::IsWindow(mainWindow)) {
        ::ShowWindow(mainWindow, SW_SHOW);
        ::EnableWindow(mainWindow, TRUE);
    }
}

}  // namespace lumora
