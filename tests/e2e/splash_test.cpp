// The timed logo popup of a region's Splash: where it shows, what it shows, and for how long.
#include <gtest/gtest.h>

#include "lumora_test.h"

namespace e2e {
namespace {

using namespace disc;

class Splash : public LumoraTest {
  protected:
    // Clicks the logo region with the given Splash seconds and waits for the popup.
    Hwnd ClickForPopup(const std::string& seconds) {
        ini_.Set("Main-Region Logo", "Splash", "%rlogo.bmp|" + seconds);
        if (!Start()) {
            return 0;
        }
        ClickAt(kRegionLogo.Center());
        Hwnd popup = 0;
        WaitUntil([&] { return (popup = probe().FindInProcess(main_, "#32770")) != 0; });
        shown_ = Clock::now();
        return popup;
    }
    bool GoneWithin(Hwnd popup, int ms) {
        return WaitUntil([&] { return !probe().Exists(popup) || !probe().State(popup).visible; },
                         milliseconds(ms));
    }
    // Checks that the popup stays until `seconds` less a margin and is gone soon after.
    void ExpectLifetime(Hwnd popup, int seconds) {
        const int stays = seconds * 1000 - 500;
        EXPECT_FALSE(GoneWithin(popup, stays)) << "gone before " << stays << " ms";
        EXPECT_TRUE(GoneWithin(popup, 2000)) << "still there after " << seconds << " s";
        const double lifetime = MillisecondsSince(shown_);
        EXPECT_GE(lifetime, seconds * 1000 - 500);
        EXPECT_LE(lifetime, seconds * 1000 + 1500);
    }

    Clock::time_point shown_;
};

TEST_F(Splash, ThePopupShowsTheLogoAtItsPlaceForItsSeconds) {
    const Hwnd popup = ClickForPopup("2");
    ASSERT_NE(popup, 0u);
    const Metrics& m = metrics();
    const int width = kLogo.Width() + 2 * m.cxDlgFrame, height = kLogo.Height() + 2 * m.cyDlgFrame;
    const int left = (m.cxScreen + 2 * m.cxDlgFrame - kLogo.Width()) >> 1;
    const int top = (m.cyScreen + 2 * m.cyDlgFrame - kLogo.Height()) >> 1;
    EXPECT_EQ(probe().WindowRect(popup), (Rect{left, top, left + width, top + height}));
    const Rect client = probe().ClientRect(popup);
    const Point middle{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    EXPECT_TRUE(WaitUntil(
        [&] { return Env().screen->Pixel(middle.x, middle.y) == ColorOf(Paint::kWhite); }));
    EXPECT_EQ(CountSounds("Logo.wav"), 1) << "the click sound comes first";
    ExpectLifetime(popup, 2);
    EXPECT_TRUE(probe().State(main_).visible) << "the program goes on";
}

TEST_F(Splash, TwentySecondsAreCutToFifteen) {
    const Hwnd popup = ClickForPopup("20");
    ASSERT_NE(popup, 0u);
    ExpectLifetime(popup, 15);
}

TEST_F(Splash, MinusOneSecondIsFifteen) {
    const Hwnd popup = ClickForPopup("-1");
    ASSERT_NE(popup, 0u);
    ExpectLifetime(popup, 15);
}

TEST_F(Splash, APictureWithoutSecondsShowsNoPopup) {
    ini_.Set("Main-Region Logo", "Splash", "%rlogo.bmp");
    ASSERT_TRUE(Start());
    ClickAt(kRegionLogo.Center());
    ASSERT_TRUE(WaitForSounds("Logo.wav", 1));
    ASSERT_TRUE(Settle());
    EXPECT_EQ(probe().FindInProcess(main_, "#32770"), 0u);
}

}  // namespace
}  // namespace e2e
