// A 640 x 480 display (run in the small-display lane): the window is the bare bitmap at the top
// left without caption, and the logo popup is placed for that display.
#include <gtest/gtest.h>

#include "lumora_test.h"

namespace e2e {
namespace {

using namespace disc;

class SmallDisplay : public LumoraTest {
  protected:
    void SetUp() override {
        LumoraTest::SetUp();
        ASSERT_EQ(metrics().cxScreen, 640) << "run this suite on a 640x480 display";
        ASSERT_EQ(metrics().cyScreen, 480);
    }
};

TEST_F(SmallDisplay, TheWindowIsTheBitmapAtTheTopLeftWithoutCaption) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(probe().WindowRect(main_), (Rect{0, 0, kMain.Width(), kMain.Height()}));
    const uint32_t style = probe().State(main_).style;
    EXPECT_NE(style & 0x00C00000u, 0x00C00000u) << "no caption";
    EXPECT_EQ(style & 0x00040000u, 0u) << "no thick frame";
    EXPECT_EQ(PixelAt({1, 1}), ColorOf(kMainPaint));
}

TEST_F(SmallDisplay, AScreenChangeKeepsTheWindowAtTheTopLeft) {
    ASSERT_TRUE(Start());
    ClickAt(kRegionNext.Center());
    ASSERT_TRUE(WaitForPixel(kSecondPlain, kSecondPaint));
    EXPECT_TRUE(WaitUntil([&] {
        return probe().WindowRect(main_) == Rect{0, 0, kSecond.Width(), kSecond.Height()};
    })) << ToString(probe().WindowRect(main_));
}

TEST_F(SmallDisplay, TheLogoPopupIsPlacedForTheDisplay) {
    ASSERT_TRUE(WriteSolidBitmap(Path("logo320.bmp"), 320, 200, Paint::kWhite));
    ini_.Set("Main-Region Logo", "Splash", "%rlogo320.bmp|2");
    ASSERT_TRUE(Start());
    ClickAt(kRegionLogo.Center());
    Hwnd popup = 0;
    ASSERT_TRUE(WaitUntil([&] { return (popup = probe().FindInProcess(main_, "#32770")) != 0; }));
    const Metrics& m = metrics();
    const int left = (640 + 2 * m.cxDlgFrame - 320) >> 1, top = (480 + 2 * m.cyDlgFrame - 200) >> 1;
    EXPECT_EQ(probe().WindowRect(popup),
              (Rect{left, top, left + 320 + 2 * m.cxDlgFrame, top + 200 + 2 * m.cyDlgFrame}));
    if (m.cxDlgFrame == 3 && m.cyDlgFrame == 3) {
        EXPECT_EQ(probe().WindowRect(popup), (Rect{163, 143, 489, 349}));
    }
}

}  // namespace
}  // namespace e2e
