// Start-up and shutdown: one instance at a time, the setup record reset at every start and at
// exit, and the main window's class, icon and cursor.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "cursor_file.h"
#include "lumora_test.h"
#include "process.h"

namespace e2e {
namespace {

constexpr unsigned kScMinimize = 0xF020;
constexpr unsigned kScClose = 0xF060;

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

using Startup = LumoraTest;

TEST_F(Startup, SecondStartRestoresAndRaisesTheMinimisedFirstAndLeavesTheIniAlone) {
    ASSERT_TRUE(Start());
    const Rect placed = probe().WindowRect(main_);
    probe().PostSysCommand(main_, kScMinimize);
    ASSERT_TRUE(WaitUntil([&] { return probe().State(main_).iconic; }));
    const Hwnd cover = Cover(placed);
    ASSERT_NE(cover, 0u);
    ASSERT_TRUE(probe().IsAbove(cover, main_));
    const std::string before = FileBytes(Path("Lumora.ini"));

    const pid_t second = StartAnother();
    ASSERT_GT(second, 0);
    EXPECT_EQ(e2e::WaitForExit(second, 15000), std::optional<int>(0));

    EXPECT_FALSE(probe().State(main_).iconic);
    EXPECT_TRUE(probe().State(main_).visible);
    EXPECT_TRUE(probe().IsAbove(main_, cover));
    EXPECT_EQ(probe().WindowRect(main_), placed);
    EXPECT_EQ(FileBytes(Path("Lumora.ini")), before);
    EXPECT_EQ(probe().Find(disc::kMainWindowClass), main_) << "one main window only";
}

TEST_F(Startup, EveryStartResetsTheSetupRecord) {
    ini_.Set("Setup", "Application", "Left Over").Set("Setup", "ExitDuringSetup", "1");
    ASSERT_TRUE(Start());
    EXPECT_EQ(ReadIniValue(Path("Lumora.ini"), "Setup", "Application"), std::string());
    EXPECT_EQ(ReadIniValue(Path("Lumora.ini"), "Setup", "ExitDuringSetup"), "0");
    EXPECT_EQ(ReadIniValue(Path("Lumora.ini"), "Config", "Startup"), "Main") << "the rest stays";
}

TEST_F(Startup, ClosingWritesTheSetupRecordAgain) {
    ASSERT_TRUE(Start());
    // What a setup started meanwhile would have left behind.
    IniText changed = ini_;
    changed.Set("Setup", "Application", "Some Setup").Set("Setup", "ExitDuringSetup", "1");
    std::ofstream(Path("Lumora.ini"), std::ios::binary) << changed.Text();

    probe().PostSysCommand(main_, kScClose);
    EXPECT_EQ(WaitForExit(), 0);
    EXPECT_TRUE(WaitUntilGone());
    EXPECT_EQ(ReadIniValue(Path("Lumora.ini"), "Setup", "Application"), std::string());
    EXPECT_EQ(ReadIniValue(Path("Lumora.ini"), "Setup", "ExitDuringSetup"), "0");
}

TEST_F(Startup, MainWindowHasItsClassIconAndCursors) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(probe().Ask("class " + std::to_string(main_)), disc::kMainWindowClass);
    EXPECT_EQ(probe().AskHook(main_, "icon"), "same") << "the class icon is icon 103";
    EXPECT_EQ(probe().AskHook(main_, "classstyle"), std::to_string(0x48));

    const CursorPicture arrow = ReadCursorFile(Env().resources + "/arrow.cur");
    const CursorPicture hand = ReadCursorFile(Env().resources + "/hand.cur");
    ASSERT_EQ(arrow.width, 32);
    ASSERT_EQ(hand.width, 32);
    MoveTo(disc::kMainPlain);
    EXPECT_TRUE(WaitUntil([&] { return Env().screen->Cursor() == arrow; }))
        << "over the background:\n"
        << ToString(Env().screen->Cursor()) << "expected:\n"
        << ToString(arrow);
    MoveTo(disc::kInsideAOnly);
    EXPECT_TRUE(WaitUntil([&] { return Env().screen->Cursor() == hand; }))
        << "over a region:\n"
        << ToString(Env().screen->Cursor()) << "expected:\n"
        << ToString(hand);
    MoveTo(disc::kMainPlain);
    EXPECT_TRUE(WaitUntil([&] { return Env().screen->Cursor() == arrow; }));
}

}  // namespace
}  // namespace e2e
