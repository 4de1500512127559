// Waiting for a started program with the launcher hidden, serving its messages meanwhile.
#pragma once

#include <windows.h>

namespace lumora {

// How long the launcher stays hidden after a setup's process has ended, for its installer.
constexpr DWORD kSetupGraceMs = 7000;
// How often the installer's window is looked for while it is there.
constexpr DWORD kInstallerPollMs = 100;

// Disables and hides the main window, lowers the thread's priority, and serves the thread's
// messages until the process has ended; after a setup (SetupPending), for 7 seconds more and
// while an installer window ("InstallShield_Win") exists, then clears the setup record. Then
// everything is undone. The thread sleeps between messages: the wait costs no CPU. A quit
// message ends the wait and is posted again for the message loop.
void WaitForProgram(HWND mainWindow, HANDLE process);

}  // namespace lumora
