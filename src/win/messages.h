// The program's own window message, command and timer ids, each defined once here.
#pragma once

#include <windows.h>

namespace lumora {

// Sent to the main window by the message boxes: the answer is the current screen's description
// (a pointer to its text), or 0 for none. Another program may send it too, by its number 0x464:
// it is answered 0, as is anyone who asks from another thread.
constexpr UINT kCaptionQueryMessage = WM_USER + 100;

// Posted to the screen window by its object for screen readers: the keyboard's focus moves to
// region wParam, which then runs as with Enter. Posted, so that a reader's call returns at once,
// however long the action takes.
constexpr UINT kPressRegionMessage = WM_USER + 101;

// The framework's "exit the application" command: the main window destroys itself.
constexpr WPARAM kAppExitCommand = 0xE141;

// The screen window's one-shot balloon delay.
constexpr UINT_PTR kBalloonTimerId = 102;
// The logo popup's display time.
constexpr UINT_PTR kLogoTimerId = 105;
// The screen window's reading ahead: one step each time the timer fires, which it does only when
// no other message waits, until there is nothing more to read; while an action runs it only looks
// in now and then.
constexpr UINT_PTR kReadAheadTimerId = 103;
constexpr UINT kReadAheadStepMs = 10;
constexpr UINT kReadAheadWaitMs = 500;

}  // namespace lumora
