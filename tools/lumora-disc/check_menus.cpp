#include "check_menus.h"

#include "menus/menu_model.h"
#include "resource.h"

namespace lumora::disc {

namespace {

// Only the routed command ids reach the menu: later items are shown but do nothing.
constexpr size_t kMenuCommandCount = kLastRoutedCommandId - kFirstMenuCommandId + 1;

}  // namespace

ActionTargets CheckMenu(const CheckContext& context, const std::string& name) {
    ActionTargets targets;
    const IniSection* section = context.Use(CheckContext::Text(IDS_SECTION_MENU) + name);
    if (!section) {
        return targets;
    }
    const std::string what = "menu " + Quoted(name);
    context.Reads(*section, SectionKind::kMenu, what);
    const auto items = CheckContext::List(*section, IDS_KEY_MENU_ITEMS);
    if (!items) {
        context.out().Error(section->entries.line(), what + " has no MenuItems, so it never opens");
        return targets;
    }
    const int listLine = CheckContext::LineOf(*section, IDS_KEY_MENU_ITEMS);
    const std::string itemPart = CheckContext::Text(IDS_SECTION_MENU_ITEM);
    const std::string separator = CheckContext::Text(IDS_SEPARATOR);
    auto itemWhat = [&what](const std::string& item) {
        return "item " + Quoted(item) + " of " + what;
    };
    // What lumora.exe leaves out of the menu.
    for (const std::string& item : *items) {
        if (SameIniName(item, separator)) {
            continue;
        }
        const std::string sectionName = name + itemPart + item;
        const IniSection* itemSection = context.Use(sectionName);
        if (itemSection) {
            context.Reads(*itemSection, SectionKind::kMenuItem, itemWhat(item));
        }
        if (!itemSection) {
            context.out().Error(listLine, itemWhat(item) + " has no section [" + sectionName +
                                              "], so it is left out of the menu");
        } else if (!CheckContext::Value(*itemSection, IDS_KEY_DESCRIPTION)) {
            context.out().Warning(
                itemSection->entries.line(),
                itemWhat(item) + " has no Description, so it is left out of the menu");
        }
    }
    // The items it shows, as it reads them.
    const std::optional<MenuSpec> menu = LoadMenuSpec(context.ini(), name, context.model());
    const std::vector<MenuItem> kept = menu ? menu->items : std::vector<MenuItem>();
    for (size_t position = 0; position < kept.size(); ++position) {
        const MenuItem& item = kept[position];
        if (item.IsSeparator()) {
            continue;
        }
        if (position == kMenuCommandCount) {
            context.out().Warning(listLine, itemWhat(item.name) +
                                                " and the items after it come after the "
                                                "100th and do nothing when chosen");
        }
        const IniSection* itemSection = context.Use(name + itemPart + item.name);
        if (!itemSection) {
            continue;
        }
        CheckAction(context, ActionSite{itemWhat(item.name), *itemSection}, item.action, nullptr,
                    targets);
    }
    return targets;
}

}  // namespace lumora::disc
