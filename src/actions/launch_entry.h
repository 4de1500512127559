// What launching asks about the region or menu item behind a launch id. The entry holds a copy
// of the item's action, so nothing refers to a record that a nested action may free. Portable.
#pragma once

#include <optional>
#include <string>

#include "actions/action_record.h"

namespace lumora {

struct LaunchEntry {
    ActionRecord action;
    int discDrive = 0;  // last disc search: 0, a drive letter, or -1
};

// The questions about a launch id. A null entry is an id that names nothing (-1, or an item
// that is gone): every answer is false, none or 0.
bool HasSetup(const LaunchEntry* entry);
bool ExitsDuringSetup(const LaunchEntry* entry);
std::optional<std::string> GetLaunchDir(const LaunchEntry* entry);
int GetDiscDrive(const LaunchEntry* entry);
// The found disc's drive goes into the command: the entry asks for it, or the command is its
// setup command (compared case-sensitively).
bool UsesDiscDrive(const LaunchEntry* entry, const std::string& command);
// The command keeps its long form: the entry asks for it and the command is not its setup.
bool KeepsLongPath(const LaunchEntry* entry, const std::string& command);

}  // namespace lumora
