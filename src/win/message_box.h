// Message boxes with string-table texts.
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
// the MessageBox result; 0 (no answer) when a quit message ended the box.
int ShowFormattedMessage(HWND owner, unsigned id, const char* value, UINT style);
int ShowFormattedMessage(HWND owner, unsigned id, int value, UINT style);
int ShowResourceMessage(HWND owner, unsigned id, UINT style);
int ShowTextMessage(HWND owner, const std::string& text, UINT style);

}  // namespace lumora
