// Pop-up menus of the INI file, opened by a region whose action is DispatchMenu: their lines as
// the program built them (read from inside it), their place, and what choosing an item runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "lumora_test.h"
#include "process.h"

namespace e2e {
namespace {

using namespace disc;

constexpr unsigned kMenuItemGrayed = 0x3;   // MFS_DISABLED
constexpr unsigned kMenuItemChecked = 0x8;  // MFS_CHECKED

struct MenuLine {
    unsigned id = 0;
    unsigned state = 0;
    bool separator = false;
    Rect rect;  // screen coordinates
    std::string text;
    Point Center() const { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }
};

class Menu : public LumoraTest {
  protected:
    void Item(const std::string& name, const std::string& text, const std::string& func = "",
              const std::string& data = "", const std::string& menu = "Tools") {
        const std::string section = menu + "-MenuItem " + name;
        ini_.Set(section, "Description", text);
        if (!func.empty()) {
            ini_.Set(section, "LaunchFunc", func);
        }
        if (!data.empty()) {
            ini_.Set(section, "LaunchData", data);
        }
    }

    // The lines of the open pop-up menu; empty when none is open.
    std::vector<MenuLine> Lines() {
        std::vector<MenuLine> lines;
        const std::string answer = probe().AskHook(main_, "popupmenu");
        if (answer == "none" || answer.rfind("err", 0) == 0) {
            return lines;
        }
        std::istringstream all(answer);
        std::string one;
        while (std::getline(all, one, '|')) {
            std::istringstream in(one);
            MenuLine line;
            std::string kind;
            in >> line.id >> line.state >> kind >> line.rect.left >> line.rect.top >>
                line.rect.right >> line.rect.bottom;
            line.separator = kind == "sep";
            std::getline(in >> std::ws, line.text);
            lines.push_back(line);
        }
        return lines;
    }

    // Clicks the menu region and waits for the menu; its lines.
    std::vector<MenuLine> OpenMenu() {
        ClickAt(kRegionMenu.Center());
        std::vector<MenuLine> lines;
        WaitUntil([&] { return !(lines = Lines()).empty(); });
        return lines;
    }

    // The menu has closed and every input before has been handled.
    ::testing::AssertionResult Closed() {
        if (!WaitUntil([&] { return probe().FindInProcess(main_, "#32768") == 0; })) {
            return ::testing::AssertionFailure() << "the menu is still open";
        }
        return ::testing::AssertionSuccess();
    }

    bool ShowsSecondScreen() {
        return WaitUntil([&] { return probe().Text(main_) == kSecondTitle; }) &&
               static_cast<bool>(WaitForPixel(kSecondPlain, kSecondPaint));
    }
};

TEST_F(Menu, ItemsAndSeparatorsAreLinesWithIdsInOrder) {
    ASSERT_TRUE(Start());
    const std::vector<MenuLine> lines = OpenMenu();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].id, 1100u);
    EXPECT_EQ(lines[0].text, "Alpha");
    EXPECT_FALSE(lines[0].separator);
    EXPECT_EQ(lines[1].id, 1101u);
    EXPECT_TRUE(lines[1].separator);
    EXPECT_EQ(lines[2].id, 1102u);
    EXPECT_EQ(lines[2].text, "Beta");
    for (const MenuLine& line : {lines[0], lines[2]}) {
        EXPECT_EQ(line.state & (kMenuItemGrayed | kMenuItemChecked), 0u) << line.text;
    }
    for (const MenuLine& line : lines) {
        EXPECT_GT(line.rect.Height(), 0) << line.id;
    }
    EXPECT_LT(lines[0].rect.bottom, lines[2].rect.top) << "lines in list order, top to bottom";
}

TEST_F(Menu, AnItemWithoutDescriptionIsLeftOutAndTheNextTakesItsId) {
    ini_.Set("Menu Tools", "MenuItems", "A|X|B");
    ini_.Set("Tools-MenuItem X", "LaunchFunc", "DispatchExit");
    ASSERT_TRUE(Start());
    const std::vector<MenuLine> lines = OpenMenu();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "Alpha");
    EXPECT_EQ(lines[0].id, 1100u);
    EXPECT_EQ(lines[1].text, "Beta");
    EXPECT_EQ(lines[1].id, 1101u);
}

TEST_F(Menu, SeparatorNamesIgnoreLetterCase) {
    ini_.Set("Menu Tools", "MenuItems", "separator|A|SEPARATOR|Separator2");
    Item("Separator2", "Second separator?");
    ASSERT_TRUE(Start());
    const std::vector<MenuLine> lines = OpenMenu();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[0].separator);
    EXPECT_FALSE(lines[1].separator);
    EXPECT_TRUE(lines[2].separator);
    EXPECT_FALSE(lines[3].separator);
    EXPECT_EQ(lines[3].text, "Second separator?");
    EXPECT_EQ(lines[3].id, 1103u);
}

TEST_F(Menu, NoKeptItemShowsNoMenu) {
    ini_.Set("Menu Tools", "MenuItems", "X|Y");
    ASSERT_TRUE(Start());
    ClickAt(kRegionMenu.Center());
    ASSERT_TRUE(WaitForSounds("Menu.wav", 1));
    ASSERT_TRUE(Settle());
    EXPECT_EQ(probe().FindInProcess(main_, "#32768"), 0u);
    EXPECT_TRUE(Lines().empty());
}

TEST_F(Menu, MenuPositionIsFromTheOwnerWindowsTopLeft) {
    ini_.Set("Menu Tools", "MenuPosition", "20,30");
    ASSERT_TRUE(Start());
    ASSERT_FALSE(OpenMenu().empty());
    const Hwnd popup = probe().FindInProcess(main_, "#32768");
    ASSERT_NE(popup, 0u);
    const Rect owner = probe().WindowRect(ScreenWindow());
    const Rect menu = probe().WindowRect(popup);
    EXPECT_EQ(menu.left, owner.left + 20);
    EXPECT_EQ(menu.top, owner.top + 30);
}

TEST_F(Menu, AMenuPositionWithoutCommaUsesTheNumberTwice) {
    ini_.Set("Menu Tools", "MenuPosition", "15");
    ASSERT_TRUE(Start());
    ASSERT_FALSE(OpenMenu().empty());
    const Hwnd popup = probe().FindInProcess(main_, "#32768");
    ASSERT_NE(popup, 0u);
    const Rect owner = probe().WindowRect(ScreenWindow());
    const Rect menu = probe().WindowRect(popup);
    EXPECT_EQ(menu.left, owner.left + 15);
    EXPECT_EQ(menu.top, owner.top + 15);
}

TEST_F(Menu, WithoutMenuPositionTheMenuOpensAtTheCursor) {
    ASSERT_TRUE(Start());
    ASSERT_FALSE(OpenMenu().empty());
    const Hwnd popup = probe().FindInProcess(main_, "#32768");
    ASSERT_NE(popup, 0u);
    const Point cursor = OnScreen(kRegionMenu.Center());
    const Rect menu = probe().WindowRect(popup);
    EXPECT_EQ(menu.left, cursor.x);
    EXPECT_EQ(menu.top, cursor.y);
}

TEST_F(Menu, ClickingAnItemRunsItsActionWithoutASound) {
    Item("A", "Alpha", "DispatchScreen", "Second");
    ASSERT_TRUE(Start());
    const std::vector<MenuLine> lines = OpenMenu();
    ASSERT_EQ(lines.size(), 3u);
    Click(lines[0].Center());
    EXPECT_TRUE(ShowsSecondScreen());
    std::vector<std::string> files;
    for (const SoundCall& call : Sounds()) {
        files.push_back(call.file);
    }
    // The region's click sound only; choosing the item plays none.
    EXPECT_EQ(CountSounds("Menu.wav"), 1);
    EXPECT_EQ(std::count(files.begin(), files.end(), "A.wav"), 0);
}

TEST_F(Menu, TheKeyboardChoosesAnItem) {
    Item("A", "Alpha", "DispatchMinimize");
    Item("B", "Beta", "DispatchScreen", "Second");
    ASSERT_TRUE(Start());
    ASSERT_EQ(OpenMenu().size(), 3u);
    // Down highlights the first line and skips the separator.
    e2e::Run({"xdotool", "key", "--delay", "60", "Down", "Down", "Return"});
    EXPECT_TRUE(ShowsSecondScreen());
    EXPECT_FALSE(probe().State(main_).iconic);
}

TEST_F(Menu, AnItemWithoutLaunchFuncDoesNothing) {
    ASSERT_TRUE(Start());
    const std::vector<MenuLine> lines = OpenMenu();
    ASSERT_EQ(lines.size(), 3u);
    Click(lines[2].Center());
    ASSERT_TRUE(Closed());
    ASSERT_TRUE(Settle());
    EXPECT_EQ(probe().Text(main_), kMainTitle);
    EXPECT_EQ(probe().FindInProcess(main_, "#32770"), 0u);
}

TEST_F(Menu, ItemsFromPosition100OnAreShownButDoNothing) {
    // 101 items: the last two are at positions 99 (command 1199) and 100 (command 1200).
    std::string names;
    for (int i = 0; i < 101; ++i) {
        names += (i ? "|" : "") + std::to_string(i);
        Item(std::to_string(i), "Item " + std::to_string(i));
    }
    ini_.Set("Menu Tools", "MenuItems", names);
    ini_.Set("Menu Tools", "MenuPosition", "0,0");
    Item("99", "Item 99", "DispatchScreen", "Second");
    Item("100", "Item 100", "DispatchMinimize");
    ASSERT_TRUE(Start());
    std::vector<MenuLine> lines = OpenMenu();
    ASSERT_EQ(lines.size(), 101u);
    EXPECT_EQ(lines[99].id, 1199u);
    EXPECT_EQ(lines[100].id, 1200u);
    EXPECT_EQ(lines[100].text, "Item 100");
    // Up from no selection goes to the last line.
    e2e::Run({"xdotool", "key", "--delay", "60", "Up", "Return"});
    ASSERT_TRUE(Closed());
    ASSERT_TRUE(Settle());
    EXPECT_FALSE(probe().State(main_).iconic) << "position 100 ran its action";
    ASSERT_EQ(OpenMenu().size(), 101u);
    e2e::Run({"xdotool", "key", "--delay", "60", "Up", "Up", "Return"});
    EXPECT_TRUE(ShowsSecondScreen()) << "position 99 did not run its action";
}

TEST_F(Menu, AnItemCanOpenAnotherMenu) {
    Item("A", "More", "DispatchMenu", "Extra");
    ini_.Set("Menu Extra", "MenuItems", "Go|Separator|Stay");
    Item("Go", "Go on", "DispatchScreen", "Second", "Extra");
    Item("Stay", "Stay here", "", "", "Extra");
    ASSERT_TRUE(Start());
    const std::vector<MenuLine> first = OpenMenu();
    ASSERT_EQ(first.size(), 3u);
    Click(first[0].Center());
    std::vector<MenuLine> second;
    ASSERT_TRUE(WaitUntil([&] {
        second = Lines();
        return second.size() == 3u && second[0].text == "Go on";
    }));
    EXPECT_EQ(second[0].id, 1100u);
    EXPECT_EQ(second[2].text, "Stay here");
    Click(second[0].Center());
    EXPECT_TRUE(ShowsSecondScreen());
}

TEST_F(Menu, AOneElementLaunchReqAsksForNoDisc) {
    Item("A", "Alpha", "DispatchScreen", "Second");
    ini_.Set("Tools-MenuItem A", "LaunchReq", "NOSUCHDISC");
    ASSERT_TRUE(Start());
    const std::vector<MenuLine> lines = OpenMenu();
    ASSERT_EQ(lines.size(), 3u);
    Click(lines[0].Center());
    EXPECT_TRUE(ShowsSecondScreen());
}

TEST_F(Menu, AMissingDiscIsAskedForAndCancelStopsTheItem) {
    Item("A", "Alpha", "DispatchScreen", "Second");
    ini_.Set("Tools-MenuItem A", "LaunchReq", "NOSUCHDISC|The Missing Disc");
    ASSERT_TRUE(Start());
    const std::vector<MenuLine> lines = OpenMenu();
    ASSERT_EQ(lines.size(), 3u);
    Click(lines[0].Center());
    Hwnd box = 0;
    ASSERT_TRUE(WaitUntil([&] { return (box = probe().FindInProcess(main_, "#32770")) != 0; }));
    EXPECT_NE(probe().Ask("dlgtext " + std::to_string(box) + " ffff").find("The Missing Disc"),
              std::string::npos);
    e2e::Run({"xdotool", "key", "Escape"});
    ASSERT_TRUE(WaitUntil([&] { return !probe().Exists(box) || !probe().State(box).visible; }));
    ASSERT_TRUE(Settle());
    EXPECT_EQ(probe().Text(main_), kMainTitle);
}

TEST_F(Menu, AOneElementSplashShowsNoPopup) {
    Item("A", "Alpha", "DispatchScreen", "Second");
    ini_.Set("Tools-MenuItem A", "Splash", "%rlogo.bmp");
    ASSERT_TRUE(Start());
    const std::vector<MenuLine> lines = OpenMenu();
    ASSERT_EQ(lines.size(), 3u);
    Click(lines[0].Center());
    // The popup would have been shown before the action ran.
    ASSERT_TRUE(ShowsSecondScreen());
    EXPECT_EQ(probe().FindInProcess(main_, "#32770"), 0u);
}

TEST_F(Menu, ATwoElementSplashShowsThePopupBeforeTheAction) {
    Item("A", "Alpha", "DispatchScreen", "Second");
    ini_.Set("Tools-MenuItem A", "Splash", "%rlogo.bmp|3");
    ASSERT_TRUE(Start());
    const std::vector<MenuLine> lines = OpenMenu();
    ASSERT_EQ(lines.size(), 3u);
    Click(lines[0].Center());
    ASSERT_TRUE(ShowsSecondScreen());
    EXPECT_NE(probe().FindInProcess(main_, "#32770"), 0u);
}

// The demo disc as it ships: its pictures, sounds and INI file in the test's folder.
class DemoMenu : public Menu {
  protected:
    void SetUp() override {
        Menu::SetUp();
        namespace fs = std::filesystem;
        const fs::path demo = fs::path(Env().resources) / ".." / "demo" / "disc";
        fs::copy(demo, Path(""),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        ini_ = IniText();
        std::ifstream in(demo / "Lumora.ini");
        std::string line, section;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (line.empty() || line[0] == ';') {
                continue;
            }
            if (line[0] == '[') {
                section = line.substr(1, line.find(']') - 1);
            } else if (const size_t equals = line.find('='); equals != std::string::npos) {
                ini_.Set(section, line.substr(0, equals), line.substr(equals + 1));
            }
        }
    }
};

TEST_F(DemoMenu, TheVersionLineOpensTheDiscMenuAndItsHelpTopics) {
    ASSERT_TRUE(Start({-1, -1}));
    ASSERT_TRUE(WaitUntil([&] { return ScreenWindow() != 0; }));
    ClickAt({120, 452});
    std::vector<MenuLine> lines;
    ASSERT_TRUE(WaitUntil([&] { return !(lines = Lines()).empty(); }));
    ASSERT_EQ(lines.size(), 6u) << "the item without a Description is left out";
    const char* texts[] = {"Explore the software", "Extras and support", "", "Help topics...", "",
                           "Close the disc"};
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].id, 1100u + i);
        EXPECT_EQ(lines[i].separator, i == 2 || i == 4) << i;
        EXPECT_EQ(lines[i].text, texts[i]) << i;
    }
    Click(lines[3].Center());
    ASSERT_TRUE(WaitUntil([&] {
        lines = Lines();
        return !lines.empty() && lines[0].text == "Using the demo disc";
    }));
    EXPECT_EQ(lines.size(), 7u);
    const Hwnd popup = probe().FindInProcess(main_, "#32768");
    ASSERT_NE(popup, 0u);
    const Rect owner = probe().WindowRect(ScreenWindow());
    const Rect menu = probe().WindowRect(popup);
    EXPECT_EQ(menu.left, owner.left + 24);
    EXPECT_EQ(menu.top, owner.top + 240);
    e2e::Run({"xdotool", "key", "Escape"});
    EXPECT_TRUE(Closed());
}

}  // namespace
}  // namespace e2e
