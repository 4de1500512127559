// Starting the program of an action: the command rewritten for the found disc and the short
// path, the failures reported, the setup offered when the program is missing, and the wait.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "actions/launch_entry.h"
#include "win/lifetime.h"

namespace lumora {

// The region or menu item behind a launch id, as the screen window describes it: a copy of its
// action and the ways back to it, used only while it lives (every message box and wait lets
// other messages run, and a screen change frees the regions).
struct LaunchTarget {
    std::optional<LaunchEntry> entry;  // none: the id names nothing (-1, or an item that is gone)
    HWND discPromptOwner = nullptr;    // owner of the setup's disc prompt
    Liveness alive;                    // the region or item
    std::function<void(int)> storeDiscDrive;  // keeps a setup's disc search with it
    std::function<void()> reload;             // reads it afresh after its setup ran
};

// 1 when the program was started (and, with `wait`, has ended); 0 when the system refused it or
// failed unexpectedly, or the user declined its elevation; -1 when there was no command or the
// program file was not found. Messages are owned by the main window, which is hidden while
// waiting.
int LaunchProgram(HWND mainWindow, const LaunchTarget& target, const char* command, bool wait);

// Runs the target's setup plan (its disc, the setup hand-off record, its SetupFunc action with
// launch id -1), then reloads the target.
void RunSetup(const LaunchTarget& target);

}  // namespace lumora
