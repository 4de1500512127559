#include "check_menus.h"

#include "resource.h"

namespace lumora::disc {

namespace {

// Menu commands 1100 to 1199 reach the menu: later items are shown but do nothing.
constexpr size_t kMenuCommandCount = 100;

}  // namespace

ActionTargets CheckMenu(const CheckContext& context, const std::string& name) {
    ActionTargets targets;
    const IniSection* section = context.Use(CheckContext::Text(IDS_SECTION_MENU) + name);
    if (!section) {
        return targets;
    }
    const std::string what = "menu " + Quoted(name);
    const auto items = CheckContext::List(*section, IDS_KEY_MENU_ITEMS);
    if (!items) {
        context.out().Error(section->entries.line(), what + " has no MenuItems, so it never opens");
        return targets;
    }
    const int listLine = CheckContext::LineOf(*section, IDS_KEY_MENU_ITEMS);
    const std::string separator = CheckContext::Text(IDS_SEPARATOR);
    size_t position = 0;
    for (const std::string& item : *items) {
        if (SameIniName(item, separator)) {
            ++position;
            continue;
        }
        const std::string sectionName = name + CheckContext::Text(IDS_SECTION_MENU_ITEM) + item;
        const std::string itemWhat = "item " + Quoted(item) + " of " + what;
        const IniSection* itemSection = context.Use(sectionName);
        if (!itemSection) {
            context.out().Error(listLine, itemWhat + " has no section [" + sectionName +
                                              "], so it is left out of the menu");
            continue;
        }
        if (!CheckContext::Value(*itemSection, IDS_KEY_DESCRIPTION)) {
            context.out().Warning(itemSection->entries.line(),
                                  itemWhat + " has no Description, so it is left out of the menu");
            continue;
        }
        if (position == kMenuCommandCount) {
            context.out().Warning(listLine, itemWhat +
                                                " and the items after it come after the "
                                                "100th and do nothing when chosen");
        }
        ++position;
        CheckAction(context, ReadActionFields(context, *itemSection, itemWhat), nullptr, targets);
    }
    return targets;
}

}  // namespace lumora::disc
