// The program that Config/"LaunchAtStart" names, started once when a screen window is created.
#pragma once

namespace lumora {

// Reads the section that Config/"LaunchAtStart" names; when its "LaunchFunc" is DispatchProgram
// (any letter case), its "LaunchData" is there and its "LaunchReq" disc is found (looked for
// once, without asking), starts the expanded command and, once it has started, deletes the key.
// Silent in every case.
void LaunchAtStart();

}  // namespace lumora
