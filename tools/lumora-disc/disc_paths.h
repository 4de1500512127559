// The disc's paths as lumora.exe's macros give them, without a file system: the root, the macro
// expansion and the names along a path below the root. The kit's folder on disk and the page's
// files in memory are both found through these.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/program_settings.h"

namespace lumora::disc {

// The disc's root as the expanded paths begin with it.
std::string DiscRoot();

// Expands the path macros: %r and %d are the disc's root, %i the first Install element, %s and
// %w the usual Windows folders (which are not on the disc).
void ExpandDiscPath(std::string& path, const StringList* install);

// True when an expanded path lies on the disc.
bool OnDisc(const std::string& expanded);

// The path below the disc's root ("art\main.bmp"), or the path itself when not on the disc.
std::string ShownPath(const std::string& expanded);

// The names of the folders and the file along an expanded path on the disc, the empty ones and
// "." left out; nothing when the path is not on the disc or climbs above its root.
std::optional<std::vector<std::string>> DiscPathNames(const std::string& expanded);

}  // namespace lumora::disc
