// The page's session: the disc from memory, drawn and hovered as the kit's preview composes it,
// with the hover machine's commands in the browser's terms.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "page_session.h"
#include "screens/balloon_delay.h"
#include "rgb_image.h"
#include "support/bmp_writer.h"

namespace lumora::disc {
namespace {

namespace fs = std::filesystem;
const fs::path kDemo = fs::path(LUMORA_SOURCE_DIR) / "demo" / "disc";

std::vector<uint8_t> Bytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Text(const fs::path& path) {
    const std::vector<uint8_t> bytes = Bytes(path);
    return {bytes.begin(), bytes.end()};
}

// Every file of the disc folder, named below its root as the page's script names them.
void AddFolder(PageSession& session, const fs::path& folder) {
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            session.AddFile(fs::relative(entry.path(), folder).generic_string(),
                            Bytes(entry.path()));
        }
    }
}

// The session's canvas equals the picture as the kit writes it.
::testing::AssertionResult Shows(const PageSession& session, const RgbImage& expected) {
    if (session.width() != expected.width || session.height() != expected.height) {
        return ::testing::AssertionFailure()
               << "size " << session.width() << "x" << session.height();
    }
    const std::vector<uint8_t>& rgba = session.rgba();
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            const uint8_t* p = &rgba[(static_cast<size_t>(y) * expected.width + x) * 4];
            if (!(Rgb{p[0], p[1], p[2]} == expected.At(x, y)) || p[3] != 255) {
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ")";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

std::vector<PageAction> Actions(const PageCommands& commands) {
    std::vector<PageAction> actions;
    for (const PageCommand& c : commands) {
        actions.push_back(c.action);
    }
    return actions;
}

TEST(PageFiles, NamesIgnoreLetterCaseAndNothingLiesAboveTheRoot) {
    PageFiles files;
    files.Add("Art/Main.BMP", {1});
    files.Add("art\\main.bmp", {2});
    files.Add("art/MAIN.bmp", {3});
    files.Add("art/MAIN.bmp", {4});
    ASSERT_TRUE(files.Find("?:\\art\\main.bmp"));
    EXPECT_EQ(files.Find("?:\\art\\main.bmp")->bytes, std::vector<uint8_t>{2})
        << "the name as written wins";
    EXPECT_EQ(files.Find("?:\\ART\\.\\Main.BMP")->name, "Art/Main.BMP");
    EXPECT_EQ(files.Find("?:\\art\\MAIN.bmp")->bytes, std::vector<uint8_t>{4})
        << "a second file of one name replaces the first";
    EXPECT_FALSE(files.Find("?:\\art\\..\\art\\main.bmp"));
    EXPECT_FALSE(files.Find("C:\\art\\main.bmp")) << "not on the disc";
    EXPECT_FALSE(files.Find("?:\\art"));
}

TEST(PageSession, DrawsAndHoversTheDemoDiscAsThePreviewComposesIt) {
    PageSession session;
    AddFolder(session, kDemo);
    ASSERT_TRUE(session.Open(Text(kDemo / "Lumora.ini")));
    PageCommands shown;
    ASSERT_TRUE(session.ShowStartScreen(shown));
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0].action, PageAction::kDraw);
    EXPECT_EQ(shown[0].rect, (PixelRect{0, 0, 640, 480}));

    DibImage background, highlight, balloon;
    ASSERT_TRUE(background.LoadFile((kDemo / "art/main.bmp").string()));
    ASSERT_TRUE(highlight.LoadFile((kDemo / "art/main/badge_h.bmp").string()));
    ASSERT_TRUE(balloon.LoadFile((kDemo / "art/main/badge_b.bmp").string()));
    EXPECT_TRUE(Shows(session, ToRgb(background, background)));

    // [Main-Region Badge], the first region: a star with its highlight at 301,75 and its
    // balloon at 263,10, both keyed on index 253; BalloonDelay=600.
    EXPECT_EQ(session.HitTest(367, 150), 0);
    const PageCommands hover = session.PointerMove(367, 150, 0);
    EXPECT_EQ(Actions(hover), (std::vector<PageAction>{PageAction::kCapture, PageAction::kHotCursor,
                                                       PageAction::kDraw, PageAction::kSound,
                                                       PageAction::kStartTimer}));
    EXPECT_EQ(hover[2].rect, PlacedRect(301, 75, highlight.width(), highlight.height()));
    EXPECT_EQ(hover[3].file, "sounds/hilite.wav");
    EXPECT_EQ(hover[4].delayMs, 600u);
    DibImage canvas;
    canvas.CopyFrom(background);
    canvas.Compose(highlight, 301, 75, 253);
    EXPECT_TRUE(Shows(session, ToRgb(canvas, background)));

    EXPECT_EQ(
        Actions(session.Timer(kBalloonTimer)),
        (std::vector<PageAction>{PageAction::kStopTimer, PageAction::kDraw, PageAction::kSound}));
    canvas.Compose(balloon, 263, 10, 253);
    EXPECT_TRUE(Shows(session, ToRgb(canvas, background)));

    session.PointerLeave();
    EXPECT_TRUE(Shows(session, ToRgb(background, background)));
}

// A 40x30 disc: screen Main with a region A over its left half (highlight and balloon) and a
// region B without a shape; screen Hidden is not listed.
class SmallDisc : public ::testing::Test {
  protected:
    void Open(const std::string& config) {
        const std::vector<testing::Rgb> palette = {{0, 0, 0}, {255, 0, 0}, {0, 0, 255}};
        session.AddFile("main.bmp",
                        testing::Bitmap8(40, 30, palette, [](int, int) { return uint8_t{0}; }));
        session.AddFile("a_h.bmp",
                        testing::Bitmap8(4, 4, palette, [](int, int) { return uint8_t{1}; }));
        session.AddFile("a_b.bmp",
                        testing::Bitmap8(4, 4, palette, [](int, int) { return uint8_t{2}; }));
        session.AddFile("hi.wav", {1, 2, 3});
        ASSERT_TRUE(
            session.Open("[Config]\n" + config +
                         "ScreenNames=Main\nHighlightSound=%r\\hi.wav\nBalloonSound=%r\\gone.wav\n"
                         "[Screen Main]\nBitmap=%r\\main.bmp\nRegionNames=A|B\n"
                         "[Main-Region A]\nShape=0,0|20,0|20,30|0,30\nHighlightBitmap=%r\\a_h.bmp\n"
                         "BalloonBitmap=%r\\a_b.bmp\nBalloonPosition=30,20\n"
                         "[Main-Region B]\nLaunchFunc=DispatchExit\n"
                         "[Screen Hidden]\nBitmap=%r\\main.bmp\nRegionNames=A\n"));
    }

    PageSession session;
};

TEST_F(SmallDisc, OnlyListedScreensShowAndANegativeDelayIsAVeryLongOne) {
    Open("Startup=Hidden\nBalloonHelp=1\nUseSound=1\nBalloonDelay=-1\n");
    PageCommands out;
    EXPECT_FALSE(session.ShowStartScreen(out));
    EXPECT_FALSE(session.ShowScreen("main", out)) << "named exactly as listed";
    EXPECT_FALSE(session.ShowScreen("Hidden", out));
    EXPECT_TRUE(out.empty());
    ASSERT_TRUE(session.ShowScreen("Main", out));
    EXPECT_EQ(session.ScreenJson(),
              "{\"name\": \"Main\", \"width\": 40, \"height\": 30, \"regions\": ["
              "{\"name\": \"A\", \"shape\": [0, 0, 20, 0, 20, 30, 0, 30]}, "
              "{\"name\": \"B\", \"shape\": []}]}");

    const PageCommands hover = session.PointerMove(5, 5, 0);
    ASSERT_EQ(hover.size(), 5u);
    EXPECT_EQ(hover[3].file, "hi.wav");
    EXPECT_EQ(hover[4].action, PageAction::kStartTimer);
    EXPECT_EQ(hover[4].delayMs, kLongestTimerMs);
    EXPECT_EQ(CommandsJson({hover[4]}),
              "[{\"do\": \"start-timer\", \"timer\": 1, \"ms\": 2147483647}]");
    // The balloon's sound file is not on the disc: nothing to play.
    EXPECT_EQ(Actions(session.Timer(kBalloonTimer)),
              (std::vector<PageAction>{PageAction::kStopTimer, PageAction::kDraw}));
}

TEST_F(SmallDisc, AClickAndEnterRunTheRegionWithoutSoundsWhenTheyAreOff) {
    Open("Startup=Main\nBalloonHelp=0\nUseSound=0\n");
    PageCommands out;
    ASSERT_TRUE(session.ShowStartScreen(out));
    const PageCommands hover = session.PointerMove(5, 5, 0);
    EXPECT_EQ(Actions(hover), (std::vector<PageAction>{PageAction::kCapture, PageAction::kHotCursor,
                                                       PageAction::kDraw, PageAction::kStartTimer}))
        << "no sound";
    EXPECT_EQ(Actions(session.Timer(kBalloonTimer)),
              std::vector<PageAction>{PageAction::kStopTimer})
        << "no balloon while balloons are off";

    EXPECT_TRUE(session.PointerDown(5, 5, 2, kRightHeld).empty()) << "the right button";
    EXPECT_TRUE(session.PointerDown(5, 5, kLeftButton, kLeftHeld).empty());
    const PageCommands click = session.PointerUp(6, 6, kLeftButton);
    ASSERT_FALSE(click.empty());
    EXPECT_EQ(click.back().action, PageAction::kRunRegion);
    EXPECT_EQ(click.back().name, "A");

    session.PointerDown(5, 5, kLeftButton, kLeftHeld);
    const PageCommands away = session.PointerUp(30, 5, kLeftButton);
    EXPECT_TRUE(away.empty() || away.back().action != PageAction::kRunRegion)
        << "press and release on different regions";

    session.PointerLeave();
    session.KeyDown(kKeyTab, false, false);
    EXPECT_TRUE(session.KeyDown(kKeyEnter, false, true).empty()) << "a held Enter runs once";
    const PageCommands enter = session.KeyDown(kKeySpace, false, false);
    ASSERT_FALSE(enter.empty());
    EXPECT_EQ(enter.back().action, PageAction::kRunRegion);
    EXPECT_EQ(enter.back().region, 0) << "B has no shape: Tab passes it by";

    session.Deactivate();
    EXPECT_TRUE(session.PointerMove(5, 5, 0).empty()) << "nothing lights up while inactive";
    session.Activate();
    EXPECT_FALSE(session.PointerMove(6, 5, 0).empty());
}

}  // namespace
}  // namespace lumora::disc
