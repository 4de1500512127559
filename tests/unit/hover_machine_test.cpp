#include "screens/hover_machine.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "screens/balloon_delay.h"
#include "screens/region_hit.h"
#include "screens/screen_keys.h"

namespace lumora {

// Failures print commands by name.
void PrintTo(const HoverCommand& c, std::ostream* os) {
    static const char* const kNames[] = {
        "PlaceHighlight", "RestoreHighlight", "PlaceBalloon", "RestoreBalloon", "DrawCanvas",
        "StartTimer",     "StopTimer",        "HotCursorOn",  "HotCursorOff",   "Capture",
        "Release",        "HighlightSound",   "BalloonSound", "RunRegion"};
    *os << kNames[static_cast<int>(c.action)];
    if (c.region != -1) {
        *os << "(" << c.region << ")";
    }
    if (c.delayMs != 0) {
        *os << "(" << c.delayMs << " ms)";
    }
}

namespace {

using C = HoverCommands;
using A = HoverAction;

HoverCommand Do(A action, int region = -1) {
    return {action, region, 0};
}
const HoverCommand kDraw = Do(A::kDrawCanvas);
const HoverCommand kStop = Do(A::kStopBalloonTimer);
const HoverCommand kHotOn = Do(A::kHotCursorOn);
const HoverCommand kHotOff = Do(A::kHotCursorOff);
const HoverCommand kCapture = Do(A::kCaptureMouse);
const HoverCommand kRelease = Do(A::kReleaseMouse);
const HoverCommand kHighlightSound = Do(A::kPlayHighlightSound);
const HoverCommand kBalloonSound = Do(A::kPlayBalloonSound);
HoverCommand Start(unsigned ms) {
    return {A::kStartBalloonTimer, -1, ms};
}
HoverCommand PlaceHighlight(int i) {
    return Do(A::kPlaceHighlight, i);
}
HoverCommand RestoreHighlight(int i) {
    return Do(A::kRestoreHighlight, i);
}
HoverCommand PlaceBalloon(int i) {
    return Do(A::kPlaceBalloon, i);
}
HoverCommand RestoreBalloon(int i) {
    return Do(A::kRestoreBalloon, i);
}
HoverCommand RunOf(int i) {
    return Do(A::kRunRegion, i);
}

// Regions: 0 and 1 have both pictures, 2 none, 3 no shape, 4 only a highlight, 5 only a balloon.
constexpr HoverRegionFacts kBoth{true, true, true};
constexpr HoverRegionFacts kPlain{true, false, false};
constexpr HoverRegionFacts kShapeless{false, true, true};
constexpr HoverRegionFacts kHighlightOnly{true, true, false};
constexpr HoverRegionFacts kBalloonOnly{true, false, true};

class HoverMachineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        machine_.ShowScreen({kBoth, kBoth, kPlain, kShapeless, kHighlightOnly, kBalloonOnly});
        Use(true, 300);
    }
    void Use(bool balloonHelp, int delay) { machine_.UseSettings({balloonHelp, delay}); }
    C Move(int hit) { return machine_.MouseMove(hit, true, false, true); }
    C Drag(int hit) { return machine_.MouseMove(hit, true, true, true); }
    C Leave() { return machine_.MouseMove(-1, false, false, true); }
    C Down(int hit) { return machine_.LeftButtonDown(hit, false); }
    C Up(int hit) { return machine_.LeftButtonUp(hit); }
    C Timer() { return machine_.BalloonTimer(); }
    C Tab() { return machine_.TabKey(false); }
    C BackTab() { return machine_.TabKey(true); }
    // Hovers region i until its balloon shows.
    void HoverWithBalloon(int i) {
        Move(i);
        ASSERT_EQ(Timer(), (C{kStop, PlaceBalloon(i), kDraw, kBalloonSound}));
    }

    HoverMachine machine_;
};

TEST_F(HoverMachineTest, EnteringARegionShowsItsHighlightAtOnceAndItsBalloonAtTheTick) {
    EXPECT_EQ(Move(-1), C{kCapture}) << "nothing hovered before, nothing after";
    EXPECT_EQ(Move(0),
              (C{kCapture, kHotOn, PlaceHighlight(0), kDraw, kHighlightSound, Start(300)}));
    EXPECT_EQ(machine_.hoverRegion(), 0);
    EXPECT_TRUE(machine_.highlightShown());
    EXPECT_TRUE(machine_.balloonTimerPending());
    EXPECT_EQ(Move(0), C{kCapture}) << "moving inside the hovered region changes nothing";
    EXPECT_EQ(Timer(), (C{kStop, PlaceBalloon(0), kDraw, kBalloonSound}));
    EXPECT_FALSE(machine_.balloonTimerPending());
}

TEST_F(HoverMachineTest, EachPictureShowsOnlyWhenTheRegionHasIt) {
    EXPECT_EQ(Move(2), (C{kCapture, kHotOn})) << "no pictures: only the hand";
    EXPECT_EQ(machine_.hoverRegion(), 2);
    EXPECT_EQ(Move(4), (C{kCapture, kHotOn, PlaceHighlight(4), kDraw, kHighlightSound}));
    EXPECT_EQ(Move(5), (C{kCapture, RestoreHighlight(4), kDraw, kHotOn, Start(300)}));
    EXPECT_FALSE(machine_.highlightShown());
    EXPECT_EQ(Timer(), (C{kStop, PlaceBalloon(5), kDraw, kBalloonSound}));
    // Without a highlight on the window, removing the balloon draws at once.
    EXPECT_EQ(Move(-1), (C{kCapture, RestoreBalloon(5), kDraw, kHotOff}));
}

TEST_F(HoverMachineTest, BalloonDelaySettings) {
    Use(true, 0);
    EXPECT_EQ(Move(0), (C{kCapture, kHotOn, PlaceHighlight(0), kDraw, kHighlightSound,
                          PlaceBalloon(0), kDraw, kBalloonSound}))
        << "a zero delay shows the balloon right after the highlight";
    EXPECT_FALSE(machine_.balloonTimerPending());

    Use(true, -1);
    EXPECT_EQ(Move(1).back(), Start(kLongestTimerMs))
        << "a negative delay is the longest a timer waits";

    // With balloons off the timer still runs, but its tick shows nothing and nothing is removed.
    Use(false, 300);
    Move(-1);
    EXPECT_EQ(Move(0),
              (C{kCapture, kHotOn, PlaceHighlight(0), kDraw, kHighlightSound, Start(300)}));
    EXPECT_EQ(Timer(), C{kStop});
    EXPECT_EQ(Move(-1), (C{kCapture, RestoreHighlight(0), kDraw, kHotOff}));
}

TEST_F(HoverMachineTest, ABalloonShownWhenBalloonsAreTurnedOffIsStillRemoved) {
    HoverWithBalloon(5);
    Use(false, 300);
    EXPECT_EQ(Move(-1), (C{kCapture, RestoreBalloon(5), kDraw, kHotOff}));
    EXPECT_EQ(Move(5), (C{kCapture, kHotOn, Start(300)}));
    EXPECT_EQ(Move(-1), (C{kCapture, kStop, kHotOff})) << "nothing shown, nothing to remove";
}

TEST_F(HoverMachineTest, MovingToAnotherRegionRemovesTheFirstBeforeShowingTheSecond) {
    Move(0);
    // The pending timer is stopped, the balloon area restored without a draw of its own (the
    // highlight's draw shows both), then the second region starts.
    EXPECT_EQ(Move(1), (C{kCapture, kStop, RestoreBalloon(0), RestoreHighlight(0), kDraw, kHotOn,
                          PlaceHighlight(1), kDraw, kHighlightSound, Start(300)}));
    HoverWithBalloon(1);
    EXPECT_EQ(Move(0), (C{kCapture, RestoreBalloon(1), RestoreHighlight(1), kDraw, kHotOn,
                          PlaceHighlight(0), kDraw, kHighlightSound, Start(300)}));
    EXPECT_EQ(Move(-1),
              (C{kCapture, kStop, RestoreBalloon(0), RestoreHighlight(0), kDraw, kHotOff}));
    EXPECT_EQ(machine_.hoverRegion(), -1);
    EXPECT_EQ(Timer(), C{}) << "a tick that was already queued shows nothing";
}

TEST_F(HoverMachineTest, LeavingTheWindowOrTheApplicationClearsEverything) {
    HoverWithBalloon(0);
    EXPECT_EQ(Leave(), (C{kRelease, kHotOff, RestoreBalloon(0), RestoreHighlight(0), kDraw}));
    EXPECT_EQ(machine_.hoverRegion(), -1);
    EXPECT_FALSE(machine_.highlightShown());
    EXPECT_EQ(Move(0).size(), 6u) << "coming back shows the highlight again";

    EXPECT_EQ(machine_.AppDeactivated(),
              (C{kRelease, kHotOff, kStop, RestoreBalloon(0), RestoreHighlight(0), kDraw}));
    EXPECT_EQ(machine_.hoverRegion(), -1);
    EXPECT_EQ(machine_.MouseMove(0, true, false, false), C{}) << "ignored while inactive";
    EXPECT_EQ(machine_.hoverRegion(), -1);
}

TEST_F(HoverMachineTest, AHeldButtonShowsTheHandButNothingElse) {
    EXPECT_EQ(Drag(0), (C{kCapture, kHotOn}));
    EXPECT_EQ(machine_.hoverRegion(), -1);
    EXPECT_EQ(Drag(0), (C{kCapture, kHotOn}));
    // Nothing is hovered, so off the region nothing changes: the hand stays until a move
    // without the button.
    EXPECT_EQ(Drag(-1), C{kCapture});
    EXPECT_EQ(Move(-1), C{kCapture});
    EXPECT_EQ(Move(2), (C{kCapture, kHotOn}));
    EXPECT_EQ(Move(-1), (C{kCapture, kHotOff}));

    Move(0);
    EXPECT_EQ(Drag(1), (C{kCapture, kStop, RestoreBalloon(0), RestoreHighlight(0), kDraw, kHotOn}))
        << "dragging onto another region ends the hover";
    EXPECT_EQ(machine_.hoverRegion(), -1);
    EXPECT_EQ(Move(1).size(), 6u) << "released, the region lights up at the next move";
}

TEST_F(HoverMachineTest, AClickNeedsPressAndReleaseOnTheSameRegion) {
    HoverWithBalloon(1);
    EXPECT_EQ(Down(1), C{});
    EXPECT_EQ(machine_.pressedRegion(), 1);
    // The release removes the balloon and redraws the highlight, then runs the region.
    EXPECT_EQ(Up(1), (C{RestoreBalloon(1), PlaceHighlight(1), kDraw, RunOf(1)}));
    EXPECT_EQ(machine_.pressedRegion(), -1);
    EXPECT_EQ(machine_.hoverRegion(), 1) << "still hovered, without a timer";
    EXPECT_FALSE(machine_.balloonTimerPending());

    Move(-1);
    Down(1);
    EXPECT_EQ(Up(2), C{}) << "pressed on one region, released on another";
    EXPECT_EQ(machine_.pressedRegion(), -1);

    Down(2);
    Drag(-1);
    Drag(2);
    EXPECT_EQ(Up(2), C{RunOf(2)}) << "away and back before the release";

    Down(4);
    EXPECT_EQ(Down(-1), C{});
    EXPECT_EQ(machine_.pressedRegion(), 4) << "a press outside every region changes nothing";
    EXPECT_EQ(Up(4), C{RunOf(4)});

    EXPECT_EQ(machine_.LeftButtonDown(2, true), C{});
    EXPECT_EQ(Up(2), C{}) << "a press with the right button held is not a click";
}

TEST_F(HoverMachineTest, ADoubleClickRunsOnce) {
    Down(2);
    EXPECT_EQ(Up(2), C{RunOf(2)});
    // The second press arrives as a double click, which the window does not pass on.
    EXPECT_EQ(Up(2), C{});
}

TEST_F(HoverMachineTest, AnotherTimerRefreshesTheHoveredPictures) {
    HoverWithBalloon(0);
    EXPECT_EQ(machine_.OtherTimer(), (C{RestoreBalloon(0), PlaceHighlight(0), kDraw}));
    Move(-1);
    EXPECT_EQ(machine_.OtherTimer(), C{});
}

TEST_F(HoverMachineTest, ANewScreenStartsFromNothing) {
    HoverWithBalloon(0);
    Down(0);
    EXPECT_EQ(machine_.WindowDestroyed(), (C{kRelease, kHotOff}));
    EXPECT_FALSE(machine_.highlightShown());
    EXPECT_EQ(Move(0), C{}) << "no screen, no hover";

    machine_.ShowScreen({kBoth});
    EXPECT_EQ(machine_.hoverRegion(), -1);
    EXPECT_EQ(machine_.pressedRegion(), -1);
    EXPECT_EQ(Up(0), C{}) << "the old screen's press is forgotten";
    EXPECT_EQ(Move(0).size(), 6u) << "a pointer resting on region 0 lights it at its first move";
}

TEST_F(HoverMachineTest, ReloadedRegionFactsAreUsed) {
    Move(2);
    machine_.UpdateRegion(2, kHighlightOnly);
    machine_.UpdateRegion(9, kPlain);
    EXPECT_EQ(Move(-1), (C{kCapture, kHotOff})) << "hovered before it had a highlight";
    EXPECT_EQ(Move(2), (C{kCapture, kHotOn, PlaceHighlight(2), kDraw, kHighlightSound}));
}

TEST_F(HoverMachineTest, PicturesShownBeforeAReloadAreRemovedAfterIt) {
    // Reloaded without pictures: what shows still goes, and highlights show again afterwards.
    HoverWithBalloon(0);
    machine_.UpdateRegion(0, kPlain);
    EXPECT_EQ(Move(-1), (C{kCapture, RestoreBalloon(0), RestoreHighlight(0), kDraw, kHotOff}));
    EXPECT_FALSE(machine_.highlightShown());
    EXPECT_EQ(Move(1),
              (C{kCapture, kHotOn, PlaceHighlight(1), kDraw, kHighlightSound, Start(300)}));

    // A refresh of a highlight whose region lost it removes it, and draws the balloon's area.
    machine_.UpdateRegion(1, kBalloonOnly);
    EXPECT_EQ(Up(1), (C{kStop, RestoreBalloon(1), RestoreHighlight(1), kDraw}));
    EXPECT_FALSE(machine_.highlightShown());
}

TEST_F(HoverMachineTest, AFocusedRegionReloadedWithoutAShapeLosesTheFocus) {
    Tab();
    machine_.UpdateRegion(0, kShapeless);
    EXPECT_EQ(machine_.focusRegion(), -1);
    EXPECT_EQ(machine_.ActivateKey(), C{}) << "Enter runs nothing";
    EXPECT_EQ(Tab(), (C{kStop, RestoreBalloon(0), RestoreHighlight(0), kDraw, PlaceHighlight(1),
                        kDraw, kHighlightSound, Start(300)}));
}

// The keyboard.

TEST_F(HoverMachineTest, TabWalksTheShapedRegionsInOrderAndWraps) {
    EXPECT_EQ(Tab(), (C{PlaceHighlight(0), kDraw, kHighlightSound, Start(300)}));
    EXPECT_EQ(machine_.focusRegion(), 0);
    EXPECT_EQ(machine_.hoverRegion(), 0);
    EXPECT_EQ(Tab(), (C{kStop, RestoreBalloon(0), RestoreHighlight(0), kDraw, PlaceHighlight(1),
                        kDraw, kHighlightSound, Start(300)}));
    int visited[5] = {};
    for (int& focus : visited) {
        Tab();
        focus = machine_.focusRegion();
    }
    EXPECT_EQ(std::vector<int>(visited, visited + 5), (std::vector<int>{2, 4, 5, 0, 1}))
        << "region 3 has no shape";
}

TEST_F(HoverMachineTest, ShiftTabWalksBackwardFromTheLast) {
    int visited[6] = {};
    for (int& focus : visited) {
        BackTab();
        focus = machine_.focusRegion();
    }
    EXPECT_EQ(std::vector<int>(visited, visited + 6), (std::vector<int>{5, 4, 2, 1, 0, 5}));
    EXPECT_EQ(Tab(), (C{kStop, RestoreBalloon(5), kDraw, PlaceHighlight(0), kDraw, kHighlightSound,
                        Start(300)}));
}

TEST_F(HoverMachineTest, TabSkipsShapelessRegionsAtTheEnds) {
    machine_.ShowScreen({kShapeless, kBoth, kShapeless});
    Tab();
    EXPECT_EQ(machine_.focusRegion(), 1);
    EXPECT_EQ(Tab(), C{}) << "the only focusable region stays as it is";
    EXPECT_EQ(BackTab(), C{});
    EXPECT_EQ(machine_.focusRegion(), 1);

    machine_.ShowScreen({kShapeless, kShapeless});
    EXPECT_EQ(Tab(), C{});
    EXPECT_EQ(machine_.focusRegion(), -1);
}

TEST_F(HoverMachineTest, TheFocusedRegionBehavesAsAHoveredOne) {
    Tab();
    EXPECT_EQ(Timer(), (C{kStop, PlaceBalloon(0), kDraw, kBalloonSound}));
    EXPECT_EQ(machine_.ActivateKey(), (C{RestoreBalloon(0), PlaceHighlight(0), kDraw, RunOf(0)}))
        << "Enter runs it as a release would";
    EXPECT_EQ(machine_.focusRegion(), 0);
    // The balloon's area is restored whether or not it shows.
    EXPECT_EQ(machine_.EscapeKey(), (C{RestoreBalloon(0), RestoreHighlight(0), kDraw}));
    EXPECT_EQ(machine_.focusRegion(), -1);
    EXPECT_EQ(machine_.hoverRegion(), -1);
    EXPECT_EQ(machine_.EscapeKey(), C{});
    EXPECT_EQ(machine_.ActivateKey(), C{}) << "nothing to run without a focus";

    Use(true, 0);
    EXPECT_EQ(Tab(), (C{PlaceHighlight(0), kDraw, kHighlightSound, PlaceBalloon(0), kDraw,
                        kBalloonSound}));
}

TEST_F(HoverMachineTest, TheMouseTakesOverFromTheKeyboard) {
    Move(-1);
    Tab();
    EXPECT_EQ(Move(-1), C{kCapture}) << "a move over the background keeps the focus";
    EXPECT_EQ(machine_.focusRegion(), 0);
    EXPECT_EQ(Move(1), (C{kCapture, kStop, RestoreBalloon(0), RestoreHighlight(0), kDraw, kHotOn,
                          PlaceHighlight(1), kDraw, kHighlightSound, Start(300)}));
    EXPECT_EQ(machine_.focusRegion(), -1);

    // The pointer rests on region 1 while Tab moves on; a move inside region 1 takes over.
    Tab();
    EXPECT_EQ(machine_.focusRegion(), 0);
    EXPECT_EQ(Move(1).back(), Start(300));
    EXPECT_EQ(machine_.hoverRegion(), 1);
    EXPECT_EQ(machine_.focusRegion(), -1);

    // A move onto the focused region keeps its pictures.
    Tab();
    EXPECT_EQ(machine_.focusRegion(), 0);
    EXPECT_EQ(Move(0), C{kCapture});
    EXPECT_EQ(machine_.focusRegion(), -1);
    EXPECT_EQ(machine_.hoverRegion(), 0);

    // Off a region onto the background.
    Tab();
    EXPECT_EQ(machine_.focusRegion(), 0);
    EXPECT_EQ(Move(-1),
              (C{kCapture, kStop, RestoreBalloon(0), RestoreHighlight(0), kDraw, kHotOff}));
    EXPECT_EQ(machine_.focusRegion(), -1);
}

TEST_F(HoverMachineTest, TabFromTheHoveredRegionKeepsItsPictures) {
    Move(0);
    EXPECT_EQ(Tab(), C{});
    EXPECT_EQ(machine_.focusRegion(), 0);
    EXPECT_TRUE(machine_.balloonTimerPending());
}

TEST_F(HoverMachineTest, LeavingTheWindowOrTheApplicationClearsTheFocus) {
    Tab();
    EXPECT_EQ(machine_.AppDeactivated(),
              (C{kRelease, kHotOff, kStop, RestoreBalloon(0), RestoreHighlight(0), kDraw}));
    EXPECT_EQ(machine_.focusRegion(), -1);
    Tab();
    Leave();
    EXPECT_EQ(machine_.focusRegion(), -1);
    EXPECT_EQ(machine_.hoverRegion(), -1);
    EXPECT_EQ(Tab(), (C{PlaceHighlight(0), kDraw, kHighlightSound, Start(300)}))
        << "and the next Tab starts at the first region";
}

// A reader moves the focus and presses a region directly: as Tab reaching it, then Enter.
TEST_F(HoverMachineTest, AReaderFocusesAndPressesTheRegionsThatTabReaches) {
    EXPECT_EQ(machine_.FocusRegion(4), (C{PlaceHighlight(4), kDraw, kHighlightSound}));
    EXPECT_EQ(machine_.focusRegion(), 4);
    EXPECT_EQ(Tab().front(), RestoreHighlight(4)) << "Tab goes on from there";
    EXPECT_EQ(machine_.focusRegion(), 5);
    for (int never : {3, -1, 6}) {
        EXPECT_EQ(machine_.FocusRegion(never), C{}) << never;
        EXPECT_EQ(machine_.PressRegion(never), C{}) << never;
        EXPECT_EQ(machine_.focusRegion(), 5) << never;
    }
    EXPECT_EQ(machine_.PressRegion(4), (C{kStop, RestoreBalloon(5), kDraw, PlaceHighlight(4), kDraw,
                                          kHighlightSound, PlaceHighlight(4), kDraw, RunOf(4)}));
    EXPECT_EQ(machine_.focusRegion(), 4);
    EXPECT_EQ(machine_.PressRegion(4), (C{PlaceHighlight(4), kDraw, RunOf(4)}))
        << "pressed again, it only runs";
}

TEST_F(HoverMachineTest, TheTabOrderIsTheListOfShapedRegions) {
    EXPECT_EQ(machine_.focusableRegions(), (std::vector<int>{0, 1, 2, 4, 5}));
    EXPECT_EQ(machine_.NextFocusable(-1, false), 0);
    EXPECT_EQ(machine_.NextFocusable(-1, true), 5);
    EXPECT_EQ(machine_.NextFocusable(3, false), 4) << "from a region without a shape";
    EXPECT_EQ(machine_.NextFocusable(3, true), 2);
    EXPECT_EQ(machine_.NextFocusable(5, false), 0);
    EXPECT_EQ(machine_.NextFocusable(0, true), 5);
    machine_.UpdateRegion(3, kPlain);
    EXPECT_EQ(machine_.focusableRegions(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    machine_.WindowDestroyed();
    EXPECT_TRUE(machine_.focusableRegions().empty());
    EXPECT_EQ(machine_.NextFocusable(-1, false), -1);
}

TEST_F(HoverMachineTest, TheScreensKeysByTheirVirtualKeyCodes) {
    EXPECT_EQ(ScreenKeyDown(machine_, kKeyTab, false, false),
              (C{PlaceHighlight(0), kDraw, kHighlightSound, Start(300)}));
    EXPECT_EQ(ScreenKeyDown(machine_, kKeyTab, true, false).back(), Start(300))
        << "Shift+Tab goes back, to region 5";
    EXPECT_EQ(machine_.focusRegion(), 5);
    EXPECT_EQ(ScreenKeyDown(machine_, kKeyEnter, false, true), C{}) << "a held Enter runs once";
    EXPECT_EQ(ScreenKeyDown(machine_, kKeySpace, false, false).back(), RunOf(5));
    EXPECT_EQ(ScreenKeyDown(machine_, kKeyEnter, false, false).back(), RunOf(5));
    EXPECT_EQ(ScreenKeyDown(machine_, 'A', false, false), C{}) << "other keys do nothing";
    EXPECT_EQ(ScreenKeyDown(machine_, kKeyEscape, false, false), (C{RestoreBalloon(5), kDraw}))
        << "region 5 has only a balloon";
    EXPECT_EQ(machine_.focusRegion(), -1);
}

TEST(RegionHit, TheFirstRegionInListOrderWinsWhereShapesOverlap) {
    const bool holds[] = {false, true, true};
    EXPECT_EQ(FirstRegionHit(3, [&](int i) { return holds[i]; }), 1);
    EXPECT_EQ(FirstRegionHit(1, [&](int i) { return holds[i]; }), -1);
    EXPECT_EQ(FirstRegionHit(0, [](int) { return true; }), -1);
}

}  // namespace
}  // namespace lumora
