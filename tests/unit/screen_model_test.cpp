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
    EXPECT_EQ(screen->regions[0].action.launchFunc, "DispatchExit");
    // An empty middle name is a region of its own, read from "Main-Region ".
    EXPECT_EQ(screen->regions[2].name, "");
    EXPECT_EQ(screen->regions[2].section, "Main-Region ");
    EXPECT_EQ(screen->regions[2].action.launchFunc, std::nullopt);
    // A name listed twice reads the same section twice.
    EXPECT_EQ(screen->regions[3].action.launchFunc, "DispatchExit");
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
    EXPECT_FALSE(region.sound);
    EXPECT_FALSE(region.action.launchFunc || region.action.launchData);
}

TEST(ScreenModel, AScreenReaderSpeaksTheLabelElseTheName) {
    const std::string ini = "[Main-Region Exit]\nLabel=Leave the disc\n[Main-Region R1]\nLabel=\n";
    const RegionSpec labelled = LoadRegion(ini, "Exit");
    EXPECT_EQ(labelled.label, "Leave the disc");
    EXPECT_EQ(SpokenName(labelled), "Leave the disc");
    // An empty Label is none.
    EXPECT_EQ(SpokenName(LoadRegion(ini, "R1")), "R1");
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

TEST(ScreenModel, RegionSectionFollowsTheReadRules) {
    // Case, quotes, cut values and repeated keys as the private-profile functions answer.
    const RegionSpec region = LoadRegion(
        "[main-region a]\nlaunchfunc=\"DispatchScreen\"\nLAUNCHFUNC=Second\n"
        "SetupDesc=" +
            std::string(600, 'd') + "\n[Main-Region A]\nSound=ignored\n",
        "A");
    EXPECT_EQ(region.action.launchFunc, "DispatchScreen");
    EXPECT_EQ(region.action.setupDesc, std::string(511, 'd'));
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
