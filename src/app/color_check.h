// The launcher needs a display of at least 256 colours.
#pragma once

namespace lumora {

// For a display colour class of 0 (fewer than 8 bits per pixel): shows message 2004 with a stop
// icon and no owner, and returns true (the launcher then ends). Otherwise returns false.
bool RefuseLowColorDisplay(int colorClass);

}  // namespace lumora
