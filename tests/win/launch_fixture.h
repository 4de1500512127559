// A disc folder with a running main window and copies of the launch probe, for the tests that
// start programs: each copy writes "<its name>.txt" beside itself when it starts.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "actions/dispatch.h"
#include "actions/launch.h"
#include "app/main_window.h"
#include "disc_fixture.h"
#include "resource.h"

namespace lumora::testing {

// What a probe wrote when it started.
struct ProbeReport {
    std::string commandLine;
    std::string currentFolder;
};

template <typename Done>
bool WaitFor(Done done, DWORD timeoutMs = 10000) {
    const DWORD deadline = ::GetTickCount() + timeoutMs;
    while (!done()) {
        if (static_cast<LONG>(deadline - ::GetTickCount()) <= 0) {
            return false;
        }
        ::Sleep(5);
    }
    return true;
}

inline std::string CurrentFolder() {
    char current[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, current);
    return current;
}

class LaunchFixture : public DiscFixture {
  protected:
    void SetUp() override {
        DiscFixture::SetUp();
        ::GetCurrentDirectoryA(MAX_PATH, startFolder_);
        SolidPicture("one.bmp", 200, 100, 1);
        WriteIni(
            "[Config]\nScreenNames=One\nStartup=One\n"
            "[Screen One]\nBitmap=%r\\one.bmp\nRegionNames=A\n");
        ASSERT_TRUE(StartMainWindow(main_));
    }

    void TearDown() override {
        // Probes still running hold their files.
        for (HANDLE process : running_) {
            ::WaitForSingleObject(process, 15000);
            ::CloseHandle(process);
        }
        EndMainWindow(main_);
        ::SetCurrentDirectoryA(startFolder_);
        for (const std::string& file : files_) {
            WaitFor([&] { return ::DeleteFileA(file.c_str()) || ::GetLastError() == 2; }, 5000);
        }
        for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) {
            ::RemoveDirectoryA(folder->c_str());
        }
        DiscFixture::TearDown();
    }

    static std::string TestProgramFolder() {
        char path[MAX_PATH] = {};
        std::string folder(path, ::GetModuleFileNameA(nullptr, path, MAX_PATH));
        return folder.substr(0, folder.find_last_of('\\') + 1);
    }

    // A folder inside the disc folder (its long name).
    std::string AddFolder(const std::string& name) {
        const std::string path = folder() + name;
        ::CreateDirectoryA(path.c_str(), nullptr);
        folders_.push_back(path);
        return path;
    }

    // A copy of the probe at `path`; its report goes beside it.
    std::string InstallProbe(const std::string& path) {
        const std::string probe = TestProgramFolder() + "launch_probe.exe";
        EXPECT_TRUE(::CopyFileA(probe.c_str(), path.c_str(), FALSE))
            << probe << ": error " << ::GetLastError();
        files_.push_back(path);
        files_.push_back(ReportPath(path));
        return path;
    }

    // A file of the given bytes at `path`, removed at the end.
    std::string AddFileAt(const std::string& path, const std::string& bytes) {
        HANDLE file =
            ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        ::CloseHandle(file);
        files_.push_back(path);
        return path;
    }

    static std::string ReportPath(const std::string& probe) {
        return probe.substr(0, probe.find_last_of('.')) + ".txt";
    }

    // Waits for the probe's report; nothing when it did not start within the time.
    std::optional<ProbeReport> TakeReport(const std::string& probe, DWORD timeoutMs = 10000) {
        std::string text;
        if (!WaitFor([&] { return !(text = IniTestFolder::ReadFile(ReportPath(probe))).empty(); },
                     timeoutMs)) {
            return std::nullopt;
        }
        const std::vector<std::string> lines = IniTestFolder::Lines(text);
        if (lines.size() < 2) {
            return ProbeReport{"(" + std::to_string(lines.size()) + " lines)", ""};
        }
        return ProbeReport{lines[0], lines[1]};
    }

    bool Started(const std::string& probe) {
        return ::GetFileAttributesA(ReportPath(probe).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // Starts a probe outside the code under test; waited for at the end of the test.
    void StartOnTheSide(const std::string& line) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::vector<char> command(line.begin(), line.end());
        command.push_back('\0');
        ASSERT_TRUE(::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     nullptr, &startup, &process));
        ::CloseHandle(process.hThread);
        running_.push_back(process.hProcess);
    }

    CMainWindow main_;

  private:
    char startFolder_[MAX_PATH] = {};
    std::vector<std::string> files_;
    std::vector<std::string> folders_;
    std::vector<HANDLE> running_;
};

// A short path as the system gives it (Wine's are hashed, never "~1").
inline std::string ShortFormOf(const std::string& path) {
    char shortPath[MAX_PATH] = {};
    ::GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return shortPath;
}

}  // namespace lumora::testing
