// bare_window.exe: the smallest window that does what lumora.exe does on screen, as a yardstick
// for its speed and a target for checking the test harness itself.
//   bare_window.exe BACKGROUND.bmp HIGHLIGHT.bmp X Y NEXT.bmp
// It paints BACKGROUND; while the pointer is inside the highlight's rectangle at (X, Y) it blits
// HIGHLIGHT there, otherwise the background again; a click inside that rectangle loads NEXT.bmp
// from disk (the next click BACKGROUND.bmp again), sizes the window to it and paints it, as a
// screen change does. It asks for one sound at
// start, so that the sound log of the winmm stand-in can be checked too.
#include <windows.h>
#include <mmsystem.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "win/handles.h"

namespace {

struct Picture {
    std::vector<char> file;
    const BITMAPINFO* info = nullptr;
    const void* bits = nullptr;
    int width = 0;
    int height = 0;

    bool Load(const char* path) {
        lumora::UniqueHandle handle(
            ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        if (handle.get() == INVALID_HANDLE_VALUE) {
            handle.release();
            return false;
        }
        file.resize(::GetFileSize(handle.get(), nullptr));
        DWORD read = 0;
        if (file.size() < 54 ||
            !::ReadFile(handle.get(), file.data(), file.size(), &read, nullptr)) {
            return false;
        }
        auto* header = reinterpret_cast<const BITMAPFILEHEADER*>(file.data());
        info = reinterpret_cast<const BITMAPINFO*>(file.data() + sizeof(BITMAPFILEHEADER));
        bits = file.data() + header->bfOffBits;
        width = info->bmiHeader.biWidth;
        height = info->bmiHeader.biHeight;
        return true;
    }

    void Draw(HDC dc, int x, int y) const {
        ::StretchDIBits(dc, x, y, width, height, 0, 0, width, height, bits, info, DIB_RGB_COLORS,
                        SRCCOPY);
    }
};

Picture background, highlight;
const char* screens[2];
int shown = 0;
POINT highlightAt;
bool lit = false;

bool InsideHighlight(LPARAM lParam) {
    int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    return x >= highlightAt.x && y >= highlightAt.y && x < highlightAt.x + highlight.width &&
           y < highlightAt.y + highlight.height;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(window, &ps);
            background.Draw(dc, 0, 0);
            if (lit) {
                highlight.Draw(dc, highlightAt.x, highlightAt.y);
            }
            ::EndPaint(window, &ps);
            return 0;
        }
        case WM_MOUSEMOVE: {
            bool inside = InsideHighlight(lParam);
            if (inside != lit) {
                lit = inside;
                lumora::ClientDc dc(window);
                if (lit) {
                    highlight.Draw(dc.get(), highlightAt.x, highlightAt.y);
                } else {
                    background.Draw(dc.get(), 0, 0);
                }
            }
            return 0;
        }
        case WM_LBUTTONUP:
            if (InsideHighlight(lParam)) {
                // Each click loads the other picture from disk, as a screen change does.
                shown = 1 - shown;
                Picture loaded;
                if (loaded.Load(screens[shown])) {
                    background = std::move(loaded);
                    lit = false;
                    RECT r{0, 0, background.width, background.height};
                    ::AdjustWindowRect(&r, ::GetWindowLongA(window, GWL_STYLE), FALSE);
                    ::SetWindowPos(window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                                   SWP_NOMOVE | SWP_NOZORDER);
                    ::InvalidateRect(window, nullptr, FALSE);
                }
            }
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc < 6 || !background.Load(__argv[1]) || !highlight.Load(__argv[2])) {
        return 2;
    }
    highlightAt = {std::atoi(__argv[3]), std::atoi(__argv[4])};
    screens[0] = __argv[1];
    screens[1] = __argv[5];
    ::sndPlaySoundA("bare.wav", SND_ASYNC | SND_NODEFAULT);
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "LumoraBareWindow";
    ::RegisterClassA(&wc);
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE;
    RECT r{0, 0, background.width, background.height};
    ::AdjustWindowRect(&r, style, FALSE);
    ::CreateWindowExA(0, wc.lpszClassName, "bare", style, 0, 0, r.right - r.left, r.bottom - r.top,
                      nullptr, nullptr, instance, nullptr);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageA(&msg);
    }
    return 0;
}
