// The drive or share root of the install folder, probed first when a disc is searched. Portable.
#pragma once

#include <optional>
#include <string>

namespace lumora {

// Longest root that a probe buffer holds (260 characters and the terminating zero).
constexpr size_t kMaxRootLength = 260;

// "D:\APPS\DEMO" gives "D:\", "\\SERVER\SHARE\DIR" gives "\\SERVER\SHARE\"; nothing for a path
// without a colon or a complete share, or for a root longer than a probe buffer holds.
std::optional<std::string> InstallRoot(const std::string& installFolder);

}  // namespace lumora
