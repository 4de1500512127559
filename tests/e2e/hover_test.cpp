// The pointer over the screen: highlight at once with the hand cursor, the balloon after its
// delay, and everything cleared when the pointer moves on, leaves, or drags a button.
#include <gtest/gtest.h>

#include "cursor_file.h"
#include "lumora_test.h"

namespace e2e {
namespace {

using namespace disc;

class Hover : public LumoraTest {
  protected:
    bool ShowsHandCursor() { return Env().screen->Cursor() == hand_; }
    // True when `picture` keeps its background paint for `ms` milliseconds.
    bool StaysPlain(Point picture, int ms) {
        return !WaitUntil([&] { return PixelAt(picture) != ColorOf(kMainPaint); },
                          milliseconds(ms));
    }

    const CursorPicture hand_ = ReadCursorFile(Env().resources + "/hand.cur");
};

TEST_F(Hover, HighlightAppearsAtOnceWithTheHandCursor) {
    ASSERT_TRUE(Start());
    EXPECT_FALSE(ShowsHandCursor());
    MoveTo(kInsideAOnly);
    EXPECT_TRUE(WaitForPixel(kHighlightA.Center(), Paint::kYellow, 1000));
    EXPECT_TRUE(WaitUntil([&] { return ShowsHandCursor(); }, milliseconds(1000)));
    EXPECT_TRUE(WaitForSounds("highlight.wav", 1));
    EXPECT_EQ(PixelAt(kInsideAOnly), ColorOf(kMainPaint)) << "only the picture's rectangle changes";
}

TEST_F(Hover, BalloonComesAfterTheDelayAndNotBefore) {
    ini_.Set("Config", "BalloonDelay", "1000");
    ASSERT_TRUE(Start());
    MoveTo(kInsideAOnly);
    ASSERT_TRUE(WaitForPixel(kHighlightA.Center(), Paint::kYellow));
    const auto lit = Clock::now();
    EXPECT_TRUE(StaysPlain(kBalloonA.Center(), 500)) << "balloon before half the delay";
    EXPECT_EQ(CountSounds("balloon.wav"), 0);
    EXPECT_TRUE(WaitForPixel(kBalloonA.Center(), Paint::kGreen, 2000));
    EXPECT_GE(MillisecondsSince(lit), 900.0);
    EXPECT_TRUE(WaitForSounds("balloon.wav", 1));
}

TEST_F(Hover, BalloonHelpOffShowsNoBalloon) {
    ini_.Set("Config", "BalloonHelp", "0").Set("Config", "BalloonDelay", "0");
    ASSERT_TRUE(Start());
    MoveTo(kInsideAOnly);
    ASSERT_TRUE(WaitForPixel(kHighlightA.Center(), Paint::kYellow));
    EXPECT_TRUE(StaysPlain(kBalloonA.Center(), 500));
    EXPECT_EQ(CountSounds("balloon.wav"), 0);
}

TEST_F(Hover, MovingToAnotherRegionReplacesBothPictures) {
    ASSERT_TRUE(StartHoveringA());

    MoveTo({kRegionB.right - 5, kRegionB.bottom - 5});
    EXPECT_TRUE(WaitForPixel(kHighlightB.Center(), Paint::kCyan));
    EXPECT_TRUE(WaitForPixel(kBalloonB.Center(), Paint::kMagenta));
    EXPECT_EQ(PixelAt(kHighlightA.Center()), ColorOf(kMainPaint));
    EXPECT_EQ(PixelAt(kBalloonA.Center()), ColorOf(kMainPaint));
    EXPECT_TRUE(ShowsHandCursor());
}

TEST_F(Hover, MovingOffThePendingBalloonsRegionCancelsIt) {
    ini_.Set("Config", "BalloonDelay", "400");
    ASSERT_TRUE(Start());
    MoveTo(kInsideAOnly);
    ASSERT_TRUE(WaitForPixel(kHighlightA.Center(), Paint::kYellow));
    EXPECT_EQ(PixelAt(kBalloonA.Center()), ColorOf(kMainPaint)) << "the balloon is not due yet";
    MoveTo(kMainPlain);
    ASSERT_TRUE(WaitForPixel(kHighlightA.Center(), kMainPaint));
    EXPECT_TRUE(StaysPlain(kBalloonA.Center(), 800));
}

TEST_F(Hover, LeavingTheWindowClearsEverythingAndRestoresTheCursor) {
    ASSERT_TRUE(StartHoveringA());
    ASSERT_TRUE(WaitUntil([&] { return ShowsHandCursor(); }));

    // Out of the window to the left; under Wine the captured window hears of it only through
    // a cursor position set from inside the prefix.
    const Rect window = probe().WindowRect(main_);
    ASSERT_GT(window.left, 20);
    const Point outside{window.left - 15, window.top + 40};
    MovePointer(outside);
    probe().SetCursorPosition(outside);
    EXPECT_TRUE(WaitForPixel(kHighlightA.Center(), kMainPaint));
    EXPECT_TRUE(WaitForPixel(kBalloonA.Center(), kMainPaint));
    EXPECT_TRUE(WaitUntil([&] { return !ShowsHandCursor(); }));
    EXPECT_EQ(probe().AskHook(main_, "cursor"), "same") << "the class cursor is the arrow again";
}

TEST_F(Hover, AnotherProgramComingToTheFrontClearsTheHover) {
    ini_.Set("Config", "BalloonDelay", "0");
    ASSERT_TRUE(Start());
    const Hwnd other = Cover({0, 0, 40, 40});
    ASSERT_NE(other, 0u);
    ASSERT_EQ(probe().Ask("setforeground " + std::to_string(main_)), "1");
    MoveTo(kInsideAOnly);
    ASSERT_TRUE(WaitForPixel(kHighlightA.Center(), Paint::kYellow));
    ASSERT_TRUE(WaitForPixel(kBalloonA.Center(), Paint::kGreen));

    ASSERT_EQ(probe().Ask("setforeground " + std::to_string(other)), "1");
    EXPECT_TRUE(WaitForPixel(kHighlightA.Center(), kMainPaint));
    EXPECT_TRUE(WaitForPixel(kBalloonA.Center(), kMainPaint));
}

TEST_F(Hover, AHeldButtonShowsTheHandButNoHighlight) {
    ini_.Set("Config", "BalloonDelay", "0");
    ASSERT_TRUE(Start());
    MoveTo(kMainPlain);
    PressButton();
    MoveTo(kInsideAOnly);
    // The hand shows once the move has been handled; the highlight would have come before it.
    EXPECT_TRUE(WaitUntil([&] { return ShowsHandCursor(); }));
    EXPECT_EQ(PixelAt(kHighlightA.Center()), ColorOf(kMainPaint));
    EXPECT_EQ(PixelAt(kBalloonA.Center()), ColorOf(kMainPaint));
    ReleaseButton();
    ASSERT_TRUE(Settle());
    EXPECT_EQ(CountSounds("highlight.wav"), 0);
    EXPECT_EQ(CountSounds("A.wav"), 0) << "a press outside every region runs nothing";

    MoveTo(kInsideAOnly);
    EXPECT_TRUE(WaitForPixel(kHighlightA.Center(), Paint::kYellow)) << "and hovering works again";
}

TEST_F(Hover, WhereRegionsOverlapTheFirstListedWins) {
    ASSERT_TRUE(Start());
    MoveTo(kOverlapCD);
    EXPECT_TRUE(WaitForPixel(kHighlightC.Center(), Paint::kTeal));
    EXPECT_TRUE(WaitForSounds("highlight.wav", 1));
    EXPECT_EQ(PixelAt(kHighlightD.Center()), ColorOf(kMainPaint));
    ClickAt(kOverlapCD);
    EXPECT_TRUE(WaitForSounds("C.wav", 1));
    EXPECT_EQ(CountSounds("D.wav"), 0);
}

}  // namespace
}  // namespace e2e
