// The screen from the keyboard: Tab and Shift+Tab move a focus through the regions, which shows
// as a hover does; Enter or Space runs the focused region, Escape clears it, and the mouse takes
// over as soon as it moves onto a region.
#include <gtest/gtest.h>

#include "keyboard.h"
#include "lumora_test.h"

namespace e2e {
namespace {

using namespace disc;

class Keyboard : public LumoraTest {
  protected:
    // True when `picture` keeps showing `paint` for `ms` milliseconds.
    bool Keeps(Point picture, Paint paint, int ms) {
        return !WaitUntil([&] { return PixelAt(picture) != ColorOf(paint); }, milliseconds(ms));
    }
};

TEST_F(Keyboard, TabAndShiftTabMoveTheHighlightAndBalloon) {
    ASSERT_TRUE(Start());
    PressKeys({"Tab"});
    EXPECT_TRUE(WaitForPixel(kHighlightA.Center(), Paint::kYellow));
    EXPECT_TRUE(WaitForSounds("highlight.wav", 1));
    EXPECT_TRUE(WaitForPixel(kBalloonA.Center(), Paint::kGreen)) << "after the balloon delay";

    PressKeys({"Tab"});
    EXPECT_TRUE(WaitForPixel(kHighlightB.Center(), Paint::kCyan));
    EXPECT_TRUE(WaitForPixel(kHighlightA.Center(), kMainPaint));
    EXPECT_TRUE(WaitForPixel(kBalloonA.Center(), kMainPaint));
    EXPECT_TRUE(WaitForPixel(kBalloonB.Center(), Paint::kMagenta));

    PressKeys({"shift+Tab"});
    EXPECT_TRUE(WaitForPixel(kHighlightA.Center(), Paint::kYellow));
    EXPECT_TRUE(WaitForPixel(kHighlightB.Center(), kMainPaint));
    EXPECT_TRUE(WaitForSounds("highlight.wav", 3));
    EXPECT_EQ(CountSounds("A.wav"), 0) << "moving the focus runs nothing";
}

TEST_F(Keyboard, EnterRunsTheFocusedRegionOnEveryScreen) {
    ASSERT_TRUE(Start());
    PressKeys({"Tab", "Tab", "Tab", "Return"});  // A, B, then Next: go to Second
    ASSERT_TRUE(WaitForPixel(kSecondPlain, kSecondPaint));
    EXPECT_EQ(CountSounds("Next.wav"), 1);
    EXPECT_EQ(CountSounds("A.wav") + CountSounds("B.wav"), 0);

    // The new screen has the keys too; its first region goes back.
    PressKeys({"Tab", "Return"});
    EXPECT_TRUE(WaitForPixel(kMainPlain, kMainPaint));
    EXPECT_TRUE(WaitForSounds("Previous.wav", 1));
}

TEST_F(Keyboard, SpaceRunsAndEscapeClears) {
    ASSERT_TRUE(Start());
    PressKeys({"shift+Tab", "shift+Tab", "shift+Tab", "space"});  // Menu, Logo, Sync: a sound
    EXPECT_TRUE(WaitForSounds("Sync.wav", 1));

    PressKeys({"Tab", "Tab", "Tab"});  // Logo, Menu, then A
    ASSERT_TRUE(WaitForPixel(kBalloonA.Center(), Paint::kGreen));
    PressKeys({"Escape"});
    EXPECT_TRUE(WaitForPixel(kHighlightA.Center(), kMainPaint));
    EXPECT_TRUE(WaitForPixel(kBalloonA.Center(), kMainPaint));
    PressKeys({"Return"});
    ASSERT_TRUE(Settle());
    EXPECT_EQ(CountSounds("A.wav"), 0) << "after Escape nothing has the focus";
    EXPECT_EQ(CountSounds("Logo.wav"), 0);
}

TEST_F(Keyboard, TheMouseTakesOverOnARegion) {
    ASSERT_TRUE(Start());
    PressKeys({"Tab"});
    ASSERT_TRUE(WaitForPixel(kHighlightA.Center(), Paint::kYellow));
    MoveTo(kMainPlain);
    EXPECT_TRUE(Keeps(kHighlightA.Center(), Paint::kYellow, 500))
        << "the pointer on the background leaves the focus alone";

    MoveTo({kRegionB.right - 5, kRegionB.bottom - 5});
    EXPECT_TRUE(WaitForPixel(kHighlightB.Center(), Paint::kCyan));
    EXPECT_TRUE(WaitForPixel(kHighlightA.Center(), kMainPaint));
    PressKeys({"Return"});
    ASSERT_TRUE(Settle());
    EXPECT_EQ(CountSounds("A.wav") + CountSounds("B.wav"), 0) << "the focus went with the mouse";
}

}  // namespace
}  // namespace e2e
