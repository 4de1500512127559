// The child window that shows the current screen: its background, regions, and the reaction to
// the mouse (hover highlight, delayed balloon, sounds, click).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "actions/launch.h"
#include "actions/logo_dialog.h"
#include "imaging/cdib.h"
#include "menus/popup_menu.h"
#include "screens/region.h"
#include "win/window.h"

namespace lumora {

class CScreenWindow : public Window {
  public:
    CScreenWindow();

    // Loads the named screen and creates the child window of parent; FALSE when the screen has
    // no regions list, no background, or the window cannot be created.
    virtual BOOL LoadScreen(HWND parent, const std::string& name);
    // Paints the class background first on palette displays, so no stale colours show.
    BOOL DestroyWindow();

    // Regions: indexes outside the array name nothing.
    int regionCount() const { return static_cast<int>(regions_.size()); }
    const CRegion* region(int index) const;
    CRegion* region(int index);
    int HitTest(POINT point) const;
    void ReloadRegion(int index);
    // What launching needs about a launch id (launch_entries.cpp).
    LaunchTarget LaunchTargetOf(int launchId);

    // Used by the main window.
    void FillBackground();
    void PlaceInParent();
    // The application lost activation: forget the hover.
    void OnAppDeactivated();

    const CDib& background() const { return background_; }
    const std::string& description() const { return description_; }
    const std::string& screenName() const { return screenName_; }
    CPopupMenu& menus() { return menus_; }

    static constexpr UINT_PTR kBalloonTimerId = 102;
    static constexpr int kChildId = 1000;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    BOOL BuildRegions(const StringList& names);
    void FreeRegions();
    bool IsRegion(int index) const { return index >= 0 && index < regionCount(); }

    // Hover feedback.
    bool ShowHighlight(int index, bool refresh);
    void HideHighlight(int index);
    bool ShowBalloon(int index);
    void HideBalloon(int index);
    void PlacePicture(const CDib& picture, Point position, int transparency);
    void RestorePicture(const CDib& picture, Point position, bool draw);
    void DrawCanvasChanges();
    void SetHotCursor(bool on);
    void TrackMouse(bool capture);
    bool IsAppActive() const;
    // The screen picture's size, or 200 x 100 when there is none.
    SIZE LayoutSize() const;

    // Messages.
    LRESULT OnCreate(UINT message, WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    // Frees the canvas, the background and the regions, in that order.
    void ReleaseScreen();
    void OnPaint();
    void OnTimer(UINT_PTR id);
    void OnMouseMove(WPARAM flags, POINT point);
    void OnLButtonDown(WPARAM flags, POINT point);
    void OnLButtonUp(POINT point);
    void RunRegion(int index);

    int pressedRegion_ = -1;
    int hoverRegion_ = -1;
    bool highlightShown_ = false;
    UINT_PTR balloonTimer_ = 0;
    CDib background_;
    CDib canvas_;  // borrows the background's palette, so it is freed first
    std::string screenName_;
    std::string description_;
    CPopupMenu menus_;
    CLogoDialog logoPopup_;
    HCURSOR hotCursor_ = nullptr;
    HCURSOR savedCursor_ = nullptr;
    std::vector<CRegion> regions_;
};

}  // namespace lumora
