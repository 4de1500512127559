#include "actions/help.h"

#include <windows.h>

#include <vector>

#include "config/ini_store.h"
#include "win/handles.h"

namespace lumora {

void RunHelp(const std::string& argument) {
    const std::string* folder = ProgramDirectory();
    if (!folder) {
        return;
    }
    const std::string line = HelpCommandLine(*folder, argument);
    std::vector<char> commandLine(line.begin(), line.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &process)) {
        UniqueHandle processHandle(process.hProcess);
        UniqueHandle threadHandle(process.hThread);
    }
}

}  // namespace lumora
