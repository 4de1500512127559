#include "actions/install_root.h"

namespace lumora {

std::optional<std::string> InstallRoot(const std::string& folder) {
    std::string root;
    if (folder.compare(0, 2, "\\\\") != 0) {
        size_t colon = folder.find(':');
        if (colon == std::string::npos) {
            return std::nullopt;
        }
        // The colon and the character after it ("D:\").
        root = folder.substr(0, colon + 2);
    } else {
        size_t serverEnd = folder.find('\\', 2);
        size_t shareEnd =
            serverEnd == std::string::npos ? std::string::npos : folder.find('\\', serverEnd + 1);
        if (shareEnd == std::string::npos) {
            return std::nullopt;
        }
        root = folder.substr(0, shareEnd + 1);
    }
    if (root.size() > kMaxRootLength) {
        return std::nullopt;
    }
    return root;
}

}  // namespace lumora
