// Loading screens and regions from real INI files, and mapping points to regions.
#include "screens/screen_window.h"

#include "app/main_window.h"
#include "disc_fixture.h"
#include "resource.h"

namespace lumora::testing {
namespace {

class ScreenTest : public DiscFixture {
  protected:
    // The main window registers the class that the screen window uses; it starts on no screen.
    void SetUp() override {
        DiscFixture::SetUp();
        SolidPicture("back.bmp", 640, 480, 5);
    }

    void TearDown() override {
        main_.reset();
        ::UnregisterClassA(ResourceString(IDS_MAIN_WINDOW_CLASS).c_str(),
                           ::GetModuleHandleA(nullptr));
        DiscFixture::TearDown();
    }

    // Loads the screen into a fresh main window's screen window.
    CScreenWindow& Load(const std::string& screen, BOOL expected = TRUE) {
        main_ = std::make_unique<CMainWindow>();
        EXPECT_TRUE(main_->Create());
        CScreenWindow& window = main_->screenWindow();
        EXPECT_EQ(window.LoadScreen(main_->hwnd(), screen), expected);
        return window;
    }

    std::unique_ptr<CMainWindow> main_;
};

TEST_F(ScreenTest, ShapesArePolygonsAndTheFirstListedRegionWins) {
    WriteIni(
        "[Screen Main]\nBitmap=%r\\back.bmp\nRegionNames=Tri|Two|Big|Small\n"
        "[Main-Region Tri]\nShape=10,20| 30, 40|50\n"
        "[Main-Region Two]\nShape=300,300|400,400\n"
        "[Main-Region Big]\nShape=100,100|300,100|300,300|100,300\n"
        "[Main-Region Small]\nShape=150,150|200,150|200,200|150,200\n");
    CScreenWindow& screen = Load("Main");
    ASSERT_EQ(screen.regionCount(), 4);
    // "50" without a comma is the point (50, 50): the triangle spans y 35..40 at x 30.
    EXPECT_EQ(screen.HitTest({30, 37}), 0);
    EXPECT_EQ(screen.HitTest({30, 30}), -1);
    // Two points make no shape: never hit.
    EXPECT_FALSE(screen.region(1)->shape);
    EXPECT_EQ(screen.HitTest({350, 350}), -1);
    // Inside the overlap, Big is listed first.
    EXPECT_EQ(screen.HitTest({175, 175}), 2);
    EXPECT_EQ(screen.HitTest({120, 120}), 2);
}

TEST_F(ScreenTest, RegionRecordsCarryEveryKeyOfTheirSection) {
    WriteIni(
        "[Screen Main]\nBitmap=%r\\back.bmp\nRegionNames=Plain|Keyed|Keyed|Registry\n"
        "[Main-Region Plain]\nShape=0,0|10,0|10,10\nBalloonBitmap=%r\\missing.bmp\n"
        "[Main-Region Keyed]\nBalloonTransparency=0\nHighlightTransparency=7\n"
        "HighlightBitmap=%r\\back.bmp\nLaunchOnReq=1\nLaunchLong=7\nExitDuringSetup=-1\n"
        "LaunchFunc=DispatchScreen\nLaunchData=%r\\x\nSplash=%rlogo.bmp|3|extra\n"
        "HighlightPosition=15\nBalloonPosition=,5\nSound=%rs.wav\nLaunchScreenReq=G|640X480|256\n"
        "LaunchReq=DISC|Disc\nSetupReq=SETUP|Setup disc\nLaunchDir=%r\\dir\n"
        "SetupFunc=DispatchProgram\nSetupData=%r\\setup.exe\nSetupDesc=Game\n"
        "RegistryKey=Software\\Ignored\n"
        "[Main-Region Registry]\nRegistryKey=Software\\App\nRegistryData=Path\n");
    CScreenWindow& screen = Load("Main");
    ASSERT_EQ(screen.regionCount(), 4);
    const CRegion& plain = *screen.region(0);
    EXPECT_EQ(plain.name, "Plain");
    // A balloon key with a missing file still gives an (empty) picture.
    ASSERT_TRUE(plain.balloon);
    EXPECT_TRUE(plain.balloon->empty());
    EXPECT_FALSE(plain.highlight);

    const CRegion& keyed = *screen.region(1);
    EXPECT_FALSE(keyed.shape);
    EXPECT_EQ(keyed.balloonTransparency, 0);
    EXPECT_EQ(keyed.highlightTransparency, 7);
    ASSERT_TRUE(keyed.highlight);
    EXPECT_EQ(keyed.highlight->width(), 640);
    EXPECT_EQ(keyed.highlightPos, (Point{15, 15}));
    EXPECT_EQ(keyed.balloonPos, (Point{0, 5}));
    // The action as the one reader reads it, paths expanded with the real program folder.
    EXPECT_EQ(keyed.sound, folder() + "s.wav");
    EXPECT_EQ(keyed.action.launchFunc, "DispatchScreen");
    EXPECT_EQ(keyed.action.launchData, folder() + "x");
    EXPECT_EQ(keyed.action.splash, (StringList{folder() + "logo.bmp", "3", "extra"}));
    EXPECT_TRUE(keyed.action.exitDuringSetup);
    // A name listed twice reads the same section twice.
    EXPECT_EQ(screen.region(2)->action.launchFunc, "DispatchScreen");

    // Without LaunchData and with nothing in the registry, the region has no launch data.
    const CRegion& registry = *screen.region(3);
    EXPECT_FALSE(registry.action.launchData);
    ASSERT_TRUE(registry.action.registry);
    EXPECT_EQ(registry.action.registry->key, "Software\\App");
    EXPECT_EQ(screen.region(4), nullptr);
    EXPECT_EQ(screen.region(-1), nullptr);
}

TEST_F(ScreenTest, ScreenWithoutRegionNamesOrBackgroundIsNotShown) {
    WriteIni(
        "[Screen NoRegions]\nBitmap=%r\\back.bmp\n"
        "[Screen NoPicture]\nBitmap=%r\\missing.bmp\nRegionNames=A|B\n"
        "[Screen NoBitmapKey]\nRegionNames=A\n");
    for (const char* name : {"NoRegions", "NoPicture", "NoBitmapKey", "Unknown"}) {
        CScreenWindow& screen = Load(name, FALSE);
        EXPECT_FALSE(screen.exists()) << name;
        EXPECT_EQ(screen.regionCount(), 0) << name;
        EXPECT_TRUE(screen.background().empty()) << name;
    }
}

TEST_F(ScreenTest, AWindowThatCannotBeCreatedHoldsNoScreen) {
    WriteIni("[Screen Main]\nBitmap=%r\\back.bmp\nRegionNames=A|B\n");
    main_ = std::make_unique<CMainWindow>();
    ASSERT_TRUE(main_->Create());
    HWND gone =
        ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ::DestroyWindow(gone);
    CScreenWindow& screen = main_->screenWindow();
    EXPECT_FALSE(screen.LoadScreen(gone, "Main"));
    EXPECT_FALSE(screen.exists());
    EXPECT_EQ(screen.regionCount(), 0);
    EXPECT_TRUE(screen.background().empty());
}

TEST_F(ScreenTest, EmptyMiddleNameIsARegionOfItsOwn) {
    WriteIni("[Screen Main]\nBitmap=%r\\back.bmp\nRegionNames=A||B\nDescription=Hello\n");
    CScreenWindow& screen = Load("Main");
    ASSERT_EQ(screen.regionCount(), 3);
    EXPECT_EQ(screen.region(1)->name, "");
    EXPECT_EQ(screen.description(), "Hello");
    RECT placed;
    ::GetWindowRect(screen.hwnd(), &placed);
    EXPECT_EQ(placed.right - placed.left, 640);
    EXPECT_EQ(placed.bottom - placed.top, 480);
    EXPECT_EQ(::GetDlgCtrlID(screen.hwnd()), CScreenWindow::kChildId);
}

TEST_F(ScreenTest, ReloadRegionReadsTheSectionAgain) {
    SolidPicture("balloon.bmp", 20, 10, 1);
    WriteIni(
        "[Screen Main]\nBitmap=%r\\back.bmp\nRegionNames=A\n"
        "[Main-Region A]\nBalloonBitmap=%r\\balloon.bmp\n");
    CScreenWindow& screen = Load("Main");
    ASSERT_TRUE(screen.region(0)->balloon);
    EXPECT_EQ(screen.region(0)->balloon->width(), 20);
    WriteSetting("Main-Region A", "BalloonBitmap", nullptr);
    screen.ReloadRegion(0);
    EXPECT_FALSE(screen.region(0)->balloon);
    EXPECT_EQ(screen.region(0)->name, "A");
}

// The picture goes up first: the regions' sections are read right after the first paint, or
// sooner when something asks for them.
TEST_F(ScreenTest, RegionsAreReadRightAfterTheFirstPaintOrWhenAskedFor) {
    WriteIni(
        "[Screen Main]\nBitmap=%r\\back.bmp\nRegionNames=A\n"
        "[Main-Region A]\nLaunchFunc=AtLoad\n");
    CScreenWindow& painted = Load("Main");
    ::ShowWindow(main_->hwnd(), SW_SHOW);
    ::UpdateWindow(painted.hwnd());
    WriteSetting("Main-Region A", "LaunchFunc", "AfterPaint");
    EXPECT_EQ(painted.region(0)->action.launchFunc, "AtLoad");

    CScreenWindow& asked = Load("Main");
    WriteSetting("Main-Region A", "LaunchFunc", "BeforePaint");
    EXPECT_EQ(asked.region(0)->action.launchFunc, "BeforePaint");
    EXPECT_EQ(asked.regionCount(), 1);
}

// A setup may rewrite the section of the region whose highlight shows: what it showed comes off
// with the picture it was placed from, and the new picture takes its place.
TEST_F(ScreenTest, ReloadingAShownRegionReplacesWhatItShowsOnTheCanvas) {
    SolidPicture("wide.bmp", 40, 20, 1);
    SolidPicture("small.bmp", 10, 10, 2);
    WriteIni(
        "[Screen Main]\nBitmap=%r\\back.bmp\nRegionNames=A\n"
        "[Main-Region A]\nShape=0,0|100,0|100,100\nHighlightBitmap=%r\\wide.bmp\n"
        "HighlightPosition=50,60\n");
    CScreenWindow& screen = Load("Main");
    auto at = [&screen](int x, int y) { return *screen.canvas().image().pixel(x, y); };
    // Tab gives the region the keyboard's focus and shows its highlight.
    ::SendMessageA(screen.hwnd(), WM_KEYDOWN, VK_TAB, 0);
    ASSERT_EQ(at(50, 60), 1);
    ASSERT_EQ(at(89, 79), 1);

    WriteSetting("Main-Region A", "HighlightBitmap", "%r\\small.bmp");
    screen.ReloadRegion(0);
    EXPECT_EQ(at(50, 60), 2);
    EXPECT_EQ(at(59, 69), 2);
    // Where only the old, wider picture was, the background is back.
    EXPECT_EQ(at(60, 60), 5);
    EXPECT_EQ(at(89, 79), 5);

    WriteSetting("Main-Region A", "HighlightBitmap", nullptr);
    screen.ReloadRegion(0);
    EXPECT_EQ(at(50, 60), 5);
    // Escape then takes off nothing more, and Tab shows nothing: the region has no highlight.
    ::SendMessageA(screen.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    ::SendMessageA(screen.hwnd(), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(at(50, 60), 5);
}

TEST_F(ScreenTest, RegionsNamingOneFileShareOnePicture) {
    SolidPicture("shared.bmp", 30, 20, 1);
    SolidPicture("other.bmp", 30, 20, 1);
    // The same file under another letter case is the same file; a missing one stays empty.
    WriteIni(
        "[Screen Main]\nBitmap=%r\\back.bmp\nRegionNames=A|B|C|D\n"
        "[Main-Region A]\nBalloonBitmap=%r\\shared.bmp\nHighlightBitmap=%r\\shared.bmp\n"
        "[Main-Region B]\nHighlightBitmap=%r\\SHARED.BMP\nBalloonBitmap=%r\\missing.bmp\n"
        "[Main-Region C]\nBalloonBitmap=%r\\other.bmp\nHighlightBitmap=%r\\missing.bmp\n"
        "[Main-Region D]\nBalloonBitmap=%r\\Shared.bmp\n");
    CScreenWindow& screen = Load("Main");
    ASSERT_EQ(screen.regionCount(), 4);
    const CRegion &a = *screen.region(0), &b = *screen.region(1), &c = *screen.region(2),
                  &d = *screen.region(3);
    ASSERT_TRUE(a.balloon && a.highlight && b.highlight && c.balloon && d.balloon);
    EXPECT_EQ(a.balloon->width(), 30);
    EXPECT_EQ(a.balloon.get(), a.highlight.get());
    EXPECT_EQ(a.balloon.get(), b.highlight.get());
    EXPECT_EQ(a.balloon.get(), d.balloon.get());
    // Four uses, one picture: the regions hold it and the screen keeps it.
    EXPECT_EQ(a.balloon.use_count(), 5);
    EXPECT_NE(c.balloon.get(), a.balloon.get());
    EXPECT_EQ(c.balloon->width(), 30);
    ASSERT_TRUE(b.balloon && c.highlight);
    EXPECT_TRUE(b.balloon->empty());
    EXPECT_TRUE(c.highlight->empty());
}

TEST_F(ScreenTest, APictureOutlivesItsScreenForTheNextThatNamesIt) {
    SolidPicture("shared.bmp", 30, 20, 1);
    WriteIni(
        "[Screen Main]\nBitmap=%r\\back.bmp\nRegionNames=A|B\n"
        "[Main-Region A]\nBalloonBitmap=%r\\shared.bmp\n"
        "[Main-Region B]\nBalloonBitmap=%r\\shared.bmp\n"
        "[Screen Next]\nBitmap=%r\\back.bmp\nRegionNames=A\n"
        "[Next-Region A]\nBalloonBitmap=%r\\shared.bmp\n");
    CScreenWindow& screen = Load("Main");
    const std::weak_ptr<const CDib> first = screen.region(0)->balloon;
    // A region reloaded after a setup keeps sharing the screen's picture.
    screen.ReloadRegion(0);
    EXPECT_EQ(screen.region(0)->balloon, first.lock());
    EXPECT_EQ(screen.region(1)->balloon, first.lock());
    // The program keeps the picture when its screen goes: the next screen shares it.
    screen.DestroyWindow();
    EXPECT_FALSE(first.expired());
    ASSERT_TRUE(screen.LoadScreen(main_->hwnd(), "Next"));
    EXPECT_EQ(screen.region(0)->balloon, first.lock());
}

TEST_F(ScreenTest, AMissingPictureIsTriedAgainWhenItsRegionReloads) {
    WriteIni(
        "[Screen Main]\nBitmap=%r\\back.bmp\nRegionNames=A|B\n"
        "[Main-Region A]\nHighlightBitmap=%r\\late.bmp\n"
        "[Main-Region B]\nHighlightBitmap=%r\\late.bmp\n");
    CScreenWindow& screen = Load("Main");
    ASSERT_TRUE(screen.region(0)->highlight);
    EXPECT_TRUE(screen.region(0)->highlight->empty());
    // A setup installs the picture; the region it ran for finds it.
    SolidPicture("late.bmp", 12, 8, 2);
    screen.ReloadRegion(0);
    ASSERT_TRUE(screen.region(0)->highlight);
    EXPECT_EQ(screen.region(0)->highlight->width(), 12);
    EXPECT_TRUE(screen.region(1)->highlight->empty());
    screen.ReloadRegion(1);
    EXPECT_EQ(screen.region(1)->highlight.get(), screen.region(0)->highlight.get());
}

TEST_F(ScreenTest, MatteCentresTheScreenOnTheDisplay) {
    WriteIni("[Config]\nBlackMat=1\n[Screen Main]\nBitmap=%r\\back.bmp\nRegionNames=A\n");
    CScreenWindow& screen = Load("Main");
    POINT origin{0, 0};
    ::MapWindowPoints(screen.hwnd(), ::GetParent(screen.hwnd()), &origin, 1);
    EXPECT_EQ(origin.x, (::GetSystemMetrics(SM_CXSCREEN) - 640) >> 1);
    EXPECT_EQ(origin.y, (::GetSystemMetrics(SM_CYSCREEN) - 480) >> 1);
}

TEST_F(ScreenTest, AtScaleTwoRegionsAreHitAsAt1xAtTheirBlockEdges) {
    WriteIni(
        "[Screen Main]\nBitmap=%r\\back.bmp\nRegionNames=Box\n"
        "[Main-Region Box]\nShape=100,100|300,100|300,300|100,300\n");
    CScreenWindow& screen = Load("Main");
    screen.SetScale(2);
    // Picture pixels 100..299 are window pixels 200..599.
    EXPECT_EQ(screen.HitTest({200, 200}), 0);
    EXPECT_EQ(screen.HitTest({199, 200}), -1);
    EXPECT_EQ(screen.HitTest({200, 199}), -1);
    EXPECT_EQ(screen.HitTest({599, 599}), 0);
    EXPECT_EQ(screen.HitTest({600, 599}), -1);
    EXPECT_EQ(screen.HitTest({599, 600}), -1);
    screen.SetScale(3);
    EXPECT_EQ(screen.HitTest({300, 300}), 0);
    EXPECT_EQ(screen.HitTest({299, 300}), -1);
    EXPECT_EQ(screen.HitTest({899, 899}), 0);
    EXPECT_EQ(screen.HitTest({900, 899}), -1);
    screen.SetScale(1);
    EXPECT_EQ(screen.HitTest({299, 299}), 0);
    EXPECT_EQ(screen.HitTest({300, 299}), -1);
}

TEST_F(ScreenTest, ScaledThePlaceInTheParentIsMultiplied) {
    WriteIni("[Screen Main]\nBitmap=%r\\small.bmp\nRegionNames=A\n");
    SolidPicture("small.bmp", 120, 90, 5);
    CScreenWindow& screen = Load("Main");
    screen.SetScale(3);
    screen.PlaceInParent();
    RECT client{};
    ::GetClientRect(screen.hwnd(), &client);
    EXPECT_EQ(client.right, 360);
    EXPECT_EQ(client.bottom, 270);
}

TEST_F(ScreenTest, AnAuthorsTwoTimesPictureIsKeptWithItsPictureWhenItFits) {
    WriteIni(
        "[Screen Main]\nBitmap=%r\\back.bmp\nRegionNames=A\n"
        "[Main-Region A]\nShape=0,0|10,0|10,10\nHighlightBitmap=%r\\light.bmp\n"
        "BalloonBitmap=%r\\tip.bmp\n");
    SolidPicture("back@2x.bmp", 1280, 960, 5);
    SolidPicture("light.bmp", 20, 10, 6);
    SolidPicture("light@2x.bmp", 40, 10, 6);  // not twice as high: not used
    SolidPicture("tip.bmp", 20, 10, 6);
    CScreenWindow& screen = Load("Main");
    // At 1x the 2x pictures are never drawn: they are not even looked for.
    EXPECT_EQ(screen.background().doubleSize(), nullptr);
    EXPECT_EQ(screen.region(0)->highlight->doubleSize(), nullptr);
    // At an even scale they are, and kept with their pictures; pictures without one (or with
    // one that does not fit) are doubled, and the 1x pictures are kept.
    screen.SetScale(2);
    const CDib* twin = screen.background().doubleSize();
    ASSERT_NE(twin, nullptr);
    EXPECT_TRUE(screen.background().hasAuthorsDoubleSize());
    EXPECT_EQ(twin->width(), 1280);
    EXPECT_EQ(twin->palette(), screen.background().palette());
    EXPECT_FALSE(screen.region(0)->highlight->hasAuthorsDoubleSize());
    // Back at 1x and on to 4x, the author's picture is still the one held.
    screen.SetScale(1);
    screen.SetScale(4);
    EXPECT_TRUE(screen.background().hasAuthorsDoubleSize());
    EXPECT_EQ(screen.background().doubleSize()->width(), 1280);
    ASSERT_NE(screen.region(0)->highlight->doubleSize(), nullptr);
    EXPECT_EQ(screen.region(0)->highlight->doubleSize()->height(), 20);
    ASSERT_NE(screen.region(0)->balloon->doubleSize(), nullptr);
    EXPECT_EQ(screen.region(0)->balloon->width(), 20);
}

}  // namespace
}  // namespace lumora::testing
