// Which sound a front end plays for a sound key or a region's sound: a file that is named, and
// only while "UseSound" is on. Portable.
#pragma once

#include <optional>
#include <string>

#include "config/program_settings.h"

namespace lumora {

// The file to play, or null for none.
inline const std::string* SoundToPlay(const std::optional<std::string>& file,
                                      const ProgramSettings& settings) {
    return file && settings.useSound ? &*file : nullptr;
}

}  // namespace lumora
