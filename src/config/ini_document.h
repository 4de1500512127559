// An INI file parsed from its text with the rules of the private-profile functions, so that its
// answers are those lumora.exe gets. It also knows where each section and key was written, for
// the authors' tools. Portable.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini_reader.h"

namespace lumora {

struct IniSection {
    std::string name;        // between '[' and the last ']' of its header, blanks removed
    SectionEntries entries;  // entries().line(): the header's line
};

class IniDocument final : public IniReader {
  public:
    // Lines end at LF, CR or CR LF; a UTF-8 byte order mark is skipped; blank lines are
    // ignored; a line with '[' and ']' starts a section; any other line is an entry, a key
    // without value when it has no '='.
    explicit IniDocument(std::string_view text);
    // Nothing when the file cannot be read.
    static std::optional<IniDocument> FromFile(const std::string& path);

    SectionEntries Section(const std::string& name) const override;
    // The first section of that name, as reads use it; null when there is none.
    const IniSection* FindSection(std::string_view name) const;

    // Every section in file order. The first one, named by the empty text and without a line,
    // holds the entries written before the first header.
    const std::vector<IniSection>& sections() const { return sections_; }

  private:
    std::vector<IniSection> sections_;
};

}  // namespace lumora
