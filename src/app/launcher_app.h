// Start-up, message loop and shutdown of the launcher.
#pragma once

namespace lumora {

// Runs the launcher to its end and returns the process exit code.
int RunLauncher();

}  // namespace lumora
