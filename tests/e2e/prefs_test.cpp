// The preferences sheet as the user meets it: opened from a region, its tabs, its check boxes,
// OK writing the INI file, the matte taking effect, Help, and the two pictures centred.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "lumora_test.h"

namespace e2e {
namespace {

using namespace disc;

constexpr Box kRegionPrefs{320, 250, 390, 290};  // DispatchPreferences
constexpr Box kRegionAbout{320, 190, 390, 240};  // DispatchAbout

constexpr unsigned kPsmGetCurrentPageHwnd = 0x476;
constexpr unsigned kBmGetCheck = 0xF0;
constexpr unsigned kCbGetCurSel = 0x147;
constexpr unsigned kCbSetCurSel = 0x14E;
constexpr uint32_t kDisabled = 0x08000000;
constexpr int kOk = 1, kCancel = 2, kHelp = 9;

struct Tab {
    std::string text;
    Rect rect;
};

// A 4-bit BMP file as colours, top-down.
struct Picture {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    Rgb At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

uint32_t Read32(const std::string& b, size_t at) {
    return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
           static_cast<uint8_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

Picture ReadPicture(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Picture picture;
    if (bytes.size() < 54 + 64 || bytes[28] != 4) {
        return picture;
    }
    picture.width = static_cast<int>(Read32(bytes, 18));
    picture.height = static_cast<int>(Read32(bytes, 22));
    const size_t offset = Read32(bytes, 10);
    const size_t stride = ((picture.width * 4 + 31) / 32) * 4;
    if (bytes.size() < offset + stride * picture.height) {
        return Picture{};
    }
    for (int y = 0; y < picture.height; ++y) {
        const size_t row = offset + (picture.height - 1 - y) * stride;
        for (int x = 0; x < picture.width; ++x) {
            const uint8_t pair = bytes[row + x / 2];
            const size_t entry = 54 + 4 * (x % 2 ? pair & 0xF : pair >> 4);
            picture.pixels.push_back({static_cast<uint8_t>(bytes[entry + 2]),
                                      static_cast<uint8_t>(bytes[entry + 1]),
                                      static_cast<uint8_t>(bytes[entry])});
        }
    }
    return picture;
}

Point Centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class Prefs : public LumoraTest {
  protected:
    void SetUp() override {
        LumoraTest::SetUp();
        ini_.Set("Screen Main", "RegionNames",
                 "A|B|Next|Exit|C|D|Minimize|Back|Quiet|Sync|Logo|Prefs|About");
        ini_.Set("Main-Region Prefs", "Shape", ShapeOf(kRegionPrefs));
        ini_.Set("Main-Region Prefs", "LaunchFunc", "DispatchPreferences");
        ini_.Set("Main-Region About", "Shape", ShapeOf(kRegionAbout));
        ini_.Set("Main-Region About", "LaunchFunc", "DispatchAbout");
    }

    // Clicks a region and waits for the sheet.
    ::testing::AssertionResult Open(const Box& region = kRegionPrefs) {
        ClickAt(region.Center());
        if (!WaitUntil([&] {
                sheet_ = probe().FindInProcess(main_, "#32770");
                return sheet_ != 0 && probe().Text(sheet_) == "Preferences";
            })) {
            return ::testing::AssertionFailure() << "no preferences sheet";
        }
        probe().WaitForIdle(main_, 5000);
        return ::testing::AssertionSuccess();
    }

    Hwnd Item(Hwnd dialog, int id) {
        return std::strtoul(
            probe().Ask("dlgitem " + std::to_string(dialog) + " " + std::to_string(id)).c_str(),
            nullptr, 10);
    }
    Hwnd Page() { return probe().Send(sheet_, kPsmGetCurrentPageHwnd); }
    void ClickItem(Hwnd dialog, int id) { Click(Centre(probe().ClientRect(Item(dialog, id)))); }
    void ClickButton(int id) { ClickItem(sheet_, id); }
    bool Checked(int id) { return probe().Send(Item(Page(), id), kBmGetCheck) == 1; }

    std::vector<Tab> Tabs() {
        std::vector<Tab> tabs;
        std::istringstream all(probe().AskHook(sheet_, "tabs"));
        for (std::string one; std::getline(all, one, '|');) {
            std::istringstream in(one);
            Tab tab;
            in >> tab.text >> tab.rect.left >> tab.rect.top >> tab.rect.right >> tab.rect.bottom;
            tabs.push_back(tab);
        }
        return tabs;
    }

    // Clicks the tab and waits until its page is the current one.
    ::testing::AssertionResult ShowTab(const std::string& name) {
        for (const Tab& tab : Tabs()) {
            if (tab.text == name) {
                Click(Centre(tab.rect));
                if (WaitUntil([&] { return probe().Text(Page()) == name; })) {
                    return ::testing::AssertionSuccess();
                }
                return ::testing::AssertionFailure() << "the " << name << " page did not show";
            }
        }
        return ::testing::AssertionFailure() << "no tab " << name;
    }

    bool WaitUntilClosed() {
        return WaitUntil([&] { return !probe().Exists(sheet_); });
    }

    std::optional<std::string> Config(const std::string& key) {
        return ReadIniValue(Path("Lumora.ini"), "Config", key);
    }

    // The help launcher's stand-in, as LNCHHLP.EXE in the program folder.
    ::testing::AssertionResult InstallHelpLauncher() {
        const std::string probe = Env().windowsBuild + "/tests/win/help_launcher_probe.exe";
        std::error_code error;
        std::filesystem::copy_file(probe, Path("LNCHHLP.EXE"), error);
        if (error) {
            return ::testing::AssertionFailure() << probe << ": " << error.message();
        }
        return ::testing::AssertionSuccess();
    }

    // The command line that the help launcher was started with, once it has written it.
    std::string TakeHelpLaunch() {
        const std::string report = Path("help-launch.txt");
        std::string text;
        WaitUntil([&] {
            std::ifstream in(report, std::ios::binary);
            text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            return !text.empty();
        });
        std::filesystem::remove(report);
        return text.substr(0, text.find_first_of("\r\n"));
    }

    // Pixels of the picture that the current page does not show where centring puts it.
    int Misplaced(const std::string& file) {
        const Picture picture = ReadPicture(Env().resources + "/" + file);
        if (picture.width != 358 || picture.height != 210) {
            ADD_FAILURE() << file << " did not read as a 358 x 210 picture";
            return -1;
        }
        const Rect client = probe().ClientRect(Page());
        const int left = client.left + ((client.Width() - picture.width) >> 1);
        const int top = client.top + ((client.Height() - picture.height) >> 1);
        int wrong = 0;
        for (int y = 0; y < picture.height; y += 2) {
            for (int x = y % 4; x < picture.width; x += 3) {
                if (Env().screen->Pixel(left + x, top + y) != picture.At(x, y)) {
                    ++wrong;
                }
            }
        }
        return wrong;
    }

    ::testing::AssertionResult ShowsCentred(const std::string& file) {
        int wrong = -1;
        if (WaitUntil([&] { return (wrong = Misplaced(file)) == 0; }, milliseconds(3000))) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << wrong << " pixels of " << file << " misplaced";
    }

    Hwnd sheet_ = 0;
};

TEST_F(Prefs, ARegionOpensTheSheetOnOptionsWithTheTabsInOrder) {
    ini_.Set("Config", "BlackMat", "0");
    ini_.Set("Config", "BalloonHelp", "1");
    ini_.Set("Config", "UseSound", "1");
    ASSERT_TRUE(Start());
    // The common controls load for the sheet, not at start, and in the manifest's version 6.
    EXPECT_EQ(probe().ModulePath(main_, "comctl32.dll"), "");
    ASSERT_TRUE(Open());
    std::string controls = probe().ModulePath(main_, "comctl32.dll");
    std::transform(controls.begin(), controls.end(), controls.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_NE(controls.find("common-controls_6595b64144ccf1df_6."), std::string::npos) << controls;
    std::vector<std::string> names;
    for (const Tab& tab : Tabs()) {
        names.push_back(tab.text);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Options", "Support", "About"}));
    EXPECT_EQ(probe().Text(Page()), "Options");
    EXPECT_FALSE(Checked(1005));
    EXPECT_TRUE(Checked(1006));
    EXPECT_TRUE(Checked(1007));
    EXPECT_EQ(probe().Send(Item(Page(), 1004), kCbGetCurSel), 0u) << "Main, the start screen";
    EXPECT_NE(probe().State(main_).style & kDisabled, 0u) << "the main window waits";

    ClickButton(kCancel);
    ASSERT_TRUE(WaitUntilClosed());
    EXPECT_EQ(probe().State(main_).style & kDisabled, 0u);
    EXPECT_EQ(Config("UseSound"), "1");
}

TEST_F(Prefs, TheAboutActionOpensTheSheetOnAbout) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Open(kRegionAbout));
    EXPECT_EQ(probe().Text(Page()), "About");
    EXPECT_TRUE(ShowsCentred("about.bmp"));
    ClickButton(kCancel);
    EXPECT_TRUE(WaitUntilClosed());
}

TEST_F(Prefs, OkWritesTheChoicesToTheFile) {
    ini_.Set("Config", "UseAnim", "1");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Open());
    ClickItem(Page(), 1007);  // Use Sound off
    ClickItem(Page(), 1006);  // Use Balloons off
    EXPECT_TRUE(WaitUntil([&] { return !Checked(1006) && !Checked(1007); }));
    probe().Send(Item(Page(), 1004), kCbSetCurSel, 1);
    ClickButton(kOk);
    ASSERT_TRUE(WaitUntilClosed());
    EXPECT_EQ(Config("UseSound"), "0");
    EXPECT_EQ(Config("BalloonHelp"), "0");
    EXPECT_EQ(Config("BlackMat"), "0");
    EXPECT_EQ(Config("UseAnim"), "1");
    EXPECT_EQ(Config("Startup"), "Second");
    EXPECT_EQ(Config("StartScreens"), "Main|Second") << "read only";
    EXPECT_EQ(Config("BalloonDelay"), "300");

    // The sound is off at once: clicks play nothing now. The screen change shows that both
    // clicks have been handled.
    const size_t before = Sounds().size();
    ClickAt(kRegionSync.Center());
    ClickAt(kRegionNext.Center());
    ASSERT_TRUE(WaitForPixel(kSecondPlain, kSecondPaint));
    EXPECT_EQ(Sounds().size(), before);
}

TEST_F(Prefs, ApplyMatteLaysTheMainWindowOutAgainAfterTheSheetCloses) {
    ASSERT_TRUE(Start());
    const Rect framed = probe().WindowRect(main_);
    ASSERT_TRUE(Open());
    ClickItem(Page(), 1005);
    EXPECT_TRUE(WaitUntil([&] { return Checked(1005); }));
    ClickButton(kOk);
    ASSERT_TRUE(WaitUntilClosed());
    EXPECT_TRUE(WaitUntil([&] { return probe().State(main_).zoomed; })) << "matted";
    EXPECT_EQ(Config("BlackMat"), "1");
    // The screen is centred in the main window, which now fills the display.
    const Metrics& m = metrics();
    const auto centred = [&] {
        const Rect client = probe().ClientRect(main_);
        const int left = client.left + ((client.Width() - kMain.Width()) >> 1);
        const int top = client.top + ((client.Height() - kMain.Height()) >> 1);
        return Rect{left, top, left + kMain.Width(), top + kMain.Height()};
    };
    const auto laidOut = [&] {
        const Rect client = probe().ClientRect(main_);
        return client.Width() >= m.cxScreen - 2 && client.Height() >= m.cyScreen - 2 &&
               probe().ClientRect(ScreenWindow()) == centred();
    };
    EXPECT_TRUE(WaitUntil(laidOut)) << ToString(probe().ClientRect(main_)) << ", screen at "
                                    << ToString(probe().ClientRect(ScreenWindow()));
    EXPECT_TRUE(WaitForPixel(kMainPlain, kMainPaint));
    EXPECT_TRUE(WaitUntil([&] { return Env().screen->Pixel(20, 20) == ColorOf(Paint::kBlack); }))
        << "the matte is black";

    // OK without a change leaves the layout alone; unticking goes back to the framed window.
    ASSERT_TRUE(Open());
    ClickButton(kOk);
    ASSERT_TRUE(WaitUntilClosed());
    ASSERT_TRUE(probe().WaitForIdle(main_, 5000));
    EXPECT_TRUE(probe().State(main_).zoomed);
    ASSERT_TRUE(Open());
    ClickItem(Page(), 1005);
    ClickButton(kOk);
    ASSERT_TRUE(WaitUntilClosed());
    EXPECT_TRUE(WaitUntil([&] { return probe().WindowRect(main_) == framed; }))
        << ToString(probe().WindowRect(main_)) << " is not " << ToString(framed);
    EXPECT_EQ(Config("BlackMat"), "0");
}

TEST_F(Prefs, HelpStartsTheLauncherWithThePagesTopicAndIsDisabledOnAbout) {
    ASSERT_TRUE(InstallHelpLauncher());
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Open());
    ClickButton(kHelp);
    const std::string first = TakeHelpLaunch();
    EXPECT_NE(first.find("LNCHHLP.EXE Customizing Tavlen Splash"), std::string::npos) << first;
    EXPECT_TRUE(probe().Exists(sheet_)) << "the sheet stays open";

    ASSERT_TRUE(ShowTab("Support"));
    ClickButton(kHelp);
    const std::string launch = TakeHelpLaunch();
    EXPECT_NE(launch.find("LNCHHLP.EXE Customer Service"), std::string::npos) << launch;

    ASSERT_TRUE(ShowTab("About"));
    EXPECT_NE(probe().State(Item(sheet_, kHelp)).style & kDisabled, 0u);
    ClickButton(kCancel);
    EXPECT_TRUE(WaitUntilClosed());
}

TEST_F(Prefs, ThePicturesAreCentredAndRepaintedWhenShownAgain) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Open());
    ASSERT_TRUE(ShowTab("Support"));
    EXPECT_TRUE(ShowsCentred("support.bmp"));
    ASSERT_TRUE(ShowTab("About"));
    EXPECT_TRUE(ShowsCentred("about.bmp"));
    ASSERT_TRUE(ShowTab("Support"));
    EXPECT_TRUE(ShowsCentred("support.bmp"));
    ClickButton(kCancel);
    EXPECT_TRUE(WaitUntilClosed());
}

TEST_F(Prefs, ThePublisherSectionPutsTheDiscsTextsOnTheSupportAndAboutPages) {
    ini_.Set("Publisher", "Product", "Atlas 3");
    ini_.Set("Publisher", "Telephone", "(555) 010-1000");
    ini_.Set("Publisher", "Copyright", "Copyright 2026 Atlas Maps");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Open());
    // The page's lines, and how many dark pixels of text each one shows.
    const auto lines = [&] {
        std::vector<std::pair<std::string, int>> shown;
        for (int id = 1100; Hwnd control = Item(Page(), id); ++id) {
            const Rect r = probe().ClientRect(control);
            int ink = 0;
            for (const Rgb& pixel : Env().screen->Area(r.left, r.top, r.Width(), r.Height())) {
                ink += pixel.r + pixel.g + pixel.b < 200;
            }
            shown.emplace_back(probe().Text(control), ink);
        }
        return shown;
    };
    const auto texts = [&] {
        std::vector<std::string> out;
        for (const auto& line : lines()) {
            out.push_back(line.first);
        }
        return out;
    };
    const auto allInked = [&] {
        for (const auto& line : lines()) {
            if (line.second == 0) {
                return false;
            }
        }
        return true;
    };
    ASSERT_TRUE(ShowTab("Support"));
    EXPECT_EQ(texts(), (std::vector<std::string>{"Customer Service", "Product", "Atlas 3",
                                                 "Telephone", "(555) 010-1000"}));
    EXPECT_TRUE(WaitUntil(allInked)) << "every line is drawn";
    EXPECT_GT(Misplaced("support.bmp"), 1000) << "and the built-in picture is not";
    ASSERT_TRUE(ShowTab("About"));
    EXPECT_EQ(texts(), (std::vector<std::string>{"Atlas 3", "Telephone", "(555) 010-1000",
                                                 "Copyright 2026 Atlas Maps"}));
    EXPECT_TRUE(WaitUntil(allInked));
    ClickButton(kCancel);
    EXPECT_TRUE(WaitUntilClosed());
}

}  // namespace
}  // namespace e2e
