#include "screens/picture_budget.h"

#include <algorithm>

namespace lumora {

void PictureBudget::Use(const std::string& key, size_t bytes) {
    Resize(key, bytes);
    entries_[key].lastUse = ++clock_;
}

void PictureBudget::Resize(const std::string& key, size_t bytes) {
    Entry& entry = entries_[key];
    total_ = total_ - entry.bytes + bytes;
    entry.bytes = bytes;
}

void PictureBudget::Forget(const std::string& key) {
    const auto found = entries_.find(key);
    if (found != entries_.end()) {
        total_ -= found->second.bytes;
        entries_.erase(found);
    }
}

std::vector<std::string> PictureBudget::Excess(
    const std::function<bool(const std::string&)>& inUse) const {
    std::vector<std::pair<uint64_t, const std::string*>> byAge;
    for (const auto& [key, entry] : entries_) {
        byAge.emplace_back(entry.lastUse, &key);
    }
    std::sort(byAge.begin(), byAge.end());
    std::vector<std::string> out;
    size_t total = total_;
    for (const auto& [lastUse, key] : byAge) {
        if (total <= limit_) {
            break;
        }
        if (!inUse(*key)) {
            total -= entries_.at(*key).bytes;
            out.push_back(*key);
        }
    }
    return out;
}

}  // namespace lumora
