#include "win/message_loop.h"

#include "win/message_rules.h"
#include "win/program_timers.h"
#include "win/window.h"

namespace lumora {

static_assert(message_id::kCreate == WM_CREATE && message_id::kDestroy == WM_DESTROY &&
              message_id::kQuit == WM_QUIT && message_id::kGetMinMaxInfo == WM_GETMINMAXINFO &&
              message_id::kWindowPosChanging == WM_WINDOWPOSCHANGING &&
              message_id::kWindowPosChanged == WM_WINDOWPOSCHANGED &&
              message_id::kNotify == WM_NOTIFY && message_id::kNcCreate == WM_NCCREATE &&
              message_id::kNcDestroy == WM_NCDESTROY && message_id::kNcCalcSize == WM_NCCALCSIZE &&
              message_id::kInitDialog == WM_INITDIALOG && message_id::kTimer == WM_TIMER &&
              message_id::kSizing == WM_SIZING && message_id::kMoving == WM_MOVING);

namespace {

// The system's modal loops running now, and the quit that one of them took.
struct ModalLoops {
    int depth = 0;
    bool quitTaken = false;
    int exitCode = 0;
};

ModalLoops& Modal() {
    static ModalLoops loops;
    return loops;
}

LRESULT CALLBACK FilterHook(int code, WPARAM removal, LPARAM lParam) {
    if (code == HC_ACTION) {
        MSG* message = reinterpret_cast<MSG*>(lParam);
        if (message->message == WM_QUIT) {
            ModalLoops& modal = Modal();
            if (removal == PM_REMOVE && modal.depth > 0) {
                modal.quitTaken = true;
                modal.exitCode = static_cast<int>(message->wParam);
                ::EndMenu();
            }
        } else if (!MayDispatch(*message)) {
            message->message = WM_NULL;
        }
    }
    return ::CallNextHookEx(nullptr, code, removal, lParam);
}

}  // namespace

bool MayDispatch(const MSG& message) {
    QueuedMessage queued;
    queued.message = message.message;
    queued.hasLParam = message.lParam != 0;
    if (message.message == WM_TIMER) {
        queued.toProgramWindow = IsProgramWindow(message.hwnd);
        queued.timerSet = IsProgramTimer(message.hwnd, message.wParam);
    }
    return MayDispatch(queued);
}

MessageFilter::MessageFilter()
    : hook_(::SetWindowsHookExA(WH_GETMESSAGE, FilterHook, nullptr, ::GetCurrentThreadId())) {}

SystemModalLoop::SystemModalLoop() {
    ++Modal().depth;
}

SystemModalLoop::~SystemModalLoop() {
    ModalLoops& modal = Modal();
    --modal.depth;
    if (modal.quitTaken) {
        modal.quitTaken = false;
        if (!QuitRequested()) {
            ::PostQuitMessage(modal.exitCode);
        }
    }
}

bool QuitRequested() {
    MSG quit;
    return ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

bool SentFromThisThread() {
    return (::InSendMessageEx(nullptr) & (ISMEX_SEND | ISMEX_NOTIFY | ISMEX_CALLBACK)) == 0;
}

bool PumpWaitingMessages() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (MayDispatch(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    return true;
}

}  // namespace lumora
