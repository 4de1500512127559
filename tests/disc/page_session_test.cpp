// The page's session: the disc from memory, drawn and hovered as the kit's preview composes it,
// screens changed through the screen session, menus opened and chosen, clicks said in the
// panel as the table of actions and the click plan say them, and the display's scale.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "imaging/pixel_scale.h"
#include "page_session.h"
#include "rgb_image.h"
#include "screens/balloon_delay.h"
#include "screens/screen_keys.h"
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

// Every file of the disc folder, named below its root as the page's script names them; the
// names by id.
std::vector<std::string> AddFolder(PageSession& session, const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            names.push_back(fs::relative(entry.path(), folder).generic_string());
            session.AddFile(names.back(), Bytes(entry.path()));
        }
    }
    return names;
}

// The session's canvas equals the picture as the kit writes it, each of its pixels a block.
::testing::AssertionResult Shows(const PageSession& session, const RgbImage& expected,
                                 int block = 1) {
    if (session.width() != expected.width * block || session.height() != expected.height * block) {
        return ::testing::AssertionFailure()
               << "size " << session.width() << "x" << session.height();
    }
    const std::vector<uint8_t>& rgba = session.rgba();
    for (int y = 0; y < session.height(); ++y) {
        for (int x = 0; x < session.width(); ++x) {
            const uint8_t* p = &rgba[(static_cast<size_t>(y) * session.width() + x) * 4];
            if (!(Rgb{p[0], p[1], p[2]} == expected.At(x / block, y / block)) || p[3] != 255) {
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

// The first command of this kind, or null.
const PageCommand* Find(const PageCommands& commands, PageAction action) {
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const PageCommand& c) { return c.action == action; });
    return found == commands.end() ? nullptr : &*found;
}

std::string TitleOf(const PageCommands& commands) {
    const PageCommand* title = Find(commands, PageAction::kTitle);
    return title ? title->text : "(none)";
}

std::string Lines(const PageCommand* panel) {
    std::string text;
    for (const std::string& line : panel ? panel->lines : std::vector<std::string>()) {
        text += line + "\n";
    }
    return text;
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
    EXPECT_EQ(files.Find("?:\\art\\main.bmp")->id, 1)
        << "the script names files by the order added";
    EXPECT_EQ(files.Find("?:\\ART\\.\\Main.BMP")->name, "Art/Main.BMP");
    EXPECT_EQ(files.Find("?:\\art\\MAIN.bmp")->bytes, std::vector<uint8_t>{4})
        << "a second file of one name replaces the first";
    EXPECT_EQ(files.Find("?:\\art\\MAIN.bmp")->id, 3);
    EXPECT_FALSE(files.Find("?:\\art\\..\\art\\main.bmp"));
    EXPECT_FALSE(files.Find("C:\\art\\main.bmp")) << "not on the disc";
    EXPECT_FALSE(files.Find("?:\\art"));
}

class DemoPage : public ::testing::Test {
  protected:
    void SetUp() override {
        names_ = AddFolder(session_, kDemo);
        ASSERT_TRUE(session_.Open(Text(kDemo / "Lumora.ini")));
        session_.Display(96, 1920, 1080);
        started_ = session_.Start();
        ASSERT_TRUE(background_.LoadFile((kDemo / "art/main.bmp").string()));
    }
    std::string FileOf(const PageCommand* command) const {
        return command && command->file >= 0 ? names_.at(static_cast<size_t>(command->file))
                                             : "(none)";
    }
    PageCommands Click(int x, int y) {
        session_.PointerMove(x, y, 0);
        session_.PointerDown(x, y, kLeftButton, kLeftHeld);
        return session_.PointerUp(x, y, kLeftButton, 0);
    }

    PageSession session_;
    std::vector<std::string> names_;
    PageCommands started_;
    DibImage background_;
};

TEST_F(DemoPage, DrawsAndHoversTheStartScreenAsThePreviewComposesIt) {
    EXPECT_EQ(TitleOf(started_), "Lumora Demo Disc");
    const PageCommand* resize = Find(started_, PageAction::kResize);
    ASSERT_TRUE(resize);
    EXPECT_EQ(resize->rect, (PixelRect{0, 0, 640, 480}));
    ASSERT_TRUE(Find(started_, PageAction::kDraw));
    EXPECT_EQ(Find(started_, PageAction::kDraw)->rect, (PixelRect{0, 0, 640, 480}));
    EXPECT_EQ(FileOf(Find(started_, PageAction::kSound)), "sounds/start.wav");
    EXPECT_EQ(started_.back().action, PageAction::kScreen) << "the region list follows";
    EXPECT_TRUE(Shows(session_, ToRgb(background_, background_)));
    EXPECT_EQ(session_.ScreenJson().rfind(
                  "{\"name\": \"Main\", \"description\": \"Lumora Demo Disc\", \"width\": 640, "
                  "\"height\": 480, \"scale\": 1, \"regions\": [{\"name\": \"Badge\", \"label\": "
                  "\"Explore the software\", \"shape\": "
                  "[430, 152, ",
                  0),
              0u)
        << session_.ScreenJson().substr(0, 150);

    DibImage highlight, balloon;
    ASSERT_TRUE(highlight.LoadFile((kDemo / "art/main/badge_h.bmp").string()));
    ASSERT_TRUE(balloon.LoadFile((kDemo / "art/main/badge_b.bmp").string()));
    // [Main-Region Badge], the first region: a star with its highlight at 301,75 and its
    // balloon at 263,10, both keyed on index 253; BalloonDelay=600.
    EXPECT_EQ(session_.HitTest(367, 150), 0);
    const PageCommands hover = session_.PointerMove(367, 150, 0);
    EXPECT_EQ(Actions(hover), (std::vector<PageAction>{PageAction::kCapture, PageAction::kHotCursor,
                                                       PageAction::kDraw, PageAction::kSound,
                                                       PageAction::kStartTimer}));
    EXPECT_EQ(hover[2].rect, PlacedRect(301, 75, highlight.width(), highlight.height()));
    EXPECT_EQ(FileOf(&hover[3]), "sounds/hilite.wav");
    EXPECT_EQ(hover[4].delayMs, 600u);
    DibImage canvas;
    canvas.CopyFrom(background_);
    canvas.Compose(highlight, 301, 75, 253);
    EXPECT_TRUE(Shows(session_, ToRgb(canvas, background_)));

    EXPECT_EQ(
        Actions(session_.Timer(kBalloonTimer)),
        (std::vector<PageAction>{PageAction::kStopTimer, PageAction::kDraw, PageAction::kSound}));
    canvas.Compose(balloon, 263, 10, 253);
    EXPECT_TRUE(Shows(session_, ToRgb(canvas, background_)));

    session_.PointerLeave();
    EXPECT_TRUE(Shows(session_, ToRgb(background_, background_)));
}

TEST_F(DemoPage, AClickChangesTheScreenAndBackReturns) {
    // Badge: DispatchScreen Software, with the click's sound.
    const PageCommands click = Click(367, 150);
    const PageCommand* panel = Find(click, PageAction::kPanel);
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->text, "Badge");
    EXPECT_EQ(Lines(panel), "Plays D:\\sounds\\page.wav.\nShows the screen Software.\n");
    EXPECT_EQ(FileOf(Find(click, PageAction::kSound)), "sounds/page.wav");
    EXPECT_EQ(TitleOf(click), "Lumora Demo Disc - Software");
    EXPECT_EQ(click.back().action, PageAction::kScreen);
    EXPECT_EQ(session_.screens().current(), "Software");
    EXPECT_EQ(session_.screens().previous(), "Main");
    // The pointer rests over TuneWeaver on the new screen, which lights up as its window
    // appears under it.
    EXPECT_TRUE(Find(click, PageAction::kHotCursor));

    // [Software-Region Back]: DispatchPreviousScreen.
    const PageCommands back = Click(60, 452);
    EXPECT_EQ(Lines(Find(back, PageAction::kPanel)),
              "Plays D:\\sounds\\page.wav.\nReturns to the screen shown before.\n");
    EXPECT_EQ(TitleOf(back), "Lumora Demo Disc");
    EXPECT_EQ(session_.screens().current(), "Main");
    session_.PointerLeave();
    EXPECT_TRUE(Shows(session_, ToRgb(background_, background_)));
}

TEST_F(DemoPage, AProgramActionIsSaidAsLumoraStartsIt) {
    // [Main-Region ReadMe]: DispatchProgramAndWait with %w\notepad.exe %r\README.TXT.
    const PageCommands click = Click(100, 300);
    EXPECT_EQ(Lines(Find(click, PageAction::kPanel)),
              "Plays D:\\sounds\\click.wav.\n"
              "Starts C:\\WINDOWS\\notepad.exe D:\\README.TXT and waits for it.\n"
              "The program's path is started in its short (8.3) form.\n");
    EXPECT_EQ(session_.screens().current(), "Main") << "nothing else happens on the page";
    // [Main-Region Help]: the help program of the disc's root.
    EXPECT_EQ(Lines(Find(Click(100, 360), PageAction::kPanel)),
              "Plays D:\\sounds\\click.wav.\n"
              "Starts the help program with the topic Using the demo disc.\n"
              "The command: D:\\LNCHHLP.EXE Using the demo disc\n");
}

TEST_F(DemoPage, AMenuOpensAtThePointerOrItsPositionAndAChoiceRunsItsItem) {
    // [Main-Region Version]: DispatchMenu Disc, which has no MenuPosition.
    const PageCommands click = Click(100, 450);
    const PageCommand* menu = Find(click, PageAction::kMenu);
    ASSERT_TRUE(menu);
    EXPECT_TRUE(menu->atPointer);
    ASSERT_EQ(menu->items.size(), 6u) << "Beta has no Description";
    EXPECT_EQ(menu->items[0].text, "Explore the software");
    EXPECT_EQ(menu->items[0].commandId, 1100);
    EXPECT_TRUE(menu->items[2].separator);
    EXPECT_EQ(menu->items[3].text, "Help topics...");

    // Help topics opens [Menu Topics], at MenuPosition=24,240 from the screen's corner.
    const PageCommands topics = session_.MenuChoice(1103);
    EXPECT_EQ(Lines(Find(topics, PageAction::kPanel)), "Opens the menu Topics.\n")
        << "a menu item plays no sound";
    const PageCommand* second = Find(topics, PageAction::kMenu);
    ASSERT_TRUE(second);
    EXPECT_FALSE(second->atPointer);
    EXPECT_EQ(second->rect.left, 24);
    EXPECT_EQ(second->rect.top, 240);
    EXPECT_EQ(Find(session_.MenuChoice(1299), PageAction::kPanel), nullptr)
        << "ids past the routed ones do nothing";
    EXPECT_EQ(Find(session_.MenuChoice(0), PageAction::kPanel), nullptr) << "closed, no choice";

    // The menu shown last is Topics: its first item starts the help program.
    EXPECT_EQ(Lines(Find(session_.MenuChoice(1100), PageAction::kPanel)),
              "Starts the help program with the topic Using the demo disc.\n"
              "The command: D:\\LNCHHLP.EXE Using the demo disc\n");
    Click(100, 450);
    const PageCommands software = session_.MenuChoice(1100);
    EXPECT_EQ(TitleOf(software), "Lumora Demo Disc - Software");
}

TEST_F(DemoPage, TabAndEnterRunARegionFromTheKeyboard) {
    const PageCommands tab = session_.KeyDown(kKeyTab, false, false);
    EXPECT_TRUE(Find(tab, PageAction::kDraw)) << "Badge lights up";
    EXPECT_EQ(session_.KeyDown(kKeyTab, true, false).back().action, PageAction::kStartTimer)
        << "Shift+Tab goes back to Exit, the last";
    const PageCommands enter = session_.KeyDown(kKeyEnter, false, false);
    EXPECT_EQ(Lines(Find(enter, PageAction::kPanel)), "Closes Lumora.\n");
    EXPECT_EQ(Find(session_.KeyDown(kKeyEnter, false, true), PageAction::kPanel), nullptr)
        << "a held Enter runs once";
}

TEST_F(DemoPage, AtTwiceTheDpiEveryPicturePixelIsATwoByTwoBlock) {
    const PageCommands display = session_.Display(192, 2560, 1400);
    EXPECT_EQ(session_.scale(), 2);
    ASSERT_TRUE(Find(display, PageAction::kResize));
    EXPECT_EQ(Find(display, PageAction::kResize)->rect, (PixelRect{0, 0, 1280, 960}));
    EXPECT_EQ(Find(display, PageAction::kResize)->scale, 2);
    EXPECT_TRUE(Shows(session_, ToRgb(background_, background_), 2));
    // The shapes stay in picture pixels: both pixels of a block hit as it does.
    EXPECT_EQ(session_.HitTest(2 * 367, 2 * 150), 0);
    EXPECT_EQ(session_.HitTest(2 * 34 - 1, 2 * 170), -1);
    EXPECT_EQ(session_.HitTest(2 * 34, 2 * 170), 1);
    EXPECT_EQ(session_.HitTest(2 * 34 + 1, 2 * 170 + 1), 1);
    const PageCommands hover = session_.PointerMove(2 * 367, 2 * 150, 0);
    DibImage highlight;
    ASSERT_TRUE(highlight.LoadFile((kDemo / "art/main/badge_h.bmp").string()));
    ASSERT_TRUE(Find(hover, PageAction::kDraw));
    EXPECT_EQ(Find(hover, PageAction::kDraw)->rect,
              ScaleRect(PlacedRect(301, 75, highlight.width(), highlight.height()), 2));
    // A work area that a 2x screen does not fit keeps it at 1x.
    session_.Display(192, 1200, 900);
    EXPECT_EQ(session_.scale(), 1);
}

// A 40x30 disc: screen Main with a region A over its left half (highlight and balloon) and a
// region B without a shape; screen Hidden is not listed.
class SmallDisc : public ::testing::Test {
  protected:
    void Open(const std::string& config, const std::string& regionA = "") {
        const std::vector<testing::Rgb> palette = {{0, 0, 0}, {255, 0, 0}, {0, 0, 255}};
        session.AddFile("main.bmp",
                        testing::Bitmap8(40, 30, palette, [](int, int) { return uint8_t{0}; }));
        session.AddFile("a_h.bmp",
                        testing::Bitmap8(4, 4, palette, [](int, int) { return uint8_t{1}; }));
        session.AddFile("a_b.bmp",
                        testing::Bitmap8(4, 4, palette, [](int, int) { return uint8_t{2}; }));
        session.AddFile("a_b@2x.bmp",
                        testing::Bitmap8(8, 8, palette, [](int x, int) { return uint8_t(x & 1); }));
        session.AddFile("hi.wav", {1, 2, 3});
        ASSERT_TRUE(
            session.Open("[Config]\n" + config +
                         "ScreenNames=Main\nHighlightSound=%r\\hi.wav\nBalloonSound=%r\\gone.wav\n"
                         "[Screen Main]\nBitmap=%r\\main.bmp\nRegionNames=A|B\n"
                         "[Main-Region A]\nShape=0,0|20,0|20,30|0,30\nHighlightBitmap=%r\\a_h.bmp\n"
                         "BalloonBitmap=%r\\a_b.bmp\nBalloonPosition=30,20\n" +
                         regionA +
                         "[Main-Region B]\nLaunchFunc=DispatchExit\n"
                         "[Screen Hidden]\nBitmap=%r\\main.bmp\nRegionNames=A\n"));
    }

    PageSession session;
};

TEST_F(SmallDisc, AScreenNotListedIsNotShown) {
    Open("Startup=Hidden\n");
    const PageCommands none = session.Start();
    EXPECT_EQ(Find(none, PageAction::kDraw), nullptr);
    EXPECT_EQ(TitleOf(none), "Tavlen Splash") << "the program's own title";
    EXPECT_EQ(session.width(), 0);
}

TEST_F(SmallDisc, ANegativeDelayIsAVeryLongOne) {
    Open("Startup=Main\nBalloonHelp=1\nUseSound=1\nBalloonDelay=-1\n");
    session.Start();
    EXPECT_EQ(session.ScreenJson(),
              "{\"name\": \"Main\", \"description\": \"\", \"width\": 40, \"height\": 30, "
              "\"scale\": 1, \"regions\": ["
              "{\"name\": \"A\", \"label\": \"A\", \"shape\": [0, 0, 20, 0, 20, 30, 0, 30], "
              "\"does\": \"Does nothing\"}, "
              "{\"name\": \"B\", \"label\": \"B\", \"shape\": [], \"does\": \"Closes Lumora\"}]}");
    const PageCommands hover = session.PointerMove(5, 5, 0);
    ASSERT_EQ(hover.size(), 5u);
    EXPECT_EQ(hover[3].action, PageAction::kSound);
    EXPECT_EQ(hover[4].action, PageAction::kStartTimer);
    EXPECT_EQ(hover[4].delayMs, kLongestTimerMs);
    EXPECT_EQ(CommandsJson({hover[4]}),
              "[{\"do\": \"start-timer\", \"timer\": 1, \"ms\": 2147483647}]");
    // The balloon's sound file is not on the disc: nothing to play.
    EXPECT_EQ(Actions(session.Timer(kBalloonTimer)),
              (std::vector<PageAction>{PageAction::kStopTimer, PageAction::kDraw}));
}

TEST_F(SmallDisc, AClickAndEnterRunTheRegionWithoutSoundsWhenTheyAreOff) {
    Open("Startup=Main\nBalloonHelp=0\nUseSound=0\n",
         "LaunchFunc=DispatchAbout\nSplash=%r\\a_b.bmp|-5\nSound=%r\\hi.wav\n");
    session.Start();
    const PageCommands hover = session.PointerMove(5, 5, 0);
    EXPECT_EQ(Actions(hover), (std::vector<PageAction>{PageAction::kCapture, PageAction::kHotCursor,
                                                       PageAction::kDraw, PageAction::kStartTimer}))
        << "no sound";
    EXPECT_EQ(Actions(session.Timer(kBalloonTimer)),
              std::vector<PageAction>{PageAction::kStopTimer})
        << "no balloon while balloons are off";

    EXPECT_TRUE(session.PointerDown(5, 5, 2, kRightHeld).empty()) << "the right button";
    EXPECT_TRUE(session.PointerDown(5, 5, kLeftButton, kLeftHeld).empty());
    const PageCommands click = session.PointerUp(6, 6, kLeftButton, 0);
    const PageCommand* panel = Find(click, PageAction::kPanel);
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->text, "A");
    EXPECT_EQ(Lines(panel),
              "Shows D:\\a_b.bmp for 15 s.\nOpens the About page of the preferences.\n")
        << "a negative splash time is the longest; sounds are off";
    EXPECT_EQ(Find(click, PageAction::kSound), nullptr);
    ASSERT_TRUE(Find(click, PageAction::kSplash));
    EXPECT_EQ(Find(click, PageAction::kSplash)->seconds, 15u);

    session.PointerDown(5, 5, kLeftButton, kLeftHeld);
    EXPECT_EQ(Find(session.PointerUp(30, 5, kLeftButton, 0), PageAction::kPanel), nullptr)
        << "press and release on different regions";
    session.PointerDown(5, 5, kLeftButton, kLeftHeld, 1);
    EXPECT_TRUE(Find(session.PointerUp(5, 5, kLeftButton, 0), PageAction::kPanel));
    session.PointerDown(5, 5, kLeftButton, kLeftHeld, 2);
    EXPECT_EQ(Find(session.PointerUp(5, 5, kLeftButton, 0), PageAction::kPanel), nullptr)
        << "a double click runs the region once";
    session.PointerDown(5, 5, kLeftButton, kLeftHeld, 3);
    EXPECT_TRUE(Find(session.PointerUp(5, 5, kLeftButton, 0), PageAction::kPanel))
        << "a third press is a press again";

    session.PointerLeave();
    session.KeyDown(kKeyTab, false, false);
    const PageCommands enter = session.KeyDown(kKeySpace, false, false);
    EXPECT_EQ(Find(enter, PageAction::kPanel)->text, "A") << "B has no shape: Tab passes it by";

    session.Deactivate();
    EXPECT_TRUE(session.PointerMove(5, 5, 0).empty()) << "nothing lights up while inactive";
    session.Activate();
    EXPECT_FALSE(session.PointerMove(6, 5, 0).empty());
}

TEST_F(SmallDisc, AProgramWithASetupIsSaidStepByStep) {
    Open("Startup=Main\nUseSound=1\n",
         "LaunchFunc=DispatchProgram\nLaunchData=%r\\app\\run.exe /x\nLaunchDir=%r\\app\n"
         "LaunchReq=DISC1|Disc One\nLaunchOnReq=1\nLaunchScreenReq=G|800X600|256\n"
         "SetupFunc=DispatchProgramAndWait\nSetupData=%r\\setup.exe\nSetupDesc=Run\n"
         "SetupReq=DISC2|Disc Two\nExitDuringSetup=1\nSound=%r\\hi.wav\n");
    session.Start();
    session.PointerMove(5, 5, 0);
    session.PointerDown(5, 5, kLeftButton, kLeftHeld);
    const PageCommands click = session.PointerUp(5, 5, kLeftButton, 0);
    EXPECT_EQ(Lines(Find(click, PageAction::kPanel)),
              "Checks the display against LaunchScreenReq=G|800X600|256: where it falls short, "
              "says so and stops.\n"
              "Looks for the disc labelled DISC1; until it is found, asks for Disc One (Cancel "
              "stops).\n"
              "Plays D:\\hi.wav.\n"
              "Starts D:\\app\\run.exe /x and closes Lumora.\n"
              "The letter of the drive where the disc was found goes into it.\n"
              "The program's path is started in its short (8.3) form.\n"
              "It starts in the folder D:\\app.\n"
              "When the program is not there, asks whether to install it; Yes runs its setup:\n"
              "  Looks for the disc labelled DISC2; until it is found, asks for Disc Two (Cancel "
              "stops).\n"
              "  Records in [Setup] that Run is being installed; Lumora closes once the setup has "
              "started.\n"
              "  Starts D:\\setup.exe and waits for it.\n"
              "  The program's path is started in its short (8.3) form.\n");
    ASSERT_TRUE(Find(click, PageAction::kSound));
    EXPECT_EQ(Find(click, PageAction::kSound)->file, 4) << "hi.wav, the fifth file added";
}

TEST_F(SmallDisc, AnAuthorsTwoTimesPictureIsDrawnAtAnEvenScale) {
    Open("Startup=Main\nBalloonHelp=1\nUseSound=0\nBalloonDelay=0\n");
    session.Display(192, 1000, 1000);
    session.Start();
    EXPECT_EQ(session.screens().artScale(), 2);
    EXPECT_EQ(session.width(), 80);
    session.PointerMove(10, 10, 0);
    // The balloon's own 2x picture at 2 x (30, 20), its columns alternating red and black; the
    // doubled highlight at (0, 0) is all red.
    const auto at = [&](int x, int y) {
        const uint8_t* p = &session.rgba()[(static_cast<size_t>(y) * session.width() + x) * 4];
        return Rgb{p[0], p[1], p[2]};
    };
    EXPECT_EQ(at(60, 40), (Rgb{0, 0, 0}));
    EXPECT_EQ(at(61, 40), (Rgb{255, 0, 0}));
    EXPECT_EQ(at(7, 7), (Rgb{255, 0, 0}));
    EXPECT_EQ(at(8, 8), (Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace lumora::disc
