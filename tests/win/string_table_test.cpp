// The texts that other programs, INI files and users see must be exact, blanks and line breaks
// included.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "config/string_table.h"
#include "resource.h"
#include "win/resource_string.h"

namespace lumora::testing {
namespace {

TEST(StringTable, NamesSharedWithOtherProgramsAreExact) {
    EXPECT_EQ(ResourceString(IDS_APP_TITLE), "Tavlen Splash");
    EXPECT_EQ(ResourceString(IDS_MAIN_WINDOW_CLASS), "*Tavlen*Splash*Main*Window*Class*");
    EXPECT_EQ(ResourceString(IDS_DISPATCH_MESSAGE), "-Tavlen-Splash-Dispatch-Message-");
    EXPECT_EQ(ResourceString(IDS_INI_FILE_NAME), "Lumora.ini");
    EXPECT_EQ(ResourceString(IDS_INSTALLER_WINDOW_CLASS), "InstallShield_Win");
    // Name parts keep their blanks: sections are plain concatenations.
    EXPECT_EQ(ResourceString(IDS_SECTION_SCREEN), "Screen ");
    EXPECT_EQ(ResourceString(IDS_SECTION_REGION), "-Region ");
    EXPECT_EQ(ResourceString(IDS_SECTION_MENU), "Menu ");
    EXPECT_EQ(ResourceString(IDS_SECTION_MENU_ITEM), "-MenuItem ");
}

TEST(StringTable, MessagesKeepTheirDoubleBlanksAndLineBreaks) {
    EXPECT_EQ(ResourceString(IDS_MSG_LAUNCH_FAILED), "Unable to launch %s.\n\nError number %d");
    EXPECT_EQ(ResourceString(IDS_MSG_NOT_INSTALLED),
              "This application does not appear to be installed.  Would you like to install it "
              "now?");
    EXPECT_EQ(ResourceString(IDS_MSG_COMMAND_NOT_INSTALLED),
              "%s\n\nThis application does not appear to be installed.  Would you like to "
              "install it now?");
    EXPECT_EQ(ResourceString(IDS_MSG_ALREADY_RUNNING), "%s.\nThis program is already running.");
    EXPECT_EQ(ResourceString(IDS_MSG_NOTHING_TO_LAUNCH), "Unable to launch %s.");
    EXPECT_EQ(ResourceString(IDS_MSG_EXACT_DISPLAY),
              "This application requires a resolution of %d X %d, %s color.");
    EXPECT_EQ(ResourceString(IDS_MSG_MINIMUM_DISPLAY),
              "This application requires a minimum resolution of %d X %d, %s color.");
    EXPECT_EQ(ResourceString(IDS_MSG_INSERT_DISK),
              "Please insert the disk labeled '%s' in your CD-ROM drive.");
}

TEST(StringTable, TheCoresCopyHoldsEveryTextOfTheProgram) {
    const std::vector<unsigned> ids = BuiltInTextIds();
    for (unsigned id : ids) {
        EXPECT_EQ(BuiltInText(id), ResourceString(id)) << id;
    }
    // Every string the program carries is in the copy.
    size_t loaded = 0;
    for (unsigned id = 0; id < 0x10000; ++id) {
        const std::string text = ResourceString(id);
        if (!text.empty()) {
            ++loaded;
            EXPECT_EQ(BuiltInText(id), text) << id;
        }
    }
    EXPECT_EQ(loaded, ids.size());
}

TEST(StringTable, EveryStringIdOfTheResourceHeaderHasItsText) {
    std::ifstream header(LUMORA_RESOURCE_H);
    ASSERT_TRUE(header);
    const std::regex define(R"(^#define\s+IDS_\w+\s+(\d+))");
    const std::vector<unsigned> ids = BuiltInTextIds();
    size_t defined = 0;
    for (std::string line; std::getline(header, line);) {
        std::smatch match;
        if (std::regex_search(line, match, define)) {
            ++defined;
            const unsigned id = static_cast<unsigned>(std::stoul(match[1]));
            EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end()) << line;
            EXPECT_FALSE(BuiltInText(id).empty()) << line;
        }
    }
    EXPECT_EQ(defined, ids.size());
}

}  // namespace
}  // namespace lumora::testing
