#include "actions/install_root.h"

namespace lumora {
namespace {

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// "\\SERVER\SHARE\" at the start of a network path, with a server and a share name that are
// not empty; nothing for "\\", "\\S\" or "\\S\SHARE" without its closing backslash.
std::optional<std::string> ShareRoot(const std::string& folder) {
    const size_t serverEnd = folder.find('\\', 2);
    if (serverEnd == std::string::npos || serverEnd == 2) {
        return std::nullopt;
    }
    const size_t shareEnd = folder.find('\\', serverEnd + 1);
    if (shareEnd == std::string::npos || shareEnd == serverEnd + 1) {
        return std::nullopt;
    }
    return folder.substr(0, shareEnd + 1);
}

}  // namespace

std::optional<std::string> InstallRoot(const std::string& folder) {
    std::optional<std::string> root;
    if (folder.compare(0, 2, "\\\\") == 0) {
        root = ShareRoot(folder);
    } else if (folder.size() >= 3 && IsDriveLetter(folder[0]) && folder[1] == ':' &&
               folder[2] == '\\') {
        // A drive root is "D:\" and nothing else: "D:" alone names the drive's current folder.
        root = folder.substr(0, 3);
    }
    if (root && root->size() > kMaxRootLength) {
        return std::nullopt;
    }
    return root;
}

}  // namespace lumora
