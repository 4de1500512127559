// A program for the launching tests to start. Beside itself, under its own name with ".txt"
// (app.exe writes app.txt), it writes the command line it was started with, its current folder
// and the moment it started (milliseconds since 1970). Words of its command line steer it:
//   exit=N         ends with exit code N (default 0)
//   sleep=MS       runs MS milliseconds before it ends
//   installer=MS   then keeps a window of class "InstallShield_Win" for MS milliseconds
//   report=FOLDER  writes the report into FOLDER (no blanks) instead, for a copy on a read-only
//                  disc
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// The number after `word=` in the command line, or `otherwise`.
long Option(const std::string& commandLine, const std::string& word, long otherwise) {
    const size_t at = commandLine.find(word + "=");
    if (at == std::string::npos) {
        return otherwise;
    }
    return std::strtol(commandLine.c_str() + at + word.size() + 1, nullptr, 10);
}

unsigned long long UnixMilliseconds() {
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    // 100-ns ticks since 1601.
    return ticks / 10000 - 11644473600000ULL;
}

// The text after `word=` in the command line, up to the next blank; empty when it is not there.
std::string Word(const std::string& commandLine, const std::string& word) {
    const size_t at = commandLine.find(word + "=");
    if (at == std::string::npos) {
        return {};
    }
    const size_t begin = at + word.size() + 1;
    return commandLine.substr(begin, commandLine.find(' ', begin) - begin);
}

bool WriteReport(const std::string& commandLine, unsigned long long started) {
    char self[MAX_PATH] = {};
    std::string base(self, ::GetModuleFileNameA(nullptr, self, MAX_PATH));
    base.erase(base.find_last_of('.'));
    if (const std::string folder = Word(commandLine, "report"); !folder.empty()) {
        base = folder + "\\" + base.substr(base.find_last_of("\\/") + 1);
    }
    char current[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, current);
    // Written under another name and then renamed, so that a reader never sees half of it.
    const std::string partial = base + ".tmp";
    {
        std::ofstream out(partial, std::ios::binary);
        out << commandLine << '\n' << current << '\n' << started << '\n';
        if (!out) {
            return false;
        }
    }
    return ::MoveFileExA(partial.c_str(), (base + ".txt").c_str(), MOVEFILE_REPLACE_EXISTING);
}

void KeepInstallerWindow(DWORD milliseconds) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "InstallShield_Win";
    ::RegisterClassA(&windowClass);
    HWND window = ::CreateWindowA("InstallShield_Win", "Installer", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    const DWORD deadline = ::GetTickCount() + milliseconds;
    while (static_cast<LONG>(deadline - ::GetTickCount()) > 0) {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageA(&message);
        }
        ::Sleep(10);
    }
    ::DestroyWindow(window);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const unsigned long long started = UnixMilliseconds();
    const std::string commandLine = ::GetCommandLineA();
    if (!WriteReport(commandLine, started)) {
        return 100;
    }
    ::Sleep(static_cast<DWORD>(Option(commandLine, "sleep", 0)));
    if (const long installer = Option(commandLine, "installer", 0); installer > 0) {
        KeepInstallerWindow(static_cast<DWORD>(installer));
    }
    return static_cast<int>(Option(commandLine, "exit", 0));
}
