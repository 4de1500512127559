// Where an application's launch data comes from when the INI file has none.
#pragma once

#include <optional>
#include <string>

namespace lumora {

// The launch data that the application's own setup recorded in the registry, named by the
// section's "RegistryKey"/"RegistryData" keys; nothing when there is none.
std::optional<std::string> ResolveLaunchData(const std::string& section);

}  // namespace lumora
