// Reading a whole section at once must answer exactly as the single reads do.
#include <gtest/gtest.h>

#include "config/ini_store.h"
#include "ini_test_folder.h"

namespace lumora::testing {
namespace {

TEST(SectionReader, AnswersAsTheSingleReadsDo) {
    IniTestFolder folder;
    const std::string longValue(600, 'v');
    folder.WriteIni(
        "[Other]\nKey=other\n"
        "[Main-Region A]\n"
        "; a comment=not a key\n"
        "Plain=value\n"
        "  Padded  =   spaced out   \n"
        "MIXEDcase=upper\n"
        "Double=\"quoted value\"\n"
        "Single='single'\n"
        "HalfQuoted=\"open\n"
        "Inner=a \"b\" c\n"
        "Empty=\n"
        "OnlyQuotes=\"\"\n"
        "NoEquals\n"
        "Twice=first\n"
        "Twice=second\n"
        "Long=" +
        longValue +
        "\n"
        "Equals=a=b\n"
        "[Next]\nPlain=next\n");
    SectionReader reader("main-region a");
    for (const char* key :
         {"Plain", "Padded", "mixedCASE", "Double", "Single", "HalfQuoted", "Inner", "Empty",
          "OnlyQuotes", "NoEquals", "Twice", "Long", "Equals", "Key", "Missing"}) {
        EXPECT_EQ(reader.Read(std::string(key)), ReadSetting("Main-Region A", key)) << key;
    }
    EXPECT_EQ(reader.Read(std::string("Long"))->size(), 511u);
    EXPECT_EQ(reader.Read(std::string("Double")), "quoted value");
}

TEST(SectionReader, MissingSectionOrLocationReadsAbsent) {
    IniTestFolder folder;
    folder.WriteIni("[Present]\nKey=1\n");
    EXPECT_EQ(SectionReader("Absent").Read(std::string("Key")), std::nullopt);
    EXPECT_EQ(SectionReader("Present").ReadInt(IDS_KEY_SHAPE), kSettingAbsent);
    ClearIniLocation();
    EXPECT_EQ(SectionReader("Present").Read(std::string("Key")), std::nullopt);
}

}  // namespace
}  // namespace lumora::testing
