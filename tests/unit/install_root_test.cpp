#include "actions/install_root.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(InstallRoot, DriveLetterPathGivesItsDriveRoot) {
    EXPECT_EQ(InstallRoot("D:\\APPS\\DEMO"), "D:\\");
    EXPECT_EQ(InstallRoot("e:\\"), "e:\\");
}

TEST(InstallRoot, DriveWithoutItsBackslashHasNoRoot) {
    EXPECT_EQ(InstallRoot("D:"), std::nullopt);
    EXPECT_EQ(InstallRoot("D:APPS"), std::nullopt);
    EXPECT_EQ(InstallRoot("D:/APPS"), std::nullopt);
    // A colon further in is no drive.
    EXPECT_EQ(InstallRoot("AB:\\DIR"), std::nullopt);
    EXPECT_EQ(InstallRoot("1:\\DIR"), std::nullopt);
    EXPECT_EQ(InstallRoot(":\\DIR"), std::nullopt);
}

TEST(InstallRoot, NetworkPathGivesServerAndShare) {
    EXPECT_EQ(InstallRoot("\\\\SERVER\\SHARE\\DIR"), "\\\\SERVER\\SHARE\\");
    EXPECT_EQ(InstallRoot("\\\\SERVER\\SHARE\\"), "\\\\SERVER\\SHARE\\");
    EXPECT_EQ(InstallRoot("\\\\S\\T\\"), "\\\\S\\T\\");
}

TEST(InstallRoot, IncompleteShareHasNoRoot) {
    EXPECT_EQ(InstallRoot("\\\\SERVER\\SHARE"), std::nullopt);
    EXPECT_EQ(InstallRoot("\\\\SERVER"), std::nullopt);
    EXPECT_EQ(InstallRoot("\\\\"), std::nullopt);
    EXPECT_EQ(InstallRoot("\\\\\\\\"), std::nullopt);          // no server, no share
    EXPECT_EQ(InstallRoot("\\\\S\\\\"), std::nullopt);         // no share
    EXPECT_EQ(InstallRoot("\\\\S\\\\DIR\\"), std::nullopt);    // no share, a folder after it
    EXPECT_EQ(InstallRoot("\\\\\\SHARE\\DIR"), std::nullopt);  // no server
}

TEST(InstallRoot, PathWithoutDriveOrShareHasNoRoot) {
    EXPECT_EQ(InstallRoot("APPS\\DEMO"), std::nullopt);
    EXPECT_EQ(InstallRoot("\\APPS\\DEMO"), std::nullopt);
    EXPECT_EQ(InstallRoot(""), std::nullopt);
}

TEST(InstallRoot, RootThatDoesNotFitAProbeBufferIsSkipped) {
    const std::string longShare = "\\\\S\\" + std::string(300, 'x') + "\\DIR";
    EXPECT_EQ(InstallRoot(longShare), std::nullopt);
    const std::string fits = "\\\\S\\" + std::string(kMaxRootLength - 5, 'x') + "\\";
    ASSERT_EQ(fits.size(), kMaxRootLength);
    EXPECT_EQ(InstallRoot(fits + "DIR"), fits);
    EXPECT_EQ(InstallRoot("\\\\S\\" + std::string(kMaxRootLength - 4, 'x') + "\\"), std::nullopt);
}

}  // namespace
}  // namespace lumora
