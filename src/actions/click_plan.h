// What a click on a region, a chosen menu item or an accepted setup offer does, as ordered
// steps: the one plan that lumora.exe carries out and the authors' kit and preview page describe.
// Every step holds copies of what it needs, so that carrying it out never reads the region or
// item again after a message loop has run. Portable.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "actions/action_record.h"
#include "config/program_settings.h"

namespace lumora {

enum class ClickStepKind {
    kPlaySound,     // text: the sound file
    kCheckDisplay,  // requirement: the display requirement; a refusal shows its message and stops
    kCheckDisc,     // requirement: label and name; asks for the disc, stops when cancelled
    kShowSplash,    // text: the picture, seconds: how long (1 to 15)
    kRecordSetup,   // data: the application's name, leaveDuringSetup: Lumora closes meanwhile
    kCallAction,    // text: the exported function, data: its data; ends the plan
};

// The launch id a setup's action is called with: no region or item stands behind it.
constexpr int kSetupLaunchId = -1;

struct ClickStep {
    ClickStepKind kind;
    std::string text;
    std::optional<std::string> data;
    StringList requirement;
    unsigned seconds = 0;
    bool leaveDuringSetup = false;
    bool asSetup = false;  // kCallAction: called with kSetupLaunchId

    bool operator==(const ClickStep& other) const {
        return kind == other.kind && text == other.text && data == other.data &&
               requirement == other.requirement && seconds == other.seconds &&
               leaveDuringSetup == other.leaveDuringSetup && asSetup == other.asSetup;
    }
};

using ClickPlan = std::vector<ClickStep>;

// A click on a region. With an action: the display check, the disc check, the region's sound,
// the splash, then the action with the region's launch data (which may come from the registry).
// Without one: the sound alone.
ClickPlan PlanRegionClick(const ActionRecord& action, const std::optional<std::string>& sound);

// A chosen menu item: as a region's click, without a sound. An item without an action does
// nothing.
ClickPlan PlanMenuChoice(const ActionRecord& action);

// An accepted setup offer: the setup's disc check, the setup hand-off record, then the setup's
// action. Nothing without a "SetupFunc".
ClickPlan PlanSetup(const ActionRecord& action);

// The program that the launch-at-start section names, started once without any message: only
// for a "DispatchProgram" action (letter case ignored) with launch data, and, when it has a
// "LaunchReq", only while a disc with its label is found.
struct StartProgram {
    std::string command;                   // expanded
    std::optional<std::string> discLabel;  // the volume label that must be found first
};
std::optional<StartProgram> PlanLaunchAtStart(const ActionRecord& action);

// A "LaunchReq" or "SetupReq" list asks for a disc only with a label and a name.
bool NeedsDisc(const std::optional<StringList>& requirement);

}  // namespace lumora
