// The help launcher, an outside program in the program folder.
#pragma once

#include <string>

namespace lumora {

// The help launcher's file name; it ships with Lumora beside lumora.exe.
constexpr char kHelpProgram[] = "LNCHHLP.EXE";

// Starts "LNCHHLP.EXE <argument>" from the program folder; failures are silent.
void RunHelp(const std::string& argument);

}  // namespace lumora
