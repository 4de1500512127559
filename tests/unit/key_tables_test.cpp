// Each reader's table of keys names exactly the keys the reader asks the string table for: the
// authors' kit reports every other key as one that Lumora does not read.
#include <gtest/gtest.h>

#include <set>

#include "actions/action_record.h"
#include "config/ini_document.h"
#include "config/settings_model.h"
#include "config/string_table.h"
#include "menus/menu_model.h"
#include "resource.h"
#include "screens/screen_model.h"

namespace lumora {
namespace {

using Ids = std::set<unsigned>;

// A context that notes the key names a reader asks for (section names and the separator are
// no keys).
class Spy {
  public:
    Spy() {
        context.text = [this](unsigned id) {
            const Ids notKeys = {IDS_SECTION_SCREEN, IDS_SECTION_REGION, IDS_SECTION_MENU,
                                 IDS_SECTION_MENU_ITEM, IDS_SEPARATOR};
            if (!notKeys.count(id)) {
                asked.insert(id);
            }
            return BuiltInText(id);
        };
        context.expandPath = [](std::string&) {};
    }
    Spy(const Spy&) = delete;
    Spy& operator=(const Spy&) = delete;

    ModelContext context;
    Ids asked;
};

Ids IdsOf(const KeyReads& keys) {
    Ids ids;
    for (const KeyRead& key : keys) {
        EXPECT_TRUE(ids.insert(key.id).second) << BuiltInText(key.id) << " is listed twice";
    }
    return ids;
}

TEST(KeyTables, ConfigIsReadByItsTable) {
    Spy spy;
    ProgramSettings settings;
    ReadProgramSettings(IniDocument("[Config]\n").Section("Config"), spy.context, settings);
    EXPECT_EQ(spy.asked, IdsOf(ProgramSettingKeys()));
}

TEST(KeyTables, ScreensAndRegionsAreReadByTheirTables) {
    // Every read is reached: the screen has its list and picture, the region no LaunchData and
    // a registry key.
    const IniDocument ini(
        "[Screen Main]\nRegionNames=A\nBitmap=b.bmp\n[Main-Region A]\nRegistryKey=Software\n");
    Spy screen;
    ASSERT_TRUE(LoadScreenSection(ini, "Main", screen.context));
    EXPECT_EQ(screen.asked, IdsOf(ScreenSectionKeys()));
    Spy region;
    LoadRegionSpec(ini, "Main", "A", region.context);
    EXPECT_EQ(region.asked, IdsOf(RegionSectionKeys()));
}

TEST(KeyTables, MenuItemsAskForTheRegistryKeysButTheirTableLeavesThemOut) {
    const IniDocument ini(
        "[Menu M]\nMenuItems=I|Separator\n[M-MenuItem I]\nDescription=d\nRegistryKey=Software\n");
    Spy spy;
    ASSERT_TRUE(LoadMenuSpec(ini, "M", spy.context));
    Ids expected = IdsOf(MenuSectionKeys());
    const Ids item = IdsOf(MenuItemSectionKeys());
    expected.insert(item.begin(), item.end());
    for (const KeyRead& key : kRegistrySourceKeys) {
        EXPECT_FALSE(item.count(key.id)) << BuiltInText(key.id);
        expected.insert(key.id);  // read, then dropped
    }
    EXPECT_EQ(spy.asked, expected);
}

}  // namespace
}  // namespace lumora
