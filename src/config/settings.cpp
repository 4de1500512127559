#include "config/settings.h"

#include <windows.h>

#include <utility>

#include "win/app_state.h"
#include "config/ini_store.h"
#include "config/program_model_context.h"
#include "config/settings_model.h"
#include "resource.h"

namespace lumora {

namespace {

// The size of the folder buffers, as MAX_PATH + 1.
constexpr DWORD kFolderBufferSize = 261;

// A folder from GetSystemDirectoryA or GetWindowsDirectoryA, in its short form. Failures are not
// reported: whatever the buffer holds is used.
std::string ShortFolder(UINT(WINAPI* getFolder)(LPSTR, UINT)) {
    char folder[kFolderBufferSize] = {};
    getFolder(folder, kFolderBufferSize);
    char shortFolder[kFolderBufferSize] = {};
    DWORD length = ::GetShortPathNameA(folder, shortFolder, kFolderBufferSize);
    return length > 0 && length < kFolderBufferSize ? shortFolder : folder;
}

}  // namespace

ProgramSettings& Settings() {
    static ProgramSettings settings;
    return settings;
}

void ExpandPathMacros(std::string& path) {
    MacroFolders folders;
    if (const std::string* directory = ProgramDirectory()) {
        folders.programDirectory = *directory;
    }
    const std::optional<StringList>& install = Settings().install;
    folders.install = install ? &*install : nullptr;
    folders.systemDirectory = [] { return ShortFolder(::GetSystemDirectoryA); };
    folders.windowsDirectory = [] { return ShortFolder(::GetWindowsDirectoryA); };
    ExpandPathMacros(path, folders);
}

void LoadProgramSettings() {
    FreeProgramSettings();
    ClearSetupState();

    // One read of the section: the program starts sooner.
    ReadProgramSettings(SectionReader(ConfigSection()).entries(), ProgramModelContext(),
                        Settings());
}

bool SaveProgramSettings() {
    ProgramSettings& settings = Settings();
    const std::string config = ConfigSection();
    WriteIntSetting(config, IDS_KEY_BALLOON_HELP, settings.balloonHelp);
    WriteIntSetting(config, IDS_KEY_USE_SOUND, settings.useSound);
    WriteIntSetting(config, IDS_KEY_USE_ANIM, settings.useAnim);
    WriteIntSetting(config, IDS_KEY_BLACK_MAT, settings.blackMat);
    if (settings.startup) {
        WriteSetting(config, IDS_KEY_STARTUP, settings.startup->c_str());
    }
    return std::exchange(settings.matteChanged, false);
}

void FreeProgramSettings() {
    ProgramSettings& settings = Settings();
    settings.balloonHelp = 0;
    settings.useSound = 0;
    settings.useAnim = 0;
    settings.blackMat = 0;
    settings.startup.reset();
    settings.install.reset();
    settings.screenNames.reset();
    settings.startScreens.reset();
    settings.startSound.reset();
    settings.endSound.reset();
    settings.balloonSound.reset();
    settings.highlightSound.reset();
}

}  // namespace lumora
