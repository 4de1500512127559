// Finding a disc by its volume label: the install folder's root first, then C: to Z:, and the
// prompt until it is found or the user gives up. Under Wine, C: is a fixed drive with an empty
// label.
#include "actions/disc.h"

#include "disc_fixture.h"
#include "message_box_answerer.h"

namespace lumora::testing {
namespace {

class DiscTest : public DiscFixture {};

TEST_F(DiscTest, TheScanStartsAtDriveC) {
    WriteIni("[Config]\n");
    // An empty label matches the first probed volume that has none.
    EXPECT_EQ(FindVolumeByLabel(""), 'C');
    EXPECT_EQ(FindVolumeByLabel("NO SUCH LABEL 7"), 0);
}

TEST_F(DiscTest, TheInstallFolderRootComesFirst) {
    WriteIni("[Config]\nInstall=C:\\Programs\\Demo|x\n");
    EXPECT_EQ(FindVolumeByLabel(""), -1);
    // A folder without a root leaves only the scan.
    WriteIni("[Config]\nInstall=Programs\\Demo\n");
    EXPECT_EQ(FindVolumeByLabel(""), 'C');
    // A share that cannot be probed counts as a label that does not match.
    WriteIni("[Config]\nInstall=\\\\nowhere\\share\\dir\n");
    EXPECT_EQ(FindVolumeByLabel(""), 'C');
}

TEST_F(DiscTest, AListOfFewerThanTwoElementsIsNoRequirement) {
    WriteIni("[Config]\n");
    MessageBoxAnswerer answerer(IDCANCEL);
    int slot = 42;
    EXPECT_TRUE(EnsureDisk(nullptr, nullptr, slot));
    const StringList one{"NO SUCH LABEL 7"};
    EXPECT_TRUE(EnsureDisk(nullptr, &one, slot));
    EXPECT_EQ(slot, 42) << "no search ran";
    EXPECT_FALSE(answerer.Stop().shown);
}

TEST_F(DiscTest, AFoundDiscIsKeptInTheSlot) {
    WriteIni("[Config]\n");
    int slot = 0;
    const StringList found{"", "The Disc"};
    EXPECT_TRUE(EnsureDisk(nullptr, &found, slot));
    EXPECT_EQ(slot, 'C');
}

TEST_F(DiscTest, AMissingDiscIsAskedForAndCancelDropsTheAction) {
    WriteIni("[Config]\n");
    MessageBoxAnswerer answerer(IDCANCEL);
    int slot = 'E';
    const StringList missing{"NO SUCH LABEL 7", "Demo Disc 2"};
    EXPECT_FALSE(EnsureDisk(nullptr, &missing, slot));
    EXPECT_EQ(slot, 0) << "every search writes the slot";
    const MessageBoxAnswerer::Box& box = answerer.Stop();
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.text, "Please insert the disk labeled 'Demo Disc 2' in your CD-ROM drive.");
    EXPECT_TRUE(box.hasAnswerButton);
}

}  // namespace
}  // namespace lumora::testing
