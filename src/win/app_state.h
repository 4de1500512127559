// What the whole program shares: the dispatch message id, the application palette and the main
// window. Owned by the application's start-up and shutdown.
#pragma once

#include <windows.h>

namespace lumora {

struct AppState {
    UINT dispatchMessageId = 0;     // 0 until registered at start-up
    HPALETTE appPalette = nullptr;  // borrowed from the current screen's background
    HWND mainWindow = nullptr;      // set while the main window exists
};

AppState& App();

// The main window's handle, or null while there is none.
HWND MainWindowHandle();

}  // namespace lumora
