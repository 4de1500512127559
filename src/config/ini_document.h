// An INI file parsed from its text with the rules of the private-profile functions, so that its
// answers are those lumora.exe gets. It also knows where each section and key was written, for
// the authors' tools. Portable.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "config/code_page.h"
#include "config/ini_reader.h"

namespace lumora {

// The largest file FromFile reads. A disc's Lumora.ini is a few kilobytes (the demo's about
// ten) and one of 100,000 sections about five megabytes; more is no disc's, and reading it whole
// would only let a link to a device or a runaway file exhaust the memory.
constexpr uint64_t kMaxIniFileSize = 16 * 1024 * 1024;

struct IniSection {
    std::string name;        // between '[' and the last ']' of its header, blanks removed
    SectionEntries entries;  // entries().line(): the header's line
};

class IniDocument final : public IniReader {
  public:
    // Lines end at LF, CR or CR LF; blank lines are ignored; a line with '[' and ']' starts a
    // section; any other line is an entry, a key without value when it has no '='. A zero byte
    // ends a name or value, and blanks before it go; a line with a zero byte first and no '=' is
    // nothing. A file that begins with the byte order
    // mark of UTF-16 (either order) or UTF-8 is read in the ANSI code page given, as the system
    // reads it; any other is read as its bytes are.
    explicit IniDocument(std::string_view text, int codePage = kDefaultCodePage);
    // Nothing when the file cannot be read, is no regular file (a FIFO or a device) or holds
    // more than kMaxIniFileSize bytes.
    static std::optional<IniDocument> FromFile(const std::string& path,
                                               int codePage = kDefaultCodePage);

    SectionEntries Section(const std::string& name) const override;
    // The first section of that name, as reads use it; null when there is none.
    const IniSection* FindSection(std::string_view name) const;

    // Every section in file order. The first one, named by the empty text and without a line,
    // holds the entries written before the first header.
    const std::vector<IniSection>& sections() const { return sections_; }

  private:
    void Parse(std::string_view text);

    std::vector<IniSection> sections_;
    // The first section of each name, by the name in small letters: one look-up a read.
    std::unordered_map<std::string, size_t> firstOfName_;
};

}  // namespace lumora
