// What `preview` embeds in the page besides the module: Lumora.ini as written and the files it
// names that lumora.exe shows or plays.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "check_context.h"

namespace lumora::disc {

// The pictures (each with its 2x picture, when the disc has one) and sounds of the screens
// listed in "ScreenNames", of the menus their regions open and of the settings, each file once
// and in the order first named: the name below the disc's root as Lumora.ini writes it, and the
// bytes. Files not on the disc, missing, or pictures larger than any display are left out.
std::vector<std::pair<std::string, std::string>> PageFilesOf(const CheckContext& context,
                                                             const IniSection& config);

// The bytes of a file; nothing when it cannot be read.
std::optional<std::string> ReadBytes(const std::filesystem::path& file);

}  // namespace lumora::disc
