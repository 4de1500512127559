// The keys that make an action, read by the one reader for regions and menu items alike.
#include "actions/action_record.h"

#include <gtest/gtest.h>

#include "config/ini_document.h"
#include "config/string_table.h"
#include "menus/menu_model.h"
#include "screens/screen_model.h"

namespace lumora {
namespace {

// Paths are marked so that a test sees which values were expanded, and how often.
ModelContext TestContext() {
    return ModelContext{BuiltInText, [](std::string& path) { path = "<" + path + ">"; }};
}

// The same keys in a region's section and in a menu item's section, read by their loaders.
struct ReadBoth {
    ActionRecord region;
    ActionRecord item;
};

ReadBoth Read(const std::string& keys) {
    const IniDocument ini("[Main-Region A]\n" + keys + "\n[Tools-MenuItem A]\nDescription=A\n" +
                          keys + "\n");
    ReadBoth both;
    both.region = LoadRegionSpec(ini, "Main", "A", TestContext()).action;
    both.item = LoadMenuItems(ini, "Tools", {"A"}, TestContext()).at(0).action;
    return both;
}

TEST(ActionRecord, RegionsAndMenuItemsReadEveryKeyAlike) {
    const ReadBoth both = Read(
        "Sound=%rs.wav\nSplash=%rlogo.bmp|3|%r extra\nLaunchDir=%r\n"
        "LaunchFunc=%rFunc\nLaunchData=%r\\x.exe\nSetupFunc=%rS\nSetupData=%r\\setup.exe\n"
        "SetupDesc=%rDesc\nLaunchReq=%rDISC|Name|more\nSetupReq=%rS|N\n"
        "LaunchScreenReq=E|800X600|TRUE\nLaunchOnReq=1\nLaunchLong=2\nExitDuringSetup=-3");
    for (const ActionRecord* action : {&both.region, &both.item}) {
        // Paths are expanded once; names, lists and descriptions never.
        EXPECT_EQ(action->splash, (StringList{"<%rlogo.bmp>", "3", "%r extra"}));
        EXPECT_EQ(action->launchDir, "<%r>");
        EXPECT_EQ(action->launchFunc, "%rFunc");
        EXPECT_EQ(action->launchData, "<%r\\x.exe>");
        EXPECT_EQ(action->setupFunc, "%rS");
        EXPECT_EQ(action->setupData, "<%r\\setup.exe>");
        EXPECT_EQ(action->setupDesc, "%rDesc");
        EXPECT_EQ(action->launchReq, (StringList{"%rDISC", "Name", "more"}));
        EXPECT_EQ(action->setupReq, (StringList{"%rS", "N"}));
        EXPECT_EQ(action->launchScreenReq, (StringList{"E", "800X600", "TRUE"}));
        EXPECT_TRUE(action->launchOnReq && action->launchLong && action->exitDuringSetup);
    }
}

TEST(ActionRecord, FlagsReadAlikeForRegionsAndMenuItems) {
    struct Case {
        const char* value;
        bool positive;  // LaunchOnReq, LaunchLong
        bool nonZero;   // ExitDuringSetup
    };
    // The integer reader's "absent" number is a number like any other here.
    const Case cases[] = {{"1", true, true},           {"7 days", true, true},
                          {"0", false, false},         {"-1", false, true},
                          {"yes", false, false},       {" -2147483648", false, true},
                          {"99999999999", true, true}, {"", false, false}};
    for (const Case& c : cases) {
        const std::string v = c.value;
        const ReadBoth both =
            Read("LaunchOnReq=" + v + "\nLaunchLong=" + v + "\nExitDuringSetup=" + v);
        for (const ActionRecord* action : {&both.region, &both.item}) {
            EXPECT_EQ(action->launchOnReq, c.positive) << v;
            EXPECT_EQ(action->launchLong, c.positive) << v;
            EXPECT_EQ(action->exitDuringSetup, c.nonZero) << v;
        }
    }
}

TEST(ActionRecord, AbsentKeysTakeTheirDefaults) {
    const ReadBoth both = Read("Unrelated=1");
    for (const ActionRecord* a : {&both.region, &both.item}) {
        EXPECT_FALSE(a->splash || a->launchScreenReq || a->launchReq || a->setupReq ||
                     a->launchDir || a->launchFunc || a->launchData || a->registry ||
                     a->setupFunc || a->setupData || a->setupDesc);
        EXPECT_FALSE(a->launchOnReq || a->launchLong || a->exitDuringSetup);
    }
}

TEST(ActionRecord, RegistryKeysCountOnlyForARegionWithoutLaunchData) {
    EXPECT_EQ(Read("LaunchData=x.exe\nRegistryKey=Software\\App").region.registry, std::nullopt);
    const ReadBoth full = Read(
        "RegistryKey=Software\\App\nRegistryData=Path\nRegistrySubtract=4\nRegistryAppend= -go");
    ASSERT_TRUE(full.region.registry);
    EXPECT_EQ(full.region.registry->key, "Software\\App");
    EXPECT_EQ(full.region.registry->data, "Path");
    EXPECT_EQ(full.region.registry->subtract, 4);
    EXPECT_EQ(full.region.registry->append, "-go");
    // A menu item's launch data never comes from the registry.
    EXPECT_EQ(full.item.registry, std::nullopt);
    const std::optional<RegistrySource> keyOnly = Read("RegistryKey=Software\\App").region.registry;
    ASSERT_TRUE(keyOnly);
    EXPECT_EQ(keyOnly->data, std::nullopt);
    EXPECT_EQ(keyOnly->subtract, kSettingAbsent);
    EXPECT_EQ(keyOnly->append, std::nullopt);
    EXPECT_EQ(Read("RegistryData=Path\nRegistrySubtract=4").region.registry, std::nullopt);
}

TEST(ActionRecord, KeyTableNamesEveryKeyTheReaderReads) {
    // A section holding every key of the table, each with a value, leaves nothing unread.
    std::string keys;
    for (const KeyRead& key : ActionRecordKeys()) {
        keys += BuiltInText(key.id) + "=1\n";
    }
    const ActionRecord read =
        ReadActionRecord(SectionKeys(IniDocument("[S]\n" + keys).Section("S"), TestContext()));
    EXPECT_TRUE(read.launchFunc && read.launchData && read.launchDir && read.launchScreenReq &&
                read.launchReq && read.setupReq && read.setupFunc && read.setupData &&
                read.setupDesc && read.splash);
    EXPECT_TRUE(read.launchOnReq && read.launchLong && read.exitDuringSetup);
    // Without LaunchData the registry keys are read.
    std::string noData;
    for (const KeyRead& key : ActionRecordKeys()) {
        if (BuiltInText(key.id) != "LaunchData") {
            noData += BuiltInText(key.id) + "=1\n";
        }
    }
    const ActionRecord fromRegistry =
        ReadActionRecord(SectionKeys(IniDocument("[S]\n" + noData).Section("S"), TestContext()));
    ASSERT_TRUE(fromRegistry.registry);
    EXPECT_TRUE(fromRegistry.registry->data && fromRegistry.registry->append);
    EXPECT_EQ(fromRegistry.registry->subtract, 1);
}

}  // namespace
}  // namespace lumora
