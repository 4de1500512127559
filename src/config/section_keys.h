// One INI section's keys, named by their string-table ids and read as lumora.exe reads them: the
// one way that screens, regions, menus, menu items and actions read their sections. Portable.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/model_context.h"
#include "config/program_settings.h"
#include "config/section_entries.h"
#include "config/value_parse.h"

namespace lumora {

// How a reader reads a key's value: what the authors' kit compares the value as written with.
enum class KeyKind {
    kText,          // as written
    kPath,          // as written, its macros expanded
    kList,          // '|' elements
    kInteger,       // ParseDecimal
    kPoint,         // ParsePoint
    kPointList,     // '|' elements, each read by ParsePoint
    kPositiveFlag,  // on for a number above 0
    kNonZeroFlag,   // on for any number but 0
};

// A key that a reader reads: its string-table id and how its value is read. Each reader lists
// its keys beside it, and the kit's check of unknown keys uses those lists.
struct KeyRead {
    unsigned id = 0;
    KeyKind kind = KeyKind::kText;
};
using KeyReads = std::vector<KeyRead>;

// The flags' rules, on a value as a read gives it.
bool PositiveFlagIsOn(std::string_view value);
bool NonZeroFlagIsOn(std::string_view value);

class SectionKeys {
  public:
    SectionKeys(SectionEntries entries, const ModelContext& context)
        : entries_(std::move(entries)), context_(context) {}

    // The value as a read gives it; none when the key is absent or empty.
    std::optional<std::string> Text(unsigned id) const { return entries_.Find(Key(id)); }
    // A path value, its macros expanded right after it is read.
    std::optional<std::string> Path(unsigned id) const;
    std::optional<StringList> List(unsigned id) const { return entries_.FindList(Key(id)); }
    // The decimal value, or kSettingAbsent.
    int Int(unsigned id) const { return entries_.FindInt(Key(id)); }
    // A point, or (0, 0) when the key is absent.
    Point PointOrOrigin(unsigned id) const;
    // A flag that is on for a value above 0, or for any value but 0.
    bool PositiveFlag(unsigned id) const;
    bool NonZeroFlag(unsigned id) const;

    const SectionEntries& entries() const { return entries_; }
    const ModelContext& context() const { return context_; }

  private:
    std::string Key(unsigned id) const { return context_.text(id); }

    SectionEntries entries_;
    const ModelContext& context_;
};

}  // namespace lumora
