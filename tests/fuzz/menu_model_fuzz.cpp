// Menu items from INI files of item sections with the keys they read, broken values and stray
// lines, for random name lists. The kept items are, in order, the names equal to the separator
// name (letter case ignored) and the names whose section has a Description; their command ids
// follow one another from the first; each holds its section's values (paths expanded once, the
// splash picture too); and the table finds every item by command id and launch id, nothing
// for any other id, and copies its action into the launch entry.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "config/ini_document.h"
#include "config/string_table.h"
#include "fuzz/fuzz_check.h"
#include "menus/menu_model.h"

namespace {

using lumora::MenuItem;
using lumora::MenuItemTable;
using lumora::SectionEntries;
using lumora::StringList;

const char* const kNames[] = {"Separator", "sEpArAtOr", "Separator2", "Play", "play", "", "A B"};
const char* const kKeys[] = {"Description", "LaunchScreenReq", "LaunchReq",  "LaunchOnReq",
                             "LaunchLong",  "LaunchFunc",      "LaunchData", "SetupReq",
                             "SetupFunc",   "SetupData",       "SetupDesc",  "ExitDuringSetup",
                             "Splash",      "LaunchDir"};

lumora::ModelContext Context() {
    return lumora::ModelContext{lumora::BuiltInText,
                                [](std::string& path) { path = "<" + path + ">"; }};
}

std::string Name(FuzzedDataProvider& provider) {
    const size_t pick = provider.ConsumeIntegralInRange<size_t>(0, std::size(kNames));
    return pick < std::size(kNames) ? kNames[pick] : provider.ConsumeRandomLengthString(8);
}

std::string IniText(FuzzedDataProvider& provider, const std::string& menu) {
    std::string text;
    for (int line = 0; line < 60 && provider.remaining_bytes() > 0; ++line) {
        switch (provider.ConsumeIntegralInRange(0, 5)) {
            case 0:
                text += "[" + (provider.ConsumeBool() ? menu : Name(provider)) + "-MenuItem " +
                        Name(provider) + "]";
                break;
            case 1:
                text += provider.ConsumeRandomLengthString(30);
                break;
            default: {
                const char* key =
                    kKeys[provider.ConsumeIntegralInRange<size_t>(0, std::size(kKeys) - 1)];
                std::string value = provider.ConsumeBool()
                                        ? std::to_string(provider.ConsumeIntegralInRange(-2, 2))
                                        : provider.ConsumeRandomLengthString(12);
                text += std::string(key) + "=" + value;
            }
        }
        text += provider.ConsumeBool() ? "\n" : "\r\n";
    }
    return text;
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> Marked(std::optional<std::string> value) {
    return value ? std::optional<std::string>("<" + *value + ">") : std::nullopt;
}

void CheckItem(const MenuItem& item, const SectionEntries& keys) {
    FUZZ_CHECK(item.description == keys.Find("Description"));
    FUZZ_CHECK(item.action.launchScreenReq == keys.FindList("LaunchScreenReq"));
    FUZZ_CHECK(item.action.launchReq == keys.FindList("LaunchReq"));
    FUZZ_CHECK(item.action.setupReq == keys.FindList("SetupReq"));
    FUZZ_CHECK(item.action.launchFunc == keys.Find("LaunchFunc"));
    FUZZ_CHECK(item.action.setupFunc == keys.Find("SetupFunc"));
    FUZZ_CHECK(item.action.setupDesc == keys.Find("SetupDesc"));
    FUZZ_CHECK(item.action.launchData == Marked(keys.Find("LaunchData")));
    FUZZ_CHECK(item.action.setupData == Marked(keys.Find("SetupData")));
    FUZZ_CHECK(item.action.launchDir == Marked(keys.Find("LaunchDir")));
    std::optional<StringList> splash = keys.FindList("Splash");
    if (splash) {
        splash->front() = "<" + splash->front() + ">";
    }
    FUZZ_CHECK(item.action.splash == splash);
    const auto number = [&](const char* key) {
        const std::optional<std::string> value = keys.Find(key);
        return value ? std::optional<int>(lumora::ParseDecimal(*value)) : std::nullopt;
    };
    FUZZ_CHECK(item.action.launchOnReq == (number("LaunchOnReq").value_or(0) > 0));
    FUZZ_CHECK(item.action.launchLong == (number("LaunchLong").value_or(0) > 0));
    FUZZ_CHECK(item.action.exitDuringSetup == (number("ExitDuringSetup").value_or(0) != 0));
    // A menu item never reads the registry.
    FUZZ_CHECK(!item.action.registry);
    FUZZ_CHECK(item.discDrive == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 8192) {
        return 0;
    }
    FuzzedDataProvider provider(data, size);
    const std::string menu =
        provider.ConsumeBool() ? "Tools" : provider.ConsumeRandomLengthString(6);
    StringList names(provider.ConsumeIntegralInRange<size_t>(0, 12));
    for (std::string& name : names) {
        name = Name(provider);
    }
    const int probe = provider.ConsumeIntegral<int>();
    const lumora::IniDocument ini(IniText(provider, menu));

    const std::vector<MenuItem> items = lumora::LoadMenuItems(ini, menu, names, Context());

    size_t kept = 0;
    for (const std::string& name : names) {
        const SectionEntries keys = ini.Section(menu + "-MenuItem " + name);
        const bool separator = SameName(name, "Separator");
        if (!separator && !keys.Find("Description")) {
            continue;  // left out; the next kept item takes its place
        }
        FUZZ_CHECK(kept < items.size());
        const MenuItem& item = items[kept];
        FUZZ_CHECK(item.name == name);
        FUZZ_CHECK(item.commandId == lumora::kFirstMenuCommandId + int(kept));
        FUZZ_CHECK(item.IsSeparator() == separator);
        if (separator) {
            FUZZ_CHECK(!item.action.launchFunc && !item.action.launchData && !item.action.splash &&
                       !item.action.setupFunc);
        } else {
            CheckItem(item, keys);
        }
        ++kept;
    }
    FUZZ_CHECK(kept == items.size());

    // The table answers for every item and for nothing else.
    const MenuItemTable table(items);
    for (int i = 0; i < table.count(); ++i) {
        FUZZ_CHECK(table.PositionOfCommand(lumora::kFirstMenuCommandId + i) == i);
        const int launchId = MenuItemTable::LaunchIdOf(i);
        FUZZ_CHECK(table.PositionOfLaunchId(launchId) == i);
        FUZZ_CHECK(table.ForLaunchId(launchId) == &table.items()[size_t(i)]);
        const std::optional<lumora::LaunchEntry> entry = table.EntryFor(launchId);
        const MenuItem& item = table.items()[size_t(i)];
        FUZZ_CHECK(entry && entry->action.setupFunc == item.action.setupFunc &&
                   entry->action.setupData == item.action.setupData &&
                   entry->action.launchDir == item.action.launchDir &&
                   entry->discDrive == item.discDrive &&
                   entry->action.launchOnReq == item.action.launchOnReq &&
                   entry->action.exitDuringSetup == item.action.exitDuringSetup);
    }
    const int position = table.PositionOfLaunchId(probe);
    const bool names_item = int64_t{probe} >= lumora::kFirstMenuLaunchId &&
                            int64_t{probe} - lumora::kFirstMenuLaunchId < table.count();
    FUZZ_CHECK(position == (names_item ? probe - lumora::kFirstMenuLaunchId : -1));
    FUZZ_CHECK((table.ForLaunchId(probe) != nullptr) == names_item);
    FUZZ_CHECK(table.EntryFor(probe).has_value() == names_item);
    const int command = table.PositionOfCommand(probe);
    FUZZ_CHECK(command == (int64_t{probe} - lumora::kFirstMenuCommandId >= 0 &&
                                   int64_t{probe} - lumora::kFirstMenuCommandId < table.count()
                               ? probe - lumora::kFirstMenuCommandId
                               : -1));
    return 0;
}
