// A screen's section, its picture and its regions: shapes, pictures, sounds and actions.
#pragma once

#include <string>

#include "check_actions.h"
#include "check_context.h"

namespace lumora::disc {

// Checks the screen (listed in ScreenNames, with a section) and returns what its regions open.
ActionTargets CheckScreen(const CheckContext& context, const std::string& name);

// A sound of a region or of Config: on the disc, and a PCM WAV. A path that depends on the current
// folder is reported and looked for from the disc's root.
void CheckSound(const CheckContext& context, const std::string& path, int line,
                const std::string& what);

}  // namespace lumora::disc
