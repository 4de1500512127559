// The dispatch message: every action named in the INI file travels as this registered message
// from an exported function to the main window.
#pragma once

#include <windows.h>

#include <cstdint>

namespace lumora {

// What an exported action function sends as the message's lParam.
struct DispatchArgs {
    int32_t index;     // launch id: a region index, 16384 + a menu item's position, or -1
    const char* data;  // the action's argument, may be null
};

enum DispatchAction : WPARAM {
    kActionScreen = 0,
    kActionPreviousScreen = 1,
    kActionMinimize = 2,
    kActionMenu = 3,
    kActionHelp = 4,
    kActionPreferences = 5,
    kActionAbout = 6,
    kActionProgram = 7,
    kActionProgramAndWait = 8,
    kActionExit = 10,
    kActionReloadScreen = 100,
};

// Finds the exported function by its exact name in the program's own module and calls it with
// (index, data); false when there is no such export.
bool CallExport(int index, const char* functionName, const char* data);

// Sends the dispatch message with this action to the main window (nothing while the message is
// not registered or there is no main window).
LRESULT SendDispatch(DispatchAction action, int index, const char* data);

// The request behind a dispatch message's lParam when an exported function of this process is
// sending it right now and nobody has taken it yet; null for anything else. The message is
// registered system-wide: another program may send any lParam, and a pointer of its own means
// nothing here, so lParam is compared, never read, until it is known to be ours.
const DispatchArgs* TakeOwnDispatchArgs(LPARAM lParam);

}  // namespace lumora

// The exported action functions, undecorated through the .def file.
extern "C" {
LRESULT WINAPI DispatchScreen(int index, const char* data);
LRESULT WINAPI DispatchPreviousScreen(int index, const char* data);
LRESULT WINAPI DispatchMinimize(int index, const char* data);
LRESULT WINAPI DispatchMenu(int index, const char* data);
LRESULT WINAPI DispatchHelp(int index, const char* data);
LRESULT WINAPI DispatchPreferences(int index, const char* data);
LRESULT WINAPI DispatchAbout(int index, const char* data);
LRESULT WINAPI DispatchProgram(int index, const char* data);
LRESULT WINAPI DispatchProgramAndWait(int index, const char* data);
LRESULT WINAPI DispatchExit(int index, const char* data);
}
