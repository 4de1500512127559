#include "config/value_parse.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using List = std::vector<std::string>;

TEST(ParseDecimal, ReadsLeadingNumberLikeTheIniReader) {
    EXPECT_EQ(ParseDecimal("  42abc"), 42);
    EXPECT_EQ(ParseDecimal("\t+8"), 8);
    EXPECT_EQ(ParseDecimal("-7"), -7);
    EXPECT_EQ(ParseDecimal("abc"), 0);
    EXPECT_EQ(ParseDecimal("a12"), 0);
    EXPECT_EQ(ParseDecimal(""), 0);
    EXPECT_EQ(ParseDecimal("-"), 0);
    EXPECT_EQ(ParseDecimal("+-3"), 0);
    EXPECT_EQ(ParseDecimal("- 3"), 0);
    EXPECT_EQ(ParseDecimal("12 34"), 12);
}

TEST(ParseDecimal, ClampsToTheIntRange) {
    EXPECT_EQ(ParseDecimal("2147483647"), INT_MAX);
    EXPECT_EQ(ParseDecimal("2147483648"), INT_MAX);
    EXPECT_EQ(ParseDecimal("99999999999999999999999999"), INT_MAX);
    EXPECT_EQ(ParseDecimal("-2147483647"), -INT_MAX);
    // The lowest int is the absent marker: such a value reads like a missing key.
    EXPECT_EQ(ParseDecimal("-2147483648"), kSettingAbsent);
    EXPECT_EQ(ParseDecimal("-99999999999999999999999999"), INT_MIN);
}

TEST(DecimalReadsWhole, OnlyANumberWithNothingAfterItReadsAsItLooks) {
    for (const char* whole : {"42", " -7 ", "+8", "007", "2147483647", "-2147483647"}) {
        EXPECT_TRUE(DecimalReadsWhole(whole)) << whole;
    }
    for (const char* partial : {"0.6", "12px", "1e3", "yes", "", " ", "-", "+-3", "12 34",
                                "2147483648", "-2147483648", "99999999999999999999"}) {
        EXPECT_FALSE(DecimalReadsWhole(partial)) << partial;
    }
}

TEST(SplitList, KeepsEveryPieceUnchanged) {
    EXPECT_EQ(SplitList("Main"), List{"Main"});
    EXPECT_EQ(SplitList("Main|Tools"), (List{"Main", "Tools"}));
    EXPECT_EQ(SplitList(" a | b "), (List{" a ", " b "}));
    EXPECT_EQ(SplitList("a||b"), (List{"a", "", "b"}));
    EXPECT_EQ(SplitList("a|"), (List{"a", ""}));
    EXPECT_EQ(SplitList("|"), (List{"", ""}));
    EXPECT_EQ(SplitList(""), List{""});
}

TEST(ParsePoint, ReadsXThenYAfterTheFirstComma) {
    EXPECT_EQ(ParsePoint("10,20"), (Point{10, 20}));
    EXPECT_EQ(ParsePoint(" -3, 4"), (Point{-3, 4}));
    EXPECT_EQ(ParsePoint("15"), (Point{15, 15}));
    EXPECT_EQ(ParsePoint(",5"), (Point{0, 5}));
    EXPECT_EQ(ParsePoint("7,"), (Point{7, 0}));
    EXPECT_EQ(ParsePoint("1,2,3"), (Point{1, 2}));
    EXPECT_EQ(ParsePoint("x,y"), (Point{0, 0}));
    EXPECT_EQ(ParsePoint(""), (Point{0, 0}));
}

TEST(PointReadsWhole, TwoNumbersNeedTheirComma) {
    for (const char* whole : {"10,20", " -3, 4", "15", "40 , 120"}) {
        EXPECT_TRUE(PointReadsWhole(whole)) << whole;
    }
    for (const char* partial : {"40 120", "40;120", "1,2,3", "7,", ",5", "x,y", "", "2.5,3"}) {
        EXPECT_FALSE(PointReadsWhole(partial)) << partial;
    }
}

TEST(DependsOnCurrentFolder, OnlyADriveOrANetworkPathDoesNot) {
    for (const char* fixed : {"C:\\art\\a.bmp", "d:/art", "\\\\server\\share\\a.bmp", ""}) {
        EXPECT_FALSE(DependsOnCurrentFolder(fixed)) << fixed;
    }
    for (const char* relative : {"art\\home.bmp", "home.bmp", "\\art\\home.bmp", "C:art\\a.bmp",
                                 ".\\a.bmp", "..\\a.bmp"}) {
        EXPECT_TRUE(DependsOnCurrentFolder(relative)) << relative;
    }
}

TEST(AppendBackslash, AddsOneUnlessPresent) {
    std::string path = "C:\\DATA";
    AppendBackslash(path);
    EXPECT_EQ(path, "C:\\DATA\\");
    AppendBackslash(path);
    EXPECT_EQ(path, "C:\\DATA\\");
    std::string empty;
    AppendBackslash(empty);
    EXPECT_EQ(empty, "\\");
}

class ExpandPathMacrosTest : public ::testing::Test {
  protected:
    ExpandPathMacrosTest() {
        folders.programDirectory = "D:\\";
        folders.systemDirectory = [this] {
            ++systemAsked;
            return std::string("C:\\WINDOWS\\SYSTEM");
        };
        folders.windowsDirectory = [] { return std::string("C:\\WINDOWS"); };
    }

    std::string Expand(std::string path) {
        ExpandPathMacros(path, folders);
        return path;
    }

    MacroFolders folders;
    int systemAsked = 0;
};

TEST_F(ExpandPathMacrosTest, ProgramFolderAndDriveDropOneBackslashOfTheRest) {
    EXPECT_EQ(Expand("%r\\SETUP.EXE"), "D:\\SETUP.EXE");
    EXPECT_EQ(Expand("%rSETUP.EXE"), "D:\\SETUP.EXE");
    EXPECT_EQ(Expand("%r\\\\X"), "D:\\\\X");
    EXPECT_EQ(Expand("%d\\DATA\\A.BMP"), "D:\\DATA\\A.BMP");
    folders.programDirectory = "C:\\LUMORA~1\\";
    EXPECT_EQ(Expand("%d\\A.BMP"), "C:\\A.BMP");
    EXPECT_EQ(Expand("%r"), "C:\\LUMORA~1\\");
}

TEST_F(ExpandPathMacrosTest, SystemAndWindowsFoldersJoinByExactlyOneBackslash) {
    EXPECT_EQ(Expand("%s\\X.DLL"), "C:\\WINDOWS\\SYSTEM\\X.DLL");
    EXPECT_EQ(Expand("%sX.DLL"), "C:\\WINDOWS\\SYSTEM\\X.DLL");
    EXPECT_EQ(Expand("%s"), "C:\\WINDOWS\\SYSTEM\\");
    EXPECT_EQ(Expand("%w\\WIN.INI"), "C:\\WINDOWS\\WIN.INI");
    folders.windowsDirectory = [] { return std::string("C:\\WINDOWS\\"); };
    EXPECT_EQ(Expand("%w\\WIN.INI"), "C:\\WINDOWS\\WIN.INI");
}

TEST_F(ExpandPathMacrosTest, FoldersAreAskedForOnlyWhenUsed) {
    Expand("%r\\A|%w\\B");
    EXPECT_EQ(systemAsked, 0);
    Expand("%s\\A %s\\B");
    EXPECT_EQ(systemAsked, 2);
}

TEST_F(ExpandPathMacrosTest, InstallElementIsJoinedAsWritten) {
    List install{"C:\\PROGRA~1\\APP\\", "unused"};
    folders.install = &install;
    EXPECT_EQ(Expand("%i\\APP.EXE"), "C:\\PROGRA~1\\APP\\APP.EXE");
    install[0] = "C:\\APP";
    EXPECT_EQ(Expand("%i\\APP.EXE"), "C:\\APPAPP.EXE");
    install[0] = "";
    EXPECT_EQ(Expand("%i\\APP.EXE"), "APP.EXE");
}

TEST_F(ExpandPathMacrosTest, SeveralMacrosExpandLeftToRight) {
    EXPECT_EQ(Expand("%r\\A;%w\\B"), "D:\\A;C:\\WINDOWS\\B");
    EXPECT_EQ(Expand("X%d%s"), "XD:\\C:\\WINDOWS\\SYSTEM\\");
}

TEST_F(ExpandPathMacrosTest, InsertedMacrosAreExpandedOnTheNextPass) {
    List install{"%r\\APP\\"};
    folders.install = &install;
    EXPECT_EQ(Expand("%i\\RUN.EXE"), "D:\\APP\\RUN.EXE");
    // A macro that only forms once the insertion meets the text before it is found too.
    install[0] = "r\\X";
    EXPECT_EQ(Expand("%%i"), "D:\\X");
}

TEST_F(ExpandPathMacrosTest, UnknownOrUnusableMacrosStayAndTheSearchGoesOn) {
    EXPECT_EQ(Expand("100%"), "100%");
    EXPECT_EQ(Expand("%"), "%");
    EXPECT_EQ(Expand("%x\\%r\\A"), "%x\\D:\\A");
    EXPECT_EQ(Expand("%R\\A"), "%R\\A");
    EXPECT_EQ(Expand("%%r"), "%D:\\");
    // No Install list: %i is left in place, later macros still expand.
    EXPECT_EQ(Expand("%i\\A;%r"), "%i\\A;D:\\");
    List empty;
    folders.install = &empty;
    EXPECT_EQ(Expand("%i"), "%i");
    // No program folder: %r and %d stay rather than turning into relative paths.
    folders.programDirectory.clear();
    EXPECT_EQ(Expand("%r\\A;%d\\B;%w"), "%r\\A;%d\\B;C:\\WINDOWS\\");
}

TEST_F(ExpandPathMacrosTest, SelfReferencingInstallElementEnds) {
    List install{"%i%i"};
    folders.install = &install;
    std::string path = Expand("%i");
    EXPECT_NE(path.find("%i"), std::string::npos);
    EXPECT_LE(path.size(), 8192u);

    install[0] = "%i";
    // Each pass takes one backslash of the rest away, then nothing changes any more.
    EXPECT_EQ(Expand("%i\\\\A"), "%iA");
}

}  // namespace
}  // namespace lumora
