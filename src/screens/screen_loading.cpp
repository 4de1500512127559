// Showing screens in the screen window as the screen session commands: loading a screen, its
// regions and its 2x pictures, building its canvas, reading a region again, reading ahead.
#include "config/program_model_context.h"
#include "resource.h"
#include "screens/screen_links.h"
#include "screens/screen_place.h"
#include "screens/screen_window.h"
#include "win/messages.h"
#include "win/program_timers.h"
#include "win/resource_string.h"

namespace lumora {

void CScreenWindow::Carry(HWND parent, const SessionCommands& commands) {
    for (size_t i = 0; i < commands.size(); ++i) {
        const SessionCommand& command = commands[i];
        if (command.action == SessionAction::kCloseScreen) {
            // A screen that another follows leaves its window to the next: removing a window and
            // creating one costs more under Wine than drawing the picture.
            const bool followed =
                i + 1 < commands.size() && commands[i + 1].action == SessionAction::kOpenScreen;
            if (followed && exists()) {
                CloseShown();
            } else {
                DestroyWindow();
            }
        } else if (command.action == SessionAction::kOpenScreen) {
            LoadScreen(parent, command.text);
        } else {
            Carry(command);
        }
    }
}

void CScreenWindow::Carry(const SessionCommand& command) {
    switch (command.action) {
        case SessionAction::kSetTitle:
            if (titleChanged) {
                titleChanged(command.text);
            }
            break;
        case SessionAction::kHover:
            Carry(command.hover);
            break;
        case SessionAction::kRedraw:
            if (exists()) {
                ::InvalidateRect(hwnd(), nullptr, FALSE);
            }
            break;
        case SessionAction::kCloseScreen:
        case SessionAction::kOpenScreen:
            // Screen changes come with the parent they are shown in.
            break;
        case SessionAction::kIdleWanted:
            if (exists()) {
                StartProgramTimer(hwnd(), kReadAheadTimerId, kReadAheadStepMs);
            }
            break;
        case SessionAction::kFindLinks:
            store_.NewPlan();
            if (shown_) {
                session_.LinksFound(
                    FindScreenLinks(shown_->RegionActions(), store_.ini(), ProgramModelContext()));
            }
            break;
        case SessionAction::kPreloadScreen:
            session_.Preloaded(store_.Preload(command.text, command.artScale == 2));
            break;
        default:
            // What is loaded changes in the content, which may have more for the window.
            if (shown_) {
                for (const SessionCommand& next : shown_->Carry(command, session_)) {
                    Carry(next);
                }
            }
            break;
    }
}

BOOL CScreenWindow::LoadScreen(HWND parent, const std::string& name) {
    const std::string className = ResourceString(IDS_MAIN_WINDOW_CLASS);
    shown_ = className.empty() || !parent ? nullptr : ScreenContent::Load(name, store_);
    if (shown_) {
        Carry(parent, session_.Opened(shown_->description()));
        Carry(parent, session_.PicturesReady(shown_->AnyAuthorsDoubleSize()));
    }
    const RECT placed = ScreenWindowPlace(background().width(), background().height(), scale());
    const bool shows = shown_ && !shown_->canvas().empty();
    if (shows && exists()) {
        MoveWindowTo(hwnd(), placed);
        ::InvalidateRect(hwnd(), nullptr, FALSE);
        pointerUnread_ = true;
    } else if (!shows ||
               !CreateEx(0, className.c_str(), nullptr, WS_CHILD | WS_VISIBLE, placed.left,
                         placed.top, placed.right - placed.left, placed.bottom - placed.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kChildId)))) {
        // No screen to show: a window kept from the screen before goes, and the screen goes here
        // too, or its picture would still decide the layout.
        DestroyWindow();
        shown_.reset();
        Carry(parent, session_.OpenFailed());
        return FALSE;
    }
    told_ = ReaderMark{};
    Tell(ScreenShownNotices());
    if (session_.preloadPending()) {
        // At an even scale the regions were read before the window was there to time it.
        StartProgramTimer(hwnd(), kReadAheadTimerId, kReadAheadStepMs);
    }
    return TRUE;
}

void CScreenWindow::ReloadRegion(int index) {
    if (region(index)) {
        for (const SessionCommand& command : session_.ReloadRegion(index)) {
            Carry(command);
        }
    }
}

void CScreenWindow::SetScale(int scale) {
    HWND parent = ::GetParent(hwnd());
    Carry(parent, session_.ScaleChanged(scale));
    if (shown_) {
        Carry(parent, session_.PicturesReady(shown_->AnyAuthorsDoubleSize()));
    }
    menus_.SetScale(session_.scale());
}

void CScreenWindow::PlaceInParent() {
    MoveWindowTo(hwnd(), ScreenWindowPlace(background().width(), background().height(), scale()));
}

int CScreenWindow::regionCount() {
    Carry(::GetParent(hwnd()), session_.RegionsNeeded());
    return shown_ ? shown_->regionCount() : 0;
}

CRegion* CScreenWindow::region(int index) {
    Carry(::GetParent(hwnd()), session_.RegionsNeeded());
    return shown_ ? shown_->region(index) : nullptr;
}

const ScreenContent& CScreenWindow::Shown() const {
    static const ScreenContent none;
    return shown_ ? *shown_ : none;
}

}  // namespace lumora
