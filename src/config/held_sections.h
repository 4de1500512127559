// An INI reader that keeps the sections it has read while the file is unchanged: screens shown
// again, and screens read ahead before they are shown, cost no read of the file. Whether the file
// changed is asked when its owner says (once for all that one screen reads, not once a section):
// when it has (lumora.exe writes the preferences into it, an author edits it) every section is
// read afresh; when it can no longer be found what was read still answers. Portable: the file's
// stamp comes from a callback.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "config/file_stamp.h"
#include "config/ini_reader.h"

namespace lumora {

class HeldSections final : public IniReader {
  public:
    using StampNow = std::function<std::optional<FileStamp>()>;

    // Reads through `source`, which must outlive this reader.
    HeldSections(const IniReader& source, StampNow stampNow)
        : source_(source), stampNow_(std::move(stampNow)) {}

    // Looks at the file: what is held goes when it changed since it was read.
    void CheckFile();
    // The held section, or the one read now (and held when the file was there, unchanged, at
    // the last look; before the first look nothing is held).
    SectionEntries Section(const std::string& name) const override;

  private:
    const IniReader& source_;
    StampNow stampNow_;
    mutable std::map<std::string, SectionEntries> held_;  // by the name as asked for
    FileStamp heldStamp_;                                 // the file's when held_ was read
    bool mayHold_ = false;  // the file was there, as held_ was read, at the last look
};

}  // namespace lumora
