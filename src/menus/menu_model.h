// What a pop-up menu of the INI file says: its items in menu order, with the command and launch
// ids they answer to, and the questions the launching code asks about an item. Portable.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "actions/action_record.h"
#include "actions/launch_entry.h"
#include "config/ini_reader.h"
#include "config/model_context.h"
#include "config/program_settings.h"
#include "config/value_parse.h"

namespace lumora {

// The command id of the item at position 0; the owner window routes ids up to kLastRoutedCommandId
// to the menu, so items further down are shown but do nothing.
constexpr int kFirstMenuCommandId = 1100;
constexpr int kLastRoutedCommandId = 1199;
// The launch id of the item at position 0; every launch id from here up names a menu item.
constexpr int kFirstMenuLaunchId = 16384;

// True for the command ids that the owner routes to the menu's items.
constexpr bool RoutesToMenu(int commandId) {
    return commandId >= kFirstMenuCommandId && commandId <= kLastRoutedCommandId;
}

// Where the menu's top-left corner goes: its position from the owner window's top-left corner,
// each picture pixel of it `scale` window pixels; none for a menu without one, which opens at
// the pointer.
std::optional<Point> MenuCorner(Point ownerCorner, const std::optional<Point>& position, int scale);

struct MenuItem {
    int commandId = 0;
    int discDrive = 0;  // last disc search for the item: 0, a drive letter, or -1
    std::string name;
    std::optional<std::string> description;  // none: a separator line
    ActionRecord action;

    bool IsSeparator() const { return !description; }
};

// What a "Menu" section says.
struct MenuSpec {
    std::optional<Point> position;  // from the owner's top-left corner; none: at the pointer
    std::vector<MenuItem> items;    // the kept items
};

// The kept items of the menu `menuName` (without the "Menu " prefix), one per name in order: a
// name equal to the separator name (letter case ignored) is a separator line; an item whose
// section has no Description is left out, and the items after it move up.
std::vector<MenuItem> LoadMenuItems(const IniReader& ini, const std::string& menuName,
                                    const StringList& names, const ModelContext& context);

// The menu's section and its items; nothing when it has no "MenuItems".
std::optional<MenuSpec> LoadMenuSpec(const IniReader& ini, const std::string& menuName,
                                     const ModelContext& context);

// The keys LoadMenuSpec reads from a menu's section.
KeyReads MenuSectionKeys();
// The keys LoadMenuItems reads from an item's section: its own and its action record's, but for
// the registry source, which a menu item never takes its launch data from.
KeyReads MenuItemSectionKeys();

// The items of the menu shown last, asked by command id (the menu's owner) or by launch id (the
// launching code). An id that names no item gives none.
class MenuItemTable {
  public:
    MenuItemTable() = default;
    explicit MenuItemTable(std::vector<MenuItem> items) : items_(std::move(items)) {}

    int count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    const std::vector<MenuItem>& items() const { return items_; }

    // The position of the first item with this command id, or -1.
    int PositionOfCommand(int commandId) const;
    // The position a launch id names, or -1.
    int PositionOfLaunchId(int launchId) const;
    static int LaunchIdOf(int position) { return kFirstMenuLaunchId + position; }

    const MenuItem* ForLaunchId(int launchId) const;
    MenuItem* ForLaunchId(int launchId);

    // What launching asks about the item: copies of its fields; none for an id that names no
    // item, which answers every question with false, none or 0.
    std::optional<LaunchEntry> EntryFor(int launchId) const;

  private:
    std::vector<MenuItem> items_;
};

}  // namespace lumora
