#include "disc_files.h"

#include <system_error>

#include "actions/help.h"
#include "config/section_entries.h"

namespace lumora::disc {

namespace {

// The disc's root as the macros give it: a drive that no real path names, so that a path is on
// the disc exactly when it begins with it.
const std::string kDiscRoot = "?:\\";

}  // namespace

DiscFiles::DiscFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::string DiscFiles::Root() {
    return kDiscRoot;
}

void DiscFiles::Expand(std::string& path, const StringList* install) const {
    MacroFolders folders;
    folders.programDirectory = kDiscRoot;
    folders.install = install;
    folders.systemDirectory = [] { return std::string("C:\\WINDOWS\\SYSTEM"); };
    folders.windowsDirectory = [] { return std::string("C:\\WINDOWS"); };
    ExpandPathMacros(path, folders);
}

bool DiscFiles::OnDisc(const std::string& expanded) const {
    return expanded.compare(0, kDiscRoot.size(), kDiscRoot) == 0;
}

std::string DiscFiles::Shown(const std::string& expanded) const {
    return OnDisc(expanded) ? expanded.substr(kDiscRoot.size()) : expanded;
}

bool DiscFiles::ComesWithLumora(const std::string& expanded) const {
    if (!OnDisc(expanded)) {
        return false;
    }
    const std::string rest = expanded.substr(kDiscRoot.size());
    const size_t begin = rest.find_first_not_of("\\/");
    if (begin == std::string::npos || rest.find_first_of("\\/", begin) != std::string::npos) {
        return false;  // the root itself, or a file in a folder
    }
    const std::string name = rest.substr(begin);
    return SameIniName(name, kLauncherFile) || SameIniName(name, kHelpProgram) ||
           SameIniName(name, kAutorunFile);
}

std::optional<std::filesystem::path> DiscFiles::Find(const std::string& expanded) const {
    if (!OnDisc(expanded)) {
        return std::nullopt;
    }
    std::filesystem::path at = folder_;
    const std::string rest = expanded.substr(kDiscRoot.size());
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = rest.find_first_of("\\/", start);
        if (end == std::string::npos) {
            end = rest.size();
        }
        const std::string part = rest.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") {
            continue;
        }
        if (part == "..") {
            return std::nullopt;  // nothing above the disc's root is on the disc
        }
        std::error_code error;
        std::filesystem::path found;
        if (std::filesystem::exists(at / part, error)) {
            found = at / part;
        } else {
            for (const auto& entry : std::filesystem::directory_iterator(at, error)) {
                if (SameIniName(entry.path().filename().string(), part)) {
                    found = entry.path();
                    break;
                }
            }
        }
        if (found.empty()) {
            return std::nullopt;
        }
        at = found;
    }
    return at;
}

std::string CommandProgram(const std::string& command) {
    const size_t begin = command.find_first_not_of(" \t");
    if (begin == std::string::npos) {
        return {};
    }
    if (command[begin] == '"') {
        const size_t close = command.find('"', begin + 1);
        return command.substr(begin + 1,
                              close == std::string::npos ? std::string::npos : close - begin - 1);
    }
    const size_t end = command.find_first_of(" \t", begin);
    return command.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

}  // namespace lumora::disc
