// The child window that shows the current screen: its background, regions, and the reaction to
// the mouse and the keyboard (hover highlight, delayed balloon, sounds, click), decided by its
// hover machine.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "actions/launch.h"
#include "actions/logo_dialog.h"
#include "imaging/cdib.h"
#include "menus/popup_menu.h"
#include "screens/hover_machine.h"
#include "screens/region.h"
#include "win/window.h"

namespace lumora {

class CScreenWindow : public Window {
  public:
    CScreenWindow();
    // Closes the window, its popup and its menus while the whole object still exists.
    ~CScreenWindow() override { DestroyWindow(); }

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
    // What launching needs about a launch id (launch_entries.cpp).
    LaunchTarget LaunchTargetOf(int launchId);

    // Used by the main window.
    void FillBackground();
    void PlaceInParent();
    // Shows every picture pixel as a scale x scale block (1 or more); the caller places the
    // window afterwards.
    void SetScale(int scale);
    int scale() const { return scale_; }
    // The application lost activation: forget the hover.
    void OnAppDeactivated();

    // The shown screen's picture, title and name; empty when no screen is shown.
    const CDib& background() const;
    // What the window shows, at the art scale: the background with what hovering placed on it.
    const CDib& canvas() const;
    const std::string& description() const;
    const std::string& screenName() const;
    CPopupMenu& menus() { return menus_; }

    static constexpr int kChildId = 1000;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Reads the regions' sections and pictures, once per screen.
    void ReadRegions();
    // The regions loaded so far: none before ReadRegions.
    int LoadedRegionCount() const { return shown_ ? static_cast<int>(shown_->regions.size()) : 0; }
    const CRegion* LoadedRegion(int index) const;
    CRegion* LoadedRegion(int index);

    // Hover feedback: the machine decides, the window carries its commands out.
    HoverMachine& Hover();
    std::vector<HoverRegionFacts> RegionFacts() const;
    void Carry(const HoverCommands& commands);
    // The scale of the pictures drawn for this display scale: 2 when it is even and a picture of
    // the screen has an author's 2x sibling, else 1.
    int ArtScaleFor(int scale) const;
    // Looks for the authors' 2x pictures of the shown screen, at an even scale only.
    void LookForDoubleSizes();
    // Makes the canvas anew from the background at the art scale of the display scale.
    BOOL BuildCanvas();
    // The picture as drawn on the canvas: itself, or its 2x picture.
    const CDib& Art(const CDib& picture) const;
    void PlacePicture(const CDib& picture, Point position, int transparency);
    void RestorePicture(const CDib& picture, Point position);
    void DrawCanvasChanges();
    void SetHotCursor(bool on);
    void CaptureMouse();
    void ReleaseMouse();
    bool ParentHasCapture() const;
    bool IsAppActive() const;

    // Messages.
    LRESULT OnCreate(UINT message, WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    // Lets go of everything loaded for the shown screen.
    void ReleaseScreen();
    void OnPaint();
    void OnTimer(UINT_PTR id);
    void OnMouseMove(WPARAM flags, POINT point);
    void OnLButtonDown(WPARAM flags, POINT point);
    void OnLButtonUp(POINT point);
    void OnKeyDown(WPARAM key, LPARAM flags);
    void RunRegion(int index);
    // True while the screen loaded as `generation` is shown and has the region.
    bool StillShows(unsigned generation, int index) const;

    // Everything loaded for the screen being shown. LoadScreen makes it and the window's end
    // (or a failed load) releases it whole, so nothing of one screen lives on into the next.
    struct ShownScreen {
        std::string name;
        std::string description;
        std::string backgroundPath;
        CDib background;
        CDib canvas;       // borrows the background's palette: declared after it, so freed first
        int artScale = 1;  // 2: the canvas and everything on it are the 2x pictures
        bool doubleSizesLookedFor = false;
        StringList regionNames;
        bool regionsRead = false;
        PictureCache pictures;  // the regions' pictures, each file once
        std::vector<CRegion> regions;
        HoverMachine hover;
    };

    CPopupMenu menus_;
    CLogoDialog logoPopup_;
    HCURSOR hotCursor_ = nullptr;
    HCURSOR savedCursor_ = nullptr;
    int scale_ = 1;
    unsigned screenGeneration_ = 0;  // changes whenever a screen's window comes or goes
    std::unique_ptr<ShownScreen> shown_;
};

}  // namespace lumora
