#include "disc_check.h"

#include <deque>
#include <map>
#include <set>

#include "check_config.h"
#include "check_menus.h"
#include "check_publisher.h"
#include "check_regions.h"
#include "config/string_table.h"
#include "resource.h"

namespace lumora::disc {

namespace {

// Every menu that an action opens, checked once each.
std::map<std::string, ActionTargets> CheckMenus(
    const CheckContext& context, const std::map<std::string, ActionTargets>& screens) {
    std::map<std::string, ActionTargets> menus;
    std::deque<std::string> pending;
    for (const auto& [name, targets] : screens) {
        for (const Target& menu : targets.menus) {
            pending.push_back(menu.name);
        }
    }
    while (!pending.empty()) {
        const std::string name = pending.front();
        pending.pop_front();
        if (menus.count(name)) {
            continue;
        }
        const ActionTargets& targets = menus[name] = CheckMenu(context, name);
        for (const Target& menu : targets.menus) {
            pending.push_back(menu.name);
        }
    }
    return menus;
}

// Screens reached from the start screens through DispatchScreen actions of regions and of the
// items of the menus they open.
void CheckReachable(const CheckContext& context, const std::vector<std::string>& starts,
                    const std::map<std::string, ActionTargets>& screens,
                    const std::map<std::string, ActionTargets>& menus) {
    std::set<std::string> reached;
    std::set<std::string> menusSeen;
    std::deque<const ActionTargets*> pending;
    auto reach = [&](const std::string& screen) {
        if (reached.insert(screen).second) {
            if (auto it = screens.find(screen); it != screens.end()) {
                pending.push_back(&it->second);
            }
        }
    };
    for (const std::string& start : starts) {
        reach(start);
    }
    while (!pending.empty()) {
        const ActionTargets* targets = pending.front();
        pending.pop_front();
        for (const Target& screen : targets->screens) {
            reach(screen.name);
        }
        for (const Target& menu : targets->menus) {
            if (auto it = menus.find(menu.name);
                it != menus.end() && menusSeen.insert(menu.name).second) {
                pending.push_back(&it->second);
            }
        }
    }
    const IniSection* config = context.ini().FindSection(CheckContext::Text(IDS_SECTION_CONFIG));
    if (!config || starts.empty()) {
        return;
    }
    const int line = CheckContext::LineOf(*config, IDS_KEY_SCREEN_NAMES);
    for (const auto& [name, targets] : screens) {
        if (!reached.count(name)) {
            context.out().Warning(line, "screen " + Quoted(name) +
                                            " is reached from nowhere: it is not Startup or in "
                                            "StartScreens, and no DispatchScreen leads to it");
        }
    }
}

}  // namespace

CheckReport CheckDisc(const std::filesystem::path& folder, const CheckOptions& options) {
    CheckReport report;
    report.iniName = BuiltInText(IDS_INI_FILE_NAME);
    const DiscFiles files(folder);
    const auto path = files.Find(files.Root() + report.iniName);
    const auto ini = path ? IniDocument::FromFile(path->string()) : std::nullopt;
    if (!ini) {
        report.diagnostics.Error(0, "no readable " + report.iniName + " in " + folder.string());
        return report;
    }
    CheckContext context(*ini, files, report.diagnostics);
    context.label = options.label ? options.label : FirstLaunchLabel(*ini);
    report.label = context.label;
    context.Use(CheckContext::Text(IDS_SECTION_CONFIG));
    const std::vector<std::string> starts = CheckConfig(context);

    std::map<std::string, ActionTargets> screens;
    if (context.screenNames) {
        for (const std::string& name : *context.screenNames) {
            if (!screens.count(name) &&
                ini->FindSection(CheckContext::Text(IDS_SECTION_SCREEN) + name)) {
                screens[name] = CheckScreen(context, name);
            }
        }
    }
    const auto menus = CheckMenus(context, screens);
    CheckReachable(context, starts, screens, menus);
    CheckLaunchAtStart(context);
    CheckSetupSection(context);
    CheckPublisher(context);
    CheckSections(context);
    return report;
}

}  // namespace lumora::disc
