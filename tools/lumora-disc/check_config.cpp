#include "check_config.h"

#include "check_regions.h"
#include "resource.h"

namespace lumora::disc {

namespace {

std::string Key(unsigned id) {
    return CheckContext::Text(id);
}

}  // namespace

std::vector<std::string> CheckConfig(CheckContext& context) {
    std::vector<std::string> starts;
    const IniSection* config = context.Use(Key(IDS_SECTION_CONFIG));
    if (!config) {
        context.out().Error(0, "no [" + Key(IDS_SECTION_CONFIG) +
                                   "] section, so Lumora shows no "
                                   "screen");
        return starts;
    }
    // Install is read before anything expands a path (%i).
    context.install = CheckContext::List(*config, IDS_KEY_INSTALL);
    context.screenNames = CheckContext::List(*config, IDS_KEY_SCREEN_NAMES);
    const std::string what = "[" + Key(IDS_SECTION_CONFIG) + "]";
    context.Reads(*config, SectionKind::kConfig, what);
    if (!context.screenNames) {
        context.out().Error(config->entries.line(),
                            what + " has no ScreenNames, so Lumora shows no screen");
    }
    const auto startup = CheckContext::Value(*config, IDS_KEY_STARTUP);
    if (!startup) {
        context.out().Error(config->entries.line(),
                            what + " has no Startup, so Lumora starts with no screen");
    } else if (CheckScreenName(context, *startup, CheckContext::LineOf(*config, IDS_KEY_STARTUP),
                               "Startup")) {
        starts.push_back(*startup);
    }
    if (const auto offered = CheckContext::List(*config, IDS_KEY_START_SCREENS)) {
        const int line = CheckContext::LineOf(*config, IDS_KEY_START_SCREENS);
        for (const std::string& screen : *offered) {
            if (CheckScreenName(context, screen, line, "StartScreens")) {
                starts.push_back(screen);
            }
        }
    }
    if (context.screenNames) {
        const int line = CheckContext::LineOf(*config, IDS_KEY_SCREEN_NAMES);
        for (const std::string& screen : *context.screenNames) {
            const std::string section = Key(IDS_SECTION_SCREEN) + screen;
            if (!context.Use(section)) {
                context.out().Error(line, "ScreenNames: screen " + Quoted(screen) +
                                              " has no section [" + section + "]");
            }
        }
    }
    for (unsigned id :
         {IDS_KEY_START_SOUND, IDS_KEY_END_SOUND, IDS_KEY_HIGHLIGHT_SOUND, IDS_KEY_BALLOON_SOUND}) {
        if (const auto sound = CheckContext::Value(*config, id)) {
            CheckSound(context, context.Expanded(*sound), CheckContext::LineOf(*config, id),
                       Key(id));
        }
    }
    return starts;
}

void CheckLaunchAtStart(const CheckContext& context) {
    const IniSection* config = context.Use(Key(IDS_SECTION_CONFIG));
    const auto name = config ? CheckContext::Value(*config, IDS_KEY_LAUNCH_AT_START) : std::nullopt;
    if (!name) {
        return;
    }
    const int line = CheckContext::LineOf(*config, IDS_KEY_LAUNCH_AT_START);
    const IniSection* section = context.Use(*name);
    if (!section) {
        context.out().Error(line, "LaunchAtStart: section [" + *name +
                                      "] does not exist, so "
                                      "nothing is started");
        return;
    }
    const std::string what = "LaunchAtStart [" + *name + "]";
    context.Reads(*section, SectionKind::kLaunchAtStart, what);
    const auto function = CheckContext::Value(*section, IDS_KEY_LAUNCH_FUNC);
    if (!function || !SameIniName(*function, "DispatchProgram")) {
        context.out().Error(CheckContext::LineOf(*section, IDS_KEY_LAUNCH_FUNC),
                            what + ": LaunchFunc must be DispatchProgram, or nothing is started");
    }
    const auto data = CheckContext::Value(*section, IDS_KEY_LAUNCH_DATA);
    if (!data) {
        context.out().Error(section->entries.line(),
                            what + " has no LaunchData, so nothing is started");
    } else {
        CheckProgram(context, context.Expanded(*data),
                     CheckContext::LineOf(*section, IDS_KEY_LAUNCH_DATA), what);
    }
    if (const auto disc = CheckContext::List(*section, IDS_KEY_LAUNCH_REQ)) {
        const int reqLine = CheckContext::LineOf(*section, IDS_KEY_LAUNCH_REQ);
        if (disc->size() < 2) {
            context.out().Error(reqLine, what +
                                             ": a LaunchReq without label|name keeps the "
                                             "program from ever starting");
        } else {
            CheckDiscRequirement(context, *disc, reqLine, what);
        }
    }
}

void CheckSetupSection(const CheckContext& context) {
    const std::string name = Key(IDS_SECTION_SETUP);
    const std::string resting = "Application= and ExitDuringSetup=0";
    const IniSection* section = context.Use(name);
    if (!section) {
        context.out().Warning(0, "no [" + name + "] section with " + resting +
                                     ": Lumora adds it at its first start from a writable "
                                     "medium, and under Wine that rewrites the whole file in "
                                     "Wine's own layout (spacing, comments, line ends)");
        return;
    }
    context.Reads(*section, SectionKind::kSetup, "[" + name + "]");
    const IniEntry* application = section->entries.FindEntry(Key(IDS_KEY_APPLICATION));
    const IniEntry* exits = section->entries.FindEntry(Key(IDS_KEY_EXIT_DURING_SETUP));
    const bool atRest = application && application->value && application->value->empty() && exits &&
                        exits->value && *exits->value == "0";
    if (!atRest) {
        context.out().Warning(section->entries.line(),
                              "[" + name + "] is not at its resting values (" + resting +
                                  "): Lumora rewrites it at every start");
    }
}

void CheckSections(const CheckContext& context) {
    const auto& sections = context.ini().sections();
    for (size_t i = 0; i < sections.size(); ++i) {
        const IniSection& section = sections[i];
        for (const IniEntry& entry : section.entries.entries()) {
            if (!entry.IsComment() && entry.value && ValueIsCut(*entry.value)) {
                context.out().Warning(entry.line, entry.name +
                                                      " is longer than 511 characters; "
                                                      "Lumora reads only the first 511");
            }
        }
        if (i == 0) {
            for (const IniEntry& entry : section.entries.entries()) {
                if (!entry.IsComment()) {
                    context.out().Warning(entry.line,
                                          "an entry before the first section is "
                                          "never read");
                    break;
                }
            }
            continue;
        }
        if (context.ini().FindSection(section.name) != &section) {
            context.out().Warning(section.entries.line(),
                                  "a second section [" + section.name +
                                      "]: Lumora reads only the first one of a name");
        } else if (!context.Used(section)) {
            context.out().Warning(section.entries.line(), "section [" + section.name +
                                                              "] is not used: no list or "
                                                              "action names it");
        }
    }
}

std::optional<std::string> FirstLaunchLabel(const IniDocument& ini) {
    const std::string key = Key(IDS_KEY_LAUNCH_REQ);
    for (const IniSection& section : ini.sections()) {
        if (const auto list = section.entries.FindList(key); list && list->size() >= 2) {
            return (*list)[0];
        }
    }
    return std::nullopt;
}

}  // namespace lumora::disc
