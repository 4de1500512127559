#include "menus/popup_menu.h"

#include "actions/click_run.h"
#include "config/private_profile_reader.h"
#include "config/program_model_context.h"
#include "win/handles.h"
#include "win/message_loop.h"

namespace lumora {

namespace {

// Where the menu's top-left corner goes: the configured point from the owner window's top-left
// corner, else the mouse cursor, else the middle of the screen.
POINT MenuOrigin(HWND owner, const std::optional<Point>& position, int scale) {
    RECT frame{};
    const std::optional<Point> corner =
        position && ::GetWindowRect(owner, &frame)
            ? MenuCorner(Point{frame.left, frame.top}, position, scale)
            : std::nullopt;
    if (corner) {
        return POINT{corner->x, corner->y};
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

void CPopupMenu::ReplaceItems(MenuItemTable items) {
    items_ = std::move(items);
    // Whatever still waits on the old items sees them gone.
    itemsLifetime_ = std::make_unique<Lifetime>();
}

BOOL CPopupMenu::ShowMenu(HWND owner, std::string name) {
    // The name arrives by value: it may come from an item of the table released below (an item
    // whose action opens another menu).
    if (!owner || name.empty()) {
        return FALSE;
    }
    owner_ = owner;
    ReplaceItems(MenuItemTable());
    std::optional<MenuSpec> loaded =
        LoadMenuSpec(PrivateProfileReader(), name, ProgramModelContext());
    if (!loaded) {
        return FALSE;
    }
    const POINT origin = MenuOrigin(owner, loaded->position, scale_);
    ReplaceItems(MenuItemTable(std::move(loaded->items)));
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

void CPopupMenu::StoreDiscDrive(int launchId, int drive) {
    if (MenuItem* item = items_.ForLaunchId(launchId)) {
        item->discDrive = drive;
    }
}

void CPopupMenu::RunItem(int commandId) {
    const int position = items_.PositionOfCommand(commandId);
    if (position < 0) {
        return;
    }
    const int launchId = MenuItemTable::LaunchIdOf(position);
    const MenuItem& item = items_.items()[static_cast<size_t>(position)];
    ClickSite site;
    site.owner = owner_;
    site.launchId = launchId;
    site.discDrive = item.discDrive;
    site.storeDiscDrive = [this, launchId](int drive) { StoreDiscDrive(launchId, drive); };
    site.splash = &logoPopup_;
    site.scale = scale_;
    site.alive = itemsLifetime_->Watch();
    // The action may open another menu, which replaces the items: the plan holds copies.
    RunClick(PlanMenuChoice(item.action), site);
}

LaunchTarget CPopupMenu::LaunchTargetOf(int launchId) {
    LaunchTarget target;
    target.entry = items_.EntryFor(launchId);
    if (!target.entry) {
        return target;
    }
    target.discPromptOwner = owner_;
    target.alive = itemsLifetime_->Watch();
    target.storeDiscDrive = [this, launchId](int drive) { StoreDiscDrive(launchId, drive); };
    return target;
}

void CPopupMenu::RunSetup(int launchId) {
    lumora::RunSetup(LaunchTargetOf(launchId));
}

}  // namespace lumora
