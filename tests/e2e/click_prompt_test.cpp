// A click whose checks ask the user: while their message box is up, any program can send the
// dispatch message. One action runs at a time: the message starts nothing, the screen stays, and
// the click goes on as the user answers.
#include <gtest/gtest.h>

#include <string>

#include "keyboard.h"
#include "lumora_test.h"
#include "process.h"

namespace e2e {
namespace {

using namespace disc;

class ClickPrompt : public LumoraTest {
  protected:
    // The message box that the program shows, other than `not`; 0 when none comes.
    Hwnd WaitForBox(Hwnd not_ = 0) {
        Hwnd box = 0;
        WaitUntil([&] {
            box = probe().FindInProcess(main_, "#32770");
            return box != 0 && box != not_ && probe().State(box).visible;
        });
        return box != not_ ? box : 0;
    }
    // Another program sends the dispatch message "reload the screen" (code 100, no data) while
    // the click's box is up: it is ignored.
    void ReloadScreenFromOutside() {
        const unsigned id = static_cast<unsigned>(
            std::stoul(probe().Ask("register -Tavlen-Splash-Dispatch-Message-")));
        ASSERT_NE(id, 0u);
        const Hwnd screen = ScreenWindow();
        ASSERT_TRUE(SameScreenShown(screen));
        probe().Send(main_, id, 100, 0);
        EXPECT_TRUE(SameScreenShown(screen)) << "the screen stays while the click runs";
    }
    // The Exit region's action has not run: the program lives on and showed nothing of it.
    void ExpectExitDidNotRun() {
        EXPECT_FALSE(e2e::WaitForExit(pid_, 500)) << "the program must still run";
        EXPECT_EQ(CountSounds("Exit.wav"), 0);
        EXPECT_EQ(CountSounds("end.wav"), 0);
        EXPECT_TRUE(WaitForPixel(kMainPlain, kMainPaint));
    }
};

TEST_F(ClickPrompt, ADiscPromptKeepsItsScreen) {
    ini_.Set("Main-Region Exit", "LaunchReq", "NOSUCHDISC|The Missing Disc");
    ASSERT_TRUE(Start());
    ClickAt(kExitTip);
    const Hwnd first = WaitForBox();
    ASSERT_NE(first, 0u) << "the disc prompt";
    ReloadScreenFromOutside();
    // Retry searches again; the disc is still missing, so the prompt comes back, and Cancel ends
    // the click.
    PressKeys({"Return"});
    const Hwnd second = WaitForBox(first);
    ASSERT_NE(second, 0u) << "the prompt after Retry";
    EXPECT_NE(probe().Ask("dlgtext " + std::to_string(second) + " ffff").find("The Missing Disc"),
              std::string::npos);
    PressKeys({"Escape"});
    EXPECT_TRUE(WaitUntil([&] { return probe().FindInProcess(main_, "#32770") == 0; }));
    ExpectExitDidNotRun();
}

TEST_F(ClickPrompt, ARefusedDisplayKeepsItsScreen) {
    ini_.Set("Main-Region Exit", "LaunchScreenReq", "E|800X600|TRUE");
    ASSERT_TRUE(Start());
    ClickAt(kExitTip);
    ASSERT_NE(WaitForBox(), 0u) << "the display message";
    ReloadScreenFromOutside();
    PressKeys({"Return"});
    EXPECT_TRUE(WaitUntil([&] { return probe().FindInProcess(main_, "#32770") == 0; }));
    ExpectExitDidNotRun();
}

}  // namespace
}  // namespace e2e
