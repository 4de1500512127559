// What the display scale is decided from, asked of the monitor that shows a window.
#pragma once

#include <windows.h>

#include "imaging/pixel_rect.h"
#include "win/message_rules.h"

namespace lumora {

// Sent when the window moves to a monitor of another dpi (Windows 8.1 and later).
constexpr UINT kDpiChangedMessage = message_id::kDpiChanged;

struct MonitorFacts {
    int dpi = 96;
    PixelRect workArea;  // in screen coordinates
    bool operator==(const MonitorFacts& o) const { return dpi == o.dpi && workArea == o.workArea; }
};

// The monitor nearest the window: its dpi as the window sees it (the system's on Windows before
// 10, where each monitor's is not asked) and its work area.
MonitorFacts MonitorOfWindow(HWND window);

// The monitor nearest a rectangle of the screen, with a dpi already known (WM_DPICHANGED's).
MonitorFacts MonitorOfRect(const RECT& rect, int dpi);

}  // namespace lumora
