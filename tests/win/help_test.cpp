// The help launcher: started from the program folder with its one argument, and silently.
#include "actions/help.h"

#include <windows.h>
#include <tlhelp32.h>

#include <optional>

#include "actions/dispatch.h"
#include "app/main_window.h"
#include "disc_fixture.h"
#include "message_box_answerer.h"
#include "win/handles.h"
#include "resource.h"

namespace lumora::testing {
namespace {

constexpr char kLauncherName[] = "LNCHHLP.EXE";

// The folder of the test program, where the build puts the launcher's stand-in.
std::string TestProgramFolder() {
    char path[MAX_PATH] = {};
    std::string folder(path, ::GetModuleFileNameA(nullptr, path, MAX_PATH));
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string CurrentFolder() {
    char current[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, current);
    return current;
}

bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// True while a help launcher process exists.
bool LauncherRunning() {
    HANDLE raw = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (raw == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "no process snapshot, error " << ::GetLastError();
        return false;
    }
    UniqueHandle snapshot(raw);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(raw, &entry); more; more = ::Process32Next(raw, &entry)) {
        if (::lstrcmpiA(entry.szExeFile, kLauncherName) == 0) {
            return true;
        }
    }
    return false;
}

template <typename Done>
bool WaitUntil(Done done) {
    const DWORD deadline = ::GetTickCount() + 10000;
    while (!done()) {
        if (static_cast<int>(deadline - ::GetTickCount()) <= 0) {
            return false;
        }
        ::Sleep(5);
    }
    return true;
}

// What the launcher's stand-in saw when it started.
struct Launch {
    std::string commandLine;
    std::string currentFolder;
};

class HelpLauncherTest : public DiscFixture {
  protected:
    void TearDown() override {
        // The stand-in must have ended before its file can go.
        EXPECT_TRUE(WaitUntil([] { return !LauncherRunning(); }));
        ::DeleteFileA(LauncherPath().c_str());
        ::DeleteFileA(ReportPath().c_str());
        DiscFixture::TearDown();
    }

    void InstallLauncher() {
        const std::string probe = TestProgramFolder() + "help_launcher_probe.exe";
        ASSERT_TRUE(::CopyFileA(probe.c_str(), LauncherPath().c_str(), FALSE))
            << probe << ": error " << ::GetLastError();
    }

    std::string LauncherPath() const { return folder() + kLauncherName; }
    std::string ReportPath() const { return folder() + "help-launch.txt"; }

    // Waits for the stand-in's report and takes it away, so that the next start writes afresh.
    std::optional<Launch> TakeLaunch() {
        // The report appears whole, but cannot be opened while the stand-in still finishes its
        // rename, nor deleted before the stand-in has ended.
        std::string text;
        if (!WaitUntil([&] { return !(text = IniTestFolder::ReadFile(ReportPath())).empty(); }) ||
            !WaitUntil([] { return !LauncherRunning(); })) {
            return std::nullopt;
        }
        EXPECT_TRUE(::DeleteFileA(ReportPath().c_str())) << "error " << ::GetLastError();
        const std::vector<std::string> lines = IniTestFolder::Lines(text);
        if (lines.size() != 2) {
            return Launch{"(" + std::to_string(lines.size()) + " lines)", ""};
        }
        return Launch{lines[0], lines[1]};
    }

    // No launcher runs now and none ran before: one that ran has left its report.
    bool NothingStarted() { return !LauncherRunning() && !FileExists(ReportPath()); }
};

TEST_F(HelpLauncherTest, StartsTheLauncherInTheProgramFolderWithTheArgumentAsGiven) {
    InstallLauncher();
    // The program folder is in its short form: no blank comes before the argument's.
    ASSERT_EQ(folder().find(' '), std::string::npos);
    for (const std::string argument : {"Getting Started", "topic.hlp", ""}) {
        SCOPED_TRACE("argument \"" + argument + "\"");
        RunHelp(argument);
        const std::optional<Launch> launch = TakeLaunch();
        ASSERT_TRUE(launch) << "the help launcher did not start";
        EXPECT_EQ(launch->commandLine, folder() + "LNCHHLP.EXE " + argument);
        // It runs in the program's own current folder, not in the program folder.
        EXPECT_EQ(launch->currentFolder, CurrentFolder());
    }
}

TEST_F(HelpLauncherTest, AMissingLauncherIsNotReported) {
    ASSERT_FALSE(FileExists(LauncherPath()));
    MessageBoxAnswerer answerer(IDOK);
    RunHelp("topic");
    const MessageBoxAnswerer::Box& box = answerer.Stop();
    EXPECT_FALSE(box.shown) << box.text;
}

class HelpActionTest : public HelpLauncherTest {
  protected:
    void SetUp() override {
        HelpLauncherTest::SetUp();
        SolidPicture("one.bmp", 200, 100, 1);
        WriteIni("[Config]\nScreenNames=One\nStartup=One\n[Screen One]\nBitmap=%r\\one.bmp\n");
        ASSERT_TRUE(StartMainWindow(main_));
    }

    void TearDown() override {
        EndMainWindow(main_);
        HelpLauncherTest::TearDown();
    }

    CMainWindow main_;
};

TEST_F(HelpActionTest, StartsTheLauncherWithTheActionDataAndNothingWithoutData) {
    InstallLauncher();
    DispatchHelp(0, nullptr);
    EXPECT_TRUE(NothingStarted());

    DispatchHelp(0, "Index");
    const std::optional<Launch> launch = TakeLaunch();
    ASSERT_TRUE(launch) << "the help launcher did not start";
    EXPECT_EQ(launch->commandLine, folder() + "LNCHHLP.EXE Index");
    EXPECT_TRUE(main_.exists()) << "the launcher stays open";
}

}  // namespace
}  // namespace lumora::testing
