#include "page_files.h"

#include <algorithm>

#include "config/section_entries.h"
#include "disc_paths.h"

namespace lumora::disc {

void PageFiles::Add(const std::string& name, std::vector<uint8_t> bytes) {
    const int id = added_++;
    auto names = DiscPathNames(DiscRoot() + name);
    if (!names || names->empty()) {
        return;
    }
    const size_t same = Lookup(*names, true);
    if (same < files_.size()) {
        files_[same].file = {name, id, std::move(bytes)};
    } else {
        files_.push_back({std::move(*names), {name, id, std::move(bytes)}});
    }
}

const PageFile* PageFiles::Find(const std::string& expanded) const {
    const auto names = DiscPathNames(expanded);
    if (!names) {
        return nullptr;
    }
    // A name as written wins over one that differs in letter case only, as in a folder.
    size_t file = Lookup(*names, true);
    file = file < files_.size() ? file : Lookup(*names, false);
    return file < files_.size() ? &files_[file].file : nullptr;
}

size_t PageFiles::Lookup(const std::vector<std::string>& names, bool exactCase) const {
    const auto same = [exactCase](const std::string& a, const std::string& b) {
        return exactCase ? a == b : SameIniName(a, b);
    };
    const auto found = std::find_if(files_.begin(), files_.end(), [&](const File& file) {
        return std::equal(file.names.begin(), file.names.end(), names.begin(), names.end(), same);
    });
    return static_cast<size_t>(found - files_.begin());
}

}  // namespace lumora::disc
