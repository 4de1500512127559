#include "app/monitor_facts.h"

#include "win/system_library.h"

namespace lumora {
namespace {

PixelRect WorkArea(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (monitor && ::GetMonitorInfoA(monitor, &info)) {
        return PixelRect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
    }
    RECT work{};
    if (::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
        return PixelRect{work.left, work.top, work.right, work.bottom};
    }
    return PixelRect{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

// The system's dpi, as every program that Windows does not stretch sees it.
int SystemDpi() {
    HDC screen = ::GetDC(nullptr);
    if (!screen) {
        return 96;
    }
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

int WindowDpi(HWND window) {
    // Windows 10 and later answer for the window's own monitor; older ones have no such call.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow =
        ModuleFunction<DpiForWindow>(::GetModuleHandleA("user32.dll"), "GetDpiForWindow");
    if (dpiForWindow && window) {
        if (const UINT dpi = dpiForWindow(window)) {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
}

}  // namespace

MonitorFacts MonitorOfWindow(HWND window) {
    return MonitorFacts{WindowDpi(window),
                        WorkArea(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST))};
}

MonitorFacts MonitorOfRect(const RECT& rect, int dpi) {
    return MonitorFacts{dpi, WorkArea(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST))};
}

}  // namespace lumora
