// The entries of one INI section and what a read of one of its keys gives, with the rules of the
// private-profile functions. Portable.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/program_settings.h"
#include "config/value_parse.h"

namespace lumora {

// Longest value a read gives: the private-profile buffer is 512 bytes with its terminating zero.
constexpr size_t kMaxValueLength = 511;

// The blanks that the private-profile functions trim around names and values (Ctrl-Z included).
bool IsIniBlank(char c);
std::string_view TrimIniBlanks(std::string_view text);
// Letter case is ignored in section and key names.
bool SameIniName(std::string_view a, std::string_view b);
// The name in small letters: two names are the same exactly when their keys are equal.
std::string IniNameKey(std::string_view name);

// What a read gives for a value as written (blanks around it already removed): the text up to a
// zero byte, without enclosing single or double quotation marks, cut at 511 characters; nothing
// when that is empty. A quoted value of exactly 511 characters loses its last one, as the
// private-profile reader drops the closing quotation mark only after its own cut.
std::optional<std::string> ReadableValue(std::string_view written);
// True when the read gives less than the written value holds between its quotation marks.
bool ValueIsCut(std::string_view written);

struct IniEntry {
    std::string name;                  // blanks around it removed
    std::optional<std::string> value;  // as written, blanks around it removed; none: no '='
    int line = 0;                      // 1-based line in the file; 0 when not known

    // A line that begins with ';'. Reads of single keys still find it; whole-section reads skip it.
    bool IsComment() const { return !name.empty() && name.front() == ';'; }
};

class SectionEntries {
  public:
    SectionEntries() = default;
    explicit SectionEntries(std::vector<IniEntry> entries, int line = 0)
        : entries_(std::move(entries)), line_(line) {}
    // data holds "key=value" strings, each ended by a zero, as the whole-section reader gives them.
    SectionEntries(const char* data, size_t size);

    // The first entry whose name matches without regard to letter case (the key's own blanks
    // are ignored); null when there is none.
    const IniEntry* FindEntry(std::string_view key) const;

    // The value of that first entry as a read gives it; nothing when there is no such entry, it
    // has no '=' or its value is empty.
    std::optional<std::string> Find(std::string_view key) const;
    // Its decimal value, or kSettingAbsent.
    int FindInt(std::string_view key) const;
    // Its '|' list.
    std::optional<StringList> FindList(std::string_view key) const;

    // Every entry in file order.
    const std::vector<IniEntry>& entries() const { return entries_; }
    // 1-based line of the section's header; 0 when not known or before the first header.
    int line() const { return line_; }

  private:
    std::vector<IniEntry> entries_;
    int line_ = 0;
};

}  // namespace lumora
