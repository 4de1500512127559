// The harness itself, checked on bare_window.exe, a window that does nothing but paint: the
// probe finds windows, pixels and the pointer work, and the winmm stand-in logs what it is asked.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "e2e_environment.h"
#include "process.h"
#include "test_pictures.h"
#include "wait.h"

namespace e2e {
namespace {

class HarnessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/lumora-harness-XXXXXX";
        ASSERT_TRUE(mkdtemp(pattern));
        folder_ = pattern;
        std::filesystem::copy_file(Env().toolsFolder + "/bare_window.exe",
                                   folder_ + "/bare_window.exe");
        std::filesystem::copy_file(Env().toolsFolder + "/winmm.dll", folder_ + "/winmm.dll");
        ASSERT_TRUE(WriteSolidBitmap(folder_ + "/back.bmp", 200, 150, Paint::kNavy));
        ASSERT_TRUE(WriteSolidBitmap(folder_ + "/light.bmp", 40, 30, Paint::kYellow));
        ASSERT_TRUE(WriteSolidBitmap(folder_ + "/next.bmp", 120, 100, Paint::kMaroon));
        MovePointer(ParkingSpot());
        SpawnOptions options{folder_,
                             {"WINEDLLOVERRIDES=mscoree,mshtml=;winmm=n,b",
                              "LUMORA_SOUND_LOG=Z:" + folder_ + "/sounds.log"},
                             folder_ + "/wine.log"};
        pid_ = Spawn({"wine", "bare_window.exe", "back.bmp", "light.bmp", "50", "40", "next.bmp"},
                     options);
        ASSERT_GT(pid_, 0);
        ASSERT_TRUE(WaitUntil([&] { return (window_ = probe().Find("LumoraBareWindow")) != 0; },
                              milliseconds(15000)));
        ASSERT_TRUE(probe().WaitForIdle(window_, 10000));
        client_ = probe().ClientRect(window_);
    }

    void TearDown() override {
        Terminate(pid_);
        EXPECT_TRUE(WaitUntil([&] { return probe().Find("LumoraBareWindow") == 0; }));
        std::filesystem::remove_all(folder_);
    }

    Probe& probe() { return *Env().probe; }
    Rgb Pixel(int x, int y) { return Env().screen->Pixel(client_.left + x, client_.top + y); }
    bool WaitForPixel(int x, int y, Paint paint) {
        return WaitUntil([&] { return Pixel(x, y) == ColorOf(paint); });
    }

    std::string folder_;
    pid_t pid_ = -1;
    Hwnd window_ = 0;
    Rect client_;
};

TEST_F(HarnessTest, SeesTheWindowItsPixelsAndReactionsToThePointer) {
    EXPECT_EQ(probe().Text(window_), "bare");
    EXPECT_EQ(client_.Width(), 200);
    EXPECT_EQ(client_.Height(), 150);
    EXPECT_TRUE(probe().State(window_).visible);
    ASSERT_TRUE(WaitForPixel(5, 5, Paint::kNavy));

    MovePointer({client_.left + 60, client_.top + 50});
    EXPECT_TRUE(WaitForPixel(60, 50, Paint::kYellow));
    MovePointer({client_.left + 150, client_.top + 120});
    EXPECT_TRUE(WaitForPixel(60, 50, Paint::kNavy));

    Click({client_.left + 60, client_.top + 50});
    EXPECT_TRUE(WaitForPixel(5, 5, Paint::kMaroon));
    EXPECT_TRUE(WaitUntil([&] { return probe().ClientRect(window_).Width() == 120; }));
}

TEST_F(HarnessTest, TheWinmmStandInLogsEachSoundWithItsFlags) {
    std::string line;
    ASSERT_TRUE(WaitUntil([&] {
        std::ifstream log(folder_ + "/sounds.log");
        return static_cast<bool>(std::getline(log, line));
    }));
    // "<function> <flags> <the stand-in's own file> <sound>"
    EXPECT_EQ(line.rfind("sndPlaySoundA 0x3 ", 0), 0u) << line;
    EXPECT_NE(line.find("\\WINMM.dll bare.wav"), std::string::npos) << line;
}

TEST_F(HarnessTest, ProbeReadsTheClassAndSystemMenuFromInsideTheProgram) {
    EXPECT_EQ(probe().AskHook(window_, "classstyle"), "0");
    EXPECT_EQ(probe().AskHook(window_, "icon"), "none");
    const std::string menu = probe().AskHook(window_, "sysmenu");
    EXPECT_NE(menu.find(std::to_string(0xF060)), std::string::npos) << menu;  // SC_CLOSE
}

}  // namespace
}  // namespace e2e
