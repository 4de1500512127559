#include "config/settings.h"

#include <gtest/gtest.h>

#include "ini_test_folder.h"

namespace lumora {
namespace {

using testing::IniTestFolder;
using Lines = std::vector<std::string>;

class SettingsTest : public ::testing::Test {
  protected:
    SettingsTest() {
        FreeProgramSettings();
        Settings().balloonDelay = 500;
        Settings().matteChanged = false;
    }
    ~SettingsTest() override { FreeProgramSettings(); }

    IniTestFolder folder;
};

TEST_F(SettingsTest, SwitchesAreOnForAnyNumberButZero) {
    folder.WriteIni("[Config]\r\nBalloonHelp=2\r\nUseSound=-1\r\nUseAnim=yes\r\nBlackMat=0\r\n");
    LoadProgramSettings();
    EXPECT_EQ(Settings().balloonHelp, 1);
    EXPECT_EQ(Settings().useSound, 1);
    EXPECT_EQ(Settings().useAnim, 0) << "a word without digits";
    EXPECT_EQ(Settings().blackMat, 0);

    folder.WriteIni("[Config]\r\nBlackMat=1\r\nUseAnim=\r\n");
    LoadProgramSettings();
    EXPECT_EQ(Settings().balloonHelp, 0) << "missing key";
    EXPECT_EQ(Settings().useSound, 0);
    EXPECT_EQ(Settings().useAnim, 0) << "empty value";
    EXPECT_EQ(Settings().blackMat, 1);
}

TEST_F(SettingsTest, LoadReadsStartupListsAndExpandedSounds) {
    folder.WriteIni(
        "[Config]\r\n"
        "Startup=%r\r\n"
        "Install=C:\\GAMES\\DEMO\\|D:\\\r\n"
        "ScreenNames=Main|Tools|\r\n"
        "StartScreens=Main\r\n"
        "StartSound=%i\\start.wav\r\n"
        "EndSound=%r\\end.wav\r\n"
        "BalloonSound=plain.wav\r\n"
        "HighlightSound=%s\\high.wav\r\n");
    LoadProgramSettings();
    const ProgramSettings& settings = Settings();
    EXPECT_EQ(settings.startup, "%r") << "Startup is a name, not a path";
    EXPECT_EQ(settings.install, (StringList{"C:\\GAMES\\DEMO\\", "D:\\"}));
    EXPECT_EQ(settings.screenNames, (StringList{"Main", "Tools", ""}));
    EXPECT_EQ(settings.startScreens, StringList{"Main"});
    EXPECT_EQ(settings.startSound, "C:\\GAMES\\DEMO\\start.wav");
    EXPECT_EQ(settings.endSound, folder.directory() + "end.wav");
    EXPECT_EQ(settings.balloonSound, "plain.wav");
    ASSERT_TRUE(settings.highlightSound);
    EXPECT_EQ(settings.highlightSound->find('%'), std::string::npos);
    EXPECT_NE(settings.highlightSound->find("\\high.wav"), std::string::npos);
}

TEST_F(SettingsTest, BalloonDelayIsReplacedOnlyByAPresentValue) {
    folder.WriteIni("[Config]\r\nBalloonDelay=0\r\n");
    LoadProgramSettings();
    EXPECT_EQ(Settings().balloonDelay, 0);

    folder.WriteIni("[Config]\r\nBalloonDelay=-20\r\n");
    LoadProgramSettings();
    EXPECT_EQ(Settings().balloonDelay, -20);

    Settings().balloonDelay = 750;
    folder.WriteIni("[Config]\r\nBalloonDelay=\r\n");
    LoadProgramSettings();
    EXPECT_EQ(Settings().balloonDelay, 750);
}

TEST_F(SettingsTest, MissingConfigGivesDefaultsAndLoadResetsSetup) {
    folder.WriteIni("[Setup]\r\nApplication=Old Game\r\nExitDuringSetup=1\r\n");
    lumora::Setup().setupPending = 1;
    lumora::Setup().exitDuringSetup = 1;
    LoadProgramSettings();
    const ProgramSettings& settings = Settings();
    EXPECT_EQ(settings.balloonHelp + settings.useSound + settings.useAnim + settings.blackMat, 0);
    EXPECT_FALSE(settings.startup);
    EXPECT_FALSE(settings.install);
    EXPECT_FALSE(settings.screenNames);
    EXPECT_FALSE(settings.startScreens);
    EXPECT_FALSE(settings.startSound || settings.endSound || settings.balloonSound ||
                 settings.highlightSound);
    EXPECT_EQ(settings.balloonDelay, 500);
    EXPECT_EQ(lumora::Setup().setupPending, 0);
    EXPECT_EQ(lumora::Setup().exitDuringSetup, 0);
    EXPECT_EQ(IniTestFolder::Lines(folder.ReadIni()),
              (Lines{"[Setup]", "Application=", "ExitDuringSetup=0"}));
}

TEST_F(SettingsTest, SaveWritesOnlyTheSwitchesAndStartup) {
    folder.WriteIni(
        "[Config]\r\n"
        "BalloonHelp=-1\r\n"
        "Startup=Main\r\n"
        "ScreenNames=Main|Tools\r\n"
        "StartSound=%r\\start.wav\r\n"
        "BalloonDelay=0100\r\n");
    LoadProgramSettings();
    Settings().useSound = 1;
    Settings().startup = "Tools";
    SaveProgramSettings();
    EXPECT_EQ(IniTestFolder::Lines(folder.ReadIni()),
              (Lines{"[Config]", "BalloonHelp=1", "Startup=Tools", "ScreenNames=Main|Tools",
                     "StartSound=%r\\start.wav", "BalloonDelay=0100", "UseSound=1", "UseAnim=0",
                     "BlackMat=0", "[Setup]", "Application=", "ExitDuringSetup=0"}))
        << "lists, sounds and the delay are never written";
}

TEST_F(SettingsTest, SaveWithoutStartupWritesNoStartup) {
    folder.WriteIni("[Config]\r\nUseSound=1\r\n");
    LoadProgramSettings();
    SaveProgramSettings();
    EXPECT_FALSE(ReadSetting("Config", "Startup"));
    EXPECT_EQ(ReadSetting("Config", "UseSound"), "1");
    EXPECT_EQ(ReadSetting("Config", "BlackMat"), "0");
}

TEST_F(SettingsTest, SaveReportsAMatteChangeOnce) {
    folder.WriteIni("[Config]\r\nBlackMat=0\r\n");
    LoadProgramSettings();
    Settings().useSound = 1;
    EXPECT_FALSE(SaveProgramSettings()) << "only the sound changed";

    Settings().blackMat = 1;
    Settings().matteChanged = true;
    EXPECT_TRUE(SaveProgramSettings());
    EXPECT_FALSE(Settings().matteChanged);
    EXPECT_EQ(ReadSetting("Config", "BlackMat"), "1");
    EXPECT_FALSE(SaveProgramSettings()) << "the change was consumed";
}

TEST_F(SettingsTest, FreeKeepsOnlyTheDelayAndTheMatteChange) {
    folder.WriteIni(
        "[Config]\r\nBalloonHelp=1\r\nUseSound=1\r\nUseAnim=1\r\nBlackMat=1\r\nStartup=Main\r\n"
        "Install=C:\\\r\nScreenNames=Main\r\nStartScreens=Main\r\nStartSound=a.wav\r\n"
        "EndSound=b.wav\r\nBalloonSound=c.wav\r\nHighlightSound=d.wav\r\nBalloonDelay=90\r\n");
    LoadProgramSettings();
    Settings().matteChanged = true;
    FreeProgramSettings();
    const ProgramSettings& settings = Settings();
    EXPECT_EQ(settings.balloonHelp + settings.useSound + settings.useAnim + settings.blackMat, 0);
    EXPECT_FALSE(settings.startup || settings.install || settings.screenNames ||
                 settings.startScreens || settings.startSound || settings.endSound ||
                 settings.balloonSound || settings.highlightSound);
    EXPECT_EQ(settings.balloonDelay, 90);
    EXPECT_TRUE(settings.matteChanged);
}

}  // namespace
}  // namespace lumora
