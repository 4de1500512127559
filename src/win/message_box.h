// Message boxes with string-table texts, and the pump that keeps the interface alive in waits.
#pragma once

#include <windows.h>

#include <string>

namespace lumora {

// The string-table text of id formatted with wvsprintf-style placeholders (%s, %d), cut at 511
// characters. Texts are passed as const char*.
std::string FormatResourceString(unsigned id, ...);

// The caption of every message box: the shown screen's description as the main window tells it,
// or string 1 when there is no main window or no description.
std::string MessageCaption();

// Each shows a box with MessageCaption(), owned by the owner when it is a window, and returns
// the MessageBox result.
int ShowFormattedMessage(HWND owner, unsigned id, const char* value, UINT style);
int ShowFormattedMessage(HWND owner, unsigned id, int value, UINT style);
int ShowResourceMessage(HWND owner, unsigned id, UINT style);
int ShowTextMessage(HWND owner, const std::string& text, UINT style);

// Dispatches every waiting message of the thread and returns when the queue is empty.
void PumpWaitingMessages();

}  // namespace lumora
