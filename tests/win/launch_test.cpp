// Starting programs: the line that is started and where, the failures and their messages, the
// setup offer and hand-off, and the wait with the launcher hidden.
#include "actions/launch.h"

#include <functional>
#include <iostream>

#include "actions/process_start.h"
#include "config/ini_store.h"
#include "launch_fixture.h"
#include "message_box_answerer.h"
#include "other_thread.h"

namespace lumora::testing {
namespace {

// Runs `action` once, `delayMs` after it was made, from the thread's message queue (so only
// while someone pumps it: the wait under test). The timer has no timer procedure: the program's
// loops dispatch no timer message that carries one.
class Later {
  public:
    Later(UINT delayMs, std::function<void()> action)
        : window_(::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                    nullptr)) {
        Pending() = std::move(action);
        ::SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Fire));
        ::SetTimer(window_, 1, delayMs, nullptr);
    }
    ~Later() {
        ::DestroyWindow(window_);
        Pending() = nullptr;
    }
    Later(const Later&) = delete;
    Later& operator=(const Later&) = delete;

  private:
    static std::function<void()>& Pending() {
        static std::function<void()> pending;
        return pending;
    }
    static LRESULT CALLBACK Fire(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != WM_TIMER) {
            return ::DefWindowProcA(window, message, wParam, lParam);
        }
        ::KillTimer(window, wParam);
        if (auto action = std::exchange(Pending(), nullptr)) {
            action();
        }
        return 0;
    }
    HWND window_;
};

// The region or item behind the entry lives as long as the test.
LaunchTarget TargetOf(const LaunchEntry& entry) {
    static const Lifetime item;
    LaunchTarget target;
    target.entry = entry;
    target.alive = item.Watch();
    return target;
}

class LaunchTest : public LaunchFixture {
  protected:
    // `program` in a new folder of the disc folder whose name brings the path to `length`
    // characters.
    std::string PathOfLength(const std::string& stem, const std::string& program, size_t length) {
        const size_t fixed = folder().size() + stem.size() + 1 + program.size();
        return AddFolder(stem + std::string(length > fixed ? length - fixed : 0, 'x')) + "\\" +
               program;
    }
};

TEST_F(LaunchTest, StartsTheLineInTheLaunchFolderWithoutWaiting) {
    const std::string probe = InstallProbe(folder() + "app.exe");
    const std::string launchFolder = AddFolder("work");
    LaunchEntry entry;
    entry.action.launchDir = launchFolder;
    const DWORD before = ::GetTickCount();
    EXPECT_EQ(LaunchProgram(main_.hwnd(), TargetOf(entry), (probe + " one two").c_str(), false), 1);
    EXPECT_LT(::GetTickCount() - before, 2000u) << "no wait was asked for";
    const std::optional<ProbeReport> report = TakeReport(probe);
    ASSERT_TRUE(report) << "the program did not start";
    EXPECT_EQ(report->commandLine, probe + " one two");
    EXPECT_EQ(report->currentFolder + "\\", launchFolder + "\\");
    // The launcher's own current folder follows, and a program without a folder starts there.
    EXPECT_EQ(CurrentFolder(), report->currentFolder);
    EXPECT_TRUE(main_.exists());
    EXPECT_TRUE(::IsWindowVisible(main_.hwnd()));
    const std::string next = InstallProbe(folder() + "next.exe");
    EXPECT_EQ(LaunchProgram(main_.hwnd(), LaunchTarget{}, next.c_str(), false), 1);
    const std::optional<ProbeReport> nextReport = TakeReport(next);
    ASSERT_TRUE(nextReport) << "the second program did not start";
    EXPECT_EQ(nextReport->currentFolder + "\\", launchFolder + "\\");
}

TEST_F(LaunchTest, QuotedLongProgramPathStartsInItsShortForm) {
    const std::string longFolder = AddFolder("Long Folder Name");
    const std::string probe = InstallProbe(longFolder + "\\my program.exe");
    EXPECT_EQ(LaunchProgram(main_.hwnd(), LaunchTarget{}, ("\"" + probe + "\" /x").c_str(), false),
              1);
    const std::optional<ProbeReport> report = TakeReport(probe);
    ASSERT_TRUE(report) << "the program did not start";
    EXPECT_EQ(report->commandLine, ShortFormOf(probe) + " /x");
}

TEST_F(LaunchTest, AQuotedArgumentAfterAQuotedProgramStaysOneArgument) {
    const std::string probe = InstallProbe(AddFolder("dir with space") + "\\rt prog.exe");
    MessageBoxAnswerer answerer(IDOK);
    EXPECT_EQ(
        LaunchProgram(main_.hwnd(), LaunchTarget{}, ("\"" + probe + "\" \"a b\" c").c_str(), false),
        1);
    const MessageBoxAnswerer::Box& box = answerer.Stop();
    EXPECT_FALSE(box.shown) << box.text;
    const std::optional<ProbeReport> report = TakeReport(probe);
    ASSERT_TRUE(report) << "the program did not start";
    EXPECT_EQ(report->commandLine, ShortFormOf(probe) + " \"a b\" c");
}

TEST_F(LaunchTest, LaunchLongKeepsAQuotedLongPathAndFindsItsFile) {
    const std::string longFolder = AddFolder("Long Folder Name");
    const std::string probe = InstallProbe(longFolder + "\\my program.exe");
    LaunchEntry entry;
    entry.action.launchLong = true;
    MessageBoxAnswerer answerer(IDOK);
    const std::string command = "\"" + probe + "\" /x";
    EXPECT_EQ(LaunchProgram(main_.hwnd(), TargetOf(entry), command.c_str(), false), 1);
    const MessageBoxAnswerer::Box& box = answerer.Stop();
    EXPECT_FALSE(box.shown) << box.text;
    const std::optional<ProbeReport> report = TakeReport(probe);
    ASSERT_TRUE(report) << "the program did not start";
    EXPECT_EQ(report->commandLine, command);
}

TEST_F(LaunchTest, FoundDiscDriveReplacesTheCommandsLetter) {
    const std::string probe = InstallProbe(folder() + "app.exe");
    ASSERT_EQ(probe[1], ':');
    LaunchEntry entry;
    entry.action.launchOnReq = true;
    entry.discDrive = probe[0];
    // The configured letter names no drive; the found one is where the program is.
    const std::string configured = "Q" + probe.substr(1);
    EXPECT_EQ(LaunchProgram(main_.hwnd(), TargetOf(entry), configured.c_str(), false), 1);
    const std::optional<ProbeReport> report = TakeReport(probe);
    ASSERT_TRUE(report) << "the program did not start";
    EXPECT_EQ(report->commandLine, probe);
}

TEST_F(LaunchTest, MissingProgramWithoutSetupReportsError2) {
    MessageBoxAnswerer answerer(IDOK);
    const std::string command = folder() + "missing.exe /a";
    EXPECT_EQ(LaunchProgram(main_.hwnd(), LaunchTarget{}, command.c_str(), false), -1);
    const MessageBoxAnswerer::Box& box = answerer.Stop();
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.text, "Unable to launch " + command + ".\n\nError number 2");
    EXPECT_EQ(box.owner, main_.hwnd());
}

TEST_F(LaunchTest, AFileThatIsNoProgramIsReportedWithItsErrorAndResultZero) {
    const std::string text = AddFileAt(folder() + "readme.exe", "not a program");
    LaunchEntry entry;
    entry.action.setupFunc = "DispatchProgram";
    MessageBoxAnswerer answerer(IDOK);
    EXPECT_EQ(LaunchProgram(main_.hwnd(), TargetOf(entry), text.c_str(), false), 0);
    const MessageBoxAnswerer::Box& box = answerer.Stop();
    ASSERT_TRUE(box.shown);
    // Not a missing file: no setup offer, whatever the entry has.
    EXPECT_EQ(box.text.rfind("Unable to launch " + text + ".\n\nError number ", 0), 0u) << box.text;
}

TEST_F(LaunchTest, NoCommandAsksForTheSetupOrSaysThereIsNothing) {
    {
        MessageBoxAnswerer answerer(IDOK);
        EXPECT_EQ(LaunchProgram(main_.hwnd(), LaunchTarget{}, nullptr, false), -1);
        const MessageBoxAnswerer::Box& box = answerer.Stop();
        ASSERT_TRUE(box.shown);
        EXPECT_EQ(box.text, "Unable to launch the specified application.");
    }
    LaunchEntry entry;
    entry.action.setupFunc = "DispatchProgram";
    MessageBoxAnswerer answerer(IDNO);
    EXPECT_EQ(LaunchProgram(main_.hwnd(), TargetOf(entry), nullptr, false), -1);
    const MessageBoxAnswerer::Box& box = answerer.Stop();
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.text,
              "This application does not appear to be installed.  Would you like to install it "
              "now?");
    EXPECT_TRUE(box.hasAnswerButton);
}

TEST_F(LaunchTest, MissingProgramWithSetupAsksWithTheCommandAndNoStartsNothing) {
    const std::string setup = InstallProbe(folder() + "setup.exe");
    LaunchEntry entry;
    entry.action.setupFunc = "DispatchProgram";
    entry.action.setupData = setup;
    int reloads = 0;
    LaunchTarget target = TargetOf(entry);
    target.reload = [&reloads] { ++reloads; };
    MessageBoxAnswerer answerer(IDNO);
    const std::string command = folder() + "missing.exe";
    EXPECT_EQ(LaunchProgram(main_.hwnd(), target, command.c_str(), false), -1);
    const MessageBoxAnswerer::Box& box = answerer.Stop();
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.text, command +
                            "\n\nThis application does not appear to be installed.  Would you "
                            "like to install it now?");
    EXPECT_EQ(reloads, 0);
    ::Sleep(200);
    EXPECT_FALSE(Started(setup));
}

TEST_F(LaunchTest, AQuitDuringTheSetupOfferStartsNothingAndLeavesTheLauncherUsable) {
    const std::string setup = InstallProbe(folder() + "setup.exe");
    LaunchEntry entry;
    entry.action.setupFunc = "DispatchProgram";
    entry.action.setupData = setup;
    const DWORD thread = ::GetCurrentThreadId();
    WhenReady quit([&] { return ShownWindow(thread, "#32770") != nullptr; },
                   [&] { ::PostThreadMessageA(thread, WM_QUIT, 0, 0); });
    EXPECT_EQ(
        LaunchProgram(main_.hwnd(), TargetOf(entry), (folder() + "missing.exe").c_str(), false),
        -1);
    EXPECT_TRUE(quit.Join());
    EXPECT_TRUE(::IsWindowEnabled(main_.hwnd()));
    MSG message{};
    EXPECT_TRUE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    ::Sleep(200);
    EXPECT_FALSE(Started(setup));
}

// Yes on the offer: the setup starts through its action with id -1, the hand-off is recorded,
// the entry is reloaded, and the launcher stays or goes by its ExitDuringSetup.
class SetupOfferTest : public LaunchFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(SetupOfferTest, YesRunsTheSetupAndReloadsTheEntry) {
    const bool exitDuringSetup = GetParam();
    const std::string setup = InstallProbe(folder() + "setup.exe");
    LaunchEntry entry;
    entry.action.setupFunc = "DispatchProgram";
    entry.action.setupData = setup + " /install";
    entry.action.setupDesc = "Demo Application";
    entry.action.exitDuringSetup = exitDuringSetup;
    entry.action.launchDir = AddFolder("work");
    int reloads = 0;
    LaunchTarget target = TargetOf(entry);
    target.reload = [&reloads] { ++reloads; };
    MessageBoxAnswerer answerer(IDYES);
    EXPECT_EQ(LaunchProgram(main_.hwnd(), target, (folder() + "missing.exe").c_str(), false), -1);
    EXPECT_TRUE(answerer.Stop().shown);
    const std::optional<ProbeReport> report = TakeReport(setup);
    ASSERT_TRUE(report) << "the setup did not start";
    // Id -1: no launch folder, always the short form.
    EXPECT_EQ(report->commandLine, setup + " /install");
    EXPECT_NE(report->currentFolder + "\\", *entry.action.launchDir + "\\");
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(main_.exists(), !exitDuringSetup);
    // Started without waiting: the hand-off is over.
    EXPECT_EQ(lumora::Setup().setupPending, 0);
    EXPECT_EQ(ReadSetting("Setup", "Application"), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(ExitDuringSetup, SetupOfferTest, ::testing::Bool());

TEST_F(LaunchTest, WaitHidesAndDisablesTheLauncherAndLowersThePriority) {
    const std::string probe = InstallProbe(folder() + "app.exe");
    bool visible = true, enabled = true;
    int priority = THREAD_PRIORITY_NORMAL;
    Later during(500, [&] {
        visible = ::IsWindowVisible(main_.hwnd());
        enabled = ::IsWindowEnabled(main_.hwnd());
        priority = ::GetThreadPriority(::GetCurrentThread());
    });
    const DWORD before = ::GetTickCount();
    EXPECT_EQ(LaunchProgram(main_.hwnd(), LaunchTarget{}, (probe + " sleep=1500").c_str(), true),
              1);
    const DWORD waited = ::GetTickCount() - before;
    EXPECT_GE(waited, 1400u);
    EXPECT_LT(waited, 6000u);
    EXPECT_FALSE(visible);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(priority, THREAD_PRIORITY_BELOW_NORMAL);
    EXPECT_TRUE(::IsWindowVisible(main_.hwnd()));
    EXPECT_TRUE(::IsWindowEnabled(main_.hwnd()));
    EXPECT_EQ(::GetThreadPriority(::GetCurrentThread()), THREAD_PRIORITY_NORMAL);
}

TEST_F(LaunchTest, AQuitMessageEndsTheWaitAndStaysForTheMessageLoop) {
    const std::string probe = InstallProbe(folder() + "app.exe");
    Later quit(300, [] { ::PostQuitMessage(7); });
    const DWORD before = ::GetTickCount();
    EXPECT_EQ(LaunchProgram(main_.hwnd(), LaunchTarget{}, (probe + " sleep=3000").c_str(), true),
              1);
    EXPECT_LT(::GetTickCount() - before, 2500u);
    MSG message{};
    ASSERT_TRUE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
    EXPECT_EQ(::GetThreadPriority(::GetCurrentThread()), THREAD_PRIORITY_NORMAL);
    // Let the probe end before its file is removed.
    WaitFor([] { return false; }, 3000);
}

TEST_F(LaunchTest, AfterASetupTheWaitLastsSevenSecondsThenClearsTheRecord) {
    const std::string setup = InstallProbe(folder() + "setup.exe");
    const std::string desc = "Demo Application";
    RecordSetupStart(&desc, false);
    std::optional<std::string> recorded;
    Later during(1500, [&] { recorded = ReadSetting("Setup", "Application"); });
    const DWORD before = ::GetTickCount();
    EXPECT_EQ(LaunchProgram(main_.hwnd(), LaunchTarget{}, setup.c_str(), true), 1);
    const DWORD waited = ::GetTickCount() - before;
    EXPECT_GE(waited, 7000u);
    EXPECT_LT(waited, 10000u);
    EXPECT_EQ(recorded, desc);
    EXPECT_EQ(lumora::Setup().setupPending, 0);
    EXPECT_EQ(ReadSetting("Setup", "Application"), std::nullopt);
}

TEST_F(LaunchTest, AfterASetupTheWaitLastsWhileAnInstallerWindowExists) {
    const std::string setup = InstallProbe(folder() + "setup.exe");
    const std::string installer = InstallProbe(folder() + "inst.exe");
    StartOnTheSide(installer + " installer=9000");
    ASSERT_TRUE(TakeReport(installer));
    const std::string desc = "Demo Application";
    RecordSetupStart(&desc, false);
    const DWORD before = ::GetTickCount();
    EXPECT_EQ(LaunchProgram(main_.hwnd(), LaunchTarget{}, setup.c_str(), true), 1);
    const DWORD waited = ::GetTickCount() - before;
    EXPECT_GE(waited, 8500u);
    EXPECT_FALSE(::FindWindowA("InstallShield_Win", nullptr));
    EXPECT_EQ(lumora::Setup().setupPending, 0);
}

TEST_F(LaunchTest, TheShellStartsTheSameLineInTheSameFolder) {
    // What a program that asks for administrator rights is started with.
    const std::string probe = InstallProbe(folder() + "app.exe");
    const std::string work = AddFolder("work");
    UniqueHandle process;
    ASSERT_TRUE(StartThroughShell(probe + " /a b", &work, process)) << ::GetLastError();
    ASSERT_TRUE(process);
    EXPECT_EQ(::WaitForSingleObject(process.get(), 10000), WAIT_OBJECT_0);
    const std::optional<ProbeReport> report = TakeReport(probe);
    ASSERT_TRUE(report);
    EXPECT_NE(report->commandLine.find("/a b"), std::string::npos) << report->commandLine;
    EXPECT_EQ(report->currentFolder + "\\", work + "\\");
}

// The probe's start time as it wrote it (milliseconds since 1970).
long long ReportedStart(const std::string& reportPath) {
    const std::vector<std::string> lines =
        IniTestFolder::Lines(IniTestFolder::ReadFile(reportPath));
    return lines.size() >= 3 ? std::stoll(lines[2]) : -1;
}

long long NowUnixMilliseconds() {
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<long long>(ticks / 10000 - 11644473600000ULL);
}

TEST_F(LaunchTest, PrintsHowLongAStartTakesBesideABareCreateProcess) {
    const std::string launched = InstallProbe(folder() + "app.exe");
    const std::string bare = InstallProbe(folder() + "bare.exe");
    const long long before = NowUnixMilliseconds();
    ASSERT_EQ(LaunchProgram(main_.hwnd(), LaunchTarget{}, (launched + " /x").c_str(), false), 1);
    ASSERT_TRUE(TakeReport(launched));
    const long long launchStart = ReportedStart(ReportPath(launched)) - before;
    const long long bareBefore = NowUnixMilliseconds();
    StartOnTheSide(bare + " /x");
    ASSERT_TRUE(TakeReport(bare));
    const long long bareStart = ReportedStart(ReportPath(bare)) - bareBefore;
    std::cout << "[ figure ] LaunchProgram to program start: " << launchStart
              << " ms; bare CreateProcess: " << bareStart << " ms\n";
}

// Program paths as long as CreateProcess takes, with the long form kept or not.
class LongProgramPathTest : public LaunchTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LongProgramPathTest, AProgramPathOf150CharactersStarts) {
    LaunchEntry entry;
    entry.action.launchLong = GetParam();
    const std::string plain = InstallProbe(PathOfLength("plain_", "app.exe", 150));
    ASSERT_EQ(plain.size(), 150u);
    const std::string blank = InstallProbe(PathOfLength("with blank ", "my app.exe", 150));
    ASSERT_EQ(blank.size(), 150u);
    // One answerer a start, so that a failure is reported rather than waited on.
    const auto launch = [&](const std::string& line) {
        MessageBoxAnswerer answerer(IDOK);
        const int result = LaunchProgram(main_.hwnd(), TargetOf(entry), line.c_str(), false);
        const MessageBoxAnswerer::Box& box = answerer.Stop();
        EXPECT_FALSE(box.shown) << box.text;
        return result;
    };
    // A line without blank or quotes is started as written, however long.
    EXPECT_EQ(launch(plain), 1);
    const std::string quoted = "\"" + blank + "\" /x";
    EXPECT_EQ(launch(quoted), 1);
    const std::optional<ProbeReport> plainReport = TakeReport(plain);
    ASSERT_TRUE(plainReport) << "the program did not start";
    EXPECT_EQ(plainReport->commandLine, plain);
    const std::optional<ProbeReport> blankReport = TakeReport(blank);
    ASSERT_TRUE(blankReport) << "the program did not start";
    EXPECT_EQ(blankReport->commandLine, GetParam() ? quoted : ShortFormOf(blank) + " /x");
}

INSTANTIATE_TEST_SUITE_P(LaunchLong, LongProgramPathTest, ::testing::Bool());

TEST_F(LaunchTest, FileExistsFindsLongPathsAndBareNamesButNoFolder) {
    const std::string probe = InstallProbe(PathOfLength("f", "app.exe", 200));
    EXPECT_TRUE(FileExists(probe));
    EXPECT_TRUE(CommandFileExists(probe + " /x"));
    // A folder is no program, whatever its name.
    const std::string named = AddFolder("folder.exe");
    EXPECT_FALSE(FileExists(named));
    EXPECT_FALSE(CommandFileExists(named + " /x"));
    // A bare name is looked for on the search path, as CreateProcess does.
    EXPECT_TRUE(FileExists("notepad.exe"));
    EXPECT_TRUE(CommandFileExists("notepad.exe readme.txt"));
    EXPECT_FALSE(FileExists("no such program.exe"));
    // Beyond what any path can be: no file, no fault.
    EXPECT_FALSE(FileExists(folder() + std::string(400, 'y') + ".exe"));
    EXPECT_FALSE(FileExists(""));
}

TEST_F(LaunchTest, CommandFileExistsTestsTheQuotedProgram) {
    const std::string longFolder = AddFolder("Long Folder Name");
    const std::string probe = InstallProbe(longFolder + "\\my program.exe");
    EXPECT_TRUE(CommandFileExists("\"" + probe + "\" /x"));
    EXPECT_TRUE(CommandFileExists(probe));
    EXPECT_TRUE(CommandFileExists(ShortFormOf(probe) + " /x"));
    EXPECT_FALSE(CommandFileExists(probe + " /x"));
    EXPECT_FALSE(CommandFileExists("\"" + longFolder + "\\other.exe\" /x"));
    EXPECT_FALSE(CommandFileExists(""));
}

}  // namespace
}  // namespace lumora::testing
