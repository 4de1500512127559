// Everything loaded for the shown screen: its picture, its regions, their pictures and the canvas
// they are drawn on. Made when a screen opens and dropped whole when it goes; its pictures and
// what was read ahead come from the screen store, which keeps them for the screens that follow.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "actions/launch.h"
#include "imaging/cdib.h"
#include "screens/hover_machine.h"
#include "screens/region.h"
#include "screens/screen_session.h"
#include "screens/screen_store.h"
#include "win/lifetime.h"

namespace lumora {

class ScreenContent {
  public:
    // The screen's section and picture, from the store (what was read ahead is not read
    // again); none when it has no regions list or no picture. The store outlives the content.
    static std::unique_ptr<ScreenContent> Load(const std::string& name, ScreenStore& store);

    const std::string& name() const { return name_; }
    const std::string& description() const { return description_; }
    const CDib& background() const;
    // The background with what hovering placed on it, at the art scale.
    const CDib& canvas() const { return canvas_; }
    // Code that waits across a message loop asks it whether the screen is gone.
    Liveness Watch() const { return lifetime_.Watch(); }

    // The regions: none before ReadRegions; indexes outside name nothing.
    void ReadRegions();
    int regionCount() const { return static_cast<int>(regions_.size()); }
    const CRegion* region(int index) const;
    CRegion* region(int index);
    std::vector<HoverRegionFacts> RegionFacts() const;
    // The first region in list order whose shape holds the picture point.
    int HitTest(int x, int y) const;
    // What a click and launching need of region `index`: a copy of its action, its last disc
    // search and a way to keep a new one while the screen is shown. No entry for no region.
    LaunchTarget TargetOf(int index);
    // Reads the region's section again into its record.
    void RereadRegion(int index);
    // What the regions' clicks do, in list order.
    std::vector<ActionRecord> RegionActions() const;

    // The authors' 2x pictures of what is held and what is loaded later.
    void LookForDoubleSizes();
    bool AnyAuthorsDoubleSize() const;
    // Makes the canvas anew at this art scale; the scale it got (1 when a doubling failed).
    int BuildCanvas(int artScale);
    void DoubleRegionPictures(int index);

    // Carries out a session command about what is loaded (the regions, the 2x pictures, the
    // canvas) and tells the session what came of it; the commands that follow for the window.
    SessionCommands Carry(const SessionCommand& command, ScreenSession& session);

    // Hover feedback on the canvas: a region's highlight or balloon placed or taken off.
    void Carry(const HoverCommand& command, int artScale);
    // Draws what changed on the canvas since it was last drawn, each art pixel a block.
    void DrawChanges(HDC dc, int block) { canvas_.DrawDirty(dc, 0, 0, block); }

  private:
    const CDib& Art(const CDib& picture, int artScale) const;
    void Place(const CDib& picture, Point position, int transparency, int artScale);
    void Restore(const CDib& picture, Point position, int artScale);

    ScreenStore* store_ = nullptr;
    std::string name_;
    std::string description_;
    StringList regionNames_;
    bool lookForDoubleSizes_ = false;
    std::shared_ptr<const CDib> background_;
    CDib canvas_;  // borrows the background's palette: declared after it
    std::vector<CRegion> regions_;
    Lifetime lifetime_;
};

}  // namespace lumora
