// Stands in for the help launcher in the Win32 tests: writes the command line it was started with
// and its current folder to "help-launch.txt" beside itself, then ends.
#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char self[MAX_PATH] = {};
    std::string folder(self, ::GetModuleFileNameA(nullptr, self, MAX_PATH));
    folder.erase(folder.find_last_of('\\') + 1);
    char current[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, current);

    // Written under another name and then renamed, so that a reader never sees half of it.
    const std::string partial = folder + "help-launch.tmp";
    {
        std::ofstream out(partial, std::ios::binary);
        out << ::GetCommandLineA() << '\n' << current << '\n';
        if (!out) {
            return 1;
        }
    }
    const std::string report = folder + "help-launch.txt";
    return ::MoveFileExA(partial.c_str(), report.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
