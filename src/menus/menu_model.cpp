#include "menus/menu_model.h"

#include "config/value_parse.h"

namespace lumora {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

class ItemReader {
  public:
    ItemReader(SectionEntries entries, const MenuSource& source)
        : entries_(std::move(entries)), source_(source) {}

    std::optional<std::string> Text(const std::string& key) const { return entries_.Find(key); }

    std::optional<std::string> Path(const std::string& key) const {
        std::optional<std::string> value = Text(key);
        if (value && source_.expandPath) {
            source_.expandPath(*value);
        }
        return value;
    }

    std::optional<StringList> List(const std::string& key) const {
        std::optional<std::string> value = Text(key);
        if (!value) {
            return std::nullopt;
        }
        return SplitList(*value);
    }

    bool PositiveFlag(const std::string& key) const {
        std::optional<std::string> value = Text(key);
        return value && ParseDecimal(*value) > 0;
    }

    bool NonZeroFlag(const std::string& key) const {
        std::optional<std::string> value = Text(key);
        return value && ParseDecimal(*value) != 0;
    }

  private:
    SectionEntries entries_;
    const MenuSource& source_;
};

// The record of an item with its own section; none when it has no Description.
std::optional<MenuItem> ReadItem(const std::string& menuName, const std::string& name,
                                 const MenuVocabulary& words, const MenuSource& source) {
    const std::string section = menuName + words.itemSectionPart + name;
    const ItemReader read(source.readSection ? source.readSection(section) : SectionEntries(),
                          source);
    MenuItem item;
    item.description = read.Text(words.description);
    if (!item.description) {
        return std::nullopt;
    }
    item.name = name;
    item.launchScreenReq = read.List(words.launchScreenReq);
    item.launchReq = read.List(words.launchReq);
    item.launchOnReq = read.PositiveFlag(words.launchOnReq);
    item.launchLong = read.PositiveFlag(words.launchLong);
    item.launchFunc = read.Text(words.launchFunc);
    item.launchData = read.Path(words.launchData);
    item.setupReq = read.List(words.setupReq);
    item.setupFunc = read.Text(words.setupFunc);
    item.setupData = read.Path(words.setupData);
    item.setupDesc = read.Text(words.setupDesc);
    item.exitDuringSetup = read.NonZeroFlag(words.exitDuringSetup);
    item.splash = read.List(words.splash);
    if (item.splash && source.expandPath) {
        source.expandPath(item.splash->front());
    }
    item.launchDir = read.Path(words.launchDir);
    return item;
}

}  // namespace

std::vector<MenuItem> LoadMenuItems(const std::string& menuName, const StringList& names,
                                    const MenuVocabulary& words, const MenuSource& source) {
    std::vector<MenuItem> items;
    items.reserve(names.size());
    for (const std::string& name : names) {
        std::optional<MenuItem> item;
        if (EqualIgnoringCase(name, words.separator)) {
            item.emplace();
            item->name = name;
        } else {
            item = ReadItem(menuName, name, words, source);
        }
        if (item) {
            // A dropped item leaves no gap: the next kept one takes its place and its id.
            item->commandId = kFirstMenuCommandId + static_cast<int>(items.size());
            items.push_back(std::move(*item));
        }
    }
    return items;
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
    LaunchEntry entry;
    entry.setupFunc = item->setupFunc;
    entry.setupData = item->setupData;
    entry.setupDesc = item->setupDesc;
    entry.setupReq = item->setupReq;
    entry.launchDir = item->launchDir;
    entry.discDrive = item->discDrive;
    entry.launchOnReq = item->launchOnReq;
    entry.launchLong = item->launchLong;
    entry.exitDuringSetup = item->exitDuringSetup;
    return entry;
}

}  // namespace lumora
