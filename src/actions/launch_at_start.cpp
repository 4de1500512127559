#include "actions/launch_at_start.h"

#include <windows.h>

#include "actions/disc.h"
#include "actions/process_start.h"
#include "config/ini_store.h"
#include "config/settings.h"
#include "resource.h"

namespace lumora {
namespace {

// The only action a launch at start may name.
constexpr char kProgramAction[] = "DispatchProgram";

}  // namespace

void LaunchAtStart() {
    const std::string config = ConfigSection();
    const std::optional<std::string> section = ReadSetting(config, IDS_KEY_LAUNCH_AT_START);
    if (!section) {
        return;
    }
    const std::optional<std::string> function = ReadSetting(*section, IDS_KEY_LAUNCH_FUNC);
    if (!function || ::lstrcmpiA(function->c_str(), kProgramAction) != 0) {
        return;
    }
    std::optional<std::string> command = ReadSetting(*section, IDS_KEY_LAUNCH_DATA);
    if (!command) {
        return;
    }
    ExpandPathMacros(*command);
    if (const std::optional<StringList> disc = ReadListSetting(*section, IDS_KEY_LAUNCH_REQ)) {
        if (disc->size() < 2 || FindVolumeByLabel(disc->front()) == 0) {
            return;
        }
    }
    if (StartProcess(*command, nullptr)) {
        // Started once: the key goes, so the next screen does not start it again.
        WriteSetting(config, IDS_KEY_LAUNCH_AT_START, nullptr);
    }
}

}  // namespace lumora
