#include "e2e_environment.h"

#include <cstdlib>
#include <filesystem>

namespace e2e {

namespace {

std::string FromEnvironment(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

}  // namespace

E2eEnvironment& Env() {
    static E2eEnvironment environment;
    return environment;
}

std::string E2eEnvironment::Open() {
    windowsBuild = FromEnvironment("LUMORA_WIN_BUILD", LUMORA_E2E_WIN_BUILD);
    toolsFolder = windowsBuild + "/tests/e2e/windows";
    lumoraExe = FromEnvironment("LUMORA_EXE", (windowsBuild + "/lumora.exe").c_str());
    resources = std::string(LUMORA_E2E_SOURCE_DIR) + "/res";
    for (const std::string& file :
         {lumoraExe, toolsFolder + "/lumora_probe.exe", toolsFolder + "/lumora_probe_hook.dll",
          toolsFolder + "/winmm.dll"}) {
        if (!std::filesystem::exists(file)) {
            return "missing " + file + " (build the Windows target first)";
        }
    }
    screen = std::make_unique<XScreen>();
    if (!screen->IsOpen()) {
        return "cannot open the X display (DISPLAY not set or Xvfb not running)";
    }
    probe = std::make_unique<Probe>(toolsFolder);
    if (!probe->IsRunning()) {
        return "cannot start the probe under wine";
    }
    metrics = probe->GetMetrics();
    if (metrics.cxScreen != screen->Width() || metrics.cyScreen != screen->Height()) {
        return "the Wine desktop (" + std::to_string(metrics.cxScreen) + "x" +
               std::to_string(metrics.cyScreen) + ") differs from the X screen (" +
               std::to_string(screen->Width()) + "x" + std::to_string(screen->Height()) + ")";
    }
    return {};
}

void E2eEnvironment::Close() {
    probe.reset();
    screen.reset();
}

Point ParkingSpot() {
    return {Env().screen->Width() - 4, Env().screen->Height() - 8};
}

}  // namespace e2e
