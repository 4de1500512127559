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

// The memory a picture takes with its 2x picture, the author's or a doubled copy.
size_t BytesOf(const CDib& picture) {
    const CDib* twin = picture.doubleSize();
    return picture.image().blockSize() + (twin ? twin->image().blockSize() : 0);
}

}  // namespace

std::shared_ptr<const CDib> PictureCache::Get(const std::string& path, bool withDoubleSize) {
    const std::string key = FoldCase(path);
    // Taken before the file is read: a change while it is read shows at the next request.
    const std::optional<FileStamp> now = StampOfFile(path);
    if (auto found = pictures_.find(key); found != pictures_.end()) {
        Entry& entry = found->second;
        if (HeldCopyStands(entry.stamp, now)) {
            if (withDoubleSize) {
                LookForDoubleSize(key, entry);
            }
            budget_.Use(key, BytesOf(*entry.picture));
            return entry.picture;
        }
        // The file changed: it is read anew, and whoever holds the old picture keeps it.
        budget_.Forget(key);
        pictures_.erase(found);
    }
    auto picture = std::make_shared<CDib>();
    if (picture->Load(path)) {
        Entry& entry =
            pictures_.emplace(key, Entry{path, picture, now.value_or(FileStamp{})}).first->second;
        if (withDoubleSize) {
            LookForDoubleSize(key, entry);
        }
        budget_.Use(key, BytesOf(*picture));
    }
    return picture;
}

void PictureCache::LookForDoubleSize(const CDib* picture) {
    for (auto& [key, entry] : pictures_) {
        if (entry.picture.get() == picture) {
            LookForDoubleSize(key, entry);
            return;
        }
    }
}

void PictureCache::LookForDoubleSize(const std::string& key, Entry& entry) {
    if (!entry.doubleSizeLookedFor) {
        entry.doubleSizeLookedFor = true;
        // The 2x picture, when there is one that fits, is held with the picture.
        entry.picture->LoadDoubleSize(entry.path);
        budget_.Resize(key, BytesOf(*entry.picture));
    }
}

bool PictureCache::Trim() {
    // Doubled copies made for a 2x canvas since the pictures were counted.
    for (const auto& [key, entry] : pictures_) {
        budget_.Resize(key, BytesOf(*entry.picture));
    }
    const auto heldElsewhere = [this](const std::string& key) {
        return pictures_.at(key).picture.use_count() > 1;
    };
    for (const std::string& key : budget_.Excess(heldElsewhere)) {
        budget_.Forget(key);
        pictures_.erase(key);
    }
    return !budget_.full();
}

}  // namespace lumora
