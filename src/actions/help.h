// The help launcher, an outside program in the program folder.
#pragma once

#include <string>

namespace lumora {

// The help launcher's file name; it ships with Lumora beside lumora.exe.
constexpr char kHelpProgram[] = "LNCHHLP.EXE";

// The line that starts the help launcher of the program folder (which ends in a backslash)
// with the argument: "D:\LNCHHLP.EXE <argument>".
inline std::string HelpCommandLine(const std::string& programFolder, const std::string& argument) {
    return programFolder + kHelpProgram + " " + argument;
}

// Starts HelpCommandLine from the program folder; failures are silent.
void RunHelp(const std::string& argument);

}  // namespace lumora
