// Starting programs from a click: the ordinary start that closes the launcher, the wait that
// hides it, the setup offer and hand-off, and dispatch messages from another program. Prints
// what a wait costs in processor time and how long a click takes to start a program.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <thread>

#include "launch_report.h"
#include "lumora_test.h"
#include "process.h"

namespace e2e {
namespace {

using namespace disc;
namespace fs = std::filesystem;

constexpr char kRegionASection[] = "Main-Region A";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

long long UnixMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

class Launch : public LumoraTest {
  protected:
    void SetUp() override {
        LumoraTest::SetUp();
        fs::create_directories(Path("work"));
    }

    // A copy of the launch probe in the disc folder; its report is "<name>.txt".
    void InstallProbe(const std::string& name) { InstallLaunchProbe(Path(name)); }

    std::optional<LaunchReport> TakeReport(const std::string& name, int timeoutMs = 10000) {
        return TakeLaunchReport(Path(name), timeoutMs);
    }

    // Region A starts `data` with the action `function`.
    void LaunchFromA(const std::string& function, const std::string& data) {
        ini_.Set(kRegionASection, "LaunchFunc", function);
        ini_.Set(kRegionASection, "LaunchData", data);
    }

    // The topmost message box's text, once one shows.
    std::string MessageBoxText() {
        Hwnd box = 0;
        std::string text;
        WaitUntil(
            [&] {
                box = probe().Find("#32770");
                return box &&
                       !(text = probe().Ask("dlgtext " + std::to_string(box) + " ffff")).empty();
            },
            milliseconds(5000));
        return text;
    }
};

TEST_F(Launch, AnOrdinaryProgramStartsInItsFolderAndTheLauncherCloses) {
    InstallProbe("app.exe");
    LaunchFromA("DispatchProgram", "%r\\app.exe one two");
    ini_.Set(kRegionASection, "LaunchDir", "%r\\work");
    ASSERT_TRUE(Start());
    const long long clicked = UnixMilliseconds();
    ClickAt(kInsideAOnly);
    const std::optional<LaunchReport> report = TakeReport("app.exe");
    ASSERT_TRUE(report) << "the program did not start";
    EXPECT_NE(Lower(report->commandLine).find("app.exe one two"), std::string::npos)
        << report->commandLine;
    EXPECT_EQ(Lower(report->folder).substr(report->folder.size() - 4), "work");
    EXPECT_EQ(WaitForExit(), 0) << "the launcher closes after an ordinary program";
    pid_ = -1;
    std::cout << "[ figure ] click to program start: " << report->startedMs - clicked
              << " ms (clock of the click: xdotool and Wine included)\n";
}

TEST_F(Launch, RunAndWaitHidesTheLauncherUntilTheProgramEndsAndCostsNoProcessorTime) {
    InstallProbe("app.exe");
    LaunchFromA("DispatchProgramAndWait", "%r\\app.exe sleep=10000");
    ASSERT_TRUE(Start());
    // What the launcher costs when it only shows its screen, for comparison.
    const long idleBefore = probe().CpuTimeMs(main_);
    std::this_thread::sleep_for(milliseconds(3000));
    std::cout << "[ figure ] processor time of lumora.exe idle for 3000 ms: "
              << probe().CpuTimeMs(main_) - idleBefore << " ms\n";
    ClickAt(kInsideAOnly);
    ASSERT_TRUE(TakeReport("app.exe"));
    EXPECT_TRUE(WaitUntil([&] { return !probe().State(main_).visible; }));
    // Sampled while it is hidden, so that hiding and showing again are not counted.
    const auto hidden = Clock::now();
    std::this_thread::sleep_for(milliseconds(1000));
    const long before = probe().CpuTimeMs(main_);
    const auto sampleStart = Clock::now();
    std::this_thread::sleep_for(milliseconds(7000));
    const long after = probe().CpuTimeMs(main_);
    std::cout << "[ figure ] processor time of lumora.exe while it waited for a program: "
              << after - before << " ms in " << MillisecondsSince(sampleStart) << " ms\n";
    EXPECT_FALSE(probe().State(main_).visible) << "still hidden while the program runs";
    ASSERT_TRUE(WaitUntil([&] { return probe().State(main_).visible; }, milliseconds(20000)))
        << "the launcher came back";
    EXPECT_GE(MillisecondsSince(hidden), 8000);
    EXPECT_TRUE(probe().Exists(main_));
}

TEST_F(Launch, YesOnTheSetupOfferRunsTheSetupAndTheNextClickStartsTheProgram) {
    InstallProbe("setup.exe");
    InstallProbe("app.exe");
    const std::string key = "HKLM\\Software\\Lumora E2E\\App " + std::to_string(getpid());
    ini_.Set(kRegionASection, "LaunchFunc", "DispatchProgram");
    ini_.Set(kRegionASection, "RegistryKey", key.substr(5));
    ini_.Set(kRegionASection, "SetupFunc", "DispatchProgramAndWait");
    ini_.Set(kRegionASection, "SetupData", "%r\\setup.exe sleep=300");
    ini_.Set(kRegionASection, "SetupDesc", "Demo Application");
    ASSERT_TRUE(Start());
    ClickAt(kInsideAOnly);
    EXPECT_EQ(MessageBoxText(),
              "This application does not appear to be installed.  Would you like to install it "
              "now?");
    e2e::Run({"xdotool", "key", "y"});
    const std::optional<LaunchReport> setup = TakeReport("setup.exe");
    ASSERT_TRUE(setup) << "the setup did not start";
    EXPECT_EQ(ReadIniValue(Path("Lumora.ini"), "Setup", "Application"), "Demo Application");
    // What the setup would record for its application.
    std::string windowsFolder = "Z:" + Path("");
    std::replace(windowsFolder.begin(), windowsFolder.end(), '/', '\\');
    EXPECT_EQ(e2e::Run({"wine", "reg", "add", key, "/ve", "/d", windowsFolder + "app.exe", "/f",
                        "/reg:32"}),
              0);
    ASSERT_TRUE(WaitUntil([&] { return probe().State(main_).visible; }, milliseconds(15000)));
    // The setup ran 300 ms, then the launcher waited 7 seconds for its installer.
    EXPECT_GE(UnixMilliseconds() - setup->startedMs, 7300) << "7 seconds for the installer";
    EXPECT_EQ(ReadIniValue(Path("Lumora.ini"), "Setup", "Application").value_or(""), "");
    ClickAt(kInsideAOnly);
    EXPECT_TRUE(TakeReport("app.exe")) << "the reloaded region starts the registered program";
    e2e::Run({"wine", "reg", "delete", key, "/f", "/reg:32"});
}

TEST_F(Launch, DispatchMessagesFromAnotherProgramNeverCarryData) {
    InstallProbe("app.exe");
    ASSERT_TRUE(Start());
    const unsigned message = probe().Register("-Tavlen-Splash-Dispatch-Message-");
    ASSERT_NE(message, 0u);
    for (long code : {0L, 3L, 4L, 7L, 8L}) {
        for (const char* lParam : {"0", "0x10", "0xFFFFFFFF", "local"}) {
            for (bool send : {true, false}) {
                probe().Deliver(main_, send, message, code, lParam);
            }
        }
    }
    // Still the first screen, still running.
    ASSERT_TRUE(Settle());
    EXPECT_EQ(PixelAt(kMainPlain), ColorOf(kMainPaint));
    EXPECT_TRUE(probe().Exists(main_));
    // Codes without data still work from outside.
    probe().Deliver(main_, false, message, 10, "0x10");
    EXPECT_EQ(WaitForExit(), 0);
    pid_ = -1;
}

}  // namespace
}  // namespace e2e
