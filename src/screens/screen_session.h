// What a front end shows of a disc beyond its window: the screen shown and the one before it,
// when the shown screen's regions are read, the scale its pictures are drawn at, and what reading
// a region again changes on the canvas. Events in, commands out, as with the hover machine, which
// it holds for the shown screen. lumora.exe's screen window and the preview page both drive it.
// Portable.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/program_settings.h"
#include "screens/hover_machine.h"
#include "screens/screen_links.h"

namespace lumora {

enum class SessionAction {
    kCloseScreen,           // the shown screen goes, with its window and all loaded for it
    kOpenScreen,            // `text`: read that screen's section and picture and show it
    kSetTitle,              // `text`: the window's title; empty: the program's own title
    kReadRegions,           // read the shown screen's regions, then report RegionsRead
    kLookForDoubleSizes,    // look for the authors' 2x pictures, of what is held and what comes
    kBuildCanvas,           // make the canvas anew at `artScale`, then report CanvasBuilt
    kDoubleRegionPictures,  // region `region`'s pictures join a canvas of 2x pictures
    kReadRegion,            // read region `region` again, then report RegionReread
    kHover,                 // carry out `hover`
    kRedraw,                // draw the whole window anew
    kIdleWanted,            // call Idle when nothing else waits, until it gives nothing
    kFindLinks,             // tell LinksFound where the shown screen's actions lead
    kPreloadScreen,         // `text`: read that screen's sections and pictures ahead (their 2x
                            // pictures too when `artScale` is 2), then report Preloaded
};

struct SessionCommand {
    SessionAction action = SessionAction::kRedraw;
    std::string text;
    int region = -1;
    int artScale = 1;
    HoverCommand hover{HoverAction::kDrawCanvas, -1, 0};

    bool operator==(const SessionCommand& other) const {
        return action == other.action && text == other.text && region == other.region &&
               artScale == other.artScale && hover == other.hover;
    }
};

using SessionCommands = std::vector<SessionCommand>;

class ScreenSession {
  public:
    // The screens that may be shown ("ScreenNames"); none: no screen is ever shown.
    void UseScreenNames(std::optional<StringList> screenNames) {
        screenNames_ = std::move(screenNames);
    }

    // The history. A screen listed in "ScreenNames" (compared exactly) replaces the shown one
    // and becomes the current one, the one before it the previous one; any other name only
    // resets the title.
    SessionCommands Show(const std::string& name);
    // The previous screen: two in a row return to where they began.
    SessionCommands ShowPrevious();
    // The current screen read anew, the history unchanged.
    SessionCommands Reload();
    const std::string& current() const { return current_; }
    const std::string& previous() const { return previous_; }

    // The shown screen. Events that read pictures come in two steps: the first gives the
    // commands that read, and once they are carried out PicturesReady gives the canvas's.
    // Its section and picture were read: the title, and at an even scale its 2x pictures and
    // its regions at once.
    SessionCommands Opened(const std::string& description);
    // It could not be shown: no screen, the program's title.
    SessionCommands OpenFailed();
    // The window is gone, and the screen with it.
    SessionCommands Closed();
    // The picture is on the display: the regions may be read now. The same when input needs
    // them sooner.
    SessionCommands FirstPaint() { return RegionsNeeded(); }
    SessionCommands RegionsNeeded();
    // The regions were read: the hover machine starts afresh with them, and once nothing else
    // waits the screens they lead to are read ahead.
    SessionCommands RegionsRead(std::vector<HoverRegionFacts> regions);
    // The display's whole-number scale changed: at an even one the 2x pictures and the regions
    // are wanted; the window is drawn anew.
    SessionCommands ScaleChanged(int scale);
    // After the commands that read: whether any picture now held has its author's 2x picture.
    // Builds the canvas when it has none yet or its art scale is no longer the wanted one.
    SessionCommands PicturesReady(bool anyAuthorsDoubleSize);
    // The canvas was built at this art scale (1 when a doubling failed).
    void CanvasBuilt(int artScale) { builtArtScale_ = artScale; }
    // A region is read again (after its setup ran): what it shows comes off with the pictures it
    // was placed from, then the region is read.
    SessionCommands ReloadRegion(int index);
    // The region was read again: its new pictures go where the hover machine still shows them.
    SessionCommands RegionReread(int index, const HoverRegionFacts& facts,
                                 bool anyAuthorsDoubleSize);

    // Reading ahead, one step each time the program has nothing else to do: first where the
    // shown screen leads, then each of those screens not shown, in order: the previous one
    // (whose pictures are most likely held still), then the regions' screens, then the menus'.
    // Nothing when there is nothing (more) to read.
    SessionCommands Idle();
    void LinksFound(ScreenLinks links);
    // The screen asked for was read ahead; without room left in the budget no more is read
    // until another screen is shown.
    void Preloaded(bool roomLeft);
    // True while Idle has a step to give.
    bool preloadPending() const;

    bool open() const { return open_; }
    bool regionsRead() const { return regionsRead_; }
    int scale() const { return scale_; }
    // The scale of the pictures on the canvas: 1, or 2 for a canvas of 2x pictures.
    int artScale() const { return builtArtScale_; }
    HoverMachine& hover() { return hover_; }
    const HoverMachine& hover() const { return hover_; }

  private:
    // Listed in "ScreenNames", compared exactly.
    bool Listed(const std::string& name) const;
    SessionCommands ShowListed(const std::string& name);
    // The commands that read what an even scale wants: the 2x pictures and the regions.
    void WantForScale(SessionCommands& out);
    void PlanPreload();
    void ForgetPreload();

    std::optional<StringList> screenNames_;
    std::string current_;
    std::string previous_;
    int scale_ = 1;
    // The shown screen.
    bool open_ = false;
    bool regionsRead_ = false;
    bool doubleSizesWanted_ = false;
    int builtArtScale_ = 0;  // 0: no canvas yet
    HoverMachine hover_;
    // Reading ahead for the shown screen.
    std::optional<ScreenLinks> links_;  // none: not asked yet
    bool linksAsked_ = false;
    StringList preloadQueue_;  // the next to read first
};

}  // namespace lumora
