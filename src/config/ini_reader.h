// What the loaders of screens, regions and menus read the INI file through: one whole section
// at a time. Two readers answer alike: the private-profile functions (lumora.exe) and a parser of
// the file's text (the authors' tools and the tests). Portable.
#pragma once

#include <string>

#include "config/section_entries.h"

namespace lumora {

class IniReader {
  public:
    virtual ~IniReader() = default;
    // The entries of the first section of that name (letter case and the name's own blanks
    // ignored); no entries when there is no such section or no file.
    virtual SectionEntries Section(const std::string& name) const = 0;
};

}  // namespace lumora
