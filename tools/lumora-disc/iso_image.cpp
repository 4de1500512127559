#include "iso_image.h"

#include <cstdlib>
#include <fstream>
#include <random>

#ifdef _WIN32
#include <process.h>
#else
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

#include "config/section_entries.h"
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

bool WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    return static_cast<bool>(file);
}

// A new folder of the system's temporary folder, removed with what it holds.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        namespace fs = std::filesystem;
        std::error_code error;
        std::random_device random;
        for (int attempt = 0; attempt < 16 && path_.empty(); ++attempt) {
            const fs::path candidate =
                fs::temp_directory_path(error) / ("lumora-disc-iso-" + std::to_string(random()));
            if (!error && fs::create_directory(candidate, error) && !error) {
                path_ = candidate;
            }
        }
    }
    ~TemporaryFolder() {
        std::error_code error;
        if (!path_.empty()) {
            std::filesystem::remove_all(path_, error);
        }
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

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
                                        const std::filesystem::path& pathList) {
    return {"-as",
            "mkisofs",
            "-quiet",
            "-o",
            request.output.string(),
            "-V",
            request.label,
            "-J",
            "-joliet-long",
            "-joliet-utf16",
            "-r",
            "-input-charset",
            "UTF-8",
            "-graft-points",
            "-path-list",
            pathList.string()};
}

std::string PathList(const DiscTree& tree, const std::filesystem::path& program,
                     const std::filesystem::path& autorun,
                     const std::filesystem::path& emptyFolder) {
    std::string list;
    auto add = [&list](const std::string& inImage, const std::filesystem::path& onDisc) {
        list += GraftPath(inImage) + "=" + GraftPath(onDisc.u8string()) + "\n";
    };
    for (const ImageEntry& entry : tree.entries) {
        if (!entry.folder) {
            add(entry.imagePath, entry.source);
        } else if (entry.empty) {
            add(entry.imagePath, emptyFolder);
        }
    }
    if (!program.empty()) {
        add(kLauncherFile, program);
    }
    if (!autorun.empty()) {
        add(kAutorunFile, autorun);
    }
    return list;
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
    namespace fs = std::filesystem;
    const auto xorriso = FindXorriso();
    if (!xorriso) {
        return "xorriso was not found: install it (Debian: apt-get install xorriso; Windows: put "
               "xorriso.exe on the PATH or name it in LUMORA_XORRISO)";
    }
    std::error_code error;
    fs::remove(request.output, error);
    const DiscTree tree = ReadDiscTree(request.folder, request.output);
    if (!tree.faults.empty()) {
        return "the image cannot hold '" + tree.faults.front().shown + "', which " +
               tree.faults.front().problem;
    }
    bool hasAutorun = false;
    for (const ImageEntry& entry : tree.entries) {
        hasAutorun = hasAutorun || SameIniName(entry.imagePath, kAutorunFile);
    }
    // The list, autorun.inf and the empty folder go into a folder of their own outside the
    // disc, so that the image never holds them.
    const TemporaryFolder work;
    if (work.path().empty()) {
        return "cannot make a temporary folder in " + fs::temp_directory_path(error).string();
    }
    const fs::path autorun = hasAutorun ? fs::path() : work.path() / kAutorunFile;
    const fs::path empty = work.path() / "empty";
    const fs::path list = work.path() / "files.txt";
    fs::create_directory(empty, error);
    if (!autorun.empty() && !WriteFile(autorun, AutorunText(request.label))) {
        return "cannot write " + autorun.string();
    }
    if (!WriteFile(list, PathList(tree, request.program, autorun, empty))) {
        return "cannot write " + list.string();
    }
    std::vector<std::string> command = XorrisoCommand(request, list);
    command.insert(command.begin(), *xorriso);
    const int status = Run(command);
    if (status != 0) {
        return "xorriso failed (exit status " + std::to_string(status) + ")";
    }
    return std::nullopt;
}

}  // namespace lumora::disc
