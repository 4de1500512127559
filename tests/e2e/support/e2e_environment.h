// What every end-to-end test shares for the whole run: the X screen, the probe in the Wine
// prefix, the system metrics, and where the programs under test and the resources are.
#pragma once

#include <memory>
#include <string>

#include "probe.h"
#include "x_screen.h"

namespace e2e {

struct E2eEnvironment {
    std::string windowsBuild;  // folder of the Windows build
    std::string lumoraExe;     // the program under test (LUMORA_EXE overrides the build's)
    std::string toolsFolder;   // folder of the probe, its hook, the winmm stand-in, bare_window
    std::string resources;     // res/ of the sources (cursor files)
    std::unique_ptr<XScreen> screen;
    std::unique_ptr<Probe> probe;
    Metrics metrics;

    // Opens the display and starts the probe; an explanation when that failed, else empty.
    std::string Open();
    void Close();
};

E2eEnvironment& Env();

// Where the pointer rests while nothing is being tested: a corner of the display.
Point ParkingSpot();

}  // namespace e2e
