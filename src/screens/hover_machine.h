// What the screen window does when the pointer, the mouse buttons, the balloon timer or the
// keyboard move: decided here from plain facts, carried out by the window as commands. Portable.
#pragma once

#include <vector>

namespace lumora {

// What the machine needs to know of one region.
struct HoverRegionFacts {
    bool hasShape = false;  // without one the region is never hovered, clicked or focused
    bool hasHighlight = false;
    bool hasBalloon = false;
};

// The settings in force; they may change while a screen is shown.
struct HoverSettings {
    bool balloonHelp = true;
    int balloonDelay = 500;  // milliseconds, compared unsigned
};

enum class HoverAction {
    kPlaceHighlight,    // compose the highlight of `region` onto the canvas
    kRestoreHighlight,  // restore the background under the highlight of `region`
    kPlaceBalloon,
    kRestoreBalloon,
    kDrawCanvas,         // draw the canvas's changed rectangle on the window
    kStartBalloonTimer,  // the one-shot balloon timer, `delayMs`
    kStopBalloonTimer,
    kHotCursorOn,
    kHotCursorOff,
    kCaptureMouse,
    kReleaseMouse,
    kPlayHighlightSound,
    kPlayBalloonSound,
    kRunRegion,  // the click: sound, checks, splash and action of `region`; always last
};

struct HoverCommand {
    HoverAction action;
    int region = -1;
    unsigned delayMs = 0;

    bool operator==(const HoverCommand& other) const {
        return action == other.action && region == other.region && delayMs == other.delayMs;
    }
};

using HoverCommands = std::vector<HoverCommand>;

// Hover, highlight, balloon, press and release on one shown screen, plus a keyboard focus that
// moves through the regions with Tab and runs them with Enter. Every event returns the commands
// to carry out, in order.
class HoverMachine {
  public:
    // A new screen's window was created: nothing hovered, pressed, shown or focused.
    void ShowScreen(std::vector<HoverRegionFacts> regions);
    // A region was loaded anew (after a setup): its facts may have changed.
    void UpdateRegion(int index, const HoverRegionFacts& facts);
    void UseSettings(const HoverSettings& settings) { settings_ = settings; }

    // `hit` is the region under the pointer or -1; `inside` whether the pointer is in the client
    // area; `buttonHeld` whether the left or right button is down.
    HoverCommands MouseMove(int hit, bool inside, bool buttonHeld, bool appActive);
    HoverCommands LeftButtonDown(int hit, bool rightButtonHeld);
    HoverCommands LeftButtonUp(int hit);
    HoverCommands BalloonTimer();
    // A timer with another id refreshes the hovered region's pictures.
    HoverCommands OtherTimer();
    HoverCommands AppDeactivated();
    // The window is going away; its timer dies with it.
    HoverCommands WindowDestroyed();

    HoverCommands TabKey(bool backward);
    // Enter or Space.
    HoverCommands ActivateKey();
    HoverCommands EscapeKey();
    // The keyboard's focus moves to region `index`, as if Tab had reached it; nothing happens
    // for a region that Tab never reaches.
    HoverCommands FocusRegion(int index);
    // The focus moves to region `index`, which then runs as with Enter.
    HoverCommands PressRegion(int index);

    // The Tab order: the next region with a shape after `from` (or before it, going backward),
    // wrapping; from -1 the first (or last) one. -1 when no region has a shape.
    int NextFocusable(int from, bool backward) const;
    // The regions that Tab reaches, in list order.
    const std::vector<int>& focusableRegions() const { return focusable_; }

    int hoverRegion() const { return hoverRegion_; }
    int pressedRegion() const { return pressedRegion_; }
    int focusRegion() const { return focusRegion_; }
    bool highlightShown() const { return highlightRegion_ != -1; }
    // The regions whose highlight and balloon are on the canvas, -1 for none.
    int highlightRegion() const { return highlightRegion_; }
    int balloonRegion() const { return balloonRegion_; }
    bool balloonTimerPending() const { return balloonTimerPending_; }

  private:
    bool IsRegion(int index) const {
        return index >= 0 && index < static_cast<int>(regions_.size());
    }
    const HoverRegionFacts* Facts(int index) const;
    bool IsFocusable(int index) const;
    void ListFocusable();

    void ShowHighlight(HoverCommands& out, int index, bool refresh);
    void HideHighlight(HoverCommands& out);
    void ShowBalloon(HoverCommands& out, int index);
    void HideBalloon(HoverCommands& out, int index);
    // Removes the hovered region's pictures; nothing is hovered afterwards.
    void ClearHover(HoverCommands& out);
    // Nothing hovered, pressed, focused or shown, and no balloon timer pending.
    void ForgetRegions();
    // Shows region i as hovered: its highlight now, its balloon after the delay.
    void StartHover(HoverCommands& out, int index);

    std::vector<HoverRegionFacts> regions_;
    std::vector<int> focusable_;  // the regions with a shape, in list order
    HoverSettings settings_;
    int hoverRegion_ = -1;
    int pressedRegion_ = -1;
    int focusRegion_ = -1;    // the keyboard's region; -1 while the mouse leads
    int pointerRegion_ = -1;  // the region under the pointer at the last move inside
    // The regions whose pictures are on the canvas, -1 for none. They are removed by what was
    // placed, even when a reloaded region no longer has the picture.
    int highlightRegion_ = -1;
    int balloonRegion_ = -1;
    bool balloonTimerPending_ = false;
};

}  // namespace lumora
