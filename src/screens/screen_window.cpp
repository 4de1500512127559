// The screen window's reaction to the user: hover, highlight, balloon, sounds and click.
#include "screens/screen_window.h"

#include <windowsx.h>

#include "actions/disc.h"
#include "actions/dispatch.h"
#include "screens/sound.h"
#include "config/display.h"
#include "config/settings.h"
#include "imaging/rect_conversion.h"

namespace lumora {

LRESULT CScreenWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(message, wParam, lParam);
        case WM_SYSCOMMAND:
            return Default(message, wParam, lParam);
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) >= 1100 && LOWORD(wParam) <= 1199) {
                menus_.RunItem(LOWORD(wParam));
                return 0;
            }
            return Default(message, wParam, lParam);
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONDOWN:
            OnLButtonDown(wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONUP:
            OnLButtonUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

LRESULT CScreenWindow::OnCreate(UINT message, WPARAM wParam, LPARAM lParam) {
    if (Default(message, wParam, lParam) == -1) {
        return -1;
    }
    highlightShown_ = false;
    // A new screen starts with nothing hovered, so that a pointer resting over a region of the
    // new screen highlights it at its first move.
    hoverRegion_ = -1;
    pressedRegion_ = -1;
    return 0;
}

void CScreenWindow::OnDestroy() {
    TrackMouse(false);
    // The balloon timer dies with the window.
    balloonTimer_ = 0;
    highlightShown_ = false;
    ReleaseScreen();
}

void CScreenWindow::ReleaseScreen() {
    // The canvas borrows the background's palette: it goes first.
    canvas_.Free();
    background_.Free();
    FreeRegions();
}

void CScreenWindow::OnPaint() {
    PaintScope paint(hwnd());
    canvas_.Draw(paint.get(), 0, 0);
}

// Placing and removing pictures on the canvas.

void CScreenWindow::DrawCanvasChanges() {
    ClientDc dc(hwnd());
    canvas_.DrawDirty(dc.get(), 0, 0);
}

void CScreenWindow::PlacePicture(const CDib& picture, Point position, int transparency) {
    canvas_.Compose(picture, position.x, position.y, transparency);
    DrawCanvasChanges();
}

void CScreenWindow::RestorePicture(const CDib& picture, Point position, bool draw) {
    const RECT area = ToRect(PlacedRect(position.x, position.y, picture.width(), picture.height()));
    canvas_.Compose(background_, 0, 0, -1, &area);
    if (draw) {
        DrawCanvasChanges();
    }
}

bool CScreenWindow::ShowHighlight(int index, bool refresh) {
    const CRegion* r = region(index);
    if (!r || !r->highlight) {
        return false;
    }
    // A refresh redraws a highlight that is shown; a first show draws one that is not.
    if (refresh != highlightShown_) {
        return true;
    }
    PlacePicture(*r->highlight, r->highlightPos, r->highlightTransparency);
    if (!refresh) {
        PlaySoundAsync(Settings().highlightSound);
        highlightShown_ = true;
    }
    return true;
}

void CScreenWindow::HideHighlight(int index) {
    const CRegion* r = region(index);
    if (!exists() || !r || !r->highlight) {
        return;
    }
    RestorePicture(*r->highlight, r->highlightPos, true);
    highlightShown_ = false;
}

bool CScreenWindow::ShowBalloon(int index) {
    const CRegion* r = region(index);
    if (!r || !Settings().balloonHelp || !r->balloon) {
        return false;
    }
    PlacePicture(*r->balloon, r->balloonPos, r->balloonTransparency);
    PlaySoundAsync(Settings().balloonSound);
    return true;
}

void CScreenWindow::HideBalloon(int index) {
    if (exists() && balloonTimer_ != 0) {
        ::KillTimer(hwnd(), balloonTimer_);
        balloonTimer_ = 0;
    }
    const CRegion* r = region(index);
    if (!r || !Settings().balloonHelp || !r->balloon) {
        return;
    }
    // With a highlight shown, the restored area waits in the dirty rectangle for the highlight's
    // own draw, so a balloon that covered the highlight never leaves a hole in it.
    RestorePicture(*r->balloon, r->balloonPos, !highlightShown_);
}

// The cursor and the mouse capture.

void CScreenWindow::SetHotCursor(bool on) {
    if (!exists()) {
        return;
    }
    // The class is shared with the main window, which shows the hot cursor too meanwhile.
    if (on) {
        if (!savedCursor_ && hotCursor_) {
            savedCursor_ = reinterpret_cast<HCURSOR>(::GetClassLongPtrA(hwnd(), GCLP_HCURSOR));
            ::SetClassLongPtrA(hwnd(), GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(hotCursor_));
            ::SetCursor(hotCursor_);
        }
    } else if (savedCursor_) {
        ::SetClassLongPtrA(hwnd(), GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(savedCursor_));
        ::SetCursor(savedCursor_);
        savedCursor_ = nullptr;
    }
}

void CScreenWindow::TrackMouse(bool capture) {
    if (!exists()) {
        return;
    }
    HWND capturer = ::GetCapture();
    HWND parent = ::GetParent(hwnd());
    bool ours = capturer && (capturer == parent || ::IsChild(parent, capturer));
    if (capture) {
        if (!ours) {
            ::SetCapture(hwnd());
        }
    } else {
        if (ours) {
            ::ReleaseCapture();
        }
        SetHotCursor(false);
    }
}

bool CScreenWindow::IsAppActive() const {
    HWND active = ::GetActiveWindow();
    HWND parent = ::GetParent(hwnd());
    return active && (active == parent || ::IsChild(parent, active));
}

void CScreenWindow::OnAppDeactivated() {
    TrackMouse(false);
    HideBalloon(hoverRegion_);
    HideHighlight(hoverRegion_);
    hoverRegion_ = -1;
}

// Layout and background.

SIZE CScreenWindow::LayoutSize() const {
    return SIZE{background_.width() > 0 ? background_.width() : 200,
                background_.height() > 0 ? background_.height() : 100};
}

void CScreenWindow::FillBackground() {
    // Only palette displays show stale colours while the palette changes.
    if (!exists() || GetDisplayColorClass() == 2) {
        return;
    }
    ClientDc dc(hwnd());
    RECT client;
    ::GetClientRect(hwnd(), &client);
    ::FillRect(dc.get(), &client,
               reinterpret_cast<HBRUSH>(::GetClassLongPtrA(hwnd(), GCLP_HBRBACKGROUND)));
}

void CScreenWindow::PlaceInParent() {
    SIZE size = LayoutSize();
    RECT placed{0, 0, size.cx, size.cy};
    if (Settings().blackMat) {
        ::OffsetRect(&placed, (::GetSystemMetrics(SM_CXSCREEN) - size.cx) >> 1,
                     (::GetSystemMetrics(SM_CYSCREEN) - size.cy) >> 1);
    }
    ::MoveWindow(hwnd(), placed.left, placed.top, size.cx, size.cy, TRUE);
}

// The mouse.

void CScreenWindow::OnTimer(UINT_PTR id) {
    if (id == balloonTimer_) {
        ::KillTimer(hwnd(), id);
        balloonTimer_ = 0;
    }
    if (id == kBalloonTimerId) {
        ShowBalloon(hoverRegion_);
    } else {
        HideBalloon(hoverRegion_);
        ShowHighlight(hoverRegion_, true);
    }
}

void CScreenWindow::OnMouseMove(WPARAM flags, POINT point) {
    if (regions_.empty() || !IsAppActive()) {
        return;
    }
    RECT client;
    ::GetClientRect(hwnd(), &client);
    if (!::PtInRect(&client, point)) {
        TrackMouse(false);
        HideBalloon(hoverRegion_);
        HideHighlight(hoverRegion_);
        hoverRegion_ = -1;
        return;
    }
    int hit = HitTest(point);
    // Holding the capture, the window learns when the pointer leaves it.
    TrackMouse(true);
    if (hit == hoverRegion_) {
        return;
    }
    HideBalloon(hoverRegion_);
    HideHighlight(hoverRegion_);
    hoverRegion_ = -1;
    if (hit == -1) {
        SetHotCursor(false);
        return;
    }
    SetHotCursor(true);
    // Nothing is highlighted while a button is held.
    if (flags & (MK_LBUTTON | MK_RBUTTON)) {
        return;
    }
    hoverRegion_ = hit;
    const CRegion& r = regions_[static_cast<size_t>(hit)];
    if (r.highlight) {
        ShowHighlight(hit, false);
    }
    if (r.balloon) {
        const unsigned delay = static_cast<unsigned>(Settings().balloonDelay);
        if (delay > 0) {
            balloonTimer_ = ::SetTimer(hwnd(), kBalloonTimerId, delay, nullptr);
        } else {
            OnTimer(kBalloonTimerId);
        }
    }
}

void CScreenWindow::OnLButtonDown(WPARAM flags, POINT point) {
    if (regions_.empty() || (flags & MK_RBUTTON)) {
        return;
    }
    int hit = HitTest(point);
    if (hit != -1) {
        pressedRegion_ = hit;
    }
}

void CScreenWindow::OnLButtonUp(POINT point) {
    HideBalloon(hoverRegion_);
    ShowHighlight(hoverRegion_, true);
    if (!IsRegion(pressedRegion_)) {
        return;
    }
    // Press and release must hit the same region.
    if (HitTest(point) == pressedRegion_) {
        RunRegion(pressedRegion_);
    }
    pressedRegion_ = -1;
}

void CScreenWindow::RunRegion(int index) {
    const CRegion& r = regions_[static_cast<size_t>(index)];
    if (!r.launchFunc) {
        PlaySoundAsync(r.sound);
        return;
    }
    if (!CheckDisplayRequirement(hwnd(), r.launchScreenReq ? &*r.launchScreenReq : nullptr)) {
        return;
    }
    CRegion& record = regions_[static_cast<size_t>(index)];
    if (!EnsureDisk(hwnd(), r.launchReq ? &*r.launchReq : nullptr, record.discDrive)) {
        return;
    }
    PlaySoundAsync(r.sound);
    if (r.splash && r.splash->size() >= 2) {
        logoPopup_.ShowLogo(hwnd(), (*r.splash)[0],
                            static_cast<unsigned>(ParseDecimal((*r.splash)[1])));
    }
    // The action may replace this screen and its regions: keep copies of what it is given.
    const std::string function = *r.launchFunc;
    const std::optional<std::string> data = r.launchData;
    CallExport(index, function.c_str(), data ? data->c_str() : nullptr);
}

}  // namespace lumora
