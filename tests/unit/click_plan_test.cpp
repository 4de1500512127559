// What a click, a menu choice, a setup and the launch at start do, step by step, and the
// effective values they use.
#include "actions/click_plan.h"

#include <gtest/gtest.h>

#include "actions/help.h"
#include "actions/sound_rule.h"
#include "actions/splash_time.h"
#include "imaging/art_scale.h"
#include "screens/balloon_delay.h"

namespace lumora {
namespace {

std::vector<ClickStepKind> Kinds(const ClickPlan& plan) {
    std::vector<ClickStepKind> kinds;
    for (const ClickStep& step : plan) {
        kinds.push_back(step.kind);
    }
    return kinds;
}

ActionRecord FullAction() {
    ActionRecord action;
    action.launchFunc = "DispatchProgram";
    action.launchData = "D:\\run.exe /x";
    action.launchScreenReq = StringList{"G", "800X600", "256"};
    action.launchReq = StringList{"DISC1", "Disc One", "ignored"};
    action.splash = StringList{"D:\\logo.bmp", "3"};
    return action;
}

TEST(ClickPlan, ARegionChecksThenSoundsThenSplashesThenActs) {
    const ClickPlan plan = PlanRegionClick(FullAction(), std::string("D:\\click.wav"));
    using K = ClickStepKind;
    ASSERT_EQ(Kinds(plan), (std::vector<K>{K::kCheckDisplay, K::kCheckDisc, K::kPlaySound,
                                           K::kShowSplash, K::kCallAction}));
    EXPECT_EQ(plan[0].requirement, (StringList{"G", "800X600", "256"}));
    // Only the label and the name of a disc requirement count.
    EXPECT_EQ(plan[1].requirement, (StringList{"DISC1", "Disc One"}));
    EXPECT_EQ(plan[2].text, "D:\\click.wav");
    EXPECT_EQ(plan[3].text, "D:\\logo.bmp");
    EXPECT_EQ(plan[3].seconds, 3u);
    EXPECT_EQ(plan[4].text, "DispatchProgram");
    EXPECT_EQ(plan[4].data, "D:\\run.exe /x");
    EXPECT_FALSE(plan[4].asSetup);
}

TEST(ClickPlan, AMenuItemPlaysNoSoundAndWithoutAnActionDoesNothing) {
    using K = ClickStepKind;
    EXPECT_EQ(Kinds(PlanMenuChoice(FullAction())),
              (std::vector<K>{K::kCheckDisplay, K::kCheckDisc, K::kShowSplash, K::kCallAction}));
    ActionRecord none = FullAction();
    none.launchFunc.reset();
    EXPECT_TRUE(PlanMenuChoice(none).empty());
    // A region without an action only plays its sound, checks and splash aside.
    EXPECT_EQ(Kinds(PlanRegionClick(none, std::string("s.wav"))), (std::vector<K>{K::kPlaySound}));
    EXPECT_TRUE(PlanRegionClick(none, std::nullopt).empty());
}

TEST(ClickPlan, StepsWithoutTheirKeysAreLeftOut) {
    ActionRecord action;
    action.launchFunc = "DispatchExit";
    action.launchReq = StringList{"ONLY_A_LABEL"};
    action.splash = StringList{"D:\\logo.bmp"};
    const ClickPlan plan = PlanRegionClick(action, std::nullopt);
    ASSERT_EQ(Kinds(plan), (std::vector<ClickStepKind>{ClickStepKind::kCallAction}));
    EXPECT_EQ(plan[0].data, std::nullopt);
}

TEST(ClickPlan, ASetupFindsItsDiscRecordsItselfAndCallsWithTheSetupId) {
    ActionRecord action;
    action.setupFunc = "DispatchProgram";
    action.setupData = "D:\\setup.exe";
    action.setupDesc = "Viewer";
    action.setupReq = StringList{"SETUP", "Setup Disc"};
    action.exitDuringSetup = true;
    const ClickPlan plan = PlanSetup(action);
    using K = ClickStepKind;
    ASSERT_EQ(Kinds(plan), (std::vector<K>{K::kCheckDisc, K::kRecordSetup, K::kCallAction}));
    EXPECT_EQ(plan[1].data, "Viewer");
    EXPECT_TRUE(plan[1].leaveDuringSetup);
    EXPECT_EQ(plan[2].text, "DispatchProgram");
    EXPECT_EQ(plan[2].data, "D:\\setup.exe");
    EXPECT_TRUE(plan[2].asSetup);
    action.setupFunc.reset();
    EXPECT_TRUE(PlanSetup(action).empty());
}

TEST(Sounds, ANamedSoundPlaysOnlyWhileUseSoundIsOn) {
    ProgramSettings settings;
    const std::optional<std::string> file = "D:\\click.wav";
    EXPECT_EQ(SoundToPlay(file, settings), nullptr);
    settings.useSound = 1;
    ASSERT_NE(SoundToPlay(file, settings), nullptr);
    EXPECT_EQ(*SoundToPlay(file, settings), "D:\\click.wav");
    EXPECT_EQ(SoundToPlay(std::nullopt, settings), nullptr);
}

TEST(Help, TheHelpProgramOfTheProgramFolderWithTheTopic) {
    EXPECT_EQ(HelpCommandLine("D:\\", "Using the disc"), "D:\\LNCHHLP.EXE Using the disc");
}

TEST(SplashTime, ZeroIsNoneAndAboveFifteenOrNegativeIsFifteen) {
    auto seconds = [](const std::string& text) -> std::optional<unsigned> {
        const auto splash = PlannedSplash(StringList{"logo.bmp", text});
        return splash ? std::optional<unsigned>(splash->seconds) : std::nullopt;
    };
    EXPECT_EQ(seconds("3"), 3u);
    EXPECT_EQ(seconds("15"), 15u);
    EXPECT_EQ(seconds("16"), 15u);
    EXPECT_EQ(seconds("-5"), 15u);
    EXPECT_EQ(seconds("0"), std::nullopt);
    EXPECT_EQ(seconds("soon"), std::nullopt);
    EXPECT_EQ(seconds("2 s"), 2u);
    EXPECT_FALSE(PlannedSplash(StringList{"logo.bmp"}));
    EXPECT_FALSE(PlannedSplash(std::nullopt));
}

TEST(BalloonDelay, NegativeIsVeryLongAndZeroIsAtOnce) {
    EXPECT_EQ(BalloonDelayMs(0), 0u);
    EXPECT_EQ(BalloonDelayMs(500), 500u);
    EXPECT_EQ(BalloonDelayMs(-1), kLongestTimerMs);
    EXPECT_EQ(BalloonDelayMs(INT_MIN), kLongestTimerMs);
    EXPECT_EQ(BalloonDelayMs(INT_MAX), kLongestTimerMs);
}

TEST(ArtScale, TwoTimesPicturesAreDrawnAtEvenScalesOnly) {
    EXPECT_FALSE(DrawsDoubleSizes(1));
    EXPECT_FALSE(DrawsDoubleSizes(3));
    EXPECT_FALSE(DrawsDoubleSizes(0));
    EXPECT_TRUE(DrawsDoubleSizes(2));
    EXPECT_TRUE(DrawsDoubleSizes(4));
    EXPECT_EQ(ArtScale(2, true), 2);
    EXPECT_EQ(ArtScale(2, false), 1);
    EXPECT_EQ(ArtScale(3, true), 1);
    EXPECT_EQ(ArtBlock(4, 2), 2);
    EXPECT_EQ(ArtBlock(3, 1), 3);
    EXPECT_EQ(ArtBlock(0, 1), 1);
}

TEST(LaunchAtStart, OnlyAProgramActionWithDataStartsAndItsDiscMustBeThere) {
    ActionRecord action;
    action.launchFunc = "dispatchprogram";
    action.launchData = "C:\\intro.exe first";
    std::optional<StartProgram> start = PlanLaunchAtStart(action);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->command, "C:\\intro.exe first");
    EXPECT_EQ(start->discLabel, std::nullopt);
    action.launchReq = StringList{"LABEL", "The Disc"};
    EXPECT_EQ(PlanLaunchAtStart(action)->discLabel, "LABEL");
    // A list without a name prevents the start.
    action.launchReq = StringList{"LABEL"};
    EXPECT_FALSE(PlanLaunchAtStart(action));
    action.launchReq.reset();
    for (const char* other : {"DispatchProgramAndWait", "DispatchScreen", ""}) {
        action.launchFunc = other;
        EXPECT_FALSE(PlanLaunchAtStart(action)) << other;
    }
    action.launchFunc = "DispatchProgram";
    action.launchData.reset();
    EXPECT_FALSE(PlanLaunchAtStart(action));
}

}  // namespace
}  // namespace lumora
