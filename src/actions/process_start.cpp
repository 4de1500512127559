#include "actions/process_start.h"

#include <shellapi.h>

#include <vector>

#include "actions/launch_command.h"
#include "win/system_library.h"

namespace lumora {
namespace {

using ShellStarter = BOOL(WINAPI*)(SHELLEXECUTEINFOA*);

// shell32, with the DLLs it brings along, is loaded on the first start through the shell, not
// at the program's start, where it would only delay the first screen; from the system folder
// only. It stays loaded until the process ends.
ShellStarter ShellStart() {
    static const ShellStarter start =
        SystemFunction<ShellStarter>("shell32.dll", "ShellExecuteExA");
    return start;
}

}  // namespace

bool FileExists(const std::string& path) {
    std::string found = path;
    // A bare name is looked for where the system looks for programs: the program's folder, the
    // current folder, the system folders, then the search path.
    if (!path.empty() && path.find_first_of("\\/:") == std::string::npos) {
        char where[MAX_PATH] = {};
        const DWORD length =
            ::SearchPathA(nullptr, path.c_str(), nullptr, MAX_PATH, where, nullptr);
        if (length == 0 || length >= MAX_PATH) {
            return false;
        }
        found.assign(where, length);
    }
    // Up to MAX_PATH characters, as CreateProcess takes; a folder is no program.
    const DWORD attributes = ::GetFileAttributesA(found.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CommandFileExists(const std::string& line) {
    return FileExists(CommandProgramPart(line)) || FileExists(line);
}

std::optional<std::string> ShortPathOf(const std::string& path) {
    char shortPath[261] = {};
    const DWORD length = ::GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    if (length == 0 || length >= sizeof shortPath) {
        return std::nullopt;
    }
    return std::string(shortPath, length);
}

UniqueHandle StartProcess(const std::string& line, const std::string* folder) {
    if (!CommandFileExists(line)) {
        ::SetLastError(ERROR_FILE_NOT_FOUND);
        return UniqueHandle();
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.wShowWindow = SW_RESTORE;
    PROCESS_INFORMATION process{};
    if (folder) {
        ::SetCurrentDirectoryA(folder->c_str());
    }
    // CreateProcessA may write into the command line.
    std::vector<char> commandLine(line.begin(), line.end());
    commandLine.push_back('\0');
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder ? folder->c_str() : nullptr, &startup, &process)) {
        return UniqueHandle();
    }
    ::CloseHandle(process.hThread);
    ::SetLastError(0);
    return UniqueHandle(process.hProcess);
}

bool StartThroughShell(const std::string& line, const std::string* folder, UniqueHandle& process) {
    const std::string program = CommandProgramPart(line);
    const std::string arguments = CommandArguments(line);
    SHELLEXECUTEINFOA start{};
    start.cbSize = sizeof start;
    // Our own message reports a failure, not the shell's.
    start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    start.lpFile = program.c_str();
    start.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
    start.lpDirectory = folder ? folder->c_str() : nullptr;
    start.nShow = SW_RESTORE;
    const ShellStarter shellStart = ShellStart();
    if (!shellStart) {
        ::SetLastError(ERROR_MOD_NOT_FOUND);
        return false;
    }
    if (!shellStart(&start)) {
        return false;
    }
    process.reset(start.hProcess);
    ::SetLastError(0);
    return true;
}

}  // namespace lumora
