// The display's colour class and size, asked of the system.
#pragma once

#include <windows.h>

#include "config/display_requirement.h"

namespace lumora {

// The class of the display's bits per pixel (1 bit when it cannot be asked).
ColorClass GetDisplayColorClass();

// The screen size and colour class of the display now.
DisplayFacts CurrentDisplay();

}  // namespace lumora
