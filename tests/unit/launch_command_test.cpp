#include "actions/launch_command.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace lumora {
namespace {

// A short-path conversion that knows a few files and records what it was asked.
struct FakeShortPaths {
    std::map<std::string, std::string> known;
    std::vector<std::string> asked;

    ShortPathFunction Function() {
        return [this](const std::string& path) -> std::optional<std::string> {
            asked.push_back(path);
            auto found = known.find(path);
            if (found == known.end()) {
                return std::nullopt;
            }
            return found->second;
        };
    }
};

std::string Substituted(std::string line, int drive) {
    SubstituteDiscDrive(line, drive);
    return line;
}

TEST(SubstituteDiscDrive, ReplacesTheLetterBeforeTheColon) {
    EXPECT_EQ(Substituted("D:\\SETUP.EXE /q", 'E'), "E:\\SETUP.EXE /q");
    EXPECT_EQ(Substituted("\"D:\\My App\\run.exe\" x", 'E'), "\"E:\\My App\\run.exe\" x");
    EXPECT_EQ(Substituted("D:", 'Z'), "Z:");
}

TEST(SubstituteDiscDrive, OnlyUpperCaseLettersAreDrives) {
    EXPECT_EQ(Substituted("D:\\a.exe", 'e'), "D:\\a.exe");
    EXPECT_EQ(Substituted("D:\\a.exe", '@'), "D:\\a.exe");
    EXPECT_EQ(Substituted("D:\\a.exe", '['), "D:\\a.exe");
    EXPECT_EQ(Substituted("D:\\a.exe", 'A'), "A:\\a.exe");
    // The install folder's root (-1) and a disc not found (0) leave the command alone.
    EXPECT_EQ(Substituted("D:\\a.exe", -1), "D:\\a.exe");
    EXPECT_EQ(Substituted("D:\\a.exe", 0), "D:\\a.exe");
}

TEST(SubstituteDiscDrive, LinesWithoutADriveStayAsTheyAre) {
    EXPECT_EQ(Substituted("setup.exe", 'E'), "setup.exe");
    EXPECT_EQ(Substituted("\"setup.exe\"", 'E'), "\"setup.exe\"");
    EXPECT_EQ(Substituted("\\\\srv\\share\\a.exe", 'E'), "\\\\srv\\share\\a.exe");
    EXPECT_EQ(Substituted("", 'E'), "");
    EXPECT_EQ(Substituted("D", 'E'), "D");
    EXPECT_EQ(Substituted("\"D", 'E'), "\"D");
}

TEST(ToShortPath, QuotedProgramLosesItsQuotesAndKeepsItsArguments) {
    FakeShortPaths paths;
    paths.known["C:\\Program Files\\App\\app.exe"] = "C:\\PROGRA~1\\APP\\APP.EXE";
    EXPECT_EQ(ToShortPath("\"C:\\Program Files\\App\\app.exe\" /x", paths.Function()),
              "C:\\PROGRA~1\\APP\\APP.EXE /x");
    // Only the program: its argument is never taken for part of a file name.
    EXPECT_EQ(paths.asked, (std::vector<std::string>{"C:\\Program Files\\App\\app.exe"}));
}

TEST(ToShortPath, QuotedProgramWithoutArgumentsBecomesShort) {
    FakeShortPaths paths;
    paths.known["C:\\Long Name\\a.exe"] = "C:\\LONGNA~1\\A.EXE";
    paths.known["C:\\LONGNA~1\\A.EXE"] = "C:\\LONGNA~1\\A.EXE";
    EXPECT_EQ(ToShortPath("\"C:\\Long Name\\a.exe\"", paths.Function()), "C:\\LONGNA~1\\A.EXE");
}

TEST(ToShortPath, UnquotedLongPathWithBlanksIsConvertedAsAWhole) {
    FakeShortPaths paths;
    paths.known["C:\\My Programs\\run it.exe"] = "C:\\MYPROG~1\\RUNIT~1.EXE";
    EXPECT_EQ(ToShortPath("C:\\My Programs\\run it.exe", paths.Function()),
              "C:\\MYPROG~1\\RUNIT~1.EXE");
    // The first conversion (of "C:\My") fails, the line is rebuilt unchanged, the second works.
    EXPECT_EQ(paths.asked, (std::vector<std::string>{"C:\\My", "C:\\My Programs\\run it.exe"}));
}

TEST(ToShortPath, UnquotedProgramWithArguments) {
    FakeShortPaths paths;
    paths.known["C:\\Programs\\Application.exe"] = "C:\\PROGRA~1\\APPLIC~1.EXE";
    EXPECT_EQ(ToShortPath("C:\\Programs\\Application.exe -a  b", paths.Function()),
              "C:\\PROGRA~1\\APPLIC~1.EXE -a  b");
}

TEST(ToShortPath, LineWithoutBlankOrQuotesIsNeverChanged) {
    FakeShortPaths paths;
    paths.known["C:\\Programs\\Application.exe"] = "C:\\PROGRA~1\\APPLIC~1.EXE";
    EXPECT_EQ(ToShortPath("C:\\Programs\\Application.exe", paths.Function()),
              "C:\\Programs\\Application.exe");
    EXPECT_EQ(ToShortPath("", paths.Function()), "");
    // A leading blank is no split.
    EXPECT_EQ(ToShortPath(" C:\\Programs\\Application.exe", paths.Function()),
              " C:\\Programs\\Application.exe");
}

TEST(ToShortPath, UnknownFilesLeaveTheLineAsBuilt) {
    FakeShortPaths paths;
    EXPECT_EQ(ToShortPath("\"C:\\Missing\\x.exe\" -y", paths.Function()), "C:\\Missing\\x.exe -y");
    EXPECT_EQ(ToShortPath("C:\\missing.exe -y", paths.Function()), "C:\\missing.exe -y");
}

// The program part ends at the quote that closes the first one, as CreateProcess reads it; the
// arguments follow as written.
TEST(ToShortPath, AQuotedArgumentStaysAnArgument) {
    FakeShortPaths paths;
    paths.known["C:\\dir with space\\rt prog.exe"] = "C:\\DIRWIT~1\\RTPROG~1.EXE";
    EXPECT_EQ(ToShortPath("\"C:\\dir with space\\rt prog.exe\" \"a b\" c", paths.Function()),
              "C:\\DIRWIT~1\\RTPROG~1.EXE \"a b\" c");
    EXPECT_EQ(ToShortPath("\"C:\\dir with space\\rt prog.exe\" c \"a b\"", paths.Function()),
              "C:\\DIRWIT~1\\RTPROG~1.EXE c \"a b\"");
    // Without a short form the program keeps its quotes and the argument is still one.
    EXPECT_EQ(ToShortPath("\"C:\\other dir\\x.exe\" \"a b\" c", paths.Function()),
              "\"C:\\other dir\\x.exe\" \"a b\" c");
}

TEST(ToShortPath, AProgramWithABlankAndNoShortFormKeepsItsQuotes) {
    // Volumes without 8.3 names: unquoted, CreateProcess would try C:\Program.exe first.
    FakeShortPaths paths;
    EXPECT_EQ(ToShortPath("\"C:\\Program Files\\App\\app.exe\" x", paths.Function()),
              "\"C:\\Program Files\\App\\app.exe\" x");
    EXPECT_EQ(ToShortPath("\"C:\\Program Files\\App\\app.exe\"", paths.Function()),
              "\"C:\\Program Files\\App\\app.exe\"");
    // Without a blank the quotes are not needed.
    EXPECT_EQ(ToShortPath("\"C:\\Apps\\app.exe\" x", paths.Function()), "C:\\Apps\\app.exe x");
    // An empty program stays quoted: dropping the quotes would make the argument the program.
    EXPECT_EQ(ToShortPath("\"\" x.exe", paths.Function()), "\"\" x.exe");
}

TEST(ToShortPath, AnArgumentGluedToTheClosingQuoteIsSetApart) {
    FakeShortPaths paths;
    paths.known["C:\\PROGRA~1\\APP\\APP.EXE"] = "C:\\PROGRA~1\\APP\\APP.EXE";
    EXPECT_EQ(ToShortPath("\"C:\\PROGRA~1\\APP\\APP.EXE\"/q", paths.Function()),
              "C:\\PROGRA~1\\APP\\APP.EXE /q");
    EXPECT_EQ(ToShortPath("\"C:\\PROGRA~1\\APP\\APP.EXE\"\"a b\"", paths.Function()),
              "C:\\PROGRA~1\\APP\\APP.EXE \"a b\"");
}

TEST(ToShortPath, AnOpeningQuoteWithoutItsCloseRunsToTheEndOfTheLine) {
    FakeShortPaths paths;
    paths.known["C:\\a b\\c.exe"] = "C:\\AB~1\\C.EXE";
    EXPECT_EQ(ToShortPath("\"C:\\a b\\c.exe", paths.Function()), "C:\\AB~1\\C.EXE");
    EXPECT_EQ(ToShortPath("\"C:\\a b", paths.Function()), "\"C:\\a b\"");
}

TEST(CommandProgramPart, QuotedProgramIsTheTextBetweenTheQuotes) {
    EXPECT_EQ(CommandProgramPart("\"C:\\Program Files\\App\\app.exe\" /x"),
              "C:\\Program Files\\App\\app.exe");
    EXPECT_EQ(CommandProgramPart("\"C:\\Program Files\\App\\app.exe\""),
              "C:\\Program Files\\App\\app.exe");
    // Without a closing quote the rest of the line is the program.
    EXPECT_EQ(CommandProgramPart("\"C:\\Program Files\\a.exe"), "C:\\Program Files\\a.exe");
    EXPECT_EQ(CommandProgramPart("\""), "");
}

TEST(CommandProgramPart, UnquotedProgramEndsAtTheFirstBlank) {
    EXPECT_EQ(CommandProgramPart("C:\\APP\\A.EXE /x y"), "C:\\APP\\A.EXE");
    EXPECT_EQ(CommandProgramPart("C:\\APP\\A.EXE"), "C:\\APP\\A.EXE");
    EXPECT_EQ(CommandProgramPart(" A.EXE"), "");
    EXPECT_EQ(CommandProgramPart(""), "");
}

TEST(CommandArguments, FollowTheProgramWithoutTheSeparatingBlanks) {
    EXPECT_EQ(CommandArguments("\"C:\\Program Files\\app.exe\"  /x \"y z\""), "/x \"y z\"");
    EXPECT_EQ(CommandArguments("C:\\APP\\A.EXE /x y"), "/x y");
    EXPECT_EQ(CommandArguments("C:\\APP\\A.EXE"), "");
    EXPECT_EQ(CommandArguments("\"C:\\a b\\c.exe\""), "");
    EXPECT_EQ(CommandArguments("\"C:\\a b"), "");
}

class PrepareLaunchLineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        paths_.known["E:\\SETUP\\SETUP.EXE"] = "E:\\SETUP\\SETUP.EXE";
        paths_.known["D:\\Long Folder\\app.exe"] = "D:\\LONGFO~1\\APP.EXE";
        paths_.known["E:\\Long Folder\\app.exe"] = "E:\\LONGFO~1\\APP.EXE";
        entry_.discDrive = 'E';
        entry_.action.setupData = "D:\\SETUP\\SETUP.EXE";
    }
    std::string Prepare(const LaunchEntry* entry, const std::string& command) {
        return PrepareLaunchLine(entry, command, paths_.Function());
    }

    FakeShortPaths paths_;
    LaunchEntry entry_;
};

TEST_F(PrepareLaunchLineTest, DriveGoesInOnlyWhenAskedOrForTheSetup) {
    EXPECT_EQ(Prepare(&entry_, "\"D:\\Long Folder\\app.exe\" /a"), "D:\\LONGFO~1\\APP.EXE /a");
    // The setup command takes the found drive even without LaunchOnReq.
    EXPECT_EQ(Prepare(&entry_, "D:\\SETUP\\SETUP.EXE"), "E:\\SETUP\\SETUP.EXE");
    entry_.action.launchOnReq = true;
    EXPECT_EQ(Prepare(&entry_, "\"D:\\Long Folder\\app.exe\" /a"), "E:\\LONGFO~1\\APP.EXE /a");
    // The setup comparison is case-sensitive.
    entry_.action.launchOnReq = false;
    EXPECT_EQ(Prepare(&entry_, "d:\\SETUP\\SETUP.EXE"), "d:\\SETUP\\SETUP.EXE");
}

TEST_F(PrepareLaunchLineTest, DriveGoesInBeforeTheShortPathStep) {
    entry_.action.launchOnReq = true;
    paths_.known.erase("D:\\Long Folder\\app.exe");
    // Only the E: file is known to the conversion, so the letter must be in place first.
    EXPECT_EQ(Prepare(&entry_, "\"D:\\Long Folder\\app.exe\""), "E:\\LONGFO~1\\APP.EXE");
}

TEST_F(PrepareLaunchLineTest, LongPathIsKeptExceptForTheSetup) {
    entry_.action.launchLong = true;
    entry_.action.launchOnReq = true;
    EXPECT_EQ(Prepare(&entry_, "\"D:\\Long Folder\\app.exe\" /a"),
              "\"E:\\Long Folder\\app.exe\" /a");
    entry_.action.setupData = "\"D:\\Long Folder\\app.exe\"";
    EXPECT_EQ(Prepare(&entry_, "\"D:\\Long Folder\\app.exe\""), "E:\\LONGFO~1\\APP.EXE");
}

TEST_F(PrepareLaunchLineTest, AnIdThatNamesNothingIsAlwaysShortAndNeverMoved) {
    EXPECT_EQ(Prepare(nullptr, "\"D:\\Long Folder\\app.exe\" /a"), "D:\\LONGFO~1\\APP.EXE /a");
    EXPECT_EQ(Prepare(nullptr, "D:\\SETUP\\SETUP.EXE"), "D:\\SETUP\\SETUP.EXE");
}

TEST(LaunchEntryQuestions, NothingAnswersFalseNoneOrZero) {
    EXPECT_FALSE(HasSetup(nullptr));
    EXPECT_FALSE(ExitsDuringSetup(nullptr));
    EXPECT_EQ(GetLaunchDir(nullptr), std::nullopt);
    EXPECT_EQ(GetDiscDrive(nullptr), 0);
    EXPECT_FALSE(UsesDiscDrive(nullptr, ""));
    EXPECT_FALSE(KeepsLongPath(nullptr, ""));
}

TEST(LaunchEntryQuestions, AnEntryWithoutSetupDataMatchesNoCommand) {
    LaunchEntry entry;
    entry.action.launchLong = true;
    EXPECT_FALSE(UsesDiscDrive(&entry, ""));
    EXPECT_TRUE(KeepsLongPath(&entry, ""));
    EXPECT_FALSE(HasSetup(&entry));
    entry.action.setupFunc = "DispatchProgram";
    entry.action.exitDuringSetup = true;
    entry.action.launchDir = "C:\\APP";
    EXPECT_TRUE(HasSetup(&entry));
    EXPECT_TRUE(ExitsDuringSetup(&entry));
    EXPECT_EQ(GetLaunchDir(&entry), "C:\\APP");
}

}  // namespace
}  // namespace lumora
