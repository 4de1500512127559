#include "menus/popup_menu.h"

#include "actions/disc.h"
#include "actions/dispatch.h"
#include "config/display.h"
#include "config/ini_store.h"
#include "config/settings.h"
#include "imaging/pixel_scale.h"
#include "resource.h"
#include "win/handles.h"
#include "win/message_loop.h"
#include "win/resource_string.h"

namespace lumora {

static_assert(kFirstMenuLaunchId == kMenuLaunchIdBase, "one launch id space for menu items");

namespace {

MenuVocabulary Vocabulary() {
    MenuVocabulary w;
    w.separator = ResourceString(IDS_SEPARATOR);
    w.itemSectionPart = ResourceString(IDS_SECTION_MENU_ITEM);
    w.description = ResourceString(IDS_KEY_DESCRIPTION);
    w.launchScreenReq = ResourceString(IDS_KEY_LAUNCH_SCREEN_REQ);
    w.launchReq = ResourceString(IDS_KEY_LAUNCH_REQ);
    w.launchOnReq = ResourceString(IDS_KEY_LAUNCH_ON_REQ);
    w.launchLong = ResourceString(IDS_KEY_LAUNCH_LONG);
    w.launchFunc = ResourceString(IDS_KEY_LAUNCH_FUNC);
    w.launchData = ResourceString(IDS_KEY_LAUNCH_DATA);
    w.setupReq = ResourceString(IDS_KEY_SETUP_REQ);
    w.setupFunc = ResourceString(IDS_KEY_SETUP_FUNC);
    w.setupData = ResourceString(IDS_KEY_SETUP_DATA);
    w.setupDesc = ResourceString(IDS_KEY_SETUP_DESC);
    w.exitDuringSetup = ResourceString(IDS_KEY_EXIT_DURING_SETUP);
    w.splash = ResourceString(IDS_KEY_SPLASH);
    w.launchDir = ResourceString(IDS_KEY_LAUNCH_DIR);
    return w;
}

MenuSource IniSource() {
    MenuSource source;
    source.readSection = [](const std::string& section) {
        return SectionReader(section).entries();
    };
    source.expandPath = [](std::string& path) { ExpandPathMacros(path); };
    return source;
}

// Where the menu's top-left corner goes: the configured point from the owner window's top-left
// corner (in picture pixels, so times the scale), else the mouse cursor, else the middle of the
// screen.
POINT MenuOrigin(HWND owner, const std::optional<std::string>& position, int scale) {
    RECT frame{};
    if (position && ::GetWindowRect(owner, &frame)) {
        const Point offset = ParsePoint(*position);
        return POINT{detail::ClampToInt(int64_t{frame.left} + ToWindowCoordinate(offset.x, scale)),
                     detail::ClampToInt(int64_t{frame.top} + ToWindowCoordinate(offset.y, scale))};
    }
    POINT cursor{};
    if (::GetCursorPos(&cursor)) {
        return cursor;
    }
    return POINT{::GetSystemMetrics(SM_CXSCREEN) >> 1, ::GetSystemMetrics(SM_CYSCREEN) >> 1};
}

const char* TextOrNull(const std::optional<std::string>& text) {
    return text ? text->c_str() : nullptr;
}

}  // namespace

void CPopupMenu::FreeItems() {
    items_ = MenuItemTable();
    ++generation_;
}

BOOL CPopupMenu::ShowMenu(HWND owner, std::string name) {
    // The name arrives by value: it may come from an item of the table released below (an item
    // whose action opens another menu).
    if (!owner || name.empty()) {
        return FALSE;
    }
    owner_ = owner;
    FreeItems();
    const std::string section = SectionName(IDS_SECTION_MENU, name);
    const POINT origin = MenuOrigin(owner, ReadSetting(section, IDS_KEY_MENU_POSITION), scale_);
    const std::optional<StringList> names = ReadListSetting(section, IDS_KEY_MENU_ITEMS);
    if (!names) {
        return FALSE;
    }
    items_ = MenuItemTable(LoadMenuItems(name, *names, Vocabulary(), IniSource()));
    if (items_.empty()) {
        return FALSE;
    }
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu) {
        return FALSE;
    }
    for (const MenuItem& item : items_.items()) {
        ::AppendMenuA(menu.get(), item.IsSeparator() ? MF_SEPARATOR : MF_STRING,
                      static_cast<UINT_PTR>(item.commandId), TextOrNull(item.description));
    }
    // Flags 0: the chosen item's command is posted to the owner after the menu has closed.
    const SystemModalLoop loop;
    return ::TrackPopupMenu(menu.get(), 0, origin.x, origin.y, 0, owner, nullptr) ? TRUE : FALSE;
}

void CPopupMenu::StoreDiscDrive(unsigned generation, int launchId, int drive) {
    if (generation != generation_) {
        return;
    }
    if (MenuItem* item = items_.ForLaunchId(launchId)) {
        item->discDrive = drive;
    }
}

bool CPopupMenu::EnsureItemDisk(int position, const std::optional<StringList>& requirement) {
    const unsigned generation = generation_;
    const int launchId = MenuItemTable::LaunchIdOf(position);
    const MenuItem* item = items_.ForLaunchId(launchId);
    int slot = item ? item->discDrive : 0;
    // The disc prompt pumps messages: the slot is written back only to the table it came from.
    const BOOL found = EnsureDisk(owner_, requirement ? &*requirement : nullptr, slot);
    StoreDiscDrive(generation, launchId, slot);
    return found != FALSE;
}

void CPopupMenu::RunItem(int commandId) {
    const int position = items_.PositionOfCommand(commandId);
    if (position < 0) {
        return;
    }
    // Copies: the display message box and the disc prompt pump messages, and whatever runs
    // meanwhile may replace the table.
    const MenuItem item = items_.items()[static_cast<size_t>(position)];
    if (!item.launchFunc) {
        return;
    }
    const StringList* screenReq = item.launchScreenReq ? &*item.launchScreenReq : nullptr;
    if (!CheckDisplayRequirement(owner_, screenReq)) {
        return;
    }
    if (!EnsureItemDisk(position, item.launchReq)) {
        return;
    }
    if (item.splash && item.splash->size() >= 2) {
        // As for a region: the seconds are taken unsigned, so a negative number means the
        // longest time the popup stays.
        splashPopup_.ShowLogo(owner_, (*item.splash)[0],
                              static_cast<unsigned>(ParseDecimal((*item.splash)[1])), scale_);
    }
    // The action may open another menu, which replaces the table: it is not touched after this.
    CallExport(MenuItemTable::LaunchIdOf(position), item.launchFunc->c_str(),
               TextOrNull(item.launchData));
}

LaunchTarget CPopupMenu::LaunchTargetOf(int launchId) {
    LaunchTarget target;
    target.entry = items_.EntryFor(launchId);
    if (!target.entry) {
        return target;
    }
    target.discPromptOwner = owner_;
    const unsigned generation = generation_;
    target.storeDiscDrive = [this, generation, launchId](int drive) {
        StoreDiscDrive(generation, launchId, drive);
    };
    return target;
}

void CPopupMenu::RunSetup(int launchId) {
    lumora::RunSetup(LaunchTargetOf(launchId));
}

}  // namespace lumora
