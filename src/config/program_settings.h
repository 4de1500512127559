// The program-wide settings of section "Config" and the setup hand-off state. Portable data.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumora {

using StringList = std::vector<std::string>;

struct ProgramSettings {
    int balloonHelp = 0;        // 0 or 1
    int useSound = 0;           // 0 or 1
    int useAnim = 0;            // 0 or 1, kept and written back only
    int blackMat = 0;           // 0 or 1
    bool matteChanged = false;  // set by the Options page, consumed by SaveProgramSettings
    std::optional<std::string> startup;
    std::optional<StringList> install;
    std::optional<StringList> screenNames;
    std::optional<StringList> startScreens;
    std::optional<std::string> startSound;
    std::optional<std::string> endSound;
    std::optional<std::string> balloonSound;
    std::optional<std::string> highlightSound;
    int balloonDelay = 500;  // milliseconds; only a present key replaces it
};

// The in-memory copy of section "Setup".
struct SetupState {
    int setupPending = 0;
    int exitDuringSetup = 0;
};

}  // namespace lumora
