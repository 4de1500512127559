#include "menus/menu_model.h"

#include <gtest/gtest.h>

#include <map>

#include "config/string_table.h"

namespace lumora {
namespace {

// A small INI file: section name to its "key=value" lines; names compared as written.
class FakeIni : public IniReader {
  public:
    FakeIni& Set(const std::string& section, const std::string& key, const std::string& value) {
        sections_[section] += key + "=" + value + '\0';
        return *this;
    }
    mutable std::vector<std::string> read;  // every section asked for, in order

    SectionEntries Section(const std::string& section) const override {
        read.push_back(section);
        auto it = sections_.find(section);
        if (it == sections_.end()) {
            return SectionEntries();
        }
        std::string data = it->second + '\0';
        return SectionEntries(data.data(), data.size());
    }

  private:
    std::map<std::string, std::string> sections_;
};

ModelContext Context() {
    return ModelContext{BuiltInText, [](std::string& path) {
                            const size_t at = path.find("%r");
                            if (at != std::string::npos) {
                                path.replace(at, 2, "C:\\DISC\\");
                            }
                        }};
}

std::vector<MenuItem> Load(FakeIni& ini, const StringList& names) {
    return LoadMenuItems(ini, "Tools", names, Context());
}

TEST(MenuModel, SeparatorsAndItemsTakeIdsInOrder) {
    FakeIni ini;
    ini.Set("Tools-MenuItem A", "Description", "Alpha")
        .Set("Tools-MenuItem B", "Description", "Beta");
    std::vector<MenuItem> items = Load(ini, {"A", "Separator", "B"});
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].description, "Alpha");
    EXPECT_EQ(items[0].name, "A");
    EXPECT_EQ(items[0].commandId, 1100);
    EXPECT_TRUE(items[1].IsSeparator());
    EXPECT_EQ(items[1].commandId, 1101);
    EXPECT_EQ(items[2].description, "Beta");
    EXPECT_EQ(items[2].commandId, 1102);
    // A separator has no section of its own.
    EXPECT_EQ(ini.read, (std::vector<std::string>{"Tools-MenuItem A", "Tools-MenuItem B"}));
}

TEST(MenuModel, SeparatorNameIgnoresCaseButNotExtraLetters) {
    FakeIni ini;
    ini.Set("Tools-MenuItem Separator2", "Description", "Not a line");
    std::vector<MenuItem> items = Load(ini, {"separator", "SEPARATOR", "Separator2", "sEpArAtOr"});
    ASSERT_EQ(items.size(), 4u);
    EXPECT_TRUE(items[0].IsSeparator());
    EXPECT_TRUE(items[1].IsSeparator());
    EXPECT_FALSE(items[2].IsSeparator());
    EXPECT_EQ(items[2].description, "Not a line");
    EXPECT_TRUE(items[3].IsSeparator());
}

TEST(MenuModel, ItemWithoutDescriptionIsDroppedAndLaterItemsMoveUp) {
    FakeIni ini;
    ini.Set("Tools-MenuItem A", "Description", "Alpha");
    ini.Set("Tools-MenuItem X", "LaunchFunc", "DispatchExit");  // no Description
    ini.Set("Tools-MenuItem Y", "Description", "");             // empty counts as none
    ini.Set("Tools-MenuItem B", "Description", "Beta");
    std::vector<MenuItem> items = Load(ini, {"A", "X", "Missing", "Y", "B"});
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].commandId, 1100);
    EXPECT_EQ(items[1].name, "B");
    EXPECT_EQ(items[1].commandId, 1101);
}

TEST(MenuModel, NoKeptItemGivesAnEmptyMenu) {
    FakeIni ini;
    EXPECT_TRUE(Load(ini, {"X", "Y"}).empty());
    EXPECT_TRUE(Load(ini, {}).empty());
}

TEST(MenuModel, ItemFieldsAreReadAndPathsExpanded) {
    FakeIni ini;
    const std::string s = "Tools-MenuItem Run";
    ini.Set(s, "Description", "Run it")
        .Set(s, "LaunchScreenReq", "G|640|480")
        .Set(s, "LaunchReq", "DISC1|Disc One")
        .Set(s, "LaunchOnReq", "1")
        .Set(s, "LaunchLong", "2")
        .Set(s, "LaunchFunc", "DispatchProgram")
        .Set(s, "LaunchData", "%rrun.exe -x")
        .Set(s, "SetupReq", "DISC2|Disc Two")
        .Set(s, "SetupFunc", "DispatchProgramAndWait")
        .Set(s, "SetupData", "%rsetup.exe")
        .Set(s, "SetupDesc", "Runner")
        .Set(s, "ExitDuringSetup", "-3")
        .Set(s, "Splash", "%rlogo.bmp|%r3")
        .Set(s, "LaunchDir", "%rbin");
    std::vector<MenuItem> items = Load(ini, {"Run"});
    ASSERT_EQ(items.size(), 1u);
    const MenuItem& item = items[0];
    EXPECT_EQ(item.action.launchScreenReq, (StringList{"G", "640", "480"}));
    EXPECT_EQ(item.action.launchReq, (StringList{"DISC1", "Disc One"}));
    EXPECT_TRUE(item.action.launchOnReq);
    EXPECT_TRUE(item.action.launchLong);
    EXPECT_EQ(item.action.launchFunc, "DispatchProgram");
    EXPECT_EQ(item.action.launchData, "C:\\DISC\\run.exe -x");
    EXPECT_EQ(item.action.setupReq, (StringList{"DISC2", "Disc Two"}));
    EXPECT_EQ(item.action.setupFunc, "DispatchProgramAndWait");
    EXPECT_EQ(item.action.setupData, "C:\\DISC\\setup.exe");
    EXPECT_EQ(item.action.setupDesc, "Runner");
    EXPECT_TRUE(item.action.exitDuringSetup);
    // Only the picture of a splash list is a path.
    EXPECT_EQ(item.action.splash, (StringList{"C:\\DISC\\logo.bmp", "%r3"}));
    EXPECT_EQ(item.action.launchDir, "C:\\DISC\\bin");
    EXPECT_EQ(item.discDrive, 0);
}

TEST(MenuModel, MenuSectionGivesPositionAndItems) {
    FakeIni ini;
    ini.Set("Menu Tools", "MenuItems", "A|Separator")
        .Set("Menu Tools", "MenuPosition", "15")
        .Set("Tools-MenuItem A", "Description", "Alpha")
        .Set("Menu Bare", "MenuItems", "A")
        .Set("Menu Empty", "MenuPosition", "1,2");
    const std::optional<MenuSpec> tools = LoadMenuSpec(ini, "Tools", Context());
    ASSERT_TRUE(tools);
    EXPECT_EQ(tools->position, (Point{15, 15}));
    ASSERT_EQ(tools->items.size(), 2u);
    EXPECT_EQ(tools->items[0].description, "Alpha");
    const std::optional<MenuSpec> bare = LoadMenuSpec(ini, "Bare", Context());
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->position, std::nullopt);
    EXPECT_TRUE(bare->items.empty());
    // Without MenuItems there is no menu.
    EXPECT_FALSE(LoadMenuSpec(ini, "Empty", Context()));
    EXPECT_FALSE(LoadMenuSpec(ini, "Missing", Context()));
}

TEST(MenuModel, APositionIsCountedFromTheOwnersCornerInPicturePixels) {
    EXPECT_EQ(MenuCorner(Point{100, 50}, std::nullopt, 2), std::nullopt) << "at the pointer";
    EXPECT_EQ(MenuCorner(Point{100, 50}, Point{24, 240}, 1), (Point{124, 290}));
    EXPECT_EQ(MenuCorner(Point{100, 50}, Point{24, 240}, 3), (Point{172, 770}));
    EXPECT_EQ(MenuCorner(Point{10, -10}, Point{2147483647, -2147483647 - 1}, 2),
              (Point{2147483647, -2147483647 - 1}))
        << "clamped, never wrapped";
    EXPECT_FALSE(RoutesToMenu(kFirstMenuCommandId - 1));
    EXPECT_TRUE(RoutesToMenu(kFirstMenuCommandId));
    EXPECT_TRUE(RoutesToMenu(kLastRoutedCommandId));
    EXPECT_FALSE(RoutesToMenu(kLastRoutedCommandId + 1));
}

MenuItemTable Table() {
    FakeIni ini;
    ini.Set("Tools-MenuItem Plain", "Description", "Plain");
    const std::string s = "Tools-MenuItem Full";
    ini.Set(s, "Description", "Full")
        .Set(s, "LaunchOnReq", "1")
        .Set(s, "LaunchLong", "1")
        .Set(s, "SetupFunc", "DispatchProgram")
        .Set(s, "SetupData", "D:\\SETUP.EXE")
        .Set(s, "ExitDuringSetup", "1")
        .Set(s, "LaunchDir", "D:\\APP");
    const std::string l = "Tools-MenuItem Long";
    ini.Set(l, "Description", "Long").Set(l, "LaunchLong", "1");
    MenuItemTable table(Load(ini, {"Plain", "Separator", "Full", "Long"}));
    table.ForLaunchId(16384 + 2)->discDrive = 'E';
    return table;
}

TEST(MenuItemTable, LaunchIdsNameItemsByPosition) {
    MenuItemTable table = Table();
    ASSERT_EQ(table.count(), 4);
    EXPECT_EQ(table.PositionOfLaunchId(16384), 0);
    EXPECT_EQ(table.PositionOfLaunchId(16384 + 3), 3);
    EXPECT_EQ(table.PositionOfLaunchId(16384 + 4), -1);
    EXPECT_EQ(table.PositionOfLaunchId(16383), -1);
    EXPECT_EQ(table.PositionOfLaunchId(0), -1);
    EXPECT_EQ(table.PositionOfLaunchId(-1), -1);
    EXPECT_EQ(MenuItemTable::LaunchIdOf(2), 16386);
    EXPECT_EQ(table.PositionOfCommand(1101), 1);
    EXPECT_EQ(table.PositionOfCommand(1104), -1);
    EXPECT_EQ(table.ForLaunchId(16385)->commandId, 1101);
}

// The launching code's questions, asked of the entry that the table gives for a launch id.
class MenuEntryQuestions : public ::testing::Test {
  protected:
    std::optional<LaunchEntry> entry(int launchId) const { return table_.EntryFor(launchId); }
    const MenuItemTable table_ = Table();
};

TEST_F(MenuEntryQuestions, AnItemAnswersFromItsFields) {
    const auto plain = entry(16384), full = entry(16386), longPath = entry(16387);
    ASSERT_TRUE(plain && full && longPath);
    EXPECT_TRUE(HasSetup(&*full));
    EXPECT_FALSE(HasSetup(&*plain));
    EXPECT_TRUE(ExitsDuringSetup(&*full));
    EXPECT_FALSE(ExitsDuringSetup(&*plain));
    EXPECT_EQ(GetLaunchDir(&*full), "D:\\APP");
    EXPECT_EQ(GetLaunchDir(&*plain), std::nullopt);
    EXPECT_EQ(GetDiscDrive(&*full), 'E');
    EXPECT_EQ(GetDiscDrive(&*plain), 0);

    EXPECT_TRUE(UsesDiscDrive(&*full, "D:\\APP\\RUN.EXE"));
    EXPECT_FALSE(UsesDiscDrive(&*plain, "D:\\APP\\RUN.EXE"));
    EXPECT_TRUE(KeepsLongPath(&*full, "D:\\APP\\RUN.EXE"));
    // The item's own setup command: the disc drive always, the long path never; compared with
    // letter case.
    EXPECT_FALSE(KeepsLongPath(&*full, "D:\\SETUP.EXE"));
    EXPECT_TRUE(KeepsLongPath(&*full, "d:\\setup.exe"));
    // Without SetupData no command is the setup, not even the empty one.
    EXPECT_TRUE(KeepsLongPath(&*longPath, ""));
    EXPECT_FALSE(UsesDiscDrive(&*longPath, ""));
}

TEST_F(MenuEntryQuestions, TheEntryIsACopyTakenWhenAsked) {
    MenuItemTable table = Table();
    const std::optional<LaunchEntry> before = table.EntryFor(16386);
    table.ForLaunchId(16386)->discDrive = 'F';
    ASSERT_TRUE(before);
    EXPECT_EQ(before->discDrive, 'E');
    EXPECT_EQ(table.EntryFor(16386)->discDrive, 'F');
}

TEST(MenuItemTable, SetupCommandUsesTheDiscDriveWithoutLaunchOnReq) {
    FakeIni ini;
    ini.Set("Tools-MenuItem S", "Description", "S")
        .Set("Tools-MenuItem S", "SetupData", "D:\\S.EXE");
    const std::optional<LaunchEntry> entry = MenuItemTable(Load(ini, {"S"})).EntryFor(16384);
    ASSERT_TRUE(entry);
    EXPECT_TRUE(UsesDiscDrive(&*entry, "D:\\S.EXE"));
    EXPECT_FALSE(UsesDiscDrive(&*entry, "D:\\S.EXE "));
}

TEST(MenuItemTable, IdsThatNameNoItemGiveNoEntry) {
    const MenuItemTable table = Table();
    for (int id : {-1, 0, 3, 16383, 16388, 99999}) {
        EXPECT_EQ(table.ForLaunchId(id), nullptr) << id;
        EXPECT_FALSE(table.EntryFor(id)) << id;
    }
    const MenuItemTable none;
    EXPECT_FALSE(none.EntryFor(16384));
    EXPECT_EQ(none.PositionOfCommand(1100), -1);
}

TEST(MenuModel, ManyItemsKeepCountingPastTheRoutedIds) {
    FakeIni ini;
    StringList names(150, "Separator");
    std::vector<MenuItem> items = Load(ini, names);
    ASSERT_EQ(items.size(), 150u);
    EXPECT_EQ(items[99].commandId, kLastRoutedCommandId);
    EXPECT_EQ(items[100].commandId, 1200);
}

}  // namespace
}  // namespace lumora
