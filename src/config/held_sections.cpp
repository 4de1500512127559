#include "config/held_sections.h"

namespace lumora {

SectionEntries HeldSections::Section(const std::string& name) const {
    // Taken before the read: a change while it reads shows at the next one.
    const std::optional<FileStamp> now = stampNow_();
    if (!held_.empty() && !HeldCopyStands(heldStamp_, now)) {
        held_.clear();
    }
    if (const auto found = held_.find(name); found != held_.end()) {
        return found->second;
    }
    SectionEntries entries = source_.Section(name);
    // Without the file nothing was read: a section it gives later must not be hidden.
    if (now) {
        if (held_.empty()) {
            heldStamp_ = *now;
        }
        held_.emplace(name, entries);
    }
    return entries;
}

}  // namespace lumora
