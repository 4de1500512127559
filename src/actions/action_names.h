// The names of the exported action functions that "LaunchFunc" and "SetupFunc" name, with the
// action code each sends (src/actions/lumora.def exports them). Portable.
#pragma once

#include <array>
#include <string_view>

namespace lumora {

struct ActionName {
    std::string_view name;
    int code;
};

inline constexpr std::array<ActionName, 10> kActionNames = {{
    {"DispatchScreen", 0},
    {"DispatchPreviousScreen", 1},
    {"DispatchMinimize", 2},
    {"DispatchMenu", 3},
    {"DispatchHelp", 4},
    {"DispatchPreferences", 5},
    {"DispatchAbout", 6},
    {"DispatchProgram", 7},
    {"DispatchProgramAndWait", 8},
    {"DispatchExit", 10},
}};

}  // namespace lumora
