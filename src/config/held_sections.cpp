#include "config/held_sections.h"

namespace lumora {

void HeldSections::CheckFile() {
    // Taken before the reads that follow: a change while they read shows at the next look.
    const std::optional<FileStamp> now = stampNow_();
    if (!held_.empty() && !HeldCopyStands(heldStamp_, now)) {
        held_.clear();
    }
    if (held_.empty() && now) {
        heldStamp_ = *now;
    }
    // Without the file nothing is read: a section it gives later must not be hidden.
    mayHold_ = now && *now == heldStamp_;
}

SectionEntries HeldSections::Section(const std::string& name) const {
    if (const auto found = held_.find(name); found != held_.end()) {
        return found->second;
    }
    SectionEntries entries = source_.Section(name);
    if (mayHold_) {
        held_.emplace(name, entries);
    }
    return entries;
}

}  // namespace lumora
