// Changing screens by clicks: go to a screen, the one-level history, and names that are not
// screens of the disc.
#include <gtest/gtest.h>

#include "lumora_test.h"

namespace e2e {
namespace {

using namespace disc;

class Screens : public LumoraTest {
  protected:
    // The outer size of the main window for a picture on a large display.
    Rect Framed(const Box& picture, Point at) {
        const Metrics& m = metrics();
        return {at.x, at.y, at.x + picture.Width() + 2 * m.cxFrame,
                at.y + picture.Height() + 2 * m.cxFrame + m.cyCaption};
    }
    ::testing::AssertionResult Shows(Point plain, Paint paint, const std::string& title) {
        auto painted = WaitForPixel(plain, paint);
        if (!painted) {
            return painted;
        }
        if (!WaitUntil([&] { return probe().Text(main_) == title; })) {
            return ::testing::AssertionFailure()
                   << "caption \"" << probe().Text(main_) << "\", not \"" << title << "\"";
        }
        return ::testing::AssertionSuccess();
    }
};

TEST_F(Screens, GoToScreenChangesScreenCaptionAndSizeWithoutCentring) {
    ASSERT_TRUE(Start());
    const Rect before = probe().WindowRect(main_);
    ASSERT_EQ(before, Framed(kMain, {before.left, before.top}));
    ClickAt(kRegionNext.Center());
    ASSERT_TRUE(Shows(kSecondPlain, kSecondPaint, kSecondTitle));
    EXPECT_EQ(probe().WindowRect(main_), Framed(kSecond, {before.left, before.top}))
        << "the top-left corner stays";
    const Rect screen = probe().ClientRect(ScreenWindow());
    EXPECT_EQ(screen.Width(), kSecond.Width());
    EXPECT_EQ(screen.Height(), kSecond.Height());
    EXPECT_EQ(CountSounds("Next.wav"), 1);
}

TEST_F(Screens, PreviousScreenTwiceReturnsToWhereItStarted) {
    ASSERT_TRUE(Start());
    ClickAt(kRegionNext.Center());
    ASSERT_TRUE(Shows(kSecondPlain, kSecondPaint, kSecondTitle));
    ClickAt(kRegionPrevious.Center());
    ASSERT_TRUE(Shows(kMainPlain, kMainPaint, kMainTitle));
    ClickAt(kRegionBack.Center());
    ASSERT_TRUE(Shows(kSecondPlain, kSecondPaint, kSecondTitle));
    ClickAt(kRegionPrevious.Center());
    ASSERT_TRUE(Shows(kMainPlain, kMainPaint, kMainTitle));
    const Rect window = probe().WindowRect(main_);
    EXPECT_EQ(window.Width(), kMain.Width() + 2 * metrics().cxFrame);
}

TEST_F(Screens, ANameOutsideScreenNamesChangesOnlyTheCaption) {
    ASSERT_TRUE(Start());
    ClickAt(kRegionNext.Center());
    ASSERT_TRUE(Shows(kSecondPlain, kSecondPaint, kSecondTitle));
    const Rect before = probe().WindowRect(main_);
    const Hwnd screen = ScreenWindow();
    ASSERT_TRUE(SameScreenShown(screen));
    ClickAt(kRegionMissing.Center());
    ASSERT_TRUE(WaitForSounds("Missing.wav", 1));
    EXPECT_TRUE(WaitUntil([&] { return probe().Text(main_) == kAppTitle; }));
    EXPECT_EQ(PixelAt(kSecondPlain), ColorOf(kSecondPaint));
    EXPECT_EQ(probe().WindowRect(main_), before);
    EXPECT_TRUE(SameScreenShown(screen)) << "the screen was not reloaded";
    // Still the second screen: its previous-screen region goes back to the first.
    ClickAt(kRegionPrevious.Center());
    EXPECT_TRUE(Shows(kMainPlain, kMainPaint, kMainTitle));
}

TEST_F(Screens, PreviousBeforeAnySwitchChangesOnlyTheCaption) {
    ASSERT_TRUE(Start());
    const Rect before = probe().WindowRect(main_);
    ClickAt(kRegionBack.Center());
    ASSERT_TRUE(WaitForSounds("Back.wav", 1));
    EXPECT_TRUE(WaitUntil([&] { return probe().Text(main_) == kAppTitle; }));
    EXPECT_EQ(PixelAt(kMainPlain), ColorOf(kMainPaint));
    EXPECT_EQ(probe().WindowRect(main_), before);
}

TEST_F(Screens, AScreenThatFailsToLoadLeavesA200By100Window) {
    ASSERT_TRUE(Start());
    const Rect before = probe().WindowRect(main_);
    ClickAt(kRegionNext.Center());
    ASSERT_TRUE(Shows(kSecondPlain, kSecondPaint, kSecondTitle));
    ClickAt(kRegionBroken.Center());
    EXPECT_TRUE(WaitUntil([&] { return ScreenWindow() == 0; })) << "no screen window";
    EXPECT_TRUE(WaitUntil([&] {
        return probe().WindowRect(main_) == Framed({0, 0, 200, 100}, {before.left, before.top});
    })) << ToString(probe().WindowRect(main_));
}

}  // namespace
}  // namespace e2e
