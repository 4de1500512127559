// The program that Config/"LaunchAtStart" names, started once when Lumora starts.
#pragma once

namespace lumora {

// Reads the section that Config/"LaunchAtStart" names and starts its program as
// PlanLaunchAtStart says (the disc looked for once, without asking); once it has started, the
// key is deleted. Silent in every case.
void LaunchAtStart();

}  // namespace lumora
