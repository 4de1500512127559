// The action keys that regions and menu items share: the exported function and its data, the
// setup, the disc and display they need, the splash picture and the working folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "actions/action_record.h"
#include "check_context.h"
#include "imaging/dib_image.h"

namespace lumora::disc {

// An action as lumora.exe reads it, with where it was read for the messages.
struct ActionSite {
    std::string what;  // "region 'Exit' of screen 'Main'"
    const IniSection& section;
};

// A screen or menu that an action leads to, and the line that says so.
struct Target {
    std::string name;
    int line = 0;
};

struct ActionTargets {
    std::vector<Target> screens;
    std::vector<Target> menus;
};

// Checks the action keys; screen (the picture of the screen the action is on, when known) is
// what a splash picture is compared with. Adds the screens and menus the action opens.
void CheckAction(const CheckContext& context, const ActionSite& site, const ActionRecord& action,
                 const DibImage* screen, ActionTargets& targets);

// A screen name from Startup, StartScreens or a DispatchScreen: listed and with a section.
// False (after an error) when Lumora never shows it.
bool CheckScreenName(const CheckContext& context, const std::string& name, int line,
                     const std::string& what);

// A "LaunchScreenReq" value: recognised, and matching some display that Lumora runs on.
void CheckDisplayRequirementList(const CheckContext& context, const StringList& list, int line,
                                 const std::string& what);

// A "LaunchReq" or "SetupReq" value against the label of the disc image.
void CheckDiscRequirement(const CheckContext& context, const StringList& list, int line,
                          const std::string& what);

// A function name of "LaunchFunc" or "SetupFunc": exactly one of the exported actions.
bool CheckFunctionName(const CheckContext& context, const std::string& name, int line,
                       const std::string& what);

// A program of a command line, when it is on the disc.
void CheckProgram(const CheckContext& context, const std::string& command, int line,
                  const std::string& what);

}  // namespace lumora::disc
