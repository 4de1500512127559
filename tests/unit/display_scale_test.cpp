// The whole-number display scale, the layout at that scale, and the mapping between window pixels
// and picture pixels at block edges.
#include "screens/display_scale.h"

#include <gtest/gtest.h>

#include <climits>

#include "imaging/pixel_scale.h"

namespace lumora {
namespace {

constexpr FrameMetrics kMetrics{4, 19};

ScaleFacts Facts(int dpi, PixelSize workArea, PixelSize picture, bool blackMat = false) {
    ScaleFacts facts;
    facts.dpi = dpi;
    facts.workArea = workArea;
    facts.picture = picture;
    facts.metrics = kMetrics;
    facts.largeDisplay = IsLargeDisplay(workArea);
    facts.blackMat = blackMat;
    return facts;
}

TEST(DisplayScale, IsTheWholePartOfDpiOver96WhenTheWindowFits) {
    const PixelSize workArea{2560, 1440};
    const PixelSize picture{320, 240};
    EXPECT_EQ(DisplayScale(Facts(96, workArea, picture)), 1);
    EXPECT_EQ(DisplayScale(Facts(120, workArea, picture)), 1);
    EXPECT_EQ(DisplayScale(Facts(144, workArea, picture)), 1);
    EXPECT_EQ(DisplayScale(Facts(191, workArea, picture)), 1);
    EXPECT_EQ(DisplayScale(Facts(192, workArea, picture)), 2);
    EXPECT_EQ(DisplayScale(Facts(288, workArea, picture)), 3);
    EXPECT_EQ(DisplayScale(Facts(384, workArea, picture)), 4);
}

TEST(DisplayScale, FallsToTheLargestScaleWhoseFramedWindowFits) {
    // 320 x 240 at 3: 960 + 8 by 720 + 8 + 19 = 968 x 747.
    EXPECT_EQ(DisplayScale(Facts(288, {968, 747}, {320, 240})), 3);
    EXPECT_EQ(DisplayScale(Facts(288, {968, 746}, {320, 240})), 2);
    EXPECT_EQ(DisplayScale(Facts(288, {967, 747}, {320, 240})), 2);
    // 640 x 480 doubled with its frame is 1288 wide: it keeps its size on 1024 x 768.
    EXPECT_EQ(DisplayScale(Facts(192, {1024, 768}, {640, 480})), 1);
    EXPECT_EQ(DisplayScale(Facts(288, {1024, 768}, {640, 480})), 1);
    EXPECT_EQ(DisplayScale(Facts(192, {1024, 768}, {320, 240})), 2);
}

TEST(DisplayScale, UnderTheMatteOnlyTheScreenMustFit) {
    // 640 x 480 at 3 is 1920 x 1440: exactly the work area, which the frame would overflow.
    EXPECT_EQ(DisplayScale(Facts(288, {1920, 1440}, {640, 480}, true)), 3);
    EXPECT_EQ(DisplayScale(Facts(288, {1920, 1440}, {640, 480}, false)), 2);
    EXPECT_EQ(DisplayScale(Facts(288, {1919, 1440}, {640, 480}, true)), 2);
    EXPECT_EQ(DisplayScale(Facts(192, {1024, 768}, {640, 480}, true)), 1);
}

TEST(DisplayScale, ASmallDisplayHasNoFrameToFit) {
    ScaleFacts facts = Facts(192, {640, 480}, {320, 240});
    ASSERT_FALSE(facts.largeDisplay);
    EXPECT_EQ(DisplayScale(facts), 2);
    facts.picture = {321, 240};
    EXPECT_EQ(DisplayScale(facts), 1);
}

TEST(DisplayScale, MissingPictureAndBrokenFactsStayAtOne) {
    // No picture counts as 200 x 100.
    EXPECT_EQ(DisplayScale(Facts(192, {400, 200}, {0, 0})), 2);
    EXPECT_EQ(DisplayScale(Facts(192, {399, 200}, {0, 0})), 1);
    EXPECT_EQ(DisplayScale(Facts(0, {2560, 1440}, {320, 240})), 1);
    EXPECT_EQ(DisplayScale(Facts(-192, {2560, 1440}, {320, 240})), 1);
    EXPECT_EQ(DisplayScale(Facts(192, {0, 0}, {320, 240})), 1);
    EXPECT_EQ(DisplayScale(Facts(192, {-5, -5}, {320, 240})), 1);
    // Huge numbers neither overflow nor loop for long.
    EXPECT_EQ(DisplayScale(Facts(INT_MAX, {INT_MAX, INT_MAX}, {1, 1})), kMaxDisplayScale);
    EXPECT_EQ(DisplayScale(Facts(INT_MAX, {INT_MAX, INT_MAX}, {INT_MAX, INT_MAX})), 1);
}

TEST(ScaledLayout, MultipliesTheWindowTheScreenAndTheMatteOffsets) {
    MainWindowFacts facts;
    facts.picture = {320, 240};
    facts.display = {1024, 768};
    facts.metrics = kMetrics;
    facts.largeDisplay = true;
    facts.scale = 2;
    // 648 x 507 centred: (1024 - 648) / 2, (768 - 507) >> 1.
    EXPECT_EQ(MainWindowLayout(facts, true).rect, PlacedRect(188, 130, 648, 507));
    facts.largeDisplay = false;
    EXPECT_EQ(MainWindowLayout(facts, true).rect, PlacedRect(0, 0, 640, 480));
    EXPECT_EQ(ScreenWindowRect({320, 240}, false, {1024, 768}, 2), PlacedRect(0, 0, 640, 480));
    EXPECT_EQ(ScreenWindowRect({320, 240}, true, {1024, 768}, 2), PlacedRect(192, 144, 640, 480));
    EXPECT_EQ(ScreenWindowRect({0, 0}, true, {1024, 768}, 3), PlacedRect(212, 234, 600, 300));
    EXPECT_EQ(ScreenWindowRect({320, 240}, true, {1024, 768}), PlacedRect(352, 264, 320, 240));
}

TEST(PointerMapping, EveryPixelOfABlockMapsToItsPicturePixel) {
    for (int scale = 1; scale <= 4; ++scale) {
        for (int px = -3; px <= 3; ++px) {
            EXPECT_EQ(ToPictureCoordinate(scale * px, scale), px) << scale;
            EXPECT_EQ(ToPictureCoordinate(scale * px + scale - 1, scale), px) << scale;
            // One past the block is the next picture pixel.
            EXPECT_EQ(ToPictureCoordinate(scale * px + scale, scale), px + 1) << scale;
        }
    }
    EXPECT_EQ(ToPictureCoordinate(639, 2), 319);
    EXPECT_EQ(ToPictureCoordinate(640, 2), 320);
    EXPECT_EQ(ToPictureCoordinate(-1, 2), -1);
    EXPECT_EQ(ToPictureCoordinate(INT_MIN, 2), INT_MIN / 2);
    EXPECT_EQ(ToPictureCoordinate(7, 0), 7);
}

TEST(PointerMapping, RectanglesGrowToWholeBlocksAndBack) {
    EXPECT_EQ(ScaleRect({1, 2, 3, 5}, 2), (PixelRect{2, 4, 6, 10}));
    EXPECT_EQ(ScaleRect({INT_MAX - 1, 0, INT_MAX, 1}, 3), (PixelRect{INT_MAX, 0, INT_MAX, 3}));
    // Window pixels 3..4 x 3..5 touch picture pixels 1..2 x 1..2 at 2x.
    EXPECT_EQ(PictureAreaOf({3, 3, 5, 6}, 2), (PixelRect{1, 1, 3, 3}));
    EXPECT_EQ(PictureAreaOf({4, 4, 6, 6}, 2), (PixelRect{2, 2, 3, 3}));
    EXPECT_EQ(PictureAreaOf({-1, 0, 1, 1}, 2), (PixelRect{-1, 0, 1, 1}));
    EXPECT_EQ(PictureAreaOf({5, 5, 5, 9}, 2), PixelRect{});
    EXPECT_EQ(PictureAreaOf({3, 3, 5, 6}, 1), (PixelRect{3, 3, 5, 6}));
}

}  // namespace
}  // namespace lumora
