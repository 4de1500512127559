// Another thread of the test program standing in for another program: it sends and posts to the
// test's windows, at once or once the test thread shows something (a message box, a menu, a
// sheet), while the test thread runs its own code or a modal loop.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>
#include <utility>

namespace lumora::testing {

// Sends from another thread and returns the answer; this thread answers meanwhile.
inline LRESULT SendFromAnotherThread(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    std::atomic<bool> answered{false};
    LRESULT result = 0;
    std::thread sender([&] {
        result = ::SendMessageA(window, message, wParam, lParam);
        answered = true;
    });
    while (!answered) {
        // Peeking delivers the messages that other threads send to this one.
        MSG none;
        ::PeekMessageA(&none, nullptr, 0, 0, PM_NOREMOVE);
        ::Sleep(1);
    }
    sender.join();
    return result;
}

inline void PostFromAnotherThread(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    std::thread([=] { ::PostMessageA(window, message, wParam, lParam); }).join();
}

// Dispatches what waits in this thread's queue, as a plain loop does; a quit stays queued.
inline void DispatchWaiting() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

// Runs `action` on another thread once `ready` holds (asked every 5 ms, for 10 s at most).
class WhenReady {
  public:
    WhenReady(std::function<bool()> ready, std::function<void()> action)
        : thread_([this, ready = std::move(ready), action = std::move(action)] {
              const DWORD deadline = ::GetTickCount() + 10000;
              while (!ready()) {
                  if (static_cast<LONG>(deadline - ::GetTickCount()) <= 0) {
                      return;
                  }
                  ::Sleep(5);
              }
              action();
              ran_ = true;
          }) {}
    ~WhenReady() { Join(); }
    WhenReady(const WhenReady&) = delete;
    WhenReady& operator=(const WhenReady&) = delete;

    // Waits for the thread; true when the action ran.
    bool Join() {
        if (thread_.joinable()) {
            thread_.join();
        }
        return ran_;
    }

  private:
    std::atomic<bool> ran_{false};
    std::thread thread_;
};

namespace detail {
struct WindowSearch {
    const char* className;
    HWND found;
};
inline BOOL CALLBACK MatchShownWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (::lstrcmpA(name, search->className) == 0 && ::IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace detail

// The visible top-level window of a class that the thread shows. Asks nothing of the thread, so
// it answers while that thread waits.
inline HWND ShownWindow(DWORD thread, const char* className) {
    detail::WindowSearch search{className, nullptr};
    ::EnumThreadWindows(thread, detail::MatchShownWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace lumora::testing
