// The launcher needs a display of at least 256 colours.
#pragma once

#include "config/display_requirement.h"

namespace lumora {

// For a display below 256 colours: shows message 2004 with a stop icon and no owner, and returns
// true (the launcher then ends). Otherwise returns false.
bool RefuseLowColorDisplay(ColorClass colorClass);

}  // namespace lumora
