// Watches the calling thread for a message box, reads it and answers it with a button, so that a
// test can call a function that shows one.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace lumora::testing {

class MessageBoxAnswerer {
  public:
    struct Box {
        bool shown = false;
        std::string text;
        std::string caption;
        HWND owner = nullptr;
        bool hasAnswerButton = false;
        HICON icon = nullptr;  // the icon the box shows
    };

    // Starts watching the windows of the calling thread; answers the first box with `button`.
    explicit MessageBoxAnswerer(int button)
        : button_(button), thread_(&MessageBoxAnswerer::Watch, this, ::GetCurrentThreadId()) {}
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
    ~MessageBoxAnswerer() { Stop(); }

    // Stops watching and gives what was seen; a box never shown gives shown = false.
    const Box& Stop() {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        return box_;
    }

  private:
    static BOOL CALLBACK FindBox(HWND window, LPARAM found) {
        char className[16] = {};
        ::GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770" && ::IsWindowVisible(window)) {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }

    void Watch(DWORD uiThread) {
        const DWORD deadline = ::GetTickCount() + 10000;
        while (!stop_ && static_cast<int>(deadline - ::GetTickCount()) > 0) {
            HWND box = nullptr;
            ::EnumThreadWindows(uiThread, FindBox, reinterpret_cast<LPARAM>(&box));
            if (box) {
                Read(box);
                ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                               reinterpret_cast<LPARAM>(::GetDlgItem(box, button_)));
                return;
            }
            ::Sleep(5);
        }
    }

    void Read(HWND box) {
        char text[1024] = {};
        ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        char caption[256] = {};
        ::GetWindowTextA(box, caption, sizeof caption);
        box_.text = text;
        box_.caption = caption;
        box_.owner = ::GetWindow(box, GW_OWNER);
        box_.hasAnswerButton = ::GetDlgItem(box, button_) != nullptr;
        box_.icon = reinterpret_cast<HICON>(::SendDlgItemMessageA(box, 0x440, STM_GETICON, 0, 0));
        box_.shown = true;
    }

    int button_;
    std::atomic<bool> stop_{false};
    Box box_;
    std::thread thread_;
};

}  // namespace lumora::testing
