#include "screens/screen_links.h"

#include <algorithm>

#include "actions/action_table.h"
#include "menus/menu_model.h"

namespace lumora {
namespace {

void AddOnce(StringList& list, const std::string& name) {
    if (std::find(list.begin(), list.end(), name) == list.end()) {
        list.push_back(name);
    }
}

}  // namespace

ScreenLinks FindScreenLinks(const std::vector<ActionRecord>& actions, const IniReader& ini,
                            const ModelContext& context) {
    ScreenLinks links;
    StringList menus;  // in the order found; grows while it is walked
    auto follow = [&](const ActionRecord& action) {
        const ActionInfo* info = action.launchFunc ? FindAction(*action.launchFunc) : nullptr;
        if (!info) {
            return;
        }
        // The data is passed on exactly as written, as a click passes it.
        if (info->code == ActionCode::kScreen && action.launchData) {
            AddOnce(links.screens, *action.launchData);
        } else if (info->code == ActionCode::kPreviousScreen) {
            links.previous = true;
        } else if (info->code == ActionCode::kMenu && action.launchData) {
            AddOnce(menus, *action.launchData);
        }
    };
    for (const ActionRecord& action : actions) {
        follow(action);
    }
    // A menu whose items open it again, or one another, is read once: the walk ends.
    for (size_t next = 0; next < menus.size(); ++next) {
        const std::optional<MenuSpec> menu = LoadMenuSpec(ini, menus[next], context);
        for (const MenuItem& item : menu ? menu->items : std::vector<MenuItem>()) {
            if (item.commandId <= kLastRoutedCommandId) {
                follow(item.action);
            }
        }
    }
    return links;
}

}  // namespace lumora
