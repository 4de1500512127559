// A plain top-level window that the probe shows on its own thread, so that tests can put
// something above lumora.exe and see it raised again.
#pragma once

#include <windows.h>

// Shows a new cover window at the given screen rectangle; null on failure. It lives until it is
// sent WM_CLOSE or the probe ends.
HWND ShowCoverWindow(const RECT& where);
