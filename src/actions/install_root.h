// The drive or share root of the install folder, probed first when a disc is searched. Portable.
#pragma once

#include <optional>
#include <string>

namespace lumora {

// Longest root that a probe buffer holds (260 characters and the terminating zero).
constexpr size_t kMaxRootLength = 260;

// "D:\APPS\DEMO" gives "D:\", "\\SERVER\SHARE\DIR" gives "\\SERVER\SHARE\". Nothing for a path
// that does not begin with a drive letter, a colon and a backslash, nor with a complete share
// (a server and a share name, each ended by a backslash), nor for a root longer than a probe
// buffer holds. A root is always the start of the path and ends with a backslash.
std::optional<std::string> InstallRoot(const std::string& installFolder);

}  // namespace lumora
