// The screen window's reaction to the user: messages become events of the hover machine, its
// commands become drawing, timer, cursor, capture, sound and click calls.
#include "screens/screen_window.h"

#include <windowsx.h>

#include "actions/disc.h"
#include "actions/dispatch.h"
#include "actions/launch_at_start.h"
#include "screens/sound.h"
#include "config/display.h"
#include "config/settings.h"
#include "imaging/pixel_scale.h"
#include "imaging/rect_conversion.h"
#include "screens/screen_place.h"
#include "win/messages.h"
#include "win/program_timers.h"

namespace lumora {

namespace {

// What a click needs of its region, copied: the display check and the disc prompt run message
// loops, in which a dispatch message can change the screen and free the region.
struct RegionClick {
    std::optional<std::string> sound;
    std::optional<StringList> splash;
    std::optional<StringList> screenRequirement;
    std::optional<StringList> discRequirement;
    std::optional<std::string> function;
    std::optional<std::string> data;
    int discDrive = 0;
};

template <typename T>
const T* OrNull(const std::optional<T>& value) {
    return value ? &*value : nullptr;
}

}  // namespace

LRESULT CScreenWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(message, wParam, lParam);
        case WM_SYSCOMMAND:
            return Default(message, wParam, lParam);
        case WM_CLOSE:
            // The main window decides when its screen goes, never a message to the child.
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) >= kMenuCommandFirst && LOWORD(wParam) <= kMenuCommandLast) {
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
        case WM_KEYDOWN:
            OnKeyDown(wParam, lParam);
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

LRESULT CScreenWindow::OnCreate(UINT message, WPARAM wParam, LPARAM lParam) {
    if (Default(message, wParam, lParam) == -1) {
        return -1;
    }
    ++screenGeneration_;
    LaunchAtStart();
    return 0;
}

void CScreenWindow::OnDestroy() {
    // Releasing the capture restores the class cursor; the balloon timer dies with the window.
    if (shown_) {
        Carry(shown_->hover.WindowDestroyed());
    }
    ++screenGeneration_;
    ReleaseScreen();
}

void CScreenWindow::OnPaint() {
    {
        PaintScope paint(hwnd());
        if (shown_) {
            shown_->canvas.Draw(paint.get(), 0, 0, nullptr, scale_ / shown_->artScale);
        }
    }
    // The picture is on the display now; the regions follow before any input is handled.
    ReadRegions();
}

// The hover machine and its commands.

HoverMachine& CScreenWindow::Hover() {
    // Only called while a screen is shown: its window's messages and the main window's
    // deactivation, which asks only while the window exists.
    ReadRegions();
    // The preferences may change the settings while the screen is shown.
    const ProgramSettings& settings = Settings();
    shown_->hover.UseSettings(HoverSettings{settings.balloonHelp != 0, settings.balloonDelay});
    return shown_->hover;
}

std::vector<HoverRegionFacts> CScreenWindow::RegionFacts() const {
    std::vector<HoverRegionFacts> facts;
    if (!shown_) {
        return facts;
    }
    facts.reserve(shown_->regions.size());
    for (const CRegion& r : shown_->regions) {
        facts.push_back(HoverRegionFacts{static_cast<bool>(r.shape), r.highlight != nullptr,
                                         r.balloon != nullptr});
    }
    return facts;
}

void CScreenWindow::Carry(const HoverCommands& commands) {
    for (const HoverCommand& command : commands) {
        const CRegion* r = LoadedRegion(command.region);
        switch (command.action) {
            case HoverAction::kPlaceHighlight:
                if (r && r->highlight) {
                    PlacePicture(*r->highlight, r->highlightPos, r->highlightTransparency);
                }
                break;
            case HoverAction::kRestoreHighlight:
                if (r && r->highlight) {
                    RestorePicture(*r->highlight, r->highlightPos);
                }
                break;
            case HoverAction::kPlaceBalloon:
                if (r && r->balloon) {
                    PlacePicture(*r->balloon, r->balloonPos, r->balloonTransparency);
                }
                break;
            case HoverAction::kRestoreBalloon:
                if (r && r->balloon) {
                    RestorePicture(*r->balloon, r->balloonPos);
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
                SetHotCursor(command.action == HoverAction::kHotCursorOn);
                break;
            case HoverAction::kCaptureMouse:
                CaptureMouse();
                break;
            case HoverAction::kReleaseMouse:
                ReleaseMouse();
                break;
            case HoverAction::kPlayHighlightSound:
                PlaySoundAsync(Settings().highlightSound);
                break;
            case HoverAction::kPlayBalloonSound:
                PlaySoundAsync(Settings().balloonSound);
                break;
            case HoverAction::kRunRegion:
                // The action may replace this screen: nothing of it is touched afterwards.
                RunRegion(command.region);
                return;
        }
    }
}

// Placing and removing pictures on the canvas.

void CScreenWindow::DrawCanvasChanges() {
    if (!exists() || !shown_) {
        return;
    }
    ClientDc dc(hwnd());
    shown_->canvas.DrawDirty(dc.get(), 0, 0, scale_ / shown_->artScale);
}

int CScreenWindow::ArtScaleFor(int scale) const {
    if (!shown_ || scale % 2 != 0) {
        return 1;
    }
    auto authors = [](const std::shared_ptr<const CDib>& p) {
        return p && p->hasAuthorsDoubleSize();
    };
    bool any = shown_->background.hasAuthorsDoubleSize();
    for (const CRegion& r : shown_->regions) {
        any = any || authors(r.highlight) || authors(r.balloon);
    }
    return any ? 2 : 1;
}

void CScreenWindow::LookForDoubleSizes() {
    // At 1x (and 3x) the 2x pictures are never drawn: they are neither looked for nor held.
    if (!shown_ || scale_ % 2 != 0 || shown_->doubleSizesLookedFor) {
        return;
    }
    shown_->doubleSizesLookedFor = true;
    shown_->background.LoadDoubleSize(shown_->backgroundPath);
    shown_->pictures.LookForDoubleSizes();
}

BOOL CScreenWindow::BuildCanvas() {
    ShownScreen& shown = *shown_;
    shown.artScale = ArtScaleFor(scale_);
    if (shown.artScale == 2) {
        // Pictures without an author's 2x picture are doubled, once, for the 2x canvas.
        bool doubled = shown.background.EnsureDoubleSize() != FALSE;
        for (CRegion& r : shown.regions) {
            for (const CDib* p : {r.highlight.get(), r.balloon.get()}) {
                doubled = doubled && (!p || p->empty() || p->EnsureDoubleSize());
            }
        }
        shown.artScale = doubled ? 2 : 1;
    }
    return shown.canvas.CopyFrom(Art(shown.background));
}

const CDib& CScreenWindow::Art(const CDib& picture) const {
    const CDib* twin = picture.doubleSize();
    return shown_->artScale == 2 && twin ? *twin : picture;
}

void CScreenWindow::PlacePicture(const CDib& picture, Point position, int transparency) {
    const int art = shown_->artScale;
    shown_->canvas.Compose(Art(picture), ToWindowCoordinate(position.x, art),
                           ToWindowCoordinate(position.y, art), transparency);
}

void CScreenWindow::RestorePicture(const CDib& picture, Point position) {
    const int art = shown_->artScale;
    const CDib& drawn = Art(picture);
    const RECT area =
        ToRect(PlacedRect(ToWindowCoordinate(position.x, art), ToWindowCoordinate(position.y, art),
                          drawn.width(), drawn.height()));
    shown_->canvas.Compose(Art(shown_->background), 0, 0, -1, &area);
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

bool CScreenWindow::ParentHasCapture() const {
    HWND capturer = ::GetCapture();
    HWND parent = ::GetParent(hwnd());
    return capturer && (capturer == parent || ::IsChild(parent, capturer));
}

void CScreenWindow::CaptureMouse() {
    // Holding the capture, the window learns when the pointer leaves it.
    if (exists() && !ParentHasCapture()) {
        ::SetCapture(hwnd());
    }
}

void CScreenWindow::ReleaseMouse() {
    if (exists() && ParentHasCapture()) {
        ::ReleaseCapture();
    }
}

bool CScreenWindow::IsAppActive() const {
    HWND active = ::GetActiveWindow();
    HWND parent = ::GetParent(hwnd());
    return active && (active == parent || ::IsChild(parent, active));
}

void CScreenWindow::OnAppDeactivated() {
    if (!shown_) {
        return;
    }
    Carry(Hover().AppDeactivated());
}

// Layout and background.

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

void CScreenWindow::PlaceInParent() {
    const CDib& picture = background();
    const RECT placed = ScreenWindowPlace(picture.width(), picture.height(), scale_);
    ::MoveWindow(hwnd(), placed.left, placed.top, placed.right - placed.left,
                 placed.bottom - placed.top, TRUE);
}

void CScreenWindow::SetScale(int scale) {
    scale = scale > 1 ? scale : 1;
    menus_.SetScale(scale);
    if (scale == scale_) {
        return;
    }
    scale_ = scale;
    // At an even scale the regions' 2x pictures decide the canvas.
    if (scale_ % 2 == 0) {
        ReadRegions();
    }
    LookForDoubleSizes();
    // A canvas of 2x pictures serves even scales only.
    if (shown_ && ArtScaleFor(scale) != shown_->artScale) {
        BuildCanvas();
    }
    if (exists()) {
        ::InvalidateRect(hwnd(), nullptr, FALSE);
    }
}

// The mouse and the keyboard.

void CScreenWindow::OnTimer(UINT_PTR id) {
    if (!shown_) {
        return;
    }
    Carry(id == kBalloonTimerId ? Hover().BalloonTimer() : Hover().OtherTimer());
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

void CScreenWindow::OnLButtonDown(WPARAM flags, POINT point) {
    if (!shown_) {
        return;
    }
    // The second press of a double click comes as WM_LBUTTONDBLCLK, which is not handled: a
    // double click runs the region once.
    Carry(Hover().LeftButtonDown(HitTest(point), (flags & MK_RBUTTON) != 0));
}

void CScreenWindow::OnLButtonUp(POINT point) {
    if (!shown_) {
        return;
    }
    Carry(Hover().LeftButtonUp(HitTest(point)));
}

void CScreenWindow::OnKeyDown(WPARAM key, LPARAM flags) {
    if (!shown_) {
        return;
    }
    // Bit 30: the key was down already. A held Enter runs the region once.
    const bool repeated = (flags & (LPARAM{1} << 30)) != 0;
    switch (key) {
        case VK_TAB:
            Carry(Hover().TabKey(::GetKeyState(VK_SHIFT) < 0));
            break;
        case VK_RETURN:
        case VK_SPACE:
            if (!repeated) {
                Carry(Hover().ActivateKey());
            }
            break;
        case VK_ESCAPE:
            Carry(Hover().EscapeKey());
            break;
        default:
            break;
    }
}

bool CScreenWindow::StillShows(unsigned generation, int index) const {
    return exists() && generation == screenGeneration_ && LoadedRegion(index) != nullptr;
}

void CScreenWindow::RunRegion(int index) {
    const CRegion* r = region(index);
    if (!r) {
        return;
    }
    const RegionClick click{r->sound,      r->splash,     r->launchScreenReq, r->launchReq,
                            r->launchFunc, r->launchData, r->discDrive};
    if (!click.function) {
        PlaySoundAsync(click.sound);
        return;
    }
    const unsigned generation = screenGeneration_;
    if (!CheckDisplayRequirement(hwnd(), OrNull(click.screenRequirement)) ||
        !StillShows(generation, index)) {
        return;
    }
    int discDrive = click.discDrive;
    const BOOL discReady = EnsureDisk(hwnd(), OrNull(click.discRequirement), discDrive);
    // The search result belongs to the region only while its screen is still the one shown.
    if (!StillShows(generation, index)) {
        return;
    }
    region(index)->discDrive = discDrive;
    if (!discReady) {
        return;
    }
    PlaySoundAsync(click.sound);
    if (click.splash && click.splash->size() >= 2) {
        logoPopup_.ShowLogo(hwnd(), (*click.splash)[0],
                            static_cast<unsigned>(ParseDecimal((*click.splash)[1])), scale_);
    }
    CallExport(index, click.function->c_str(), click.data ? click.data->c_str() : nullptr);
    // A setup started by the action reloads regions; the machine must see what they are now.
    if (StillShows(generation, index)) {
        const std::vector<HoverRegionFacts> facts = RegionFacts();
        for (int i = 0; i < regionCount(); ++i) {
            shown_->hover.UpdateRegion(i, facts[static_cast<size_t>(i)]);
        }
    }
}

}  // namespace lumora
