// Messages that another program sends or posts to lumora.exe: pointers of its own choosing, timers
// that are not the program's, creation, destruction and display messages out of turn, commands a
// window does not offer. The program raises no exception and shows and does what it did before.
// A quit message ends every modal step and then the program.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <string>

#include "lumora_test.h"
#include "process.h"

namespace e2e {
namespace {

using namespace disc;

constexpr unsigned kDestroy = 0x0002;
constexpr unsigned kDisplayChange = 0x007E;
constexpr unsigned kNcDestroy = 0x0082;
constexpr unsigned kClose = 0x0010;
constexpr unsigned kQuit = 0x0012;
constexpr unsigned kSysCommand = 0x0112;
constexpr unsigned kTimer = 0x0113;
constexpr unsigned kDpiChanged = 0x02E0;
constexpr unsigned kCaptionQuery = 0x0464;
constexpr long kScMaximize = 0xF030;
constexpr long kScClose = 0xF060;

class Messages : public LumoraTest {
  protected:
    // What the program shows: where its windows are, their state, and the screen.
    struct Shown {
        Hwnd screen = 0;
        Rect main, child;
        WindowState mainState, childState;
        std::string title;
    };
    Shown Now() {
        Shown shown;
        shown.screen = ScreenWindow();
        shown.main = probe().WindowRect(main_);
        shown.child = probe().WindowRect(shown.screen);
        shown.mainState = probe().State(main_);
        shown.childState = probe().State(shown.screen);
        shown.title = probe().Text(main_);
        return shown;
    }
    void ExpectUnchanged(const Shown& before) {
        const Shown after = Now();
        EXPECT_EQ(after.screen, before.screen) << "the same screen window";
        EXPECT_EQ(after.main, before.main) << ToString(after.main);
        EXPECT_EQ(after.child, before.child) << ToString(after.child);
        EXPECT_EQ(after.mainState.style, before.mainState.style);
        EXPECT_EQ(after.mainState.zoomed, before.mainState.zoomed);
        EXPECT_EQ(after.childState.zoomed, before.childState.zoomed);
        EXPECT_EQ(after.childState.iconic, before.childState.iconic);
        EXPECT_EQ(after.title, before.title);
        EXPECT_TRUE(WaitForPixel(kMainPlain, kMainPaint));
    }
    // A quit message from another program ends whatever modal step is up, then the program.
    void QuitFromOutside() {
        probe().Deliver(main_, false, kQuit, 0, "0");
        EXPECT_EQ(WaitForExit(5000), 0) << "the program ends at the quit";
    }
};

TEST_F(Messages, PointersAndTimersOfAnotherProgramAreNeitherReadNorCalled) {
    ASSERT_TRUE(Start());
    const Shown before = Now();
    for (Hwnd window : {main_, before.screen}) {
        for (bool send : {true, false}) {
            probe().Deliver(window, send, kDpiChanged, 0x00C000C0, "0x1000");
            probe().Deliver(window, send, kDpiChanged, 0x00C000C0, "local");
        }
        probe().Deliver(window, false, kTimer, 102, "0x1000");
        probe().Deliver(window, false, kTimer, 555, "0");
        EXPECT_EQ(probe().Ask("fakecreate " + std::to_string(window)), "1 0 ")
            << "a window that exists is not created again";
    }
    EXPECT_EQ(probe().Send(main_, kCaptionQuery), 0u) << "no address for another program";
    ASSERT_TRUE(Settle()) << "the program still answers the mouse";
    ExpectUnchanged(before);
}

TEST_F(Messages, LayoutAndWindowsChangeOnlyAsTheSystemAndTheirStylesSay) {
    ASSERT_TRUE(Start());
    const Shown before = Now();
    // A display of 0 x 0 at 1 bit, many times over: laid out for the display that is.
    const auto began = std::chrono::steady_clock::now();
    for (int i = 0; i < 20; ++i) {
        probe().Deliver(main_, i % 2 == 0, kDisplayChange, 1, "0");
    }
    // Closing the screen alone, maximising windows without a maximise box, and the ends of
    // windows that are not ending.
    probe().Deliver(before.screen, false, kClose, 0, "0");
    probe().Deliver(before.screen, true, kClose, 0, "0");
    for (long command : {kScMaximize, kScMaximize | 2, kScClose}) {
        probe().Deliver(before.screen, false, kSysCommand, command, "0");
    }
    probe().Deliver(main_, false, kSysCommand, kScMaximize | 2, "0");
    for (unsigned message : {kDestroy, kNcDestroy}) {
        probe().Deliver(before.screen, false, message, 0, "0");
        probe().Deliver(main_, false, message, 0, "0");
    }
    ASSERT_TRUE(Settle());
    std::cout << "20 display changes and the rest answered in "
              << std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - began)
                     .count()
              << " ms\n";
    ExpectUnchanged(before);
}

TEST_F(Messages, AQuitDuringTheDiscPromptEndsTheProgram) {
    ini_.Set("Main-Region Exit", "LaunchReq", "NOSUCHDISC|The Missing Disc");
    ASSERT_TRUE(Start());
    ClickAt(kExitTip);
    Hwnd prompt = 0;
    ASSERT_TRUE(WaitUntil([&] { return (prompt = probe().FindInProcess(main_, "#32770")) != 0; }))
        << "the disc prompt";
    EXPECT_EQ(probe().Text(prompt), kMainTitle) << "captioned by the program's own query";
    QuitFromOutside();
    EXPECT_EQ(CountSounds("Exit.wav"), 0) << "the action did not run";
}

TEST_F(Messages, AQuitDuringAPopUpMenuEndsTheProgram) {
    ASSERT_TRUE(Start());
    ClickAt(kRegionMenu.Center());
    ASSERT_TRUE(WaitUntil([&] { return probe().FindInProcess(main_, "#32768") != 0; }))
        << "the menu";
    QuitFromOutside();
}

}  // namespace
}  // namespace e2e
