#include "config/ini_store.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "ini_test_folder.h"

namespace lumora {
namespace {

using testing::IniTestFolder;
using List = StringList;

class IniStoreTest : public ::testing::Test {
  protected:
    IniTestFolder folder;
};

TEST_F(IniStoreTest, NamesDifferingOnlyInCaseAddressTheSameEntry) {
    folder.WriteIni("[config]\r\nbAlLoOnHeLp=1\r\n[SCREEN MAIN]\r\nDESCRIPTION=Main\r\n");
    EXPECT_EQ(ReadSetting("Config", "BalloonHelp"), "1");
    EXPECT_EQ(ReadIntSetting(ConfigSection(), IDS_KEY_BALLOON_HELP), 1);
    EXPECT_EQ(ReadSetting("Screen Main", IDS_KEY_DESCRIPTION), "Main");

    WriteSetting("CONFIG", "balloonhelp", "0");
    EXPECT_EQ(ReadSetting("Config", "BalloonHelp"), "0");
    EXPECT_EQ(IniTestFolder::Lines(folder.ReadIni()).size(), 4u) << "replaced in place, not added";
}

TEST_F(IniStoreTest, ValuesLoseSurroundingBlanksAndEnclosingQuotes) {
    folder.WriteIni(
        "[Config]\r\n"
        "Double=\"C:\\My Files\\a.wav\"\r\n"
        "Single='two words'\r\n"
        "Blanks=   padded value   \r\n"
        "Half=\"only opened\r\n"
        "Inner=a \"quoted\" word\r\n");
    EXPECT_EQ(ReadSetting("Config", "Double"), "C:\\My Files\\a.wav");
    EXPECT_EQ(ReadSetting("Config", "Single"), "two words");
    EXPECT_EQ(ReadSetting("Config", "Blanks"), "padded value");
    EXPECT_EQ(ReadSetting("Config", "Half"), "\"only opened");
    EXPECT_EQ(ReadSetting("Config", "Inner"), "a \"quoted\" word");
}

TEST_F(IniStoreTest, EmptyOrMissingValuesReadAsAbsent) {
    folder.WriteIni("[Config]\r\nEmpty=\r\nBlank=   \r\nQuotes=\"\"\r\n");
    for (const char* key : {"Empty", "Blank", "Quotes", "Missing"}) {
        EXPECT_FALSE(ReadSetting("Config", key)) << key;
        EXPECT_EQ(ReadIntSetting("Config", key), kSettingAbsent) << key;
        EXPECT_FALSE(ReadListSetting("Config", key)) << key;
    }
    EXPECT_FALSE(ReadSetting("No Such Section", "Empty"));
    ::DeleteFileA(folder.IniPath().c_str());
    EXPECT_FALSE(ReadSetting("Config", "Empty")) << "missing file";
}

TEST_F(IniStoreTest, LongValueIsCutAt511Characters) {
    std::string value;
    for (int i = 0; i < 600; ++i) {
        value += static_cast<char>('a' + i % 26);
    }
    folder.WriteIni("[Config]\r\nLong=" + value + "|tail\r\n");
    std::optional<std::string> text = ReadSetting("Config", "Long");
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, value.substr(0, 511));
    std::optional<List> list = ReadListSetting("Config", "Long");
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, List{value.substr(0, 511)}) << "the bar after the cut is never seen";
}

TEST_F(IniStoreTest, ListsSplitAtEveryBarKeepingEmptyElements) {
    folder.WriteIni(
        "[Config]\r\n"
        "One=Main\r\n"
        "Two=Main|Tools\r\n"
        "Gap=a||b\r\n"
        "Trailing=a|\r\n"
        "Bar=|\r\n"
        "Blanks= a | b \r\n");
    EXPECT_EQ(ReadListSetting("Config", "One"), List{"Main"});
    EXPECT_EQ(ReadListSetting("Config", "Two"), (List{"Main", "Tools"}));
    EXPECT_EQ(ReadListSetting("Config", "Gap"), (List{"a", "", "b"}));
    EXPECT_EQ(ReadListSetting("Config", "Trailing"), (List{"a", ""}));
    EXPECT_EQ(ReadListSetting("Config", "Bar"), (List{"", ""}));
    EXPECT_EQ(ReadListSetting("Config", "Blanks"), (List{"a ", " b"})) << "only the ends trimmed";
}

TEST_F(IniStoreTest, IntegersReadTheLeadingNumber) {
    folder.WriteIni(
        "[Config]\r\nDigits=250ms\r\nWord=fast\r\nSigned=  "
        "-40\r\nZero=0\r\nLowest=-2147483648\r\n");
    EXPECT_EQ(ReadIntSetting("Config", "Digits"), 250);
    EXPECT_EQ(ReadIntSetting("Config", "Word"), 0);
    EXPECT_EQ(ReadIntSetting("Config", "Signed"), -40);
    EXPECT_EQ(ReadIntSetting("Config", "Zero"), 0);
    EXPECT_EQ(ReadIntSetting("Config", "Lowest"), kSettingAbsent);
}

TEST_F(IniStoreTest, WriteIntSettingOfAbsentLeavesTheFileByteIdentical) {
    const std::string original = "; disc\n[Config]\nBalloonDelay = 300\n\n[Other]\nA=1\n";
    folder.WriteIni(original);
    WriteIntSetting("Config", "BalloonDelay", kSettingAbsent);
    WriteIntSetting("Config", "NewKey", kSettingAbsent);
    WriteIntSetting("New Section", IDS_KEY_BALLOON_DELAY, kSettingAbsent);
    EXPECT_EQ(folder.ReadIni(), original);

    WriteIntSetting("Config", "BalloonDelay", -42);
    EXPECT_EQ(ReadSetting("Config", "BalloonDelay"), "-42");
    WriteIntSetting("Config", "BalloonDelay", INT_MAX);
    EXPECT_EQ(ReadSetting("Config", "BalloonDelay"), "2147483647");
}

TEST_F(IniStoreTest, DeletingAKeyKeepsEveryOtherLine) {
    folder.WriteIni(
        "; The demo disc\r\n"
        "[Config]\r\n"
        "ScreenNames=Main|Tools\r\n"
        "; the user's choice\r\n"
        "UseSound=1\r\n"
        "BalloonDelay = 300\r\n"
        "\r\n"
        "[Screen Main]\r\n"
        "Description=\"The Main Screen\"\r\n"
        "UseSound=1\r\n");
    const std::vector<std::string> before = IniTestFolder::Lines(folder.ReadIni());

    WriteSetting("Config", IDS_KEY_USE_SOUND, nullptr);

    std::vector<std::string> expected = before;
    expected.erase(expected.begin() + 4);
    std::vector<std::string> after = IniTestFolder::Lines(folder.ReadIni());
    ASSERT_EQ(after.size(), expected.size());
    for (size_t i = 0; i < after.size(); ++i) {
        // The writer may respace "key = value"; names, values and comments stay.
        std::string a = after[i], e = expected[i];
        a.erase(std::remove(a.begin(), a.end(), ' '), a.end());
        e.erase(std::remove(e.begin(), e.end(), ' '), e.end());
        EXPECT_EQ(a, e) << "line " << i;
    }
    EXPECT_FALSE(ReadSetting("Config", "UseSound"));
    EXPECT_EQ(ReadSetting("Screen Main", "UseSound"), "1");
}

TEST_F(IniStoreTest, WritesCreateTheFileSectionAndKey) {
    EXPECT_FALSE(folder.IniExists());
    WriteSetting("Config", IDS_KEY_STARTUP, "Main");
    EXPECT_TRUE(folder.IniExists());
    WriteSetting("Screen Main", "Description", "Main screen");
    WriteSetting("Config", "UseSound", "1");
    EXPECT_EQ(ReadSetting("Config", "Startup"), "Main");
    EXPECT_EQ(ReadSetting("Config", "UseSound"), "1");
    EXPECT_EQ(ReadSetting("Screen Main", "Description"), "Main screen");
    const std::vector<std::string> lines = IniTestFolder::Lines(folder.ReadIni());
    EXPECT_EQ(lines, (std::vector<std::string>{"[Config]", "Startup=Main", "UseSound=1",
                                               "[Screen Main]", "Description=Main screen"}));
}

TEST_F(IniStoreTest, EveryReadSeesTheFileAsItIsNow) {
    folder.WriteIni("[Config]\r\nStartup=Main\r\n");
    EXPECT_EQ(ReadSetting("Config", "Startup"), "Main");
    ::Sleep(20);  // a later write time for the rewritten file
    folder.WriteIni("[Config]\r\nStartup=Tools\r\n");
    EXPECT_EQ(ReadSetting("Config", "Startup"), "Tools");
}

TEST_F(IniStoreTest, NothingIsReadOrWrittenWithoutALocation) {
    folder.WriteIni("[Config]\r\nStartup=Main\r\n");
    const std::string original = folder.ReadIni();
    ClearIniLocation();
    EXPECT_EQ(ProgramDirectory(), nullptr);
    EXPECT_FALSE(IniFilePath());
    EXPECT_FALSE(ReadSetting("Config", "Startup"));
    EXPECT_EQ(ReadIntSetting("Config", "Startup"), kSettingAbsent);
    EXPECT_FALSE(ReadListSetting("Config", "Startup"));
    WriteSetting("Config", "Startup", "Tools");
    WriteIntSetting("Config", "UseSound", 1);
    ClearSetupState();
    EXPECT_EQ(folder.ReadIni(), original);

    SetIniLocation(folder.directory(), ResourceString(IDS_INI_FILE_NAME));
    ASSERT_NE(ProgramDirectory(), nullptr);
    EXPECT_EQ(*ProgramDirectory(), folder.directory());
    EXPECT_EQ(IniFilePath(), folder.IniPath());
    EXPECT_EQ(ReadSetting("Config", "Startup"), "Main");
}

TEST_F(IniStoreTest, SectionNamesAreComposedFromTheStringTable) {
    EXPECT_EQ(ConfigSection(), "Config");
    EXPECT_EQ(SectionName(IDS_SECTION_SCREEN, "Main"), "Screen Main");
    EXPECT_EQ(SectionName("Main", IDS_SECTION_REGION, "Exit"), "Main-Region Exit");
    EXPECT_EQ(SectionName(IDS_SECTION_MENU, "Tools"), "Menu Tools");
    EXPECT_EQ(SectionName("Tools", IDS_SECTION_MENU_ITEM, "Readme"), "Tools-MenuItem Readme");
    folder.WriteIni("[Main-Region Exit]\r\nLaunchFunc=DispatchExit\r\n");
    EXPECT_EQ(ReadSetting(SectionName("Main", IDS_SECTION_REGION, "Exit"), IDS_KEY_LAUNCH_FUNC),
              "DispatchExit");
}

TEST_F(IniStoreTest, SetupRecordIsWrittenAndCleared) {
    folder.WriteIni("[Config]\r\nStartup=Main\r\n");
    const std::string installer = "Demo Game";
    RecordSetupStart(&installer, true);
    EXPECT_EQ(lumora::Setup().setupPending, 1);
    EXPECT_EQ(lumora::Setup().exitDuringSetup, 1);
    EXPECT_EQ(ReadSetting("Setup", IDS_KEY_APPLICATION), "Demo Game");
    EXPECT_EQ(ReadSetting("Setup", IDS_KEY_EXIT_DURING_SETUP), "1");

    const std::string none;
    RecordSetupStart(&none, true);
    EXPECT_EQ(lumora::Setup().setupPending, 0) << "pending only with a description";
    EXPECT_EQ(lumora::Setup().exitDuringSetup, 1);

    ClearSetupState();
    EXPECT_EQ(lumora::Setup().setupPending, 0);
    EXPECT_EQ(lumora::Setup().exitDuringSetup, 0);
    EXPECT_EQ(IniTestFolder::Lines(folder.ReadIni()),
              (std::vector<std::string>{"[Config]", "Startup=Main", "[Setup]",
                                        "Application=", "ExitDuringSetup=0"}));
}

}  // namespace
}  // namespace lumora
