// The nearest key to a misspelled one, and sections that Lumora reads as two kinds at once.
#include "check_keys.h"

#include <gtest/gtest.h>

#include "disc_check.h"
#include "disc_folder.h"

namespace lumora::disc {
namespace {

using testing::DiscFolder;

TEST(NameDistance, CountsEditsAndSwapsIgnoringLetterCase) {
    EXPECT_EQ(NameDistance("LaunchFucn", "LaunchFunc"), 1u);
    EXPECT_EQ(NameDistance("HIGHLIGHTPOSITON", "HighlightPosition"), 1u);
    EXPECT_EQ(NameDistance("Telefone", "Telephone"), 2u);
    EXPECT_EQ(NameDistance("", "Web"), 3u);
    EXPECT_EQ(NameDistance("Shape", "shape"), 0u);
}

TEST(NearestName, SuggestsOnlyANameNearEnoughToBeASlip) {
    const std::vector<std::string> keys = {"LaunchFunc", "LaunchDir", "Sound", "Shape", "Web"};
    EXPECT_EQ(NearestName("launchfucn", keys), "LaunchFunc");
    EXPECT_EQ(NearestName("LaunchFunction", keys), "LaunchFunc");
    EXPECT_EQ(NearestName("Sond", keys), "Sound");
    EXPECT_EQ(NearestName("Shap", keys), "Shape");
    EXPECT_EQ(NearestName("Wex", {"Wez", "Wey"}), "Wez") << "the first of two as near";
    EXPECT_EQ(NearestName("Fax", keys), std::nullopt);
    EXPECT_EQ(NearestName("Colour", keys), std::nullopt);
    EXPECT_EQ(NearestName(std::string(100000, 'x'), keys), std::nullopt);
}

// Config named as the LaunchAtStart section is read both ways: the keys of both are known, and
// the first kind names the others in its messages.
TEST(CheckKeys, ASectionReadAsTwoKindsKnowsTheKeysOfBoth) {
    DiscFolder folder;
    folder.Write("Lumora.ini",
                 "[Config]\nLaunchAtStart=Config\nLaunchFunc=DispatchProgram\n"
                 "LaunchData=%w\\notepad.exe\nDescription=Disc\n"
                 "[Setup]\nApplication=\nExitDuringSetup=0\n");
    std::vector<std::string> keyMessages;
    for (const Diagnostic& d : CheckDisc(folder.path()).diagnostics.Sorted()) {
        if (d.message.find("Lumora does not read") != std::string::npos) {
            keyMessages.push_back(std::to_string(d.line) + ": " + d.message);
        }
    }
    EXPECT_EQ(keyMessages,
              std::vector<std::string>{"5: [Config]: Lumora does not read 'Description' in "
                                       "[Config]: it is a key of screens and menu items"});
}

// A shape of many corners written without commas is one warning at its line.
TEST(CheckKeys, AShapeNamesItsFirstOddCornerAndCountsTheOthers) {
    DiscFolder folder;
    folder.Write("Lumora.ini",
                 "[Config]\nScreenNames=Main\nStartup=Main\n[Setup]\nApplication=\n"
                 "ExitDuringSetup=0\n[Screen Main]\nRegionNames=A\n[Main-Region A]\n"
                 "Shape=1 2|5,1|5 6|1,5|\nLaunchFunc=DispatchExit\n");
    std::vector<std::string> shape;
    for (const Diagnostic& d : CheckDisc(folder.path()).diagnostics.Sorted()) {
        if (d.message.find("Shape point") != std::string::npos) {
            shape.push_back(std::to_string(d.line) + ": " + d.message);
        }
    }
    EXPECT_EQ(shape, std::vector<std::string>{
                         "10: region 'A' of screen 'Main': Shape point '1 2' is read as 1,1 (a "
                         "point is x,y: two whole numbers and a comma), and 2 more points of it "
                         "are read otherwise than they look"});
}

}  // namespace
}  // namespace lumora::disc
