// What Lumora makes of messages that any program can put in its queue or send to its windows:
// which queued ones its message loops hand on, and which system commands a window obeys.
// Decided from plain facts that the window layer gathers. Portable.
#pragma once

#include <cstdint>

namespace lumora {

// The Win32 values of the messages the rules speak of.
namespace message_id {
constexpr uint32_t kCreate = 0x0001;
constexpr uint32_t kDestroy = 0x0002;
constexpr uint32_t kQuit = 0x0012;
constexpr uint32_t kGetMinMaxInfo = 0x0024;
constexpr uint32_t kWindowPosChanging = 0x0046;
constexpr uint32_t kWindowPosChanged = 0x0047;
constexpr uint32_t kNotify = 0x004E;
constexpr uint32_t kNcCreate = 0x0081;
constexpr uint32_t kNcDestroy = 0x0082;
constexpr uint32_t kNcCalcSize = 0x0083;
constexpr uint32_t kInitDialog = 0x0110;
constexpr uint32_t kTimer = 0x0113;
constexpr uint32_t kSizing = 0x0214;
constexpr uint32_t kMoving = 0x0216;
constexpr uint32_t kDpiChanged = 0x02E0;
}  // namespace message_id

// A message taken from the queue, as far as the rules need it.
struct QueuedMessage {
    uint32_t message = 0;
    bool hasLParam = false;        // lParam is not 0
    bool toProgramWindow = false;  // its window is one of Lumora's own
    bool timerSet = false;         // a timer: Lumora set it on that window, and it still runs
};

// False for a message that no loop may dispatch: one that the system only ever sends (creation
// and destruction, and the records it passes by pointer), since a posted one is never genuine;
// a timer message with an lParam, which DispatchMessage would call as a timer procedure (Lumora
// sets none); and, for Lumora's own windows, a timer message of a timer that Lumora did not set.
bool MayDispatch(const QueuedMessage& queued);

// The Win32 values of the system commands and of the window styles that offer them.
namespace system_command {
constexpr uint32_t kSize = 0xF000;
constexpr uint32_t kMove = 0xF010;
constexpr uint32_t kMinimize = 0xF020;
constexpr uint32_t kMaximize = 0xF030;
constexpr uint32_t kClose = 0xF060;
constexpr uint32_t kRestore = 0xF120;
constexpr uint32_t kStyleCaption = 0x00C00000;
constexpr uint32_t kStyleSysMenu = 0x00080000;
constexpr uint32_t kStyleThickFrame = 0x00040000;
constexpr uint32_t kStyleMinimizeBox = 0x00020000;
constexpr uint32_t kStyleMaximizeBox = 0x00010000;
}  // namespace system_command

// False for a command that would size, move, minimise, maximise, restore or close a window whose
// style offers no way to ask for it (no sizing frame, no maximise box, no system menu, ...). The
// low four bits of the command are the system's own and are not looked at. Every other command
// (the menus, the screen saver, the monitor's power) is left to the system.
bool OffersSystemCommand(uint32_t style, uint32_t command);

}  // namespace lumora
