// The timers that Lumora sets on its windows, known by window and id, so that a timer message
// that another program posts with an id of its own choosing can be told from a real one.
// One user-interface thread sets and asks them.
#pragma once

#include <windows.h>

namespace lumora {

// SetTimer without a timer procedure; false when it fails.
bool StartProgramTimer(HWND window, UINT_PTR id, UINT milliseconds);
void StopProgramTimer(HWND window, UINT_PTR id);
// True while the timer runs: started and not yet stopped, on a window not yet destroyed.
bool IsProgramTimer(HWND window, UINT_PTR id);
// The window is going: its timers go with it.
void ForgetProgramTimers(HWND window);

}  // namespace lumora
