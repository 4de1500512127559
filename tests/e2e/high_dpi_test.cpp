// Lumora on a 192 dpi display: a screen that fits twice is shown at twice its size in exact
// pixel blocks, regions are hit as at 1x, a screen change keeps the scale, and a screen too large
// to fit twice keeps its size. Wine gives every program started after the change the dpi in
// LogPixels; each test puts the value back as it found it.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "display_dpi.h"
#include "lumora_test.h"

namespace e2e {
namespace {

using namespace disc;

class HighDpi : public LumoraTest {
  protected:
    // Starts at `dpi` with the window's first paint somewhere on the picture.
    ::testing::AssertionResult StartAt(int dpi, Point firstPaint = kMainPlain,
                                       Paint paint = kMainPaint) {
        dpi_.emplace(dpi, Path("reg-query.txt"));
        if (!dpi_->set()) {
            return ::testing::AssertionFailure() << "LogPixels could not be set";
        }
        return Start(firstPaint, paint);
    }
    Rect Screen() { return probe().ClientRect(ScreenWindow()); }
    // A window pixel of the screen (not a picture pixel) on the display.
    Point At(int x, int y) {
        const Rect screen = Screen();
        return {screen.left + x, screen.top + y};
    }
    Rgb ShownAt(int x, int y) {
        const Point p = At(x, y);
        return Env().screen->Pixel(p.x, p.y);
    }
    ::testing::AssertionResult WaitForShown(int x, int y, Paint paint) {
        Rgb seen;
        if (WaitUntil([&] { return (seen = ShownAt(x, y)) == ColorOf(paint); },
                      milliseconds(3000))) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "window pixel (" << x << "," << y << ") shows " << ToString(seen);
    }

    std::optional<DisplayDpi> dpi_;
};

// A picture whose pixels alternate in a checkerboard of single pixels, so that every block edge
// shows: picture pixel (x, y) is yellow when x + y is even, else navy.
Paint Checker(int x, int y) {
    return (x + y) % 2 == 0 ? Paint::kYellow : Paint::kNavy;
}

TEST_F(HighDpi, AScreenThatFitsTwiceIsShownTwiceItsSizeInExactBlocks) {
    ASSERT_TRUE(WritePaintedBitmap(
        Path("main.bmp"), kMain.Width(), kMain.Height(),
        [](int x, int y) { return x >= 300 && y >= 200 ? Checker(x, y) : kMainPaint; }));
    ASSERT_TRUE(StartAt(192));
    const Rect screen = Screen();
    EXPECT_EQ(screen.Width(), 2 * kMain.Width());
    EXPECT_EQ(screen.Height(), 2 * kMain.Height());
    EXPECT_EQ(probe().ClientRect(main_), screen) << "the window holds the doubled screen";
    // Every window pixel of the checkerboard shows its picture pixel's colour, blocks exact.
    int wrong = 0;
    for (int y = 2 * 200; y < 2 * 210; ++y) {
        for (int x = 2 * 300; x < 2 * 312; ++x) {
            const Rgb expected = ColorOf(Checker(x / 2, y / 2));
            if (ShownAt(x, y) != expected && wrong++ < 5) {
                ADD_FAILURE() << "window pixel " << x << "," << y << " shows "
                              << ToString(ShownAt(x, y));
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    // The last row and column of the picture end exactly at the window's edge.
    EXPECT_EQ(ShownAt(799, 599), ColorOf(Checker(399, 299)));
    EXPECT_EQ(ShownAt(798, 599), ColorOf(Checker(399, 299)));
    EXPECT_EQ(ShownAt(797, 599), ColorOf(Checker(398, 299)));
}

TEST_F(HighDpi, RegionsAreHitAsAt1xAtTheirDoubledEdges) {
    ASSERT_TRUE(StartAt(192));
    const Point light = kHighlightA.Center();
    const int lightX = 2 * light.x, lightY = 2 * light.y;
    // Region A is picture pixels 20..99 x 20..79: window pixels 40..199 x 40..159.
    MovePointer(At(2 * kRegionA.right - 1, 2 * kRegionA.bottom - 1));
    EXPECT_TRUE(WaitForShown(lightX, lightY, Paint::kYellow)) << "just inside the bottom right";
    // The highlight is drawn at twice its place and size.
    EXPECT_EQ(ShownAt(2 * kHighlightA.right - 1, 2 * kHighlightA.bottom - 1),
              ColorOf(Paint::kYellow));
    EXPECT_EQ(ShownAt(2 * kHighlightA.right, 2 * kHighlightA.bottom - 1), ColorOf(kMainPaint));
    MovePointer(At(2 * kRegionA.right, 2 * kRegionA.bottom - 1));
    EXPECT_TRUE(WaitForShown(lightX, lightY, kMainPaint)) << "just outside the right edge";
    MovePointer(At(2 * kRegionA.left, 2 * kRegionA.top));
    EXPECT_TRUE(WaitForShown(lightX, lightY, Paint::kYellow)) << "just inside the top left";
    MovePointer(At(2 * kRegionA.left - 1, 2 * kRegionA.top));
    EXPECT_TRUE(WaitForShown(lightX, lightY, kMainPaint)) << "just outside the left edge";
}

TEST_F(HighDpi, AScreenChangeKeepsTheScale) {
    ASSERT_TRUE(StartAt(192));
    Click(At(2 * kRegionNext.Center().x, 2 * kRegionNext.Center().y));
    ASSERT_TRUE(WaitUntil([&] { return probe().Text(main_) == kSecondTitle; }));
    ASSERT_TRUE(WaitForShown(2 * kSecondPlain.x, 2 * kSecondPlain.y, kSecondPaint));
    const Rect screen = Screen();
    EXPECT_EQ(screen.Width(), 2 * kSecond.Width());
    EXPECT_EQ(screen.Height(), 2 * kSecond.Height());
    EXPECT_EQ(ShownAt(2 * kSecond.Width() - 1, 2 * kSecond.Height() - 1), ColorOf(kSecondPaint));
}

TEST_F(HighDpi, AScreenTooLargeToFitTwiceKeepsItsSize) {
    // 640 x 480 doubled with its frame is wider than the 1024 x 768 display.
    ASSERT_TRUE(WriteSolidBitmap(Path("main.bmp"), 640, 480, kMainPaint));
    ASSERT_TRUE(StartAt(192, {635, 475}));
    EXPECT_EQ(Screen().Width(), 640);
    EXPECT_EQ(Screen().Height(), 480);
    MovePointer(At(kInsideAOnly.x, kInsideAOnly.y));
    EXPECT_TRUE(WaitForShown(kHighlightA.Center().x, kHighlightA.Center().y, Paint::kYellow));
}

TEST_F(HighDpi, AnAuthorsTwoTimesBackgroundIsDrawnInsteadOfTheDoubledOne) {
    // The 2x picture has single-pixel detail that no doubled 1x picture can show.
    ASSERT_TRUE(WritePaintedBitmap(
        Path("main@2x.bmp"), 2 * kMain.Width(), 2 * kMain.Height(),
        [](int x, int y) { return x >= 600 && y >= 400 ? Checker(x, y) : kMainPaint; }));
    ASSERT_TRUE(StartAt(192));
    ASSERT_EQ(Screen().Width(), 2 * kMain.Width());
    int wrong = 0;
    for (int y = 400; y < 420; ++y) {
        for (int x = 600; x < 620; ++x) {
            if (ShownAt(x, y) != ColorOf(Checker(x, y)) && wrong++ < 5) {
                ADD_FAILURE() << "window pixel " << x << "," << y << " shows "
                              << ToString(ShownAt(x, y));
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    // The 1x highlight, doubled, goes on the 2x picture at twice its place; hit testing is as
    // at 1x.
    MovePointer(At(2 * kInsideAOnly.x, 2 * kInsideAOnly.y));
    EXPECT_TRUE(
        WaitForShown(2 * kHighlightA.right - 1, 2 * kHighlightA.bottom - 1, Paint::kYellow));
    EXPECT_EQ(ShownAt(2 * kHighlightA.right, 2 * kHighlightA.bottom - 1), ColorOf(kMainPaint));
    // Leaving the region restores the 2x picture under the highlight.
    MovePointer(At(2 * kMainPlain.x, 2 * kMainPlain.y));
    EXPECT_TRUE(WaitForShown(2 * kHighlightA.left, 2 * kHighlightA.top, kMainPaint));
}

TEST_F(HighDpi, ATwoTimesPictureOfTheWrongSizeIsNotUsed) {
    ASSERT_TRUE(WritePaintedBitmap(Path("main@2x.bmp"), 2 * kMain.Width() - 1, 2 * kMain.Height(),
                                   [](int x, int y) { return Checker(x, y); }));
    ASSERT_TRUE(StartAt(192));
    ASSERT_EQ(Screen().Width(), 2 * kMain.Width());
    for (Point p : {Point{600, 400}, Point{601, 400}, Point{600, 401}, Point{0, 0}}) {
        EXPECT_EQ(ShownAt(p.x, p.y), ColorOf(kMainPaint)) << p.x << "," << p.y;
    }
}

TEST_F(HighDpi, TheSplashPictureIsShownAtTwiceItsSize) {
    ASSERT_TRUE(StartAt(192));
    Click(At(2 * kRegionLogo.Center().x, 2 * kRegionLogo.Center().y));
    Hwnd popup = 0;
    ASSERT_TRUE(WaitUntil([&] { return (popup = probe().FindInProcess(main_, "#32770")) != 0; }));
    const Rect client = probe().ClientRect(popup);
    EXPECT_EQ(client.Width(), 2 * kLogo.Width());
    EXPECT_EQ(client.Height(), 2 * kLogo.Height());
    EXPECT_TRUE(WaitUntil([&] {
        return Env().screen->Pixel(client.right - 1, client.bottom - 1) == ColorOf(Paint::kWhite);
    }));
}

TEST_F(HighDpi, MenuPositionIsInPicturePixels) {
    ini_.Set("Menu Tools", "MenuPosition", "20,30");
    ASSERT_TRUE(StartAt(192));
    Click(At(2 * kRegionMenu.Center().x, 2 * kRegionMenu.Center().y));
    Hwnd menu = 0;
    ASSERT_TRUE(WaitUntil([&] { return (menu = probe().FindInProcess(main_, "#32768")) != 0; }));
    const Rect owner = probe().WindowRect(ScreenWindow());
    const Rect place = probe().WindowRect(menu);
    EXPECT_EQ(place.left, owner.left + 2 * 20);
    EXPECT_EQ(place.top, owner.top + 2 * 30);
}

TEST_F(HighDpi, At96NothingChanges) {
    // Not even a 2x picture is drawn.
    ASSERT_TRUE(WritePaintedBitmap(Path("main@2x.bmp"), 2 * kMain.Width(), 2 * kMain.Height(),
                                   [](int x, int y) { return Checker(x, y); }));
    ASSERT_TRUE(StartAt(96));
    EXPECT_EQ(Screen().Width(), kMain.Width());
    EXPECT_EQ(Screen().Height(), kMain.Height());
    EXPECT_EQ(ShownAt(1, 0), ColorOf(kMainPaint));
    MovePointer(At(kRegionA.right - 1, kRegionA.bottom - 1));
    EXPECT_TRUE(WaitForShown(kHighlightA.Center().x, kHighlightA.Center().y, Paint::kYellow));
}

}  // namespace
}  // namespace e2e
