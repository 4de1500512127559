// The program that Config/"LaunchAtStart" names: started once, its key then gone.
#include "actions/launch_at_start.h"

#include "config/ini_store.h"
#include "launch_fixture.h"

namespace lumora::testing {
namespace {

class LaunchAtStartTest : public LaunchFixture {
  protected:
    // The INI file with a start section for the probe, `extra` keys added to it.
    void WriteStart(const std::string& function, const std::string& extra) {
        WriteIni("[Config]\nScreenNames=One\nLaunchAtStart=Intro\n[Intro]\nLaunchFunc=" + function +
                 "\nLaunchData=%r\\intro.exe first\n" + extra);
    }
    void SetUp() override {
        LaunchFixture::SetUp();
        probe_ = InstallProbe(folder() + "intro.exe");
    }
    std::string probe_;
};

TEST_F(LaunchAtStartTest, StartsOnceThenTheKeyIsGone) {
    WriteStart("dispatchprogram", "");
    LaunchAtStart();
    const std::optional<ProbeReport> report = TakeReport(probe_);
    ASSERT_TRUE(report) << "the program did not start";
    EXPECT_EQ(report->commandLine, folder() + "intro.exe first");
    EXPECT_EQ(ReadSetting("Config", "LaunchAtStart"), std::nullopt);
    EXPECT_EQ(ReadSetting("Config", "ScreenNames"), "One");
}

TEST_F(LaunchAtStartTest, OtherActionsOrAMissingCommandStartNothing) {
    for (const std::string& function : {std::string("DispatchProgramAndWait"), std::string("")}) {
        WriteStart(function, "");
        LaunchAtStart();
        EXPECT_EQ(ReadSetting("Config", "LaunchAtStart"), "Intro");
    }
    WriteIni("[Config]\nLaunchAtStart=Intro\n[Intro]\nLaunchFunc=DispatchProgram\n");
    LaunchAtStart();
    EXPECT_EQ(ReadSetting("Config", "LaunchAtStart"), "Intro");
    ::Sleep(300);
    EXPECT_FALSE(Started(probe_));
}

TEST_F(LaunchAtStartTest, DiscRequirementIsCheckedOnceWithoutAPrompt) {
    // A list of one element prevents the start; a label that no drive has, too.
    WriteStart("DispatchProgram", "LaunchReq=Label\n");
    LaunchAtStart();
    WriteStart("DispatchProgram", "LaunchReq=NO SUCH LABEL 7|The Disc\n");
    const DWORD before = ::GetTickCount();
    LaunchAtStart();
    EXPECT_LT(::GetTickCount() - before, 3000u) << "no prompt waits for an answer";
    EXPECT_EQ(ReadSetting("Config", "LaunchAtStart"), "Intro");
    ::Sleep(300);
    EXPECT_FALSE(Started(probe_));
    // C: has an empty label, so an empty label element is found.
    WriteStart("DispatchProgram", "LaunchReq=|The Disc\n");
    LaunchAtStart();
    EXPECT_TRUE(TakeReport(probe_));
    EXPECT_EQ(ReadSetting("Config", "LaunchAtStart"), std::nullopt);
}

TEST_F(LaunchAtStartTest, AFailedStartKeepsTheKeyForNextTime) {
    WriteIni(
        "[Config]\nLaunchAtStart=Intro\n[Intro]\nLaunchFunc=DispatchProgram\n"
        "LaunchData=%r\\missing.exe\n");
    LaunchAtStart();
    EXPECT_EQ(ReadSetting("Config", "LaunchAtStart"), "Intro");
}

}  // namespace
}  // namespace lumora::testing
