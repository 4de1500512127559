#include "run_stage.h"

#include "actions/help.h"
#include "config/section_entries.h"
#include "config/string_table.h"
#include "disc_files.h"
#include "resource.h"

namespace lumora::disc {

namespace fs = std::filesystem;

std::optional<std::string> StageDisc(const StageRequest& request) {
    const std::string iniName = BuiltInText(IDS_INI_FILE_NAME);
    std::error_code error;
    bool hasIni = false;
    bool hasHelp = false;
    for (const auto& entry : fs::directory_iterator(request.disc, error)) {
        const std::string name = entry.path().filename().string();
        const fs::path target = fs::absolute(entry.path(), error);
        if (SameIniName(name, kLauncherFile)) {
            continue;  // the chosen program takes its place
        }
        if (SameIniName(name, iniName)) {
            hasIni = true;
            fs::copy_file(target, request.stage / name, error);
        } else {
            hasHelp = hasHelp || SameIniName(name, kHelpProgram);
            fs::create_symlink(target, request.stage / name, error);
        }
        if (error) {
            return "cannot put " + name + " into " + request.stage.string() + ": " +
                   error.message();
        }
    }
    if (error) {
        return "cannot read " + request.disc.string() + ": " + error.message();
    }
    if (!hasIni) {
        return "no " + iniName + " in " + request.disc.string();
    }
    fs::copy_file(request.program, request.stage / kLauncherFile, error);
    if (!error && !hasHelp && !request.helpProgram.empty() && fs::exists(request.helpProgram)) {
        fs::create_symlink(fs::absolute(request.helpProgram), request.stage / kHelpProgram, error);
    }
    if (error) {
        return "cannot put " + std::string(kLauncherFile) + " into " + request.stage.string() +
               ": " + error.message();
    }
    return std::nullopt;
}

}  // namespace lumora::disc
