// The child window that shows the current screen. The screen session decides what is shown and
// when it is read, its hover machine what the pointer and the keys do, the click path what a
// click does; the window turns messages into their events and carries their commands out.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "actions/launch.h"
#include "actions/logo_dialog.h"
#include "menus/popup_menu.h"
#include "screens/accessible_screen.h"
#include "screens/hot_cursor.h"
#include "screens/screen_content.h"
#include "screens/screen_session.h"
#include "screens/screen_store.h"
#include "win/accessible_object.h"
#include "win/lifetime.h"
#include "win/window.h"

namespace lumora {

class CScreenWindow : public Window {
  public:
    // Closes the window, its popup and its menus while the whole object still exists.
    ~CScreenWindow() override { DestroyWindow(); }

    // Which screen is shown and which was before. The main window asks it for screen changes
    // and has its commands carried out here, in `parent`; titles go to `titleChanged`.
    ScreenSession& session() { return session_; }
    void Carry(HWND parent, const SessionCommands& commands);
    std::function<void(const std::string&)> titleChanged;

    // Loads the named screen and creates the child window of parent; FALSE when the screen has
    // no regions list, no background, or the window cannot be created.
    virtual BOOL LoadScreen(HWND parent, const std::string& name);
    // Paints the class background first on palette displays, so no stale colours show.
    BOOL DestroyWindow();

    // Regions: indexes outside the array name nothing. A screen shows its picture first and
    // reads its regions right after its first paint, or sooner when they are asked for.
    int regionCount();
    CRegion* region(int index);
    // The region under a point of the window: the point is mapped to picture pixels first, so
    // regions are hit as at 1x.
    int HitTest(POINT point);
    void ReloadRegion(int index);
    // What launching needs about a launch id: a region's, or a menu item's from 16384 up.
    LaunchTarget LaunchTargetOf(int launchId);

    // Used by the main window.
    void FillBackground();
    void PlaceInParent();
    // Shows every picture pixel as a scale x scale block (1 or more); the caller places the
    // window afterwards.
    void SetScale(int scale);
    int scale() const { return session_.scale(); }
    // The application lost activation: forget the hover.
    void OnAppDeactivated();

    // Screen readers (screen_accessible.cpp): the shown screen's objects as they are now (its
    // regions read first), whether that screen is still shown, and the keyboard's focus moved
    // to a region as Tab would.
    AccessibleScreen Readers();
    Liveness WatchShown() const;
    void FocusRegion(int index);

    // The shown screen's picture, its canvas at the art scale and its title; empty when no
    // screen is shown.
    const CDib& background() const { return Shown().background(); }
    const CDib& canvas() const { return Shown().canvas(); }
    const std::string& description() const { return Shown().description(); }
    CPopupMenu& menus() { return menus_; }

    static constexpr int kChildId = 1000;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    const ScreenContent& Shown() const;
    // The shown screen goes, as when the window goes (ForgetShown), or with the window kept for
    // the next screen (CloseShown).
    void ForgetShown();
    void CloseShown();
    void Carry(const SessionCommand& command);
    void Carry(const HoverCommands& commands);
    void Carry(const HoverCommand& command);
    HoverMachine& Hover();
    bool IsAppActive() const;
    void DrawCanvasChanges();
    // One step of reading ahead, when the program has nothing else to do and no action runs.
    void ReadAheadStep();
    void OnPaint();
    void OnMouseMove(WPARAM flags, POINT point);
    void OnKeyDown(WPARAM key, LPARAM flags);
    // The hover state read from where the pointer is now, as if it had just moved there.
    void ReadPointer();
    LRESULT OnGetObject(UINT message, WPARAM wParam, LPARAM lParam);
    // Tells readers what changed of the focus and the hover since they were last told.
    void Announce();
    void Tell(const ReaderNotices& notices);
    // A click (region_click.cpp): the region's plan through the one click path, then the hover
    // state read again.
    void RunRegion(int index);

    ScreenSession session_;
    CPopupMenu menus_;
    CLogoDialog logoPopup_;
    HotCursor cursor_;
    ScreenStore store_;  // outlives the shown screen, which borrows from it
    std::unique_ptr<ScreenContent> shown_;
    // The shown screen's object for readers, made when one first asks; what they were told.
    UniqueCom<IAccessible> accessible_;
    ReaderMark told_;
    // A new screen in the window of the one before: the pointer is read after its first paint.
    bool pointerUnread_ = false;
    // The screen that took the last press of the left button.
    Liveness pressedOn_;
};

}  // namespace lumora
