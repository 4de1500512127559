#include "config/ini_store.h"

#include <windows.h>

#include "config/private_profile_reader.h"
#include "resource.h"
#include "win/resource_string.h"

namespace lumora {

namespace {

// The private-profile functions copy at most 511 characters and a terminating zero.
constexpr DWORD kReadBufferSize = 512;

struct IniLocation {
    std::optional<std::string> programDirectory;
    std::optional<std::string> iniFileName;
};

IniLocation& Location() {
    static IniLocation location;
    return location;
}

}  // namespace

void SetIniLocation(std::string programDirectory, std::string iniFileName) {
    Location().programDirectory = std::move(programDirectory);
    Location().iniFileName = std::move(iniFileName);
}

void ClearIniLocation() {
    Location() = IniLocation{};
}

const std::string* ProgramDirectory() {
    const auto& directory = Location().programDirectory;
    return directory ? &*directory : nullptr;
}

std::optional<std::string> IniFilePath() {
    const IniLocation& location = Location();
    if (!location.programDirectory || !location.iniFileName) {
        return std::nullopt;
    }
    return *location.programDirectory + *location.iniFileName;
}

std::optional<std::string> ReadSetting(const std::string& section, const std::string& key) {
    std::optional<std::string> path = IniFilePath();
    if (!path) {
        return std::nullopt;
    }
    char buffer[kReadBufferSize];
    DWORD copied = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer,
                                              kReadBufferSize, path->c_str());
    if (copied == 0 || copied >= kReadBufferSize) {
        return std::nullopt;
    }
    return std::string(buffer, copied);
}

std::optional<std::string> ReadSetting(const std::string& section, unsigned keyId) {
    return ReadSetting(section, ResourceString(keyId));
}

void WriteSetting(const std::string& section, const std::string& key, const char* value) {
    if (std::optional<std::string> path = IniFilePath()) {
        ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value, path->c_str());
    }
}

void WriteSetting(const std::string& section, unsigned keyId, const char* value) {
    WriteSetting(section, ResourceString(keyId), value);
}

int ReadIntSetting(const std::string& section, const std::string& key) {
    std::optional<std::string> text = ReadSetting(section, key);
    return text ? ParseDecimal(*text) : kSettingAbsent;
}

int ReadIntSetting(const std::string& section, unsigned keyId) {
    return ReadIntSetting(section, ResourceString(keyId));
}

void WriteIntSetting(const std::string& section, const std::string& key, int value) {
    if (value != kSettingAbsent) {
        WriteSetting(section, key, std::to_string(value).c_str());
    }
}

void WriteIntSetting(const std::string& section, unsigned keyId, int value) {
    WriteIntSetting(section, ResourceString(keyId), value);
}

std::optional<StringList> ReadListSetting(const std::string& section, const std::string& key) {
    std::optional<std::string> text = ReadSetting(section, key);
    if (!text) {
        return std::nullopt;
    }
    return SplitList(*text);
}

std::optional<StringList> ReadListSetting(const std::string& section, unsigned keyId) {
    return ReadListSetting(section, ResourceString(keyId));
}

SectionReader::SectionReader(const std::string& section)
    : entries_(PrivateProfileReader().Section(section)) {}

std::optional<std::string> SectionReader::Read(unsigned keyId) const {
    return entries_.Find(ResourceString(keyId));
}

int SectionReader::ReadInt(unsigned keyId) const {
    return entries_.FindInt(ResourceString(keyId));
}

std::optional<StringList> SectionReader::ReadList(unsigned keyId) const {
    return entries_.FindList(ResourceString(keyId));
}

std::string SectionName(unsigned prefixId, const std::string& name) {
    return ResourceString(prefixId) + name;
}

std::string SectionName(const std::string& owner, unsigned partId, const std::string& name) {
    return owner + ResourceString(partId) + name;
}

std::string ConfigSection() {
    return ResourceString(IDS_SECTION_CONFIG);
}

SetupState& Setup() {
    static SetupState state;
    return state;
}

void ClearSetupState() {
    RecordSetupStart(nullptr, false);
}

void RecordSetupStart(const std::string* setupDescription, bool exitDuringSetup) {
    const std::string section = ResourceString(IDS_SECTION_SETUP);
    WriteSetting(section, IDS_KEY_APPLICATION, setupDescription ? setupDescription->c_str() : "");
    WriteIntSetting(section, IDS_KEY_EXIT_DURING_SETUP, exitDuringSetup ? 1 : 0);
    Setup().setupPending = setupDescription && !setupDescription->empty() ? 1 : 0;
    Setup().exitDuringSetup = exitDuringSetup ? 1 : 0;
}

}  // namespace lumora
