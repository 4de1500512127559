// The texts that other programs, INI files and users see must be exact, blanks and line breaks
// included.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace lumora::testing
