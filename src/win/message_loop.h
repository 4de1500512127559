// What every message loop on Lumora's thread applies, its own and the ones the system runs for it
// (message boxes, pop-up menus, the property sheet): any program can post anything to Lumora's
// windows, so what a loop takes from the queue meets one filter before it is dispatched, and a
// quit message ends every loop out to the main one.
#pragma once

#include <windows.h>

#include "win/handles.h"

namespace lumora {

// True when a loop may dispatch the message (win/message_rules.h says which may not).
bool MayDispatch(const MSG& message);

// While it lives, the filter holds in every loop of the calling thread, the system's included:
// a message it refuses becomes WM_NULL as the loop takes it (a WH_GETMESSAGE hook). Lumora makes
// one at start-up for its whole run.
class MessageFilter {
  public:
    MessageFilter();
    explicit operator bool() const { return static_cast<bool>(hook_); }

  private:
    UniqueHook hook_;
};

// Around a call that runs one of the system's modal loops (MessageBoxA, TrackPopupMenu,
// PropertySheetA). A quit message that such a loop takes from the queue ends it (a pop-up menu
// under Wine would keep it and stay open) and is posted again when the call returns, so that
// every loop out to the main one ends as well. Needs the MessageFilter.
class SystemModalLoop {
  public:
    SystemModalLoop();
    ~SystemModalLoop();
    SystemModalLoop(const SystemModalLoop&) = delete;
    SystemModalLoop& operator=(const SystemModalLoop&) = delete;
};

// True when a quit message waits in the queue: whatever modal step just returned was ended by
// it, and its caller goes no further.
bool QuitRequested();

// True unless the window procedure is answering a message that another thread sent (or one that
// this thread sends while it answers one). Only then is an lParam this thread's own pointer.
bool SentFromThisThread();

// Dispatches every waiting message of the thread and returns when the queue is empty: true, or
// false when it took a quit message, which is posted again for the loop that owns the thread.
bool PumpWaitingMessages();

}  // namespace lumora
