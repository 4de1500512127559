// What a pop-up menu of the INI file says: its items in menu order, with the command and launch
// ids they answer to, and the questions the launching code asks about an item. Portable.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "actions/launch_entry.h"
#include "config/program_settings.h"
#include "config/section_entries.h"

namespace lumora {

// The command id of the item at position 0; the owner window routes ids up to kLastRoutedCommandId
// to the menu, so items further down are shown but do nothing.
constexpr int kFirstMenuCommandId = 1100;
constexpr int kLastRoutedCommandId = 1199;
// The launch id of the item at position 0; every launch id from here up names a menu item.
constexpr int kFirstMenuLaunchId = 16384;

struct MenuItem {
    int commandId = 0;
    int discDrive = 0;  // last disc search for the item: 0, a drive letter, or -1
    bool launchOnReq = false;
    bool launchLong = false;
    bool exitDuringSetup = false;
    std::string name;
    std::optional<std::string> description;  // none: a separator line
    std::optional<StringList> splash;        // picture path, seconds
    std::optional<StringList> launchScreenReq;
    std::optional<StringList> launchReq;
    std::optional<StringList> setupReq;
    std::optional<std::string> launchDir;
    std::optional<std::string> launchFunc;
    std::optional<std::string> launchData;
    std::optional<std::string> setupFunc;
    std::optional<std::string> setupData;
    std::optional<std::string> setupDesc;

    bool IsSeparator() const { return !description; }
};

// The names the menu reads, from the string table.
struct MenuVocabulary {
    std::string separator;        // the item name that makes a separator line
    std::string itemSectionPart;  // between the menu name and the item name: "-MenuItem "
    std::string description, launchScreenReq, launchReq, launchOnReq, launchLong, launchFunc,
        launchData, setupReq, setupFunc, setupData, setupDesc, exitDuringSetup, splash, launchDir;
};

// Where the items come from: the entries of a section (empty when there is no such section),
// and the expansion of a path value's macros.
struct MenuSource {
    std::function<SectionEntries(const std::string& section)> readSection;
    std::function<void(std::string& path)> expandPath;
};

// The kept items of the menu `menuName` (without the "Menu " prefix), one per name in order: a
// name equal to the separator name (letter case ignored) is a separator line; an item whose
// section has no Description is left out, and the items after it move up.
std::vector<MenuItem> LoadMenuItems(const std::string& menuName, const StringList& names,
                                    const MenuVocabulary& words, const MenuSource& source);

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
