#include "iso_image.h"

#include <cctype>
#include <cstdlib>
#include <fstream>

#ifdef _WIN32
#include <process.h>
#else
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

#include "disc_files.h"

namespace lumora::disc {

namespace {

constexpr size_t kJolietLabelLength = 16;

#ifdef _WIN32
constexpr char kPathSeparator = ';';
const char* const kExecutableSuffix = ".exe";
#else
constexpr char kPathSeparator = ':';
const char* const kExecutableSuffix = "";
#endif

// A path for xorriso's graft points, where '=' and '\' are special.
std::string GraftPath(const std::string& path) {
    std::string out;
    for (const char c : path) {
        if (c == '=' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

#ifdef _WIN32
// One argument as the C runtime of the started program splits it again.
std::string QuotedArgument(const std::string& argument) {
    std::string out = "\"";
    size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, '\\');
    return out + "\"";
}
#endif

// Runs the program with the arguments and waits; its exit status, or -1 when it did not start.
int Run(const std::vector<std::string>& command) {
#ifdef _WIN32
    std::vector<std::string> quoted;
    for (const std::string& argument : command) {
        quoted.push_back(QuotedArgument(argument));
    }
    std::vector<const char*> argv;
    for (const std::string& argument : quoted) {
        argv.push_back(argument.c_str());
    }
    argv.push_back(nullptr);
    return static_cast<int>(_spawnv(_P_WAIT, command[0].c_str(), argv.data()));
#else
    std::vector<char*> argv;
    for (const std::string& argument : command) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, command[0].c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
#endif
}

}  // namespace

std::string AutorunText(const std::string& label) {
    return std::string("[autorun]\r\nopen=") + kLauncherFile + "\r\nicon=" + kLauncherFile +
           ",0\r\nlabel=" + label + "\r\n";
}

std::optional<std::string> VolumeLabelProblem(const std::string& label) {
    if (label.empty()) {
        return "the label is empty";
    }
    if (label.size() > kJolietLabelLength) {
        return "Windows reads at most 16 characters of a disc's label";
    }
    for (const char c : label) {
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) {
            return "a disc label holds only A-Z, 0-9 and '_'";
        }
    }
    return std::nullopt;
}

std::vector<std::string> XorrisoCommand(const IsoRequest& request,
                                        const std::filesystem::path& autorun) {
    std::vector<std::string> command = {"-as",
                                        "mkisofs",
                                        "-quiet",
                                        "-o",
                                        request.output.string(),
                                        "-V",
                                        request.label,
                                        "-J",
                                        "-r",
                                        "-graft-points",
                                        "/=" + GraftPath(request.folder.string())};
    if (!autorun.empty()) {
        command.push_back("/autorun.inf=" + GraftPath(autorun.string()));
    }
    if (!request.program.empty()) {
        command.push_back(std::string("/") + kLauncherFile + "=" +
                          GraftPath(request.program.string()));
    }
    return command;
}

std::optional<std::string> FindXorriso() {
    if (const char* given = std::getenv("LUMORA_XORRISO"); given && *given) {
        return std::string(given);
    }
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(kPathSeparator, start);
        if (end == std::string::npos) {
            end = folders.size();
        }
        const std::string folder = folders.substr(start, end - start);
        start = end + 1;
        if (folder.empty()) {
            continue;
        }
        const std::filesystem::path candidate =
            std::filesystem::path(folder) / (std::string("xorriso") + kExecutableSuffix);
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate.string();
        }
    }
    return std::nullopt;
}

std::optional<std::string> BuildIso(const IsoRequest& request) {
    const auto xorriso = FindXorriso();
    if (!xorriso) {
        return "xorriso was not found: install it (Debian: apt-get install xorriso; Windows: put "
               "xorriso.exe on the PATH or name it in LUMORA_XORRISO)";
    }
    std::filesystem::path autorun;
    bool hasAutorun = false;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(request.folder, error)) {
        std::string name = entry.path().filename().string();
        for (char& c : name) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        hasAutorun = hasAutorun || name == kAutorunFile;
    }
    if (!hasAutorun) {
        autorun = request.output;
        autorun += ".autorun.inf";
        std::ofstream file(autorun, std::ios::binary);
        file << AutorunText(request.label);
        if (!file) {
            return "cannot write " + autorun.string();
        }
    }
    std::filesystem::remove(request.output, error);
    std::vector<std::string> command = XorrisoCommand(request, autorun);
    command.insert(command.begin(), *xorriso);
    const int status = Run(command);
    if (!autorun.empty()) {
        std::filesystem::remove(autorun, error);
    }
    if (status != 0) {
        return "xorriso failed (exit status " + std::to_string(status) + ")";
    }
    return std::nullopt;
}

}  // namespace lumora::disc
