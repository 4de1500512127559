// Runs code that shows a message box on a second thread, reads the box and answers it.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace lumora::test {

struct CapturedBox {
    bool shown = false;
    std::string text;
    std::string caption;
    HICON icon = nullptr;  // the icon the box shows
    HWND owner = nullptr;
};

namespace detail {
struct BoxSearch {
    HWND box;
};
inline BOOL CALLBACK FindBoxOfThread(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && ::IsWindowVisible(window)) {
        search->box = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace detail

// Runs show() on a new thread, waits up to five seconds for its message box, records the box,
// and answers it with the command `answer` (IDOK, IDYES, ...). show() must end once answered.
inline CapturedBox CaptureMessageBox(const std::function<void()>& show, int answer = IDOK) {
    std::atomic<DWORD> threadId{0};
    std::thread worker([&] {
        threadId = ::GetCurrentThreadId();
        show();
    });
    CapturedBox captured;
    for (int tries = 0; tries < 500 && !captured.shown; ++tries) {
        ::Sleep(10);
        if (threadId == 0) {
            continue;
        }
        detail::BoxSearch search{nullptr};
        ::EnumThreadWindows(threadId.load(), detail::FindBoxOfThread,
                            reinterpret_cast<LPARAM>(&search));
        if (!search.box) {
            continue;
        }
        char text[1024] = {};
        ::GetDlgItemTextA(search.box, 0xFFFF, text, sizeof text);
        captured.text = text;
        char caption[256] = {};
        ::GetWindowTextA(search.box, caption, sizeof caption);
        captured.caption = caption;
        captured.icon =
            reinterpret_cast<HICON>(::SendDlgItemMessageA(search.box, 0x440, STM_GETICON, 0, 0));
        captured.owner = ::GetWindow(search.box, GW_OWNER);
        captured.shown = true;
        ::PostMessageA(search.box, WM_COMMAND, answer, 0);
    }
    worker.join();
    return captured;
}

}  // namespace lumora::test
