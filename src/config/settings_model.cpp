#include "config/settings_model.h"

#include "resource.h"

namespace lumora {

namespace {

int ReadSwitch(const SectionEntries& config, const ModelContext& context, unsigned keyId) {
    const int value = config.FindInt(context.text(keyId));
    return value != 0 && value != kSettingAbsent ? 1 : 0;
}

std::optional<std::string> ReadPath(const SectionEntries& config, const ModelContext& context,
                                    unsigned keyId) {
    std::optional<std::string> path = config.Find(context.text(keyId));
    if (path) {
        context.expandPath(*path);
    }
    return path;
}

}  // namespace

void ReadProgramSettings(const SectionEntries& config, const ModelContext& context,
                         ProgramSettings& settings) {
    settings.balloonHelp = ReadSwitch(config, context, IDS_KEY_BALLOON_HELP);
    settings.useSound = ReadSwitch(config, context, IDS_KEY_USE_SOUND);
    settings.useAnim = ReadSwitch(config, context, IDS_KEY_USE_ANIM);
    settings.blackMat = ReadSwitch(config, context, IDS_KEY_BLACK_MAT);
    settings.startup = config.Find(context.text(IDS_KEY_STARTUP));
    settings.install = config.FindList(context.text(IDS_KEY_INSTALL));
    settings.screenNames = config.FindList(context.text(IDS_KEY_SCREEN_NAMES));
    settings.startScreens = config.FindList(context.text(IDS_KEY_START_SCREENS));
    settings.startSound = ReadPath(config, context, IDS_KEY_START_SOUND);
    settings.endSound = ReadPath(config, context, IDS_KEY_END_SOUND);
    const int delay = config.FindInt(context.text(IDS_KEY_BALLOON_DELAY));
    if (delay != kSettingAbsent) {
        settings.balloonDelay = delay;
    }
    settings.balloonSound = ReadPath(config, context, IDS_KEY_BALLOON_SOUND);
    settings.highlightSound = ReadPath(config, context, IDS_KEY_HIGHLIGHT_SOUND);
}

KeyReads ProgramSettingKeys() {
    return {
        {IDS_KEY_BALLOON_HELP, KeyKind::kNonZeroFlag},
        {IDS_KEY_USE_SOUND, KeyKind::kNonZeroFlag},
        {IDS_KEY_USE_ANIM, KeyKind::kNonZeroFlag},
        {IDS_KEY_BLACK_MAT, KeyKind::kNonZeroFlag},
        {IDS_KEY_STARTUP, KeyKind::kText},
        {IDS_KEY_INSTALL, KeyKind::kList},
        {IDS_KEY_SCREEN_NAMES, KeyKind::kList},
        {IDS_KEY_START_SCREENS, KeyKind::kList},
        {IDS_KEY_START_SOUND, KeyKind::kPath},
        {IDS_KEY_END_SOUND, KeyKind::kPath},
        {IDS_KEY_BALLOON_DELAY, KeyKind::kInteger},
        {IDS_KEY_BALLOON_SOUND, KeyKind::kPath},
        {IDS_KEY_HIGHLIGHT_SOUND, KeyKind::kPath},
    };
}

}  // namespace lumora
