#include "actions/launch_at_start.h"

#include <windows.h>

#include "actions/click_plan.h"
#include "actions/disc.h"
#include "actions/process_start.h"
#include "config/ini_store.h"
#include "config/private_profile_reader.h"
#include "config/program_model_context.h"
#include "config/settings.h"
#include "resource.h"

namespace lumora {

void LaunchAtStart() {
    const std::string config = ConfigSection();
    const std::optional<std::string> section = ReadSetting(config, kLaunchAtStartKey.id);
    if (!section) {
        return;
    }
    const ModelContext context = ProgramModelContext();
    const SectionKeys keys(PrivateProfileReader().Section(*section), context);
    const std::optional<StartProgram> start = PlanLaunchAtStart(ReadActionRecord(keys));
    if (!start || (start->discLabel && FindVolumeByLabel(*start->discLabel) == 0)) {
        return;
    }
    if (StartProcess(start->command, nullptr)) {
        // Started once: the key goes, so the program does not start again.
        WriteSetting(config, kLaunchAtStartKey.id, nullptr);
    }
}

}  // namespace lumora
