// The screen window's messages: input becomes events of the hover machine and the session, and
// their commands become drawing, timer, cursor, capture, sound and click calls.
#include "screens/screen_window.h"

#include <windowsx.h>

#include <climits>

#include "actions/action_gate.h"
#include "actions/sound.h"
#include "config/display.h"
#include "config/settings.h"
#include "imaging/art_scale.h"
#include "imaging/pixel_scale.h"
#include "menus/menu_model.h"
#include "screens/screen_keys.h"
#include "win/messages.h"
#include "win/program_timers.h"

namespace lumora {

LRESULT CScreenWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_SYSCOMMAND:
            return Default(message, wParam, lParam);
        case WM_CLOSE:
            // The main window decides when its screen goes, never a message to the child.
            return 0;
        case WM_DESTROY:
            ForgetShown();
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_COMMAND:
            if (RoutesToMenu(LOWORD(wParam))) {
                menus_.RunItem(LOWORD(wParam));
                return 0;
            }
            return Default(message, wParam, lParam);
        case WM_TIMER:
            if (wParam == kReadAheadTimerId) {
                ReadAheadStep();
            } else if (shown_) {
                Carry(wParam == kBalloonTimerId ? Hover().BalloonTimer() : Hover().OtherTimer());
            }
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(wParam, point);
            return 0;
        case WM_LBUTTONDBLCLK:
            // The second press of a double click runs nothing more, unless the first was on the
            // screen before: the window is kept across screens, and a quick click on the next
            // one is a click of its own.
            if (pressedOn_.alive()) {
                return 0;
            }
            [[fallthrough]];
        case WM_LBUTTONDOWN:
            if (shown_) {
                pressedOn_ = shown_->Watch();
                Carry(Hover().LeftButtonDown(HitTest(point), (wParam & MK_RBUTTON) != 0));
            }
            return 0;
        case WM_LBUTTONUP:
            if (shown_) {
                Carry(Hover().LeftButtonUp(HitTest(point)));
            }
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(wParam, lParam);
            return 0;
        case WM_GETOBJECT:
            return OnGetObject(message, wParam, lParam);
        case kPressRegionMessage:
            if (shown_ && wParam <= static_cast<WPARAM>(INT_MAX)) {
                Carry(Hover().PressRegion(static_cast<int>(wParam)));
            }
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

void CScreenWindow::OnPaint() {
    {
        PaintScope paint(hwnd());
        if (shown_) {
            shown_->canvas().Draw(paint.get(), 0, 0, nullptr,
                                  ArtBlock(session_.scale(), session_.artScale()));
        }
    }
    // The picture is on the display now; the regions follow before any input is handled.
    Carry(GetParent(hwnd()), session_.FirstPaint());
    if (pointerUnread_ && exists()) {
        // A window kept for the next screen gets no move of its own while the pointer rests.
        pointerUnread_ = false;
        POINT pointer{};
        if (::GetCursorPos(&pointer) && ::WindowFromPoint(pointer) == hwnd()) {
            ReadPointer();
        }
    }
}

HoverMachine& CScreenWindow::Hover() {
    // Only called while a screen is shown: its window's messages and the main window's
    // deactivation, which asks only while the window exists.
    Carry(GetParent(hwnd()), session_.RegionsNeeded());
    // The preferences may change the settings while the screen is shown.
    const ProgramSettings& settings = Settings();
    session_.hover().UseSettings(HoverSettings{settings.balloonHelp != 0, settings.balloonDelay});
    return session_.hover();
}

void CScreenWindow::ReadAheadStep() {
    // The message loops of a running action dispatch timers too: the action is left alone.
    if (ActionGate::Busy()) {
        StartProgramTimer(hwnd(), kReadAheadTimerId, kReadAheadWaitMs);
        return;
    }
    const SessionCommands step = session_.Idle();
    if (step.empty()) {
        StopProgramTimer(hwnd(), kReadAheadTimerId);
        return;
    }
    StartProgramTimer(hwnd(), kReadAheadTimerId, kReadAheadStepMs);
    Carry(GetParent(hwnd()), step);
}

void CScreenWindow::Carry(const HoverCommands& commands) {
    for (const HoverCommand& command : commands) {
        if (command.action == HoverAction::kRunRegion) {
            // Readers hear of the focus before the action, which may show boxes of its own.
            Announce();
            Carry(command);
            // The action may have replaced this screen: nothing of it is touched afterwards.
            return;
        }
        Carry(command);
    }
    Announce();
}

void CScreenWindow::Carry(const HoverCommand& command) {
    switch (command.action) {
        case HoverAction::kPlaceHighlight:
        case HoverAction::kRestoreHighlight:
        case HoverAction::kPlaceBalloon:
        case HoverAction::kRestoreBalloon:
            if (shown_) {
                shown_->Carry(command, session_.artScale());
            }
            break;
        case HoverAction::kDrawCanvas:
            DrawCanvasChanges();
            break;
        case HoverAction::kStartBalloonTimer:
            StartProgramTimer(hwnd(), kBalloonTimerId, command.delayMs);
            break;
        case HoverAction::kStopBalloonTimer:
            StopProgramTimer(hwnd(), kBalloonTimerId);
            break;
        case HoverAction::kHotCursorOn:
        case HoverAction::kHotCursorOff:
            cursor_.Show(hwnd(), command.action == HoverAction::kHotCursorOn);
            break;
        case HoverAction::kCaptureMouse:
            cursor_.Capture(hwnd());
            break;
        case HoverAction::kReleaseMouse:
            cursor_.Release(hwnd());
            break;
        case HoverAction::kPlayHighlightSound:
            PlaySoundAsync(Settings().highlightSound);
            break;
        case HoverAction::kPlayBalloonSound:
            PlaySoundAsync(Settings().balloonSound);
            break;
        case HoverAction::kRunRegion:
            RunRegion(command.region);
            break;
    }
}

void CScreenWindow::DrawCanvasChanges() {
    if (exists() && shown_) {
        ClientDc dc(hwnd());
        shown_->DrawChanges(dc.get(), ArtBlock(scale(), session_.artScale()));
    }
}

bool CScreenWindow::IsAppActive() const {
    HWND active = ::GetActiveWindow();
    HWND parent = ::GetParent(hwnd());
    return active && (active == parent || ::IsChild(parent, active));
}

void CScreenWindow::OnAppDeactivated() {
    if (shown_) {
        Carry(Hover().AppDeactivated());
    }
}

void CScreenWindow::OnMouseMove(WPARAM flags, POINT point) {
    if (!shown_) {
        return;
    }
    RECT client;
    ::GetClientRect(hwnd(), &client);
    const bool inside = ::PtInRect(&client, point) != FALSE;
    Carry(Hover().MouseMove(inside ? HitTest(point) : -1, inside,
                            (flags & (MK_LBUTTON | MK_RBUTTON)) != 0, IsAppActive()));
}

void CScreenWindow::ReadPointer() {
    POINT pointer{};
    ::GetCursorPos(&pointer);
    ::ScreenToClient(hwnd(), &pointer);
    const WPARAM buttons = (::GetKeyState(VK_LBUTTON) < 0 ? MK_LBUTTON : 0) |
                           (::GetKeyState(VK_RBUTTON) < 0 ? MK_RBUTTON : 0);
    OnMouseMove(buttons, pointer);
}

void CScreenWindow::OnKeyDown(WPARAM key, LPARAM flags) {
    if (!shown_) {
        return;
    }
    // Bit 30: the key was down already.
    const bool repeated = (flags & (LPARAM{1} << 30)) != 0;
    Carry(ScreenKeyDown(Hover(), static_cast<int>(key), ::GetKeyState(VK_SHIFT) < 0, repeated));
}

int CScreenWindow::HitTest(POINT point) {
    // The shapes stay in picture pixels; the whole block of a picture pixel hits as it does.
    return regionCount() > 0 ? shown_->HitTest(ToPictureCoordinate(point.x, scale()),
                                               ToPictureCoordinate(point.y, scale()))
                             : -1;
}

void CScreenWindow::FillBackground() {
    // Only palette displays show stale colours while the palette changes.
    if (!exists() || GetDisplayColorClass() == kColorClassTrue) {
        return;
    }
    ClientDc dc(hwnd());
    RECT client;
    ::GetClientRect(hwnd(), &client);
    ::FillRect(dc.get(), &client,
               reinterpret_cast<HBRUSH>(::GetClassLongPtrA(hwnd(), GCLP_HBRBACKGROUND)));
}

void CScreenWindow::ForgetShown() {
    for (const SessionCommand& command : session_.Closed()) {
        Carry(command);
    }
    shown_.reset();
    // A reader that still holds the screen's object finds it disconnected.
    accessible_.reset();
    told_ = ReaderMark{};
}

void CScreenWindow::CloseShown() {
    FillBackground();
    // The timers would otherwise have died with the window.
    StopProgramTimer(hwnd(), kBalloonTimerId);
    StopProgramTimer(hwnd(), kReadAheadTimerId);
    ForgetShown();
}

BOOL CScreenWindow::DestroyWindow() {
    if (!exists()) {
        return FALSE;
    }
    FillBackground();
    return ::DestroyWindow(hwnd());
}

}  // namespace lumora
