// Finding a disc by its volume label, and asking the user to insert it.
#pragma once

#include <windows.h>

#include <string>

#include "config/program_settings.h"

namespace lumora {

// -1 when the root of the install folder has the label, the character code of the first drive
// from C: to Z: that has it, or 0. Labels are compared without regard to letter case.
int FindVolumeByLabel(const std::string& label);

// TRUE when the action may go ahead: the requirement (label, name shown) is met or there is
// none. Asks with message 3000 until the disc is found or the user cancels. The search result
// is written to slot.
BOOL EnsureDisk(HWND owner, const StringList* requirement, int& slot);

}  // namespace lumora
