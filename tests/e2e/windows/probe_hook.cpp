// Hook DLL that the probe loads into lumora.exe to read what only the program itself can see:
// its class icon and cursor (compared with its own resources), its system menu, a sheet's tabs,
// an open pop-up menu's items.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "hook_protocol.h"
#include "win/handles.h"

namespace {

using lumora::UniqueAny;
using lumora::UniqueBitmap;
using lumora::UniqueHandle;

void DestroyIconHandle(HICON icon) {
    ::DestroyIcon(icon);
}
using UniqueIcon = UniqueAny<HICON, DestroyIconHandle>;

// The pixels of one bitmap of an icon as 32-bit rows, with its size.
std::vector<DWORD> Pixels(HBITMAP bitmap, int& width, int& height) {
    BITMAP info{};
    if (!bitmap || !::GetObjectA(bitmap, sizeof info, &info)) {
        return {};
    }
    width = info.bmWidth;
    height = info.bmHeight;
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, bitmap, 0, height, pixels.data(), &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

// Colour and mask pixels of an icon or cursor, and its size; empty when it cannot be read.
std::string Fingerprint(HICON icon) {
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info)) {
        return {};
    }
    UniqueBitmap color(info.hbmColor);
    UniqueBitmap mask(info.hbmMask);
    int cw = 0, ch = 0, mw = 0, mh = 0;
    std::vector<DWORD> colorPixels = Pixels(color.get(), cw, ch);
    std::vector<DWORD> maskPixels = Pixels(mask.get(), mw, mh);
    char head[64];
    std::snprintf(head, sizeof head, "%dx%d/%dx%d hot %lu,%lu:", cw, ch, mw, mh, info.xHotspot,
                  info.yHotspot);
    std::string print = head;
    for (DWORD p : colorPixels) {
        print += std::to_string(p & 0xFFFFFF) + ",";
    }
    for (DWORD p : maskPixels) {
        print += (p & 0xFFFFFF) ? '1' : '0';
    }
    return print;
}

// "same" when the handle shows the program's own resource, "differ" or "none" otherwise.
std::string CompareWithResource(HANDLE handle, int id, UINT type) {
    if (!handle) {
        return "none";
    }
    ICONINFO info{};
    if (!::GetIconInfo(static_cast<HICON>(handle), &info)) {
        return "unreadable";
    }
    UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    BITMAP bm{};
    ::GetObjectA(info.hbmMask, sizeof bm, &bm);
    int width = bm.bmWidth;
    int height = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    UniqueIcon own(static_cast<HICON>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), type, width, height, 0)));
    if (!own) {
        return "noresource";
    }
    return Fingerprint(static_cast<HICON>(handle)) == Fingerprint(own.get()) ? "same" : "differ";
}

std::string SystemMenuIds(HWND window) {
    HMENU menu = ::GetSystemMenu(window, FALSE);
    if (!menu) {
        return "none";
    }
    std::string ids;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        ids += std::to_string(::GetMenuItemID(menu, i)) + " ";
    }
    return ids;
}

// The tabs of a property sheet, in order: "text left top right bottom" (screen coordinates) each,
// separated by "|". Tab texts and rectangles can only be read inside the sheet's process.
std::string SheetTabs(HWND sheet) {
    HWND tabs = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    if (!tabs) {
        return "none";
    }
    std::string answer;
    const int count = static_cast<int>(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ::SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        RECT r{};
        ::SendMessageA(tabs, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        ::MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&r), 2);
        char line[128];
        std::snprintf(line, sizeof line, "%s%s %ld %ld %ld %ld", i ? "|" : "", text, r.left, r.top,
                      r.right, r.bottom);
        answer += line;
    }
    return answer;
}

// Keeps the first visible pop-up menu window in *out.
BOOL CALLBACK FindPopupMenuWindow(HWND w, LPARAM out) {
    char name[16] = {};
    ::GetClassNameA(w, name, sizeof name);
    if (!std::strcmp(name, "#32768") && ::IsWindowVisible(w)) {
        *reinterpret_cast<HWND*>(out) = w;
        return FALSE;
    }
    return TRUE;
}

// The visible pop-up menu window of the program's thread, or null.
HWND OpenPopupMenuWindow() {
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindPopupMenuWindow,
                        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The items of the open pop-up menu, "|" between them, each "id state kind left top right bottom
// text" with kind "sep" or "str" and the rectangle in screen coordinates; "none" without a menu.
std::string PopupMenuItems() {
    HWND popup = OpenPopupMenuWindow();
    HMENU menu =
        popup ? reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0)) : nullptr;
    if (!menu) {
        return "none";
    }
    std::string answer;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        ::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        RECT r{};
        ::GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &r);
        char line[400];
        std::snprintf(line, sizeof line, "%s%u %u %s %ld %ld %ld %ld %s", i ? "|" : "", info.wID,
                      info.fState, (info.fType & MFT_SEPARATOR) ? "sep" : "str", r.left, r.top,
                      r.right, r.bottom, text);
        answer += line;
    }
    return answer;
}

std::string Answer(HWND window, const char* query) {
    if (!std::strcmp(query, "popupmenu")) {
        return PopupMenuItems();
    }
    if (!std::strcmp(query, "icon")) {
        return CompareWithResource(reinterpret_cast<HANDLE>(::GetClassLongPtrA(window, GCLP_HICON)),
                                   103, IMAGE_ICON);
    }
    if (!std::strcmp(query, "cursor")) {
        return CompareWithResource(
            reinterpret_cast<HANDLE>(::GetClassLongPtrA(window, GCLP_HCURSOR)), 105, IMAGE_CURSOR);
    }
    if (!std::strcmp(query, "hotcursor")) {
        return CompareWithResource(
            reinterpret_cast<HANDLE>(::GetClassLongPtrA(window, GCLP_HCURSOR)), 104, IMAGE_CURSOR);
    }
    if (!std::strcmp(query, "tabs")) {
        return SheetTabs(window);
    }
    if (!std::strcmp(query, "sysmenu")) {
        return SystemMenuIds(window);
    }
    if (!std::strcmp(query, "classstyle")) {
        return std::to_string(::GetClassLongA(window, GCL_STYLE));
    }
    if (!std::strcmp(query, "brush")) {
        LONG_PTR brush = ::GetClassLongPtrA(window, GCLP_HBRBACKGROUND);
        if (brush == reinterpret_cast<LONG_PTR>(::GetStockObject(BLACK_BRUSH))) {
            return "black";
        }
        if (brush == reinterpret_cast<LONG_PTR>(::GetStockObject(LTGRAY_BRUSH))) {
            return "ltgray";
        }
        return "other";
    }
    return "unknown";
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    ProbeCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT query = ::RegisterWindowMessageA(LUMORA_HOOK_MESSAGE);
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call && call->message == query) {
        UniqueHandle block(::OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, LUMORA_HOOK_MAPPING));
        if (block) {
            char* text = static_cast<char*>(
                ::MapViewOfFile(block.get(), FILE_MAP_ALL_ACCESS, 0, 0, LUMORA_HOOK_BLOCK_SIZE));
            if (text) {
                std::string answer = Answer(call->hwnd, text);
                lstrcpynA(text, answer.c_str(), LUMORA_HOOK_BLOCK_SIZE);
                ::UnmapViewOfFile(text);
            }
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
