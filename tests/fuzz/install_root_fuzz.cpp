// The root probed before the drive scan, from arbitrary install folders: when there is one it is
// the start of the folder, ends with a backslash, fits a probe buffer and is either a drive root
// "X:\" or a complete share "\\SERVER\SHARE\"; and every folder that starts with one gets it.
#include <cstdint>
#include <string>

#include "actions/install_root.h"
#include "fuzz/fuzz_check.h"

namespace {

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// "\\SERVER\SHARE\" with both names present and free of backslashes.
bool IsCompleteShare(const std::string& root) {
    if (root.size() < 6 || root.compare(0, 2, "\\\\") != 0 || root.back() != '\\') {
        return false;
    }
    const size_t serverEnd = root.find('\\', 2);
    return serverEnd > 2 && serverEnd + 1 < root.size() - 1 &&
           root.find('\\', serverEnd + 1) == root.size() - 1;
}

// The root the folder starts with, found the long way: its shortest prefix that is a root.
std::optional<std::string> ModelRoot(const std::string& folder) {
    if (folder.size() >= 3 && IsLetter(folder[0]) && folder.compare(1, 2, ":\\") == 0) {
        return folder.substr(0, 3);
    }
    for (size_t length = 6; length <= folder.size() && length <= lumora::kMaxRootLength; ++length) {
        if (folder[length - 1] == '\\' && IsCompleteShare(folder.substr(0, length))) {
            return folder.substr(0, length);
        }
    }
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 1024) {
        return 0;
    }
    const std::string folder(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> root = lumora::InstallRoot(folder);
    if (root) {
        FUZZ_CHECK(folder.compare(0, root->size(), *root) == 0);
        FUZZ_CHECK(!root->empty() && root->back() == '\\');
        FUZZ_CHECK(root->size() <= lumora::kMaxRootLength);
        const bool drive = root->size() == 3 && IsLetter((*root)[0]) && (*root)[1] == ':';
        FUZZ_CHECK(drive || IsCompleteShare(*root));
    }
    FUZZ_CHECK(root == ModelRoot(folder));
    return 0;
}
