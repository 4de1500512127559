// The one table of actions: each exported action function that "LaunchFunc" and "SetupFunc"
// name, the code its dispatch message carries, what its data means and what it does, in the
// words the authors' reference uses. lumora.exe's dispatcher, the authors' kit and the reference
// all follow it (src/actions/lumora.def exports the functions). Portable.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "actions/action_record.h"

namespace lumora {

// The codes of the dispatch message, as it carries them in wParam.
enum class ActionCode : int {
    kScreen = 0,
    kPreviousScreen = 1,
    kMinimize = 2,
    kMenu = 3,
    kHelp = 4,
    kPreferences = 5,
    kAbout = 6,
    kProgram = 7,
    kProgramAndWait = 8,
    kExit = 10,
    kReloadScreen = 100,  // sent by lumora.exe itself only; no function names it
};

struct ActionInfo {
    std::string_view exportName;  // the name "LaunchFunc" gives, letter case included
    ActionCode code;
    bool usesData;             // the action reads its data; without data it does nothing
    std::string_view data;     // what "LaunchData" is, for the reference: "a screen name"
    std::string_view effect;   // what happens, for the reference: "shows that screen"
    std::string_view summary;  // what a click does, "{}" standing for the data
};

inline constexpr std::array<ActionInfo, 10> kActions = {{
    {"DispatchScreen", ActionCode::kScreen, true, "a screen name", "shows that screen",
     "Shows the screen {}"},
    {"DispatchPreviousScreen", ActionCode::kPreviousScreen, false, "none",
     "goes back to the screen shown before (one step; twice returns)",
     "Returns to the screen shown before"},
    {"DispatchMinimize", ActionCode::kMinimize, false, "none", "minimises Lumora",
     "Minimises Lumora"},
    {"DispatchMenu", ActionCode::kMenu, true, "a menu name",
     "opens the pop-up menu `[Menu <name>]`", "Opens the menu {}"},
    {"DispatchHelp", ActionCode::kHelp, true, "a topic",
     "starts `LNCHHLP.EXE` beside `lumora.exe` with the topic",
     "Starts the help program with the topic {}"},
    {"DispatchPreferences", ActionCode::kPreferences, false, "none",
     "opens the preferences (balloons, sound, matte, start screen)", "Opens the preferences"},
    {"DispatchAbout", ActionCode::kAbout, false, "none",
     "opens the preferences at their About page", "Opens the About page of the preferences"},
    {"DispatchProgram", ActionCode::kProgram, true, "a command line",
     "starts the program and closes Lumora", "Starts {} and closes Lumora"},
    {"DispatchProgramAndWait", ActionCode::kProgramAndWait, true, "a command line",
     "starts the program, hides Lumora until it ends", "Starts {} and waits for it"},
    {"DispatchExit", ActionCode::kExit, false, "none", "closes Lumora", "Closes Lumora"},
}};

// The action an exported function name names (compared exactly, as the program's own exports
// are found); null for any other name.
const ActionInfo* FindAction(std::string_view exportName);

// True for the two program actions, whose data is a command line.
bool IsProgramAction(const ActionInfo& action);

// What a click on a region or menu item with this action does, in one sentence without a
// final stop: "Shows the screen Second", "Starts D:\setup.exe and waits for it". The data is
// the action's launch data as lumora.exe would pass it (after the registry lookup), if any.
std::string DescribeAction(const ActionRecord& action,
                           const std::optional<std::string>& launchData);

}  // namespace lumora
