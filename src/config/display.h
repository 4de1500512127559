// The display's colour class and the display requirement check of an action.
#pragma once

#include <windows.h>

#include <string>

#include "config/display_requirement.h"
#include "config/program_settings.h"

namespace lumora {

// The class of the display's bits per pixel (1 bit when it cannot be asked).
ColorClass GetDisplayColorClass();

// The screen size and colour class of the display now.
DisplayFacts CurrentDisplay();

// Message 2005 (exact) or 2006 (minimum) for a refused requirement.
std::string DisplayRefusalMessage(const DisplayRefusal& refusal);

// TRUE when the action may go ahead; otherwise message 2005 or 2006 has been shown, owned by
// the given window.
BOOL CheckDisplayRequirement(HWND owner, const StringList* requirement);

}  // namespace lumora
