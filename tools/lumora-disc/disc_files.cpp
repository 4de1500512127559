#include "disc_files.h"

#include <system_error>

#include "actions/help.h"
#include "config/section_entries.h"
#include "disc_paths.h"

namespace lumora::disc {

DiscFiles::DiscFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::string DiscFiles::Root() {
    return DiscRoot();
}

void DiscFiles::Expand(std::string& path, const StringList* install) const {
    ExpandDiscPath(path, install);
}

bool DiscFiles::OnDisc(const std::string& expanded) const {
    return disc::OnDisc(expanded);
}

std::string DiscFiles::Shown(const std::string& expanded) const {
    return ShownPath(expanded);
}

bool DiscFiles::ComesWithLumora(const std::string& expanded) const {
    if (!OnDisc(expanded)) {
        return false;
    }
    const std::string rest = ShownPath(expanded);
    const size_t begin = rest.find_first_not_of("\\/");
    if (begin == std::string::npos || rest.find_first_of("\\/", begin) != std::string::npos) {
        return false;  // the root itself, or a file in a folder
    }
    const std::string name = rest.substr(begin);
    return SameIniName(name, kLauncherFile) || SameIniName(name, kHelpProgram) ||
           SameIniName(name, kAutorunFile);
}

std::optional<std::filesystem::path> DiscFiles::Find(const std::string& expanded) const {
    const auto names = DiscPathNames(expanded);
    if (!names) {
        return std::nullopt;
    }
    std::filesystem::path at = folder_;
    for (const std::string& part : *names) {
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
