// The only way into "Lumora.ini": reads and writes over the private-profile functions.
// The file is read afresh on every access; nothing is cached.
#pragma once

#include <optional>
#include <string>

#include "config/program_settings.h"
#include "config/section_entries.h"
#include "config/section_keys.h"
#include "config/value_parse.h"
#include "resource.h"

namespace lumora {

// Where the INI file is: the program folder (short form, ending in a backslash) and the file
// name. Until both are set, and after ClearIniLocation, reads give absent and writes are dropped.
void SetIniLocation(std::string programDirectory, std::string iniFileName);
void ClearIniLocation();
const std::string* ProgramDirectory();  // null when not set
std::optional<std::string> IniFilePath();

// A value of at most 511 characters, or nothing when the key, section or file is missing or the
// value is empty.
std::optional<std::string> ReadSetting(const std::string& section, const std::string& key);
std::optional<std::string> ReadSetting(const std::string& section, unsigned keyId);

// A null value deletes the key. Failures are ignored.
void WriteSetting(const std::string& section, const std::string& key, const char* value);
void WriteSetting(const std::string& section, unsigned keyId, const char* value);

// kSettingAbsent for a missing or empty key.
int ReadIntSetting(const std::string& section, const std::string& key);
int ReadIntSetting(const std::string& section, unsigned keyId);

// Writes nothing for kSettingAbsent.
void WriteIntSetting(const std::string& section, const std::string& key, int value);
void WriteIntSetting(const std::string& section, unsigned keyId, int value);

std::optional<StringList> ReadListSetting(const std::string& section, const std::string& key);
std::optional<StringList> ReadListSetting(const std::string& section, unsigned keyId);

// A section name: the string-table text of prefixId followed by name ("Screen " + "Main"), or
// name followed by the text of suffixId ("Main" + "-Region " + "Exit").
std::string SectionName(unsigned prefixId, const std::string& name);
std::string SectionName(const std::string& owner, unsigned partId, const std::string& name);

// One read of a whole section, for code that reads many of its keys at once (a region): its
// answers are those the single reads above would give at the moment it was made.
class SectionReader {
  public:
    explicit SectionReader(const std::string& section);
    std::optional<std::string> Read(const std::string& key) const { return entries_.Find(key); }
    std::optional<std::string> Read(unsigned keyId) const;
    int ReadInt(unsigned keyId) const;
    std::optional<StringList> ReadList(unsigned keyId) const;
    const SectionEntries& entries() const { return entries_; }

  private:
    SectionEntries entries_;
};

// The "Config" section name.
std::string ConfigSection();

// The setup hand-off record, in memory and in section "Setup".
SetupState& Setup();
void ClearSetupState();
// Records a setup that is being started: its description (null: none) and its exit flag.
void RecordSetupStart(const std::string* setupDescription, bool exitDuringSetup);
// The keys RecordSetupStart writes into section "Setup", as they would be read.
inline constexpr KeyRead kSetupKeys[] = {{IDS_KEY_APPLICATION, KeyKind::kText},
                                         {IDS_KEY_EXIT_DURING_SETUP, KeyKind::kNonZeroFlag}};

}  // namespace lumora
