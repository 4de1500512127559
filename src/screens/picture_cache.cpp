#include "screens/picture_cache.h"

#include <windows.h>

namespace lumora {
namespace {

// Upper case in the ANSI code page, so letters beyond ASCII fold as the file system folds them.
std::string FoldCase(std::string path) {
    if (!path.empty()) {
        ::CharUpperBuffA(path.data(), static_cast<DWORD>(path.size()));
    }
    return path;
}

}  // namespace

std::shared_ptr<const CDib> PictureCache::Get(const std::string& path) {
    const std::string key = FoldCase(path);
    if (auto found = pictures_.find(key); found != pictures_.end()) {
        return found->second.picture;
    }
    auto picture = std::make_shared<CDib>();
    if (picture->Load(path)) {
        // The author's 2x picture, when there is one that fits, is held with the picture.
        if (lookForDoubleSizes_) {
            picture->LoadDoubleSize(path);
        }
        pictures_.emplace(key, Entry{path, picture});
    }
    return picture;
}

void PictureCache::LookForDoubleSizes() {
    if (lookForDoubleSizes_) {
        return;
    }
    lookForDoubleSizes_ = true;
    for (auto& [key, entry] : pictures_) {
        entry.picture->LoadDoubleSize(entry.path);
    }
}

}  // namespace lumora
