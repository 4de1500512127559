// Screens read ahead while the program is idle: a switch to a screen that the shown one leads to
// (by a region, going back, or a menu's item) opens no file, as Wine's file channel counts them.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "display_dpi.h"
#include "keyboard.h"
#include "lumora_test.h"
#include "wine_log.h"

namespace e2e {
namespace {

using disc::Box;

constexpr Box kFirstRegion{20, 20, 100, 80};  // on each screen, with a highlight at its corner
constexpr Box kLight{20, 20, 60, 50};
constexpr Box kMenuRegion{120, 20, 200, 80};  // on Main: the menu whose item shows Third

class ReadAhead : public LumoraTest {
  protected:
    // Main (400 x 300) leads to Second by a region and to Third by a menu; Second goes back,
    // Third goes to Main.
    void MakeDisc() {
        ini_ = IniText();
        ini_.Set("Config", "ScreenNames", "Main|Second|Third");
        ini_.Set("Config", "Startup", "Main");
        Screen("Main", 400, 300, Paint::kNavy, Paint::kYellow, "DispatchScreen", "Second");
        ini_.Set("Screen Main", "RegionNames", "First|Menu");
        ini_.Set("Main-Region Menu", "Shape", disc::ShapeOf(kMenuRegion));
        ini_.Set("Main-Region Menu", "LaunchFunc", "DispatchMenu");
        ini_.Set("Main-Region Menu", "LaunchData", "Go");
        ini_.Set("Menu Go", "MenuItems", "Far");
        ini_.Set("Go-MenuItem Far", "Description", "Far away");
        ini_.Set("Go-MenuItem Far", "LaunchFunc", "DispatchScreen");
        ini_.Set("Go-MenuItem Far", "LaunchData", "Third");
        Screen("Second", 300, 200, Paint::kMaroon, Paint::kCyan, "DispatchPreviousScreen", "");
        Screen("Third", 200, 100, Paint::kTeal, Paint::kOrange, "DispatchScreen", "Main");
    }

    void Screen(const std::string& name, int width, int height, Paint paint, Paint light,
                const std::string& function, const std::string& data) {
        ASSERT_TRUE(WriteSolidBitmap(Path(name + ".bmp"), width, height, paint));
        ASSERT_TRUE(
            WriteSolidBitmap(Path(name + "-light.bmp"), kLight.Width(), kLight.Height(), light));
        ini_.Set("Screen " + name, "Bitmap", "%r" + name + ".bmp");
        ini_.Set("Screen " + name, "RegionNames", "First");
        const std::string region = name + "-Region First";
        ini_.Set(region, "Shape", disc::ShapeOf(kFirstRegion));
        ini_.Set(region, "HighlightBitmap", "%r" + name + "-light.bmp");
        ini_.Set(region, "HighlightPosition", "20,20");
        ini_.Set(region, "LaunchFunc", function);
        if (!data.empty()) {
            ini_.Set(region, "LaunchData", data);
        }
    }

    // A point of the picture in the window, which shows each picture pixel as a block.
    Point InWindow(Point picture) const { return {picture.x * scale_, picture.y * scale_}; }

    // The files opened from `act` until the screen of `paint` shows, its regions answer the
    // pointer with the highlight `light`, and the program has stopped working on files.
    OpenedFiles SwitchBy(const std::function<void()>& act, Point plain, Paint paint, Paint light) {
        const std::string log = Path("wine.log");
        EXPECT_TRUE(WaitForQuietLog(log));
        const long from = LogSize(log);
        act();
        EXPECT_TRUE(WaitForPixel(InWindow(plain), paint));
        MoveTo(InWindow(kFirstRegion.Center()));
        EXPECT_TRUE(WaitForPixel(InWindow(kLight.Center()), light));
        EXPECT_TRUE(WaitForQuietLog(log));
        return FilesOpened(log, from);
    }

    int scale_ = 1;

    // The menu reads its items as it opens, before the switch its item makes.
    void OpenTheMenu() {
        ClickAt(kMenuRegion.Center());
        ASSERT_TRUE(WaitUntil([&] { return probe().FindInProcess(main_, "#32768") != 0; }));
    }
};

TEST_F(ReadAhead, ASwitchToAScreenTheShownOneLeadsToOpensNoFile) {
    MakeDisc();
    environment_ = {"WINEDEBUG=warn+seh,trace+file"};
    ASSERT_TRUE(Start({395, 295}, Paint::kNavy));
    // The channel counts: the first screen was read from its files.
    ASSERT_GT(FilesOpened(Path("wine.log")).pictures, 0);

    const OpenedFiles byRegion =
        SwitchBy([&] { ClickAt(kFirstRegion.Center()); }, {295, 195}, Paint::kMaroon, Paint::kCyan);
    EXPECT_EQ(byRegion.pictures, 0);
    EXPECT_EQ(byRegion.ini, 0);
    const OpenedFiles back =
        SwitchBy([&] { ClickAt(kFirstRegion.Center()); }, {395, 295}, Paint::kNavy, Paint::kYellow);
    EXPECT_EQ(back.total(), 0) << "going back";
    OpenTheMenu();
    const OpenedFiles byMenu = SwitchBy(
        [&] {
            PressKeys({"Down", "Return"});
        },
        {195, 95}, Paint::kTeal, Paint::kOrange);
    EXPECT_EQ(byMenu.total(), 0) << "by a menu's item";
}

// At an even scale the authors' 2x pictures are looked for too: when the screens are read
// ahead, not when they are shown.
TEST_F(ReadAhead, AtTwiceTheScaleTheAuthorsTwoTimesPicturesAreReadAheadToo) {
    MakeDisc();
    ASSERT_TRUE(WriteSolidBitmap(Path("Second@2x.bmp"), 600, 400, Paint::kGreen));
    const DisplayDpi dpi(192, Path("reg-query.txt"));
    ASSERT_TRUE(dpi.set());
    environment_ = {"WINEDEBUG=warn+seh,trace+file"};
    scale_ = 2;
    ASSERT_TRUE(Start(InWindow({395, 295}), Paint::kNavy));
    ASSERT_EQ(probe().ClientRect(ScreenWindow()).Width(), 800) << "not shown at twice its size";

    const auto clickFirst = [&] { ClickAt(InWindow(kFirstRegion.Center())); };
    // Second shows its author's 2x picture, Main its own doubled.
    const OpenedFiles toSecond = SwitchBy(clickFirst, {295, 195}, Paint::kGreen, Paint::kCyan);
    EXPECT_EQ(toSecond.total(), 0);
    const OpenedFiles back = SwitchBy(clickFirst, {395, 295}, Paint::kNavy, Paint::kYellow);
    EXPECT_EQ(back.total(), 0) << "going back";
}

}  // namespace
}  // namespace e2e
