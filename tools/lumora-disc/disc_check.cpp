#include "disc_check.h"

#include <deque>
#include <map>
#include <set>
#include <vector>

#include "check_config.h"
#include "check_keys.h"
#include "check_menus.h"
#include "check_publisher.h"
#include "check_regions.h"
#include "disc_tree.h"
#include "config/string_table.h"
#include "resource.h"

namespace lumora::disc {

namespace {

// "menu 'A' opens itself again through 'B', 'C'": the menus on the way, the first few.
template <typename Path>
std::string CycleText(const Path& path, const std::string& menu) {
    size_t from = 0;
    while (path[from].menu != menu) {
        ++from;
    }
    std::string text = "menu " + Quoted(menu) + " opens itself again";
    const size_t between = path.size() - from - 1;
    constexpr size_t kNamed = 3;
    for (size_t i = 1; i <= between && i <= kNamed; ++i) {
        text += (i == 1 ? " through " : ", ") + Quoted(path[from + i].menu);
    }
    if (between > kNamed) {
        text += " and " + std::to_string(between - kNamed) + " more menus";
    }
    return text + ": Lumora opens it again after each choice, until the user presses Escape";
}

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

// A menu that opens itself, directly or through others, is reported where the circle closes.
// Lumora opens a menu chosen from a menu only after the first has closed (the item's command
// arrives after the menu has gone), so such a menu works, one at a time, and the user leaves it
// with Escape: a warning, since it is easily written by mistake. Followed with a stack of its
// own, so that no chain of menus is too long.
void CheckMenuCycles(const CheckContext& context,
                     const std::map<std::string, ActionTargets>& screens,
                     const std::map<std::string, ActionTargets>& menus) {
    enum class State { kOpen, kDone };
    std::map<std::string, State> state;
    struct Step {
        std::string menu;
        size_t next = 0;  // the target to follow next
    };
    auto walk = [&](const std::string& first) {
        if (state.count(first) || !menus.count(first)) {
            return;
        }
        std::vector<Step> path = {{first}};
        state[first] = State::kOpen;
        while (!path.empty()) {
            Step& step = path.back();
            const std::vector<Target>& targets = menus.at(step.menu).menus;
            if (step.next == targets.size()) {
                state[step.menu] = State::kDone;
                path.pop_back();
                continue;
            }
            const Target& target = targets[step.next++];
            const auto seen = state.find(target.name);
            if (seen == state.end()) {
                if (menus.count(target.name)) {
                    state[target.name] = State::kOpen;
                    path.push_back({target.name});
                }
            } else if (seen->second == State::kOpen) {
                context.out().Warning(target.line, CycleText(path, target.name));
            }
        }
    };
    for (const auto& [name, targets] : screens) {
        for (const Target& menu : targets.menus) {
            walk(menu.name);
        }
    }
    for (const auto& [name, targets] : menus) {
        walk(name);
    }
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

// Everything in the disc folder that the image cannot hold as written, at its path, unless a
// line that names it said so already.
void CheckDiscTree(const CheckContext& context, const std::filesystem::path& image) {
    for (const ImageFault& fault : ReadDiscTree(context.files().folder(), image).faults) {
        if (!context.Reported(fault.path)) {
            context.out().Error(0, "disc folder: '" + fault.shown + "' " + fault.problem,
                                Encoding::kUtf8);
        }
    }
}

}  // namespace

CheckReport CheckDisc(const std::filesystem::path& folder, const CheckOptions& options) {
    CheckReport report;
    report.iniName = BuiltInText(IDS_INI_FILE_NAME);
    const DiscFiles files(folder, options.codePage);
    std::string problem;
    const auto ini = ReadDiscIni(files, problem);
    if (!ini) {
        report.diagnostics.Error(0, problem);
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
    CheckMenuCycles(context, screens, menus);
    CheckReachable(context, starts, screens, menus);
    CheckLaunchAtStart(context);
    CheckSetupSection(context);
    CheckPublisher(context);
    CheckKeys(context);
    CheckSections(context);
    CheckDiscTree(context, options.image);
    return report;
}

}  // namespace lumora::disc
