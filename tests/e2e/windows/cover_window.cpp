#include "cover_window.h"

#include <thread>

namespace {

struct CoverRequest {
    RECT where;
    HWND window = nullptr;
    HANDLE ready = nullptr;
};

LRESULT CALLBACK CoverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

// The window gets its messages pumped by its own thread, so that another program activating
// itself (which sends to the window that loses activation) never waits on the probe.
void CoverThread(CoverRequest* request) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = CoverProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "LumoraProbeCover";
    ::RegisterClassA(&wc);
    const RECT& r = request->where;
    HWND window = ::CreateWindowExA(0, wc.lpszClassName, "cover", WS_POPUP | WS_VISIBLE, r.left,
                                    r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                                    wc.hInstance, nullptr);
    request->window = window;
    ::SetEvent(request->ready);
    MSG msg;
    while (window && ::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

}  // namespace

HWND ShowCoverWindow(const RECT& where) {
    CoverRequest request;
    request.where = where;
    request.ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread(CoverThread, &request).detach();
    ::WaitForSingleObject(request.ready, 10000);
    ::CloseHandle(request.ready);
    return request.window;
}
