#include "actions/launch_entry.h"

namespace lumora {
namespace {

bool IsSetupCommand(const LaunchEntry& entry, const std::string& command) {
    return entry.action.setupData && *entry.action.setupData == command;
}

}  // namespace

bool HasSetup(const LaunchEntry* entry) {
    return entry && entry->action.setupFunc;
}

bool ExitsDuringSetup(const LaunchEntry* entry) {
    return entry && entry->action.exitDuringSetup;
}

std::optional<std::string> GetLaunchDir(const LaunchEntry* entry) {
    return entry ? entry->action.launchDir : std::nullopt;
}

int GetDiscDrive(const LaunchEntry* entry) {
    return entry ? entry->discDrive : 0;
}

bool UsesDiscDrive(const LaunchEntry* entry, const std::string& command) {
    return entry && (entry->action.launchOnReq || IsSetupCommand(*entry, command));
}

bool KeepsLongPath(const LaunchEntry* entry, const std::string& command) {
    return entry && entry->action.launchLong && !IsSetupCommand(*entry, command);
}

}  // namespace lumora
