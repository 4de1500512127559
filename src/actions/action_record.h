// The keys that make an action, read alike from a region's section, a menu item's section and
// the launch-at-start section: the exported function and its data, where that data comes from
// when the section has none, the disc and display the action needs, its setup and its splash
// picture. Portable.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "config/program_settings.h"
#include "config/section_keys.h"

namespace lumora {

// Where the launch data comes from when "LaunchData" is absent: a registry value under
// HKEY_LOCAL_MACHINE, looked up by the Win32 layer.
struct RegistrySource {
    std::string key;
    std::optional<std::string> data;  // value name; none: the key's default value
    int subtract = kSettingAbsent;    // characters cut from the end
    std::optional<std::string> append;
};

struct ActionRecord {
    std::optional<std::string> launchFunc;   // the exported action function, as written
    std::optional<std::string> launchData;   // expanded
    std::optional<RegistrySource> registry;  // only when "LaunchData" is absent
    std::optional<std::string> launchDir;    // expanded
    std::optional<StringList> launchScreenReq;
    std::optional<StringList> launchReq;
    bool launchOnReq = false;
    bool launchLong = false;
    std::optional<StringList> setupReq;
    std::optional<std::string> setupFunc;
    std::optional<std::string> setupData;  // expanded
    std::optional<std::string> setupDesc;
    bool exitDuringSetup = false;
    std::optional<StringList> splash;  // picture path (expanded), seconds
};

// Reads the action keys of one section; missing or broken keys take their defaults.
ActionRecord ReadActionRecord(const SectionKeys& keys);

// The keys ReadActionRecord reads: those of the action, and those of its registry source, which
// it reads when the section has no "LaunchData".
extern const std::array<KeyRead, 13> kActionKeys;
extern const std::array<KeyRead, 4> kRegistrySourceKeys;
// Both, as a section with an action record has them.
KeyReads ActionRecordKeys();

}  // namespace lumora
