// Where an application's launch data comes from when the INI file has none: the registry value
// that the application's own setup recorded.
#pragma once

#include <optional>
#include <string>

#include "actions/action_record.h"

namespace lumora {

// The text of the source's value, cut and extended as it asks (not expanded as a path); nothing
// when there is no such key or value.
std::optional<std::string> ResolveLaunchData(const RegistrySource& source);

}  // namespace lumora
