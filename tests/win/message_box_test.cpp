#include "win/message_box.h"

#include <gtest/gtest.h>

#include "win/app_state.h"
#include "message_box_answerer.h"
#include "resource.h"

namespace lumora {
namespace {

using testing::MessageBoxAnswerer;

// What the stand-in main window tells as the shown screen's title.
std::string answeredTitle;

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(window, message, wParam, lParam);
}

// A main window of our own that tells the caption.
class MessageBoxTest : public ::testing::Test {
  protected:
    MessageBoxTest() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = StandInProc;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "LumoraCaptionStandIn";
        ::RegisterClassA(&windowClass);
        main_ = ::CreateWindowExA(0, windowClass.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
        answeredTitle.clear();
    }
    ~MessageBoxTest() override {
        App().mainWindow = nullptr;
        App().caption = nullptr;
        ::DestroyWindow(main_);
    }

    void UseStandInAsMainWindow() {
        App().mainWindow = main_;
        App().caption = [] { return answeredTitle; };
    }

    HWND main_ = nullptr;
};

TEST_F(MessageBoxTest, FormatsTheStringTableTextWithItsValues) {
    EXPECT_EQ(FormatResourceString(IDS_MSG_LAUNCH_FAILED, "C:\\GAME.EXE", 2),
              "Unable to launch C:\\GAME.EXE.\n\nError number 2");
    EXPECT_EQ(FormatResourceString(IDS_MSG_LAUNCH_FAILED, "X", -5),
              "Unable to launch X.\n\nError number -5");
    EXPECT_EQ(FormatResourceString(IDS_MSG_MINIMUM_DISPLAY, 640, 480, "256"),
              "This application requires a minimum resolution of 640 X 480, 256 color.");
    EXPECT_EQ(FormatResourceString(IDS_MSG_COMMAND_NOT_INSTALLED, "SETUP.EXE"),
              "SETUP.EXE\n\nThis application does not appear to be installed.  Would you like "
              "to install it now?");
    EXPECT_EQ(FormatResourceString(IDS_MSG_NOT_INSTALLED),
              "This application does not appear to be installed.  Would you like to install it "
              "now?");
    EXPECT_EQ(FormatResourceString(IDS_MSG_INSERT_DISK, "Demo Disc 2"),
              "Please insert the disk labeled 'Demo Disc 2' in your CD-ROM drive.");
    EXPECT_EQ(FormatResourceString(9999), "") << "no such string";
}

TEST_F(MessageBoxTest, LongTextsAreCutAt511Characters) {
    const std::string prefix = "Unable to launch ";
    for (size_t length : {494u, 495u, 600u, 1500u, 5000u}) {
        const std::string command(length, 'x');
        const std::string text = FormatResourceString(IDS_MSG_LAUNCH_FAILED, command.c_str(), 7);
        const std::string whole = prefix + command + ".\n\nError number 7";
        EXPECT_EQ(text, whole.substr(0, 511)) << length;
    }
}

TEST_F(MessageBoxTest, CaptionIsTheShownScreensTitleOrTheProgramName) {
    EXPECT_EQ(MessageCaption(), "Tavlen Splash") << "no main window";

    UseStandInAsMainWindow();
    EXPECT_EQ(MessageCaption(), "Tavlen Splash") << "the screen's title is empty";
    answeredTitle = "The Main Screen";
    EXPECT_EQ(MessageCaption(), "The Main Screen");
}

TEST_F(MessageBoxTest, ShowFormattedMessageShowsTextAndCaptionAndReturnsTheAnswer) {
    UseStandInAsMainWindow();
    answeredTitle = "Games";
    MessageBoxAnswerer answerer(IDOK);
    EXPECT_EQ(ShowFormattedMessage(main_, IDS_MSG_ALREADY_RUNNING, "GAME.EXE", MB_ICONEXCLAMATION),
              IDOK);
    const MessageBoxAnswerer::Box& box = answerer.Stop();
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.text, "GAME.EXE.\nThis program is already running.");
    EXPECT_EQ(box.caption, "Games");
    EXPECT_EQ(box.owner, main_);
}

TEST_F(MessageBoxTest, ShowResourceMessageUsesTheTextUnformatted) {
    MessageBoxAnswerer answerer(IDNO);
    EXPECT_EQ(ShowResourceMessage(nullptr, IDS_MSG_LAUNCH_FAILED, MB_YESNO | MB_ICONQUESTION),
              IDNO);
    const MessageBoxAnswerer::Box& box = answerer.Stop();
    ASSERT_TRUE(box.shown);
    EXPECT_TRUE(box.hasAnswerButton);
    EXPECT_EQ(box.text, "Unable to launch %s.\n\nError number %d");
    EXPECT_EQ(box.caption, "Tavlen Splash");
    EXPECT_EQ(box.owner, nullptr);
}

TEST_F(MessageBoxTest, ShowTextMessageShowsTheTextAsGiven) {
    UseStandInAsMainWindow();
    MessageBoxAnswerer answerer(IDRETRY);
    EXPECT_EQ(ShowTextMessage(main_, "100% done: %s", MB_RETRYCANCEL | MB_ICONEXCLAMATION),
              IDRETRY);
    const MessageBoxAnswerer::Box& box = answerer.Stop();
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.text, "100% done: %s");
    EXPECT_EQ(box.caption, "Tavlen Splash") << "the main window answers 0";
    EXPECT_EQ(box.owner, main_);
}

}  // namespace
}  // namespace lumora
