#include "app/main_window.h"

#include <algorithm>

#include "actions/launch_at_start.h"
#include "actions/sound.h"
#include "config/display.h"
#include "config/settings.h"
#include "imaging/rect_conversion.h"
#include "resource.h"
#include "screens/display_scale.h"
#include "screens/layout.h"
#include "win/app_state.h"
#include "win/message_loop.h"
#include "win/messages.h"
#include "win/resource_string.h"

namespace lumora {

// The layout speaks Win32's values.
static_assert(kStylePopup == WS_POPUP && kStyleVisible == WS_VISIBLE &&
              kStyleMaximize == WS_MAXIMIZE && kStyleCaption == WS_CAPTION &&
              kStyleBorder == WS_BORDER && kStyleSysMenu == WS_SYSMENU &&
              kStyleThickFrame == WS_THICKFRAME && kStyleMinimizeBox == WS_MINIMIZEBOX);
static_assert(kSizingLeft == WMSZ_LEFT && kSizingRight == WMSZ_RIGHT && kSizingTop == WMSZ_TOP &&
              kSizingTopLeft == WMSZ_TOPLEFT && kSizingTopRight == WMSZ_TOPRIGHT &&
              kSizingBottom == WMSZ_BOTTOM && kSizingBottomLeft == WMSZ_BOTTOMLEFT &&
              kSizingBottomRight == WMSZ_BOTTOMRIGHT);

namespace {

PixelSize DisplaySize() {
    return PixelSize{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

FrameMetrics FrameSizes() {
    return FrameMetrics{::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYCAPTION)};
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
    largeDisplay_ = IsLargeDisplay(DisplaySize());
    laidOutFor_.colorClass = GetDisplayColorClass();
    return CreateEx(0, className.c_str(), nullptr, WindowStyle(), CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr);
}

CMainWindow::~CMainWindow() {
    if (exists()) {
        DestroyWithoutHandlers();
    }
}

DWORD CMainWindow::WindowStyle() const {
    return MainWindowStyle(Settings().blackMat != 0, largeDisplay_);
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
            // Any program can send it, with any size: its values are not read.
            OnDisplayChange();
            return 0;
        case kDpiChangedMessage:
            OnDpiChanged(wParam, lParam);
            return 0;
        case kCaptionQueryMessage:
            // The message boxes of this thread ask; another program would learn an address.
            return !SentFromThisThread() || screen_.description().empty()
                       ? 0
                       : reinterpret_cast<LRESULT>(screen_.description().c_str());
        case WM_DESTROY:
            // Played to its end before the window goes away.
            PlaySoundSync(Settings().endSound);
            return Default(message, wParam, lParam);
        case WM_NCDESTROY:
            App().caption = nullptr;
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
                OnDispatch(wParam, lParam);
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
    // Message boxes take the shown screen's title for their caption.
    App().caption = [this] { return screen_.description(); };
    screen_.titleChanged = [this](const std::string& title) {
        SetWindowTextIfChanged(hwnd(), title.empty() ? ResourceString(IDS_APP_TITLE) : title);
    };
    ShowScreen(Settings().startup.value_or(std::string()));
    SizeToScreen(true);
    if (systemMenu) {
        // Restore, Move, Minimize and Close remain.
        ::RemoveMenu(systemMenu, SC_SIZE, MF_BYCOMMAND);
        ::RemoveMenu(systemMenu, SC_MAXIMIZE, MF_BYCOMMAND);
    }
    PlaySoundAsync(Settings().startSound);
    LaunchAtStart();
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

PixelSize CMainWindow::PictureSize() const {
    const CDib& background = screen_.background();
    return PixelSize{background.width(), background.height()};
}

void CMainWindow::OnSizing(WPARAM edge, RECT* rect) const {
    const PixelSize outer =
        FramedWindowSize(ScaledPictureSize(PictureSize(), scale_), FrameSizes());
    *rect = ToRect(CorrectSizing(static_cast<int>(edge), ToPixelRect(*rect), outer));
}

void CMainWindow::OnActivateApp(bool active) {
    if (active) {
        RealizeAppPalette(hwnd(), false);
    } else if (screen_.exists()) {
        screen_.OnAppDeactivated();
    }
}

void CMainWindow::OnDisplayChange() {
    // A burst of display changes lays out once: the first makes the layout what the rest ask.
    const LayoutBasis now{DisplaySize(), GetDisplayColorClass(), Settings().blackMat != 0,
                          MonitorOfWindow(hwnd())};
    if (now == laidOutFor_ && IsLargeDisplay(now.display) == largeDisplay_) {
        return;
    }
    laidOutFor_.colorClass = now.colorClass;
    largeDisplay_ = IsLargeDisplay(now.display);
    // Hidden while a program is waited for, it stays hidden: the style below says visible, and
    // the matte's maximising shows it.
    const bool shown = ::IsWindowVisible(hwnd()) != FALSE;
    // The matte's maximised state is left to SizeToScreen's ShowWindow, as at creation: with
    // WS_MAXIMIZE already in the style it would find the window maximised and leave it where
    // MoveWindow put it, one frame off.
    ::SetWindowLongA(hwnd(), GWL_STYLE, static_cast<LONG>(WindowStyle() & ~WS_MAXIMIZE));
    ::SetClassLongPtrA(hwnd(), GCLP_HBRBACKGROUND,
                       reinterpret_cast<LONG_PTR>(ClassBackgroundBrush()));
    ::ShowWindow(hwnd(), SW_HIDE);
    SizeToScreen(true);
    ::ShowWindow(hwnd(), shown ? SW_SHOW : SW_HIDE);
    if (shown) {
        ::SetFocus(hwnd());
    }
}

void CMainWindow::ShowScreen(const std::string& name) {
    CarryScreenChange(Screens().Show(name));
}

ScreenSession& CMainWindow::Screens() {
    // The settings are read again when the disc changes them (a test, a reload).
    screen_.session().UseScreenNames(Settings().screenNames);
    return screen_.session();
}

void CMainWindow::CarryScreenChange(const SessionCommands& commands) {
    screen_.Carry(hwnd(), commands);
    if (screen_.exists()) {
        // A 24-bit background without a colour table leaves no application palette.
        palette_.Use(DuplicatePalette(screen_.background().palette()));
        RealizeAppPalette(hwnd(), false);
        if (::GetActiveWindow() == hwnd()) {
            ::SetFocus(screen_.hwnd());
        }
    }
}

void CMainWindow::DestroyScreenWindow() {
    screen_.DestroyWindow();
}

void CMainWindow::SizeToScreen(bool centre) {
    RECT current{};
    ::GetWindowRect(hwnd(), &current);
    LayOut(MonitorOfWindow(hwnd()), POINT{current.left, current.top}, centre);
}

void CMainWindow::OnDpiChanged(WPARAM dpi, LPARAM suggestedRect) {
    // The system sends it on this thread. From another thread lParam points into another program
    // and the dpi is anyone's: the monitor is asked instead.
    if (!SentFromThisThread() || !suggestedRect) {
        SizeToScreen(false);
        return;
    }
    const RECT& suggested = *reinterpret_cast<const RECT*>(suggestedRect);
    const MonitorFacts monitor = MonitorOfRect(suggested, LOWORD(dpi));
    const PixelRect placed = KeptInWorkArea(ToPixelRect(suggested), monitor.workArea);
    LayOut(monitor, POINT{placed.left, placed.top}, false);
}

void CMainWindow::LayOut(const MonitorFacts& monitor, POINT corner, bool centre) {
    laidOutFor_.display = DisplaySize();
    laidOutFor_.blackMat = Settings().blackMat != 0;
    laidOutFor_.monitor = monitor;
    ScaleFacts scaleFacts;
    scaleFacts.dpi = monitor.dpi;
    scaleFacts.workArea = PixelSize{monitor.workArea.width(), monitor.workArea.height()};
    scaleFacts.picture = PictureSize();
    scaleFacts.metrics = FrameSizes();
    scaleFacts.largeDisplay = largeDisplay_;
    scaleFacts.blackMat = Settings().blackMat != 0;
    const int scale = DisplayScale(scaleFacts);
    const bool rescaled = scale != scale_;
    scale_ = scale;
    screen_.SetScale(scale);

    MainWindowFacts facts;
    facts.picture = scaleFacts.picture;
    facts.display = DisplaySize();
    facts.metrics = scaleFacts.metrics;
    facts.largeDisplay = largeDisplay_;
    facts.blackMat = scaleFacts.blackMat;
    facts.currentLeft = corner.x;
    facts.currentTop = corner.y;
    facts.scale = scale;
    const MainWindowPlacement placement = MainWindowLayout(facts, centre);
    if (!placement.move) {
        // The window stays (under the matte), but a screen of another scale moves in it.
        if (rescaled && screen_.exists()) {
            screen_.PlaceInParent();
        }
        return;
    }
    MoveWindowTo(hwnd(), ToRect(placement.rect));
    if (screen_.exists()) {
        screen_.PlaceInParent();
    }
    if (placement.maximise) {
        // The restored size above; maximised, the window covers the display.
        ::ShowWindow(hwnd(), SW_MAXIMIZE);
    }
}

void CMainWindow::Close() {
    DestroyScreenWindow();
    ::DestroyWindow(hwnd());
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
