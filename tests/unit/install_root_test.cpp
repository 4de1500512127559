#include "actions/install_root.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(InstallRoot, DriveLetterPathGivesItsDriveRoot) {
    EXPECT_EQ(InstallRoot("D:\\APPS\\DEMO"), "D:\\");
    EXPECT_EQ(InstallRoot("e:\\"), "e:\\");
    // The character after the colon is taken as it is, whatever it is.
    EXPECT_EQ(InstallRoot("D:APPS"), "D:A");
}

TEST(InstallRoot, NetworkPathGivesServerAndShare) {
    EXPECT_EQ(InstallRoot("\\\\SERVER\\SHARE\\DIR"), "\\\\SERVER\\SHARE\\");
    EXPECT_EQ(InstallRoot("\\\\SERVER\\SHARE\\"), "\\\\SERVER\\SHARE\\");
    // Without the backslash that ends the share name there is no root.
    EXPECT_EQ(InstallRoot("\\\\SERVER\\SHARE"), std::nullopt);
    EXPECT_EQ(InstallRoot("\\\\SERVER"), std::nullopt);
}

TEST(InstallRoot, PathWithoutColonOrShareHasNoRoot) {
    EXPECT_EQ(InstallRoot("APPS\\DEMO"), std::nullopt);
    EXPECT_EQ(InstallRoot(""), std::nullopt);
}

TEST(InstallRoot, RootThatDoesNotFitAProbeBufferIsSkipped) {
    std::string farColon = std::string(300, 'x') + ":\\DIR";
    EXPECT_EQ(InstallRoot(farColon), std::nullopt);
    std::string longShare = "\\\\S\\" + std::string(300, 'x') + "\\DIR";
    EXPECT_EQ(InstallRoot(longShare), std::nullopt);
    std::string fits = std::string(257, 'x') + ":\\";
    EXPECT_EQ(InstallRoot(fits), fits);
}

}  // namespace
}  // namespace lumora
