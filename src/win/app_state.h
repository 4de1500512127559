// What the whole program shares: the dispatch message id, the application palette and the main
// window. Owned by the application's start-up and shutdown.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace lumora {

struct AppState {
    UINT dispatchMessageId = 0;     // 0 until registered at start-up
    HPALETTE appPalette = nullptr;  // the main window's AppPalette, while it holds one
    HWND mainWindow = nullptr;      // set while the main window exists
    bool actionRunning = false;     // an action holds the action gate
    // The caption of message boxes: the shown screen's description, or empty.
    std::function<std::string()> caption;
};

AppState& App();

// The main window's handle, or null while there is none.
HWND MainWindowHandle();

}  // namespace lumora
