// What a screen section and its region sections say, by the key rules of the region table.
#include "screens/screen_model.h"

#include <gtest/gtest.h>

#include "config/ini_document.h"
#include "config/string_table.h"

namespace lumora {
namespace {

// Paths are marked so that a test sees which values were expanded, and how often.
ModelContext TestContext() {
    return ModelContext{BuiltInText, [](std::string& path) { path = "<" + path + ">"; }};
}

std::optional<ScreenModel> Load(const std::string& text, const std::string& screen = "Main") {
    return LoadScreenModel(IniDocument(text), screen, TestContext());
}

RegionSpec LoadRegion(const std::string& text, const std::string& region) {
    return LoadRegionSpec(IniDocument(text), "Main", region, TestContext());
}

TEST(ScreenModel, ScreenSectionGivesNameTitlePictureAndRegionsInOrder) {
    std::optional<ScreenModel> screen = Load(
        "[Screen Main]\nDescription=Welcome\nBitmap=%r\\back.bmp\nRegionNames=Exit|A||Exit\n"
        "[Main-Region Exit]\nLaunchFunc=DispatchExit\n"
        "[Screen Main-Region Exit]\nLaunchFunc=Wrong\n");
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->name, "Main");
    EXPECT_EQ(screen->description, "Welcome");
    EXPECT_EQ(screen->background, "<%r\\back.bmp>");
    ASSERT_EQ(screen->regions.size(), 4u);
    EXPECT_EQ(screen->regions[0].name, "Exit");
    EXPECT_EQ(screen->regions[0].section, "Main-Region Exit");
    EXPECT_EQ(screen->regions[0].launchFunc, "DispatchExit");
    // An empty middle name is a region of its own, read from "Main-Region ".
    EXPECT_EQ(screen->regions[2].name, "");
    EXPECT_EQ(screen->regions[2].section, "Main-Region ");
    EXPECT_EQ(screen->regions[2].launchFunc, std::nullopt);
    // A name listed twice reads the same section twice.
    EXPECT_EQ(screen->regions[3].launchFunc, "DispatchExit");
}

TEST(ScreenModel, ScreenWithoutRegionNamesOrBitmapIsNotLoaded) {
    const std::string ini =
        "[Screen NoRegions]\nBitmap=back.bmp\n"
        "[Screen NoBitmap]\nRegionNames=A\n"
        "[Screen EmptyRegions]\nRegionNames=\nBitmap=back.bmp\n"
        "[Screen Plain]\nRegionNames=A\nBitmap=back.bmp\n";
    EXPECT_FALSE(Load(ini, "NoRegions"));
    EXPECT_FALSE(Load(ini, "NoBitmap"));
    EXPECT_FALSE(Load(ini, "EmptyRegions"));
    EXPECT_FALSE(Load(ini, "Unknown"));
    std::optional<ScreenModel> plain = Load(ini, "plain");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->description, "");
    EXPECT_EQ(plain->name, "plain");
}

TEST(ScreenModel, ShapeNeedsThreePoints) {
    const std::string ini =
        "[Main-Region Tri]\nShape=10,20| 30, 40|50\n"
        "[Main-Region Two]\nShape=300,300|400,400\n"
        "[Main-Region Broken]\nShape=a|b,|,c|\n";
    EXPECT_EQ(LoadRegion(ini, "Tri").shape, (std::vector<Point>{{10, 20}, {30, 40}, {50, 50}}));
    EXPECT_TRUE(LoadRegion(ini, "Two").shape.empty());
    EXPECT_TRUE(LoadRegion(ini, "Missing").shape.empty());
    // Broken numbers read as 0; an empty last element is a point too.
    EXPECT_EQ(LoadRegion(ini, "Broken").shape,
              (std::vector<Point>{{0, 0}, {0, 0}, {0, 0}, {0, 0}}));
}

TEST(ScreenModel, AbsentKeysTakeTheirDefaults) {
    const RegionSpec region = LoadRegion("[Main-Region A]\nUnrelated=1\n", "A");
    EXPECT_EQ(region.name, "A");
    EXPECT_TRUE(region.shape.empty());
    for (const RegionPicture* picture : {&region.balloon, &region.highlight}) {
        EXPECT_EQ(picture->path, std::nullopt);
        EXPECT_EQ(picture->position, (Point{0, 0}));
        EXPECT_EQ(picture->transparency, -1);
    }
    EXPECT_FALSE(region.sound || region.splash || region.launchScreenReq || region.launchReq ||
                 region.setupReq || region.launchDir || region.launchFunc || region.launchData ||
                 region.registry || region.setupFunc || region.setupData || region.setupDesc);
    EXPECT_FALSE(region.launchOnReq || region.launchLong || region.exitDuringSetup);
}

TEST(ScreenModel, PicturesKeepPathPositionAndTransparency) {
    const RegionSpec region = LoadRegion(
        "[Main-Region A]\nBalloonBitmap=%r\\missing.bmp\nBalloonPosition=,5\n"
        "BalloonTransparency=0\nHighlightPosition=15\nHighlightTransparency=7x\n",
        "A");
    // The path is there even if the file is not: the window keeps an empty picture for it.
    EXPECT_EQ(region.balloon.path, "<%r\\missing.bmp>");
    EXPECT_EQ(region.balloon.position, (Point{0, 5}));
    EXPECT_EQ(region.balloon.transparency, 0);
    EXPECT_EQ(region.highlight.path, std::nullopt);
    EXPECT_EQ(region.highlight.position, (Point{15, 15}));
    EXPECT_EQ(region.highlight.transparency, 7);
}

TEST(ScreenModel, FlagsFollowTheirOwnRules) {
    const std::string ini =
        "[Main-Region M1]\nLaunchOnReq=-1\nLaunchLong=-1\nExitDuringSetup=-1\n"
        "[Main-Region Z]\nLaunchOnReq=0\nLaunchLong=0\nExitDuringSetup=0\n"
        "[Main-Region P1]\nLaunchOnReq=1\nLaunchLong=1\nExitDuringSetup=1\n"
        "[Main-Region P7]\nLaunchOnReq=7\nLaunchLong=7 days\nExitDuringSetup=yes\n";
    const RegionSpec m1 = LoadRegion(ini, "M1");
    EXPECT_FALSE(m1.launchOnReq);
    EXPECT_FALSE(m1.launchLong);
    EXPECT_TRUE(m1.exitDuringSetup);
    const RegionSpec z = LoadRegion(ini, "Z");
    EXPECT_FALSE(z.launchOnReq || z.launchLong || z.exitDuringSetup);
    const RegionSpec p1 = LoadRegion(ini, "P1");
    EXPECT_TRUE(p1.launchOnReq && p1.launchLong && p1.exitDuringSetup);
    const RegionSpec p7 = LoadRegion(ini, "P7");
    EXPECT_TRUE(p7.launchOnReq);
    EXPECT_TRUE(p7.launchLong);
    // A value without digits reads as 0.
    EXPECT_FALSE(p7.exitDuringSetup);
}

TEST(ScreenModel, PathsAreExpandedOnceAndOtherTextsNever) {
    const RegionSpec region = LoadRegion(
        "[Main-Region A]\nSound=%rs.wav\nSplash=%rlogo.bmp|3|%r extra\nLaunchDir=%r\n"
        "LaunchFunc=%rFunc\nLaunchData=%r\\x.exe\nSetupFunc=%rS\nSetupData=%r\\setup.exe\n"
        "SetupDesc=%rDesc\nLaunchReq=%rDISC|Name|more\nSetupReq=%rS|N\n"
        "LaunchScreenReq=E|800X600|TRUE\n",
        "A");
    EXPECT_EQ(region.sound, "<%rs.wav>");
    EXPECT_EQ(region.splash, (StringList{"<%rlogo.bmp>", "3", "%r extra"}));
    EXPECT_EQ(region.launchDir, "<%r>");
    EXPECT_EQ(region.launchFunc, "%rFunc");
    EXPECT_EQ(region.launchData, "<%r\\x.exe>");
    EXPECT_EQ(region.setupFunc, "%rS");
    EXPECT_EQ(region.setupData, "<%r\\setup.exe>");
    EXPECT_EQ(region.setupDesc, "%rDesc");
    EXPECT_EQ(region.launchReq, (StringList{"%rDISC", "Name", "more"}));
    EXPECT_EQ(region.setupReq, (StringList{"%rS", "N"}));
    EXPECT_EQ(region.launchScreenReq, (StringList{"E", "800X600", "TRUE"}));
}

TEST(ScreenModel, RegistryKeysCountOnlyWithoutLaunchData) {
    const std::string ini =
        "[Main-Region WithData]\nLaunchData=x.exe\nRegistryKey=Software\\App\n"
        "[Main-Region Full]\nRegistryKey=Software\\App\nRegistryData=Path\n"
        "RegistrySubtract=4\nRegistryAppend= -go\n"
        "[Main-Region KeyOnly]\nRegistryKey=Software\\App\n"
        "[Main-Region NoKey]\nRegistryData=Path\nRegistrySubtract=4\n";
    EXPECT_EQ(LoadRegion(ini, "WithData").registry, std::nullopt);
    const std::optional<RegistrySource> full = LoadRegion(ini, "Full").registry;
    ASSERT_TRUE(full);
    EXPECT_EQ(full->key, "Software\\App");
    EXPECT_EQ(full->data, "Path");
    EXPECT_EQ(full->subtract, 4);
    EXPECT_EQ(full->append, "-go");
    const std::optional<RegistrySource> keyOnly = LoadRegion(ini, "KeyOnly").registry;
    ASSERT_TRUE(keyOnly);
    EXPECT_EQ(keyOnly->data, std::nullopt);
    EXPECT_EQ(keyOnly->subtract, kSettingAbsent);
    EXPECT_EQ(keyOnly->append, std::nullopt);
    EXPECT_EQ(LoadRegion(ini, "NoKey").registry, std::nullopt);
}

TEST(ScreenModel, RegionSectionFollowsTheReadRules) {
    // Case, quotes, cut values and repeated keys as the private-profile functions answer.
    const RegionSpec region = LoadRegion(
        "[main-region a]\nlaunchfunc=\"DispatchScreen\"\nLAUNCHFUNC=Second\n"
        "SetupDesc=" +
            std::string(600, 'd') + "\n[Main-Region A]\nSound=ignored\n",
        "A");
    EXPECT_EQ(region.launchFunc, "DispatchScreen");
    EXPECT_EQ(region.setupDesc, std::string(511, 'd'));
    EXPECT_EQ(region.sound, std::nullopt);
}

// Counts the section reads: a screen switch reads the screen's section and one per region.
class CountingReader : public IniReader {
  public:
    explicit CountingReader(const std::string& text) : document_(text) {}
    SectionEntries Section(const std::string& name) const override {
        ++reads;
        return document_.Section(name);
    }
    mutable int reads = 0;

  private:
    IniDocument document_;
};

TEST(ScreenModel, ReadsEachSectionOnce) {
    CountingReader reader(
        "[Screen Main]\nBitmap=b.bmp\nRegionNames=A|B|C\n[Main-Region A]\nShape=0,0|1,0|1,1\n");
    ASSERT_TRUE(LoadScreenModel(reader, "Main", TestContext()));
    EXPECT_EQ(reader.reads, 4);
}

// What the first paint needs comes from the screen's section alone; the regions can wait.
TEST(ScreenModel, ScreenSectionAloneGivesPictureTitleAndRegionNames) {
    CountingReader reader(
        "[Screen Main]\nBitmap=b.bmp\nDescription=Hi\nRegionNames=A||C\n"
        "[Main-Region A]\nShape=0,0|1,0|1,1\n");
    std::optional<ScreenSection> screen = LoadScreenSection(reader, "Main", TestContext());
    ASSERT_TRUE(screen);
    EXPECT_EQ(reader.reads, 1);
    EXPECT_EQ(screen->name, "Main");
    EXPECT_EQ(screen->description, "Hi");
    EXPECT_EQ(screen->background, "<b.bmp>");
    EXPECT_EQ(screen->regionNames, (StringList{"A", "", "C"}));
    EXPECT_FALSE(
        LoadScreenSection(IniDocument("[Screen Main]\nBitmap=b.bmp\n"), "Main", TestContext()));
}

}  // namespace
}  // namespace lumora
