#include "check_actions.h"

#include <algorithm>

#include "actions/action_table.h"
#include "actions/splash_time.h"
#include "check_pictures.h"
#include "config/display_requirement.h"
#include "resource.h"

namespace lumora::disc {

namespace {

std::string KeyName(unsigned id) {
    return CheckContext::Text(id);
}

}  // namespace

bool CheckFunctionName(const CheckContext& context, const std::string& name, int line,
                       const std::string& what) {
    if (FindAction(name)) {
        return true;
    }
    for (const ActionInfo& action : kActions) {
        if (SameIniName(action.exportName, name)) {
            context.out().Error(line, what + ": " + Quoted(name) +
                                          " is not an action (letter case counts): did you "
                                          "mean " +
                                          Quoted(std::string(action.exportName)) + "?");
            return false;
        }
    }
    std::string known;
    for (const ActionInfo& action : kActions) {
        known += (known.empty() ? "" : ", ") + std::string(action.exportName);
    }
    context.out().Error(line,
                        what + ": " + Quoted(name) + " is not an action; the actions are " + known);
    return false;
}

bool CheckScreenName(const CheckContext& context, const std::string& name, int line,
                     const std::string& what) {
    const StringList* listed = context.screenNames ? &*context.screenNames : nullptr;
    const std::string key = KeyName(IDS_KEY_SCREEN_NAMES);
    if (!listed || std::find(listed->begin(), listed->end(), name) == listed->end()) {
        std::string hint;
        if (listed) {
            for (const std::string& screen : *listed) {
                if (SameIniName(screen, name)) {
                    hint = " (letter case counts: did you mean " + Quoted(screen) + "?)";
                }
            }
        }
        context.out().Error(line, what + ": screen " + Quoted(name) + " is not in " + key +
                                      ", so Lumora never shows it" + hint);
        return false;
    }
    if (!context.Use(KeyName(IDS_SECTION_SCREEN) + name)) {
        context.out().Error(line, what + ": screen " + Quoted(name) + " has no section [" +
                                      KeyName(IDS_SECTION_SCREEN) + name + "]");
        return false;
    }
    return true;
}

void CheckDisplayRequirementList(const CheckContext& context, const StringList& list, int line,
                                 const std::string& what) {
    const std::string key = KeyName(IDS_KEY_LAUNCH_SCREEN_REQ);
    if (list.size() != 3) {
        context.out().Warning(line, what + ": " + key + " has " + std::to_string(list.size()) +
                                        " elements; only mode|size|colours (three) is tested, "
                                        "so it never stops the action");
        return;
    }
    const std::vector<std::vector<std::string>> accepted = {
        {"E", "G"}, {"640X480", "800X600", "1024X768"}, {"LOW", "256", "TRUE"}};
    const char* parts[] = {"mode", "size", "colours"};
    for (size_t i = 0; i < 3; ++i) {
        const auto& texts = accepted[i];
        if (std::find(texts.begin(), texts.end(), list[i]) == texts.end()) {
            std::string known;
            for (const std::string& text : texts) {
                known += (known.empty() ? "" : ", ") + text;
            }
            context.out().Warning(line, what + ": " + key + " " + parts[i] + " " + Quoted(list[i]) +
                                            " is not recognised (" + known +
                                            ", letter case counts), so it never stops the "
                                            "action");
            return;
        }
    }
    // Lumora itself runs only on displays of at least 256 colours.
    const int sizes[][2] = {{640, 480},   {800, 600},   {1024, 768},  {1152, 864},
                            {1280, 1024}, {1600, 1200}, {1920, 1080}, {2560, 1440}};
    for (const auto& size : sizes) {
        for (const ColorClass colorClass : {kColorClass256, kColorClassTrue}) {
            if (!EvaluateDisplayRequirement(&list, {size[0], size[1], colorClass})) {
                return;
            }
        }
    }
    context.out().Error(line, what + ": " + key +
                                  " never matches: Lumora itself needs a display "
                                  "of at least 256 colours");
}

void CheckDiscRequirement(const CheckContext& context, const StringList& list, int line,
                          const std::string& what) {
    if (list.size() < 2) {
        context.out().Warning(line, what +
                                        ": a disc requirement needs the volume label and the "
                                        "disc's name (label|name); this one asks for no disc");
        return;
    }
    if (context.label && !SameIniName(list[0], *context.label)) {
        context.out().Warning(line, what + ": it asks for the disc labelled " + Quoted(list[0]) +
                                        " but the image is labelled " + Quoted(*context.label));
    }
}

void CheckProgram(const CheckContext& context, const std::string& command, int line,
                  const std::string& what) {
    const std::string program = CommandProgram(command);
    const DiscFiles& files = context.files();
    if (!files.OnDisc(program)) {
        return;
    }
    const DiscEntry found = context.Look(program, line, what, "program");
    if (!found.IsFault() && !found.IsFile() && !files.ComesWithLumora(program)) {
        context.out().Error(
            line, what + ": program " + Quoted(files.Shown(program)) + " is not on the disc");
    }
}

void CheckAction(const CheckContext& context, const ActionSite& site, const ActionRecord& action,
                 const DibImage* screen, ActionTargets& targets) {
    const IniSection& section = site.section;
    Diagnostics& out = context.out();
    const std::string& what = site.what;
    const int funcLine = CheckContext::LineOf(section, IDS_KEY_LAUNCH_FUNC);
    const int dataLine = CheckContext::LineOf(section, IDS_KEY_LAUNCH_DATA);
    const std::string dataKey = KeyName(IDS_KEY_LAUNCH_DATA);

    if (action.launchFunc && CheckFunctionName(context, *action.launchFunc, funcLine, what)) {
        const ActionInfo& info = *FindAction(*action.launchFunc);
        const std::string& function = *action.launchFunc;
        if (IsProgramAction(info)) {
            if (action.launchData) {
                CheckProgram(context, *action.launchData, dataLine, what);
            } else if (!action.registry) {
                out.Error(funcLine, what + ": " + function + " without " + dataKey +
                                        " (or RegistryKey) has nothing to start");
            }
        } else if (info.usesData && !action.launchData) {
            out.Error(funcLine, what + ": " + function + " without " + dataKey + " does nothing");
        } else if (info.code == ActionCode::kScreen) {
            targets.screens.push_back({*action.launchData, dataLine});
            CheckScreenName(context, *action.launchData, dataLine, what);
        } else if (info.code == ActionCode::kMenu) {
            const std::string menu = KeyName(IDS_SECTION_MENU) + *action.launchData;
            if (!context.Use(menu)) {
                out.Error(dataLine, what + ": menu " + Quoted(*action.launchData) +
                                        " has no section [" + menu + "]");
            } else {
                targets.menus.push_back({*action.launchData, dataLine});
            }
        }
    }
    if (action.setupFunc) {
        const int setupLine = CheckContext::LineOf(section, IDS_KEY_SETUP_FUNC);
        if (CheckFunctionName(context, *action.setupFunc, setupLine, what) &&
            IsProgramAction(*FindAction(*action.setupFunc)) && action.setupData) {
            CheckProgram(context, *action.setupData,
                         CheckContext::LineOf(section, IDS_KEY_SETUP_DATA), what + " setup");
        }
    }
    if (action.launchDir) {
        const DiscFiles& files = context.files();
        const int line = CheckContext::LineOf(section, IDS_KEY_LAUNCH_DIR);
        const std::string folder =
            context.FromDisc(*action.launchDir, line, what + " " + KeyName(IDS_KEY_LAUNCH_DIR));
        const DiscEntry found =
            files.OnDisc(folder) ? context.Look(folder, line, what, "folder") : DiscEntry{};
        if (files.OnDisc(folder) && !found.IsFault() && !found.IsFolder()) {
            out.Error(line, what + ": folder " + Quoted(files.Shown(folder)) +
                                " (LaunchDir) is not on the disc");
        }
    }
    if (action.launchScreenReq) {
        CheckDisplayRequirementList(context, *action.launchScreenReq,
                                    CheckContext::LineOf(section, IDS_KEY_LAUNCH_SCREEN_REQ), what);
    }
    if (action.launchReq) {
        CheckDiscRequirement(context, *action.launchReq,
                             CheckContext::LineOf(section, IDS_KEY_LAUNCH_REQ), what);
    }
    if (action.setupReq) {
        CheckDiscRequirement(context, *action.setupReq,
                             CheckContext::LineOf(section, IDS_KEY_SETUP_REQ), what + " setup");
    }
    if (action.splash) {
        const int line = CheckContext::LineOf(section, IDS_KEY_SPLASH);
        const StringList& splash = *action.splash;
        const std::optional<SplashShow> shown = PlannedSplash(action.splash);
        if (splash.size() < 2) {
            out.Warning(line, what +
                                  ": Splash has no seconds (picture|seconds), so no splash is "
                                  "shown");
        } else if (!shown) {
            out.Warning(line, what + ": Splash shows its picture for " + Quoted(splash[1]) +
                                  " seconds, which is no time, so no splash is shown");
        } else if (!DecimalReadsWhole(splash[1]) ||
                   ParseDecimal(splash[1]) != static_cast<int>(shown->seconds)) {
            out.Warning(line, what + ": Splash time " + Quoted(splash[1]) + " is shown as " +
                                  std::to_string(shown->seconds) + " seconds (1 to " +
                                  std::to_string(kMaxSplashSeconds) + ")");
        }
        const PictureUse use{what + " splash (Splash)", line};
        const auto picture = LoadPicture(context, use, splash[0]);
        if (picture && screen) {
            CheckSplashColors(context, use, *picture, *screen);
        }
    }
}

}  // namespace lumora::disc
