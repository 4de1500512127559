// Window layout: the large-display test, the main window's style and rectangle, frame drags, the
// screen window's place and the logo popup's rectangle.
#include "screens/layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "actions/logo_layout.h"

namespace lumora {

std::ostream& operator<<(std::ostream& out, const PixelRect& r) {
    return out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

std::ostream& operator<<(std::ostream& out, const PixelSize& s) {
    return out << s.width << "x" << s.height;
}

namespace {

constexpr FrameMetrics kMetrics{4, 19};
constexpr PixelSize kLargeDisplay{1024, 768};

MainWindowFacts Facts(PixelSize picture, PixelSize display, bool blackMat = false) {
    MainWindowFacts facts;
    facts.picture = picture;
    facts.display = display;
    facts.metrics = kMetrics;
    facts.largeDisplay = IsLargeDisplay(display);
    facts.blackMat = blackMat;
    facts.currentLeft = 10;
    facts.currentTop = 20;
    return facts;
}

TEST(LargeDisplay, NeedsMoreThan640By480OnBothAxes) {
    EXPECT_FALSE(IsLargeDisplay({640, 480}));
    EXPECT_FALSE(IsLargeDisplay({641, 480}));
    EXPECT_FALSE(IsLargeDisplay({640, 481}));
    EXPECT_FALSE(IsLargeDisplay({1024, 400}));
    EXPECT_TRUE(IsLargeDisplay({641, 481}));
    EXPECT_TRUE(IsLargeDisplay({1024, 768}));
}

TEST(MainWindowStyle, CaptionOnlyOnALargeDisplayWithoutTheMatte) {
    EXPECT_EQ(MainWindowStyle(false, false), 0x908A0000u);
    EXPECT_EQ(MainWindowStyle(false, true), 0x908A0000u | 0x00CC0000u);
    // The matte is a maximised window without caption, whatever the display.
    EXPECT_EQ(MainWindowStyle(true, true), 0x908A0000u | 0x01000000u);
    EXPECT_EQ(MainWindowStyle(true, false), 0x908A0000u | 0x01000000u);
}

TEST(ScreenPictureSize, NoPictureCountsAs200By100PerSide) {
    EXPECT_EQ(ScreenPictureSize({320, 200}), (PixelSize{320, 200}));
    EXPECT_EQ(ScreenPictureSize({0, 0}), (PixelSize{200, 100}));
    EXPECT_EQ(ScreenPictureSize({-5, 50}), (PixelSize{200, 50}));
    EXPECT_EQ(ScreenPictureSize({320, -1}), (PixelSize{320, 100}));
}

TEST(MainWindowLayout, LargeDisplayFramesTheFrameOnBothAxesAndCentres) {
    const MainWindowPlacement placed = MainWindowLayout(Facts({320, 200}, kLargeDisplay), true);
    EXPECT_TRUE(placed.move);
    EXPECT_FALSE(placed.maximise);
    // 320 + 2 * 4 by 200 + 2 * 4 + 19, centred: (1024 - 328) / 2, (768 - 227) >> 1.
    EXPECT_EQ(placed.rect, (PixelRect{348, 270, 348 + 328, 270 + 227}));
}

TEST(MainWindowLayout, LargeDisplayWithoutCentreKeepsTheTopLeftCorner) {
    const MainWindowPlacement placed = MainWindowLayout(Facts({400, 300}, kLargeDisplay), false);
    EXPECT_TRUE(placed.move);
    EXPECT_EQ(placed.rect, (PixelRect{10, 20, 10 + 408, 20 + 327}));
}

TEST(MainWindowLayout, CentringAWindowLargerThanTheDisplayRoundsTowardsMinusInfinity) {
    // Outer 1039 x 727 on 1024 x 768: -15 >> 1 is -8, not -7.
    const MainWindowPlacement placed = MainWindowLayout(Facts({1031, 700}, kLargeDisplay), true);
    EXPECT_EQ(placed.rect.left, -8);
    EXPECT_EQ(placed.rect.top, 20);
    EXPECT_EQ(placed.rect.width(), 1039);
}

TEST(MainWindowLayout, SmallDisplayIsThePictureAtTheOriginWhateverTheCentreFlag) {
    // 640 x 480 exactly counts as small: no caption, no frame.
    for (bool centre : {true, false}) {
        const MainWindowPlacement placed = MainWindowLayout(Facts({320, 200}, {640, 480}), centre);
        EXPECT_TRUE(placed.move);
        EXPECT_FALSE(placed.maximise);
        EXPECT_EQ(placed.rect, (PixelRect{0, 0, 320, 200})) << "centre " << centre;
    }
}

TEST(MainWindowLayout, FailedScreenLaysOutAs200By100) {
    EXPECT_EQ(MainWindowLayout(Facts({0, 0}, {640, 480}), true).rect, (PixelRect{0, 0, 200, 100}));
    const PixelRect framed = MainWindowLayout(Facts({0, 0}, kLargeDisplay), false).rect;
    EXPECT_EQ(framed, (PixelRect{10, 20, 10 + 208, 20 + 127}));
}

TEST(MainWindowLayout, MatteIsAFrameSizedRestoredWindowThenMaximised) {
    for (PixelSize display : {kLargeDisplay, PixelSize{640, 480}}) {
        const MainWindowPlacement placed = MainWindowLayout(Facts({320, 200}, display, true), true);
        EXPECT_TRUE(placed.move);
        EXPECT_TRUE(placed.maximise);
        EXPECT_EQ(placed.rect, (PixelRect{0, 0, 4, 4})) << display;
    }
    // Without the centre flag the matte leaves the window alone.
    const MainWindowPlacement kept =
        MainWindowLayout(Facts({320, 200}, kLargeDisplay, true), false);
    EXPECT_FALSE(kept.move);
    EXPECT_FALSE(kept.maximise);
}

TEST(FramedWindowSize, AddsTheFrameTwiceAndTheCaptionOnce) {
    EXPECT_EQ(FramedWindowSize({320, 200}, kMetrics), (PixelSize{328, 227}));
    EXPECT_EQ(FramedWindowSize({0, 0}, kMetrics), (PixelSize{208, 127}));
}

TEST(CorrectSizing, EveryEdgeMovesOnlyTheDraggedSides) {
    const PixelSize outer{328, 227};
    const PixelRect dragged{100, 100, 900, 700};
    struct Drag {
        int edge;
        PixelRect corrected;
    };
    const Drag drags[] = {
        {kSizingLeft, {900 - 328, 100, 900, 700}},
        {kSizingRight, {100, 100, 100 + 328, 700}},
        {kSizingTop, {100, 700 - 227, 900, 700}},
        {kSizingTopLeft, {900 - 328, 700 - 227, 900, 700}},
        {kSizingTopRight, {100, 700 - 227, 100 + 328, 700}},
        {kSizingBottom, {100, 100, 900, 100 + 227}},
        {kSizingBottomLeft, {900 - 328, 100, 900, 100 + 227}},
        {kSizingBottomRight, {100, 100, 100 + 328, 100 + 227}},
        // Values that name no edge change nothing.
        {0, dragged},
        {9, dragged},
        {-1, dragged},
    };
    for (const Drag& drag : drags) {
        EXPECT_EQ(CorrectSizing(drag.edge, dragged, outer), drag.corrected) << "edge " << drag.edge;
    }
}

TEST(KeptInWorkArea, ASuggestionMovesTheLeastThatPutsItOnTheWorkArea) {
    const PixelRect work{0, 30, 1024, 738};
    // Inside: as suggested.
    EXPECT_EQ(KeptInWorkArea({100, 100, 500, 400}, work), (PixelRect{100, 100, 500, 400}));
    // Past an edge: moved back onto it, the size kept.
    EXPECT_EQ(KeptInWorkArea({900, 700, 1300, 1000}, work), (PixelRect{624, 438, 1024, 738}));
    EXPECT_EQ(KeptInWorkArea({-5000, 0, -4600, 300}, work), (PixelRect{0, 30, 400, 330}));
    // Larger than the work area: it starts where the work area does.
    EXPECT_EQ(KeptInWorkArea({300, 300, 2300, 1300}, work), (PixelRect{0, 30, 2000, 1030}));
    // A rectangle turned inside out is a point; the extremes stay in range.
    EXPECT_EQ(KeptInWorkArea({500, 500, 400, 400}, work), (PixelRect{500, 500, 500, 500}));
    EXPECT_EQ(KeptInWorkArea({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, work),
              (PixelRect{0, 30, INT_MAX, INT_MAX}));
}

TEST(ScreenWindowRect, AtTheOriginWithoutTheMatte) {
    EXPECT_EQ(ScreenWindowRect({640, 480}, false, kLargeDisplay), (PixelRect{0, 0, 640, 480}));
    EXPECT_EQ(ScreenWindowRect({0, 0}, false, kLargeDisplay), (PixelRect{0, 0, 200, 100}));
}

TEST(ScreenWindowRect, CentredOnTheDisplayUnderTheMatte) {
    EXPECT_EQ(ScreenWindowRect({640, 480}, true, kLargeDisplay),
              (PixelRect{192, 144, 192 + 640, 144 + 480}));
    // No picture: the 200 x 100 fallback is centred.
    EXPECT_EQ(ScreenWindowRect({0, 0}, true, kLargeDisplay),
              (PixelRect{412, 334, 412 + 200, 334 + 100}));
}

TEST(ScreenWindowRect, APictureLargerThanTheDisplayGetsNegativeOffsets) {
    const PixelRect wide = ScreenWindowRect({700, 400}, true, {640, 480});
    EXPECT_EQ(wide, (PixelRect{-30, 40, 670, 440}));
    // An odd negative difference goes one pixel further left and up.
    const PixelRect odd = ScreenWindowRect({701, 483}, true, {640, 480});
    EXPECT_EQ(odd.left, -31);
    EXPECT_EQ(odd.top, -2);
}

TEST(LogoPopupRect, FrameLiesRightOfAndBelowTheCentre) {
    EXPECT_EQ(LogoPopupRect({320, 200}, {640, 480}, {3, 3}),
              (PixelRect{163, 143, 163 + 326, 143 + 206}));
    // Unequal frames count on their own axes.
    EXPECT_EQ(LogoPopupRect({100, 50}, {1024, 768}, {2, 4}),
              (PixelRect{464, 363, 464 + 104, 363 + 58}));
}

TEST(LogoPopupRect, APictureLargerThanTheDisplayHalvesTowardsMinusInfinity) {
    // Three and five pixels too large: -3 >> 1 is -2 and -5 >> 1 is -3.
    const PixelRect r = LogoPopupRect({640 + 6 + 3, 480 + 6 + 5}, {640, 480}, {3, 3});
    EXPECT_EQ(r.left, -2);
    EXPECT_EQ(r.top, -3);
    EXPECT_EQ(r.width(), 640 + 6 + 3 + 6);
}

TEST(Layout, HostileSizesStayInRange) {
    // Sanitizers watch the arithmetic; every answer stays a valid int.
    const PixelSize huge{INT_MAX, INT_MAX};
    const PixelSize outer = FramedWindowSize(huge, {INT_MAX, INT_MAX});
    EXPECT_EQ(outer, (PixelSize{INT_MAX, INT_MAX}));
    MainWindowFacts facts = Facts(huge, kLargeDisplay);
    facts.currentLeft = INT_MAX;
    EXPECT_EQ(MainWindowLayout(facts, false).rect.right, INT_MAX);
    EXPECT_EQ(CorrectSizing(kSizingBottomRight, {INT_MAX - 1, 0, 0, 0}, huge).right, INT_MAX);
    EXPECT_EQ(CorrectSizing(kSizingTopLeft, {0, 0, -2, -2}, huge).left, INT_MIN);
    EXPECT_EQ(ScreenWindowRect(huge, true, {INT_MIN, 0}).left, INT_MIN);
    EXPECT_EQ(LogoPopupRect(huge, {0, 0}, huge),
              (PixelRect{INT_MAX >> 1, INT_MAX >> 1, INT_MAX, INT_MAX}));
}

}  // namespace
}  // namespace lumora
