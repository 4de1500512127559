// A screen reader in another program: the probe asks lumora.exe's screen window for its object
// as Narrator or NVDA do (AccessibleObjectFromWindow, its calls marshalled between the two
// processes), reads every region, hit-tests and presses them, hears the focus move with Tab and
// the screen change, and asks the object again once its screen has gone.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "keyboard.h"
#include "lumora_test.h"

namespace e2e {
namespace {

using namespace disc;

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '|');) {
        fields.push_back(field);
    }
    return fields;
}

// Event numbers as readers hear them.
constexpr char kFocus[] = "8005";
constexpr char kStateChange[] = "800a";
constexpr char kNameChange[] = "800c";
constexpr char kReorder[] = "8004";

class Reader : public LumoraTest {
  protected:
    std::string Ask(Hwnd window, const std::string& query) {
        return probe().Ask("reader " + std::to_string(window) + " " + query);
    }
    // Name, role, state, place ("x y width height"), description and default action.
    std::vector<std::string> Object(Hwnd window, long child) {
        return Fields(Ask(window, "object " + std::to_string(child)));
    }
    static std::string Place(Point at, const Box& box) {
        return std::to_string(at.x) + " " + std::to_string(at.y) + " " +
               std::to_string(box.Width()) + " " + std::to_string(box.Height());
    }
    // Waits until the reader has heard `event` of `child` on `window`.
    ::testing::AssertionResult Hears(const std::string& event, long child, Hwnd window) {
        const std::string wanted =
            event + ":" + std::to_string(child) + ":" + std::to_string(window);
        if (WaitUntil([&] {
                std::istringstream in(Ask(window, "heard"));
                for (std::string h; in >> h;) {
                    heard_.push_back(h);
                }
                for (auto h = heard_.begin(); h != heard_.end(); ++h) {
                    if (*h == wanted) {
                        heard_.erase(heard_.begin(), h + 1);
                        return true;
                    }
                }
                return false;
            })) {
            return ::testing::AssertionSuccess();
        }
        std::string all;
        for (const std::string& h : heard_) {
            all += " " + h;
        }
        return ::testing::AssertionFailure() << "never heard " << wanted << "; heard:" << all;
    }

    std::vector<std::string> heard_;
};

TEST_F(Reader, EveryRegionIsReadFromAnotherProgram) {
    ini_.Set("Main-Region Next", "Label", "Next screen");
    ASSERT_TRUE(Start());
    const Hwnd screen = ScreenWindow();
    EXPECT_EQ(Ask(screen, "count"), "12") << "every region of Main has a shape";
    const std::vector<std::string> self = Object(screen, 0);
    ASSERT_EQ(self.size(), 6u) << Ask(screen, "object 0");
    EXPECT_EQ(self[0], kMainTitle);
    EXPECT_EQ(self[1], "10") << "the client area";

    const std::vector<std::string> next = Object(screen, 3);
    ASSERT_EQ(next.size(), 6u);
    EXPECT_EQ(next[0], "Next screen");
    EXPECT_EQ(next[1], "43") << "a push button";
    EXPECT_EQ(next[2], "1048576") << "focusable";
    EXPECT_EQ(next[3], Place(OnScreen({kRegionNext.left, kRegionNext.top}), kRegionNext));
    EXPECT_EQ(next[4], "Shows the screen Second");
    EXPECT_EQ(next[5], "Press");

    const std::vector<std::string> menu = Object(screen, 12);
    ASSERT_EQ(menu.size(), 6u);
    EXPECT_EQ(menu[0], "Menu");
    EXPECT_EQ(menu[1], "57") << "a menu button";
    EXPECT_EQ(menu[4], "Opens the menu Tools");
    const std::vector<std::string> quiet = Object(screen, 9);
    ASSERT_EQ(quiet.size(), 6u);
    EXPECT_EQ(quiet[1], "41") << "static text: its LaunchFunc names no action";
    EXPECT_EQ(quiet[4], "Does nothing: dispatchexit is no action");

    auto hit = [&](Point picture) {
        const Point at = OnScreen(picture);
        return Ask(screen, "hit " + std::to_string(at.x) + " " + std::to_string(at.y));
    };
    EXPECT_EQ(hit(kRegionNext.Center()), "3");
    EXPECT_EQ(hit(kOverlapCD), "5") << "C is listed before D";
    EXPECT_EQ(hit(kMainPlain), "0") << "the screen itself";
    EXPECT_EQ(Ask(screen, "next 1"), "2");
    EXPECT_EQ(Ask(screen, "next 12"), "none");
}

TEST_F(Reader, TabIsHeardAndPressRunsTheRegion) {
    ASSERT_TRUE(Start());
    const Hwnd screen = ScreenWindow();
    ASSERT_EQ(Ask(screen, "listen"), "1");
    PressKeys({"Tab"});
    EXPECT_TRUE(Hears(kStateChange, 1, screen));
    EXPECT_TRUE(Hears(kFocus, 1, screen));
    PressKeys({"Tab"});
    EXPECT_TRUE(Hears(kFocus, 2, screen));
    EXPECT_EQ(Object(screen, 2).at(2), "1048708") << "focusable, focused and hot-tracked";

    // Press: Next shows the screen Second, which tells of its name and parts.
    EXPECT_EQ(Ask(screen, "press 3"), "0");
    ASSERT_TRUE(WaitForPixel(kSecondPlain, kSecondPaint));
    const Hwnd second = ScreenWindow();
    EXPECT_TRUE(Hears(kNameChange, 0, second));
    EXPECT_TRUE(Hears(kReorder, 0, second));
    EXPECT_EQ(CountSounds("Next.wav"), 1);

    // The first screen's object is still held by the reader: it answers, disconnected.
    EXPECT_EQ(Ask(screen, "count"), "<800401fd>");
    EXPECT_EQ(Ask(screen, "press 1"), "800401fd");
    // Told of the change, the reader asks the window again and gets the screen shown now.
    ASSERT_EQ(Ask(second, "again"), "1");
    EXPECT_EQ(Object(second, 0).at(0), kSecondTitle);
    EXPECT_EQ(Ask(second, "press 1"), "0");
    EXPECT_TRUE(WaitForPixel(kMainPlain, kMainPaint)) << "Previous went back";
}

}  // namespace
}  // namespace e2e
