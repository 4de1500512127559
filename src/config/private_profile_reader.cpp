#include "config/private_profile_reader.h"

#include <windows.h>

#include <vector>

#include "config/ini_store.h"

namespace lumora {

SectionEntries PrivateProfileReader::Section(const std::string& name) const {
    std::optional<std::string> path = iniPath_ ? iniPath_ : IniFilePath();
    if (!path) {
        return SectionEntries();
    }
    // The single-key reads ignore blanks around the section name; the section read does not.
    const std::string section(TrimIniBlanks(name));
    // The section reader returns size - 2 when the buffer was too small: grow and read again.
    std::vector<char> buffer(16 * 1024);
    for (;;) {
        DWORD copied = ::GetPrivateProfileSectionA(
            section.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()), path->c_str());
        if (copied + 2 < buffer.size() || buffer.size() >= 1024 * 1024) {
            return SectionEntries(buffer.data(), copied);
        }
        buffer.resize(buffer.size() * 4);
    }
}

}  // namespace lumora
