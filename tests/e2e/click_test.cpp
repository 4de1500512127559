// Clicks on regions: press and release must hit the same region, a double click runs once, and
// the minimise, exit and misspelt actions.
#include <gtest/gtest.h>

#include "lumora_test.h"
#include "process.h"

namespace e2e {
namespace {

using namespace disc;
using Click = LumoraTest;

TEST_F(Click, PressOnOneRegionAndReleaseOnAnotherRunsNothing) {
    ASSERT_TRUE(Start());
    MoveTo(kRegionA.Center());
    PressButton();
    MoveTo(kRegionB.Center());
    ReleaseButton();
    ASSERT_TRUE(Settle());
    EXPECT_EQ(CountSounds("A.wav"), 0);
    EXPECT_EQ(CountSounds("B.wav"), 0);
}

TEST_F(Click, PressMoveAwayAndBackThenReleaseRunsOnce) {
    ASSERT_TRUE(Start());
    MoveTo(kRegionA.Center());
    PressButton();
    MoveTo(kMainPlain);
    MoveTo(kRegionB.Center());
    MoveTo(kRegionA.Center());
    ReleaseButton();
    ASSERT_TRUE(Settle());
    EXPECT_EQ(CountSounds("A.wav"), 1);
    EXPECT_EQ(CountSounds("B.wav"), 0);
}

TEST_F(Click, ADoubleClickRunsOnce) {
    ASSERT_TRUE(Start());
    DoubleClick(OnScreen(kRegionA.Center()));
    ASSERT_TRUE(Settle());
    EXPECT_EQ(CountSounds("A.wav"), 1);
}

TEST_F(Click, AClickTakesTheBalloonAwayAndKeepsTheHighlight) {
    ASSERT_TRUE(StartHoveringA());
    ClickAt(kInsideAOnly);
    ASSERT_TRUE(WaitForSounds("A.wav", 1));
    EXPECT_TRUE(WaitForPixel(kBalloonA.Center(), kMainPaint));
    EXPECT_EQ(PixelAt(kHighlightA.Center()), ColorOf(Paint::kYellow));
    EXPECT_EQ(CountSounds("highlight.wav"), 1) << "the highlight is redrawn, not shown anew";
}

TEST_F(Click, MinimiseActionMinimisesTheWindow) {
    ASSERT_TRUE(Start());
    ClickAt(kRegionMinimize.Center());
    EXPECT_TRUE(WaitUntil([&] { return probe().State(main_).iconic; }));
    EXPECT_EQ(CountSounds("Minimize.wav"), 1);
}

TEST_F(Click, ExitActionEndsTheProgramWithTheEndSound) {
    ini_.Set("Setup", "Application", "Left Over");
    ASSERT_TRUE(Start());
    ClickAt(kExitTip);
    EXPECT_EQ(WaitForExit(), 0);
    EXPECT_TRUE(WaitUntilGone());
    EXPECT_EQ(CountSounds("Exit.wav"), 1);
    ASSERT_FALSE(Sounds().empty());
    EXPECT_EQ(Sounds().back().file, "end.wav");
    EXPECT_EQ(Sounds().back().flags, 0x12u) << "the end sound plays synchronously";
    EXPECT_EQ(ReadIniValue(Path("Lumora.ini"), "Setup", "Application"), std::string());
}

TEST_F(Click, AnActionNameInTheWrongLetterCaseOnlyPlaysTheSound) {
    ASSERT_TRUE(Start());
    ClickAt(kRegionQuiet.Center());  // "dispatchexit"
    EXPECT_TRUE(WaitForSounds("Quiet.wav", 1));
    ASSERT_TRUE(Settle());
    EXPECT_FALSE(e2e::WaitForExit(pid_, 0)) << "the program must still run";
    EXPECT_TRUE(probe().State(main_).visible);
    EXPECT_EQ(CountSounds("end.wav"), 0);
}

TEST_F(Click, AClickOutsideEveryRegionRunsNothing) {
    ASSERT_TRUE(Start());
    ClickAt(kMainPlain);
    ClickAt({kRegionA.right + 5, kRegionA.top + 5});
    ASSERT_TRUE(Settle());
    const auto sounds = Sounds();
    ASSERT_EQ(sounds.size(), 2u) << "start and sync sounds only";
    EXPECT_EQ(sounds[0].flags, 0x13u) << "the start sound plays asynchronously";
}

}  // namespace
}  // namespace e2e
