// Section "Config", the start-up launch, the "Setup" record and the file's sections as a whole.
#pragma once

#include <vector>

#include "check_actions.h"
#include "check_context.h"

namespace lumora::disc {

// Reads and checks "Config": fills the context's lists and returns the screens that Lumora
// starts with (Startup and StartScreens, when they can be shown).
std::vector<std::string> CheckConfig(CheckContext& context);

// The section that "LaunchAtStart" names.
void CheckLaunchAtStart(const CheckContext& context);

// "Setup" at its resting values, so that Lumora's first start leaves the file as written.
void CheckSetupSection(const CheckContext& context);

// Sections that nothing names, second sections of a name, entries before the first section and
// values longer than a read gives. Runs last: it needs to know which sections were used.
void CheckSections(const CheckContext& context);

// The first two-element "LaunchReq" label in file order: the image's label unless one is given.
std::optional<std::string> FirstLaunchLabel(const IniDocument& ini);

}  // namespace lumora::disc
