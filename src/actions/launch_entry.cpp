#include "actions/launch_entry.h"

namespace lumora {
namespace {

bool IsSetupCommand(const LaunchEntry& entry, const std::string& command) {
    return entry.setupData && *entry.setupData == command;
}

}  // namespace

bool HasSetup(const LaunchEntry* entry) {
    return entry && entry->setupFunc;
}

bool ExitsDuringSetup(const LaunchEntry* entry) {
    return entry && entry->exitDuringSetup;
}

std::optional<std::string> GetLaunchDir(const LaunchEntry* entry) {
    return entry ? entry->launchDir : std::nullopt;
}

int GetDiscDrive(const LaunchEntry* entry) {
    return entry ? entry->discDrive : 0;
}

bool UsesDiscDrive(const LaunchEntry* entry, const std::string& command) {
    return entry && (entry->launchOnReq || IsSetupCommand(*entry, command));
}

bool KeepsLongPath(const LaunchEntry* entry, const std::string& command) {
    return entry && entry->launchLong && !IsSetupCommand(*entry, command);
}

}  // namespace lumora
