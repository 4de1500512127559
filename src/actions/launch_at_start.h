// The program that Config/"LaunchAtStart" names, started once when Lumora starts.
#pragma once

#include "config/section_keys.h"
#include "resource.h"

namespace lumora {

// The key of section "Config" that LaunchAtStart reads: the section that describes the program.
// That section is read as an action record (ActionRecordKeys).
inline constexpr KeyRead kLaunchAtStartKey{IDS_KEY_LAUNCH_AT_START, KeyKind::kText};

// Reads the section that Config/"LaunchAtStart" names and starts its program as
// PlanLaunchAtStart says (the disc looked for once, without asking); once it has started, the
// key is deleted. Silent in every case.
void LaunchAtStart();

}  // namespace lumora
