#include "menus/menu_model.h"

#include "config/section_keys.h"
#include "imaging/pixel_scale.h"
#include "resource.h"

namespace lumora {
namespace {

// The record of an item with its own section; none when it has no Description.
std::optional<MenuItem> ReadItem(const IniReader& ini, const std::string& section,
                                 const std::string& name, const ModelContext& context) {
    const SectionKeys keys(ini.Section(section), context);
    MenuItem item;
    item.description = keys.Text(IDS_KEY_DESCRIPTION);
    if (!item.description) {
        return std::nullopt;
    }
    item.name = name;
    item.action = ReadActionRecord(keys);
    // A menu item's launch data never comes from the registry.
    item.action.registry.reset();
    return item;
}

}  // namespace

std::vector<MenuItem> LoadMenuItems(const IniReader& ini, const std::string& menuName,
                                    const StringList& names, const ModelContext& context) {
    const std::string separator = context.text(IDS_SEPARATOR);
    const std::string itemSectionPart = context.text(IDS_SECTION_MENU_ITEM);
    std::vector<MenuItem> items;
    items.reserve(names.size());
    for (const std::string& name : names) {
        std::optional<MenuItem> item;
        if (SameIniName(name, separator)) {
            item.emplace();
            item->name = name;
        } else {
            item = ReadItem(ini, menuName + itemSectionPart + name, name, context);
        }
        if (item) {
            // A dropped item leaves no gap: the next kept one takes its place and its id.
            item->commandId = kFirstMenuCommandId + static_cast<int>(items.size());
            items.push_back(std::move(*item));
        }
    }
    return items;
}

std::optional<MenuSpec> LoadMenuSpec(const IniReader& ini, const std::string& menuName,
                                     const ModelContext& context) {
    const SectionKeys keys(ini.Section(context.text(IDS_SECTION_MENU) + menuName), context);
    const std::optional<StringList> names = keys.List(IDS_KEY_MENU_ITEMS);
    if (!names) {
        return std::nullopt;
    }
    MenuSpec menu;
    if (const std::optional<std::string> position = keys.Text(IDS_KEY_MENU_POSITION)) {
        menu.position = ParsePoint(*position);
    }
    menu.items = LoadMenuItems(ini, menuName, *names, context);
    return menu;
}

KeyReads MenuSectionKeys() {
    return {
        {IDS_KEY_MENU_ITEMS, KeyKind::kList},
        {IDS_KEY_MENU_POSITION, KeyKind::kPoint},
    };
}

KeyReads MenuItemSectionKeys() {
    KeyReads keys = {{IDS_KEY_DESCRIPTION, KeyKind::kText}};
    keys.insert(keys.end(), kActionKeys.begin(), kActionKeys.end());
    return keys;
}

int MenuItemTable::PositionOfCommand(int commandId) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].commandId == commandId) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int MenuItemTable::PositionOfLaunchId(int launchId) const {
    if (launchId < kFirstMenuLaunchId) {
        return -1;
    }
    const int position = launchId - kFirstMenuLaunchId;
    return position < count() ? position : -1;
}

const MenuItem* MenuItemTable::ForLaunchId(int launchId) const {
    const int position = PositionOfLaunchId(launchId);
    return position < 0 ? nullptr : &items_[static_cast<size_t>(position)];
}

MenuItem* MenuItemTable::ForLaunchId(int launchId) {
    const int position = PositionOfLaunchId(launchId);
    return position < 0 ? nullptr : &items_[static_cast<size_t>(position)];
}

std::optional<LaunchEntry> MenuItemTable::EntryFor(int launchId) const {
    const MenuItem* item = ForLaunchId(launchId);
    if (!item) {
        return std::nullopt;
    }
    return LaunchEntry{item->action, item->discDrive};
}

std::optional<Point> MenuCorner(Point ownerCorner, const std::optional<Point>& position,
                                int scale) {
    if (!position) {
        return std::nullopt;
    }
    return Point{
        detail::ClampToInt(int64_t{ownerCorner.x} + ToWindowCoordinate(position->x, scale)),
        detail::ClampToInt(int64_t{ownerCorner.y} + ToWindowCoordinate(position->y, scale))};
}

}  // namespace lumora
