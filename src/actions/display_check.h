// The display check of an action: the display now against the action's "LaunchScreenReq", and
// the message that refuses it.
#pragma once

#include <windows.h>

#include <string>

#include "config/display.h"
#include "config/program_settings.h"

namespace lumora {

// Message 2005 (exact) or 2006 (minimum) for a refused requirement.
std::string DisplayRefusalMessage(const DisplayRefusal& refusal);

// TRUE when the action may go ahead; otherwise message 2005 or 2006 has been shown, owned by
// the given window.
BOOL CheckDisplayRequirement(HWND owner, const StringList* requirement);

}  // namespace lumora
