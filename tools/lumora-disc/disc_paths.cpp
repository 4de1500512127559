#include "disc_paths.h"

#include "config/value_parse.h"

namespace lumora::disc {

namespace {

// A drive that no real path names, so that a path is on the disc exactly when it begins with it.
const std::string kDiscRoot = "?:\\";

}  // namespace

std::string DiscRoot() {
    return kDiscRoot;
}

void ExpandDiscPath(std::string& path, const StringList* install) {
    MacroFolders folders;
    folders.programDirectory = kDiscRoot;
    folders.install = install;
    folders.systemDirectory = [] { return std::string("C:\\WINDOWS\\SYSTEM"); };
    folders.windowsDirectory = [] { return std::string("C:\\WINDOWS"); };
    ExpandPathMacros(path, folders);
}

bool OnDisc(const std::string& expanded) {
    return expanded.compare(0, kDiscRoot.size(), kDiscRoot) == 0;
}

std::string ShownPath(const std::string& expanded) {
    return OnDisc(expanded) ? expanded.substr(kDiscRoot.size()) : expanded;
}

std::optional<std::vector<std::string>> DiscPathNames(const std::string& expanded) {
    if (!OnDisc(expanded)) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    const std::string rest = expanded.substr(kDiscRoot.size());
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = rest.find_first_of("\\/", start);
        if (end == std::string::npos) {
            end = rest.size();
        }
        std::string part = rest.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") {
            continue;
        }
        if (part == "..") {
            return std::nullopt;  // nothing above the disc's root is on the disc
        }
        names.push_back(std::move(part));
    }
    return names;
}

}  // namespace lumora::disc
