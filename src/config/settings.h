// Loading, saving and freeing the program settings of section "Config".
#pragma once

#include <string>

#include "config/program_settings.h"

namespace lumora {

// The one set of program settings; every part reads it directly.
ProgramSettings& Settings();

// Reads section "Config" (after clearing the setup hand-off record).
void LoadProgramSettings();
// Writes the four switches and Startup. True when the matte changed since the last save: the
// caller then has the main window lay itself out again (WM_DISPLAYCHANGE with the screen size).
bool SaveProgramSettings();
void FreeProgramSettings();

// Expands the path macros of an INI path value with the real folders.
void ExpandPathMacros(std::string& path);

}  // namespace lumora
