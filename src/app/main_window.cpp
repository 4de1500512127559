#include "app/main_window.h"

#include <algorithm>

#include "win/app_state.h"
#include "screens/sound.h"
#include "config/settings.h"
#include "resource.h"
#include "win/resource_string.h"

namespace lumora {

namespace {

// Window styles of the main window (the value of each group as the layout needs it).
constexpr DWORD kBaseStyle = WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU | WS_MINIMIZEBOX;

bool IsLargeDisplay(int width, int height) {
    return width > 640 && height > 480;
}

HBRUSH ClassBackgroundBrush() {
    return static_cast<HBRUSH>(::GetStockObject(Settings().blackMat ? BLACK_BRUSH : LTGRAY_BRUSH));
}

}  // namespace

bool CMainWindow::Create() {
    const std::string className = ResourceString(IDS_MAIN_WINDOW_CLASS);
    WNDCLASSA windowClass{};
    windowClass.style = CS_CLASSDC | CS_DBLCLKS;
    windowClass.lpfnWndProc = Window::WindowProc;
    windowClass.hInstance = ProgramInstance();
    windowClass.hIcon = ::LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(IDI_LUMORA));
    windowClass.hCursor = ::LoadCursorA(ProgramInstance(), MAKEINTRESOURCEA(IDC_ARROW_CURSOR));
    windowClass.hbrBackground = ClassBackgroundBrush();
    windowClass.lpszClassName = className.c_str();
    if (!::RegisterClassA(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return false;
    }
    largeDisplay_ =
        IsLargeDisplay(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    return CreateEx(0, className.c_str(), nullptr, WindowStyle(), CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr);
}

DWORD CMainWindow::WindowStyle() const {
    DWORD style = kBaseStyle;
    if (Settings().blackMat) {
        style |= WS_MAXIMIZE;
    } else if (largeDisplay_) {
        style |= WS_CAPTION | WS_THICKFRAME;
    }
    return style;
}

LRESULT CMainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(message, wParam, lParam);
        case WM_SYSCOMMAND:
            return OnSysCommand(message, wParam, lParam);
        case WM_NCHITTEST: {
            // No sizing cursor on the frame, and no dragging of it.
            LRESULT hit = Default(message, wParam, lParam);
            return hit >= HTLEFT && hit <= HTBOTTOMRIGHT ? HTNOWHERE : hit;
        }
        case WM_SIZING:
            OnSizing(wParam, reinterpret_cast<RECT*>(lParam));
            return TRUE;
        case WM_ACTIVATEAPP:
            OnActivateApp(wParam != FALSE);
            return 0;
        case WM_SETFOCUS:
            // The keys go to the screen, which moves its focus through the regions.
            if (screen_.exists()) {
                ::SetFocus(screen_.hwnd());
            }
            return 0;
        case WM_PALETTEISCHANGING:
            screen_.FillBackground();
            return 0;
        case WM_PALETTECHANGED: {
            HWND changer = reinterpret_cast<HWND>(wParam);
            if (changer != hwnd() && !::IsChild(hwnd(), changer)) {
                RealizeAppPalette(hwnd(), false);
            }
            return 0;
        }
        case WM_QUERYNEWPALETTE:
            return RealizeAppPalette(hwnd(), false) != 0;
        case WM_DISPLAYCHANGE:
            OnDisplayChange(lParam);
            return 0;
        case kCaptionQuery:
            return screen_.description().empty()
                       ? 0
                       : reinterpret_cast<LRESULT>(screen_.description().c_str());
        case WM_DESTROY:
            // Played to its end before the window goes away.
            PlaySoundSync(Settings().endSound);
            return Default(message, wParam, lParam);
        case WM_NCDESTROY:
            App().appPalette = nullptr;
            // The message loop ends with the main window.
            ::PostQuitMessage(0);
            return Default(message, wParam, lParam);
        case WM_COMMAND:
            if (wParam == kAppExitCommand) {
                ::DestroyWindow(hwnd());
                return 0;
            }
            return Default(message, wParam, lParam);
        default:
            if (message != 0 && message == App().dispatchMessageId) {
                OnDispatch(wParam, reinterpret_cast<const DispatchArgs*>(lParam));
                return 0;
            }
            return Default(message, wParam, lParam);
    }
}

LRESULT CMainWindow::OnCreate(UINT message, WPARAM wParam, LPARAM lParam) {
    HMENU systemMenu = ::GetSystemMenu(hwnd(), FALSE);
    if (Default(message, wParam, lParam) == -1) {
        return -1;
    }
    ::SetWindowTextA(hwnd(), ResourceString(IDS_APP_TITLE).c_str());
    ShowScreen(Settings().startup.value_or(std::string()));
    SizeToScreen(true);
    if (systemMenu) {
        // Restore, Move, Minimize and Close remain.
        ::RemoveMenu(systemMenu, SC_SIZE, MF_BYCOMMAND);
        ::RemoveMenu(systemMenu, SC_MAXIMIZE, MF_BYCOMMAND);
    }
    PlaySoundAsync(Settings().startSound);
    return 0;
}

LRESULT CMainWindow::OnSysCommand(UINT message, WPARAM wParam, LPARAM lParam) {
    // The command is compared as received, low four bits included.
    if (wParam == SC_SIZE || wParam == SC_MAXIMIZE) {
        return 0;
    }
    if (wParam == SC_CLOSE) {
        DestroyScreenWindow();
    }
    return Default(message, wParam, lParam);
}

SIZE CMainWindow::ScreenSize() const {
    const CDib& background = screen_.background();
    return SIZE{background.width() > 0 ? background.width() : 200,
                background.height() > 0 ? background.height() : 100};
}

void CMainWindow::OnSizing(WPARAM edge, RECT* rect) const {
    const SIZE size = ScreenSize();
    const int frame = ::GetSystemMetrics(SM_CXFRAME);
    const int width = size.cx + 2 * frame;
    const int height = size.cy + 2 * frame + ::GetSystemMetrics(SM_CYCAPTION);
    const bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    const bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
    const bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    const bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
    if (top) {
        rect->top = rect->bottom - height;
    }
    if (bottom) {
        rect->bottom = rect->top + height;
    }
    if (left) {
        rect->left = rect->right - width;
    }
    if (right) {
        rect->right = rect->left + width;
    }
}

void CMainWindow::OnActivateApp(bool active) {
    if (active) {
        RealizeAppPalette(hwnd(), false);
    } else if (screen_.exists()) {
        screen_.OnAppDeactivated();
    }
}

void CMainWindow::OnDisplayChange(LPARAM size) {
    largeDisplay_ = IsLargeDisplay(LOWORD(size), HIWORD(size));
    ::SetWindowLongA(hwnd(), GWL_STYLE, static_cast<LONG>(WindowStyle()));
    ::SetClassLongPtrA(hwnd(), GCLP_HBRBACKGROUND,
                       reinterpret_cast<LONG_PTR>(ClassBackgroundBrush()));
    ::ShowWindow(hwnd(), SW_HIDE);
    SizeToScreen(true);
    ::ShowWindow(hwnd(), SW_SHOW);
    ::SetFocus(hwnd());
}

void CMainWindow::ShowScreen(const std::string& name) {
    std::string title = ResourceString(IDS_APP_TITLE);
    const std::optional<StringList>& names = Settings().screenNames;
    if (names && std::find(names->begin(), names->end(), name) != names->end()) {
        if (currentScreen_ != name) {
            previousScreen_ = currentScreen_;
        }
        currentScreen_ = name;
        DestroyScreenWindow();
        screen_.LoadScreen(hwnd(), currentScreen_);
        if (screen_.exists()) {
            // A 24-bit background without a colour table leaves no application palette.
            SetAppPalette(hwnd(), screen_.background().palette());
            if (::GetActiveWindow() == hwnd()) {
                ::SetFocus(screen_.hwnd());
            }
        }
        if (!screen_.description().empty()) {
            title = screen_.description();
        }
    }
    ::SetWindowTextA(hwnd(), title.c_str());
}

void CMainWindow::DestroyScreenWindow() {
    if (screen_.exists()) {
        // The application palette belongs to the background that goes with the window.
        App().appPalette = nullptr;
        screen_.DestroyWindow();
    }
}

void CMainWindow::SizeToScreen(bool centre) {
    const SIZE size = ScreenSize();
    const int frame = ::GetSystemMetrics(SM_CXFRAME);
    if (Settings().blackMat) {
        if (centre) {
            // The restored size; maximised, the window covers the display.
            ::MoveWindow(hwnd(), 0, 0, frame, frame, TRUE);
            if (screen_.exists()) {
                screen_.PlaceInParent();
            }
            ::ShowWindow(hwnd(), SW_MAXIMIZE);
        }
        return;
    }
    RECT placed{};
    if (largeDisplay_) {
        const int width = size.cx + 2 * frame;
        const int height = size.cy + 2 * frame + ::GetSystemMetrics(SM_CYCAPTION);
        if (centre) {
            placed.left = (::GetSystemMetrics(SM_CXSCREEN) - width) >> 1;
            placed.top = (::GetSystemMetrics(SM_CYSCREEN) - height) >> 1;
        } else {
            ::GetWindowRect(hwnd(), &placed);
        }
        placed.right = placed.left + width;
        placed.bottom = placed.top + height;
    } else {
        placed = RECT{0, 0, size.cx, size.cy};
    }
    ::MoveWindow(hwnd(), placed.left, placed.top, placed.right - placed.left,
                 placed.bottom - placed.top, TRUE);
    if (screen_.exists()) {
        screen_.PlaceInParent();
    }
}

void CMainWindow::Close() {
    DestroyScreenWindow();
    ::DestroyWindow(hwnd());
}

bool SetAppPalette(HWND window, HPALETTE palette) {
    App().appPalette = palette;
    if (!palette) {
        return false;
    }
    RealizeAppPalette(window, false);
    return true;
}

UINT RealizeAppPalette(HWND window, bool forceBackground) {
    HPALETTE palette = App().appPalette;
    if (!palette || !window) {
        return 0;
    }
    UINT realized = 0;
    {
        ClientDc dc(window);
        PaletteScope selected(dc.get(), palette, forceBackground ? TRUE : FALSE);
        realized = ::RealizePalette(dc.get());
    }
    if (realized == GDI_ERROR) {
        return 0;
    }
    if (realized != 0) {
        ::InvalidateRect(window, nullptr, FALSE);
    }
    return realized;
}

}  // namespace lumora
