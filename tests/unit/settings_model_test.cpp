#include "config/settings_model.h"

#include <gtest/gtest.h>

#include "config/ini_document.h"
#include "config/string_table.h"

namespace lumora {
namespace {

ModelContext InstallContext(const ProgramSettings& settings) {
    return ModelContext{BuiltInText, [&settings](std::string& path) {
                            // %i stands for the first Install element once it is read.
                            const std::string macro = "%i";
                            const size_t at = path.find(macro);
                            if (at != std::string::npos && settings.install) {
                                path.replace(at, macro.size(), settings.install->front());
                            }
                        }};
}

SectionEntries Config(const char* text) {
    return IniDocument(text).Section("Config");
}

TEST(ReadProgramSettings, SwitchesInstallBeforeSoundsAndADelayOnlyWhenPresent) {
    ProgramSettings settings;
    settings.balloonDelay = 750;
    ReadProgramSettings(Config("[Config]\nBalloonHelp=2\nUseSound=-1\nUseAnim=yes\nBlackMat=0\n"
                               "HighlightSound=%i\\high.wav\nInstall=C:\\DEMO|D:\\\n"
                               "ScreenNames=Main|Tools\nStartup=Main\n"),
                        InstallContext(settings), settings);
    EXPECT_EQ(settings.balloonHelp, 1);
    EXPECT_EQ(settings.useSound, 1);
    EXPECT_EQ(settings.useAnim, 0) << "a word without digits";
    EXPECT_EQ(settings.blackMat, 0);
    EXPECT_EQ(settings.highlightSound, "C:\\DEMO\\high.wav") << "Install is read first";
    EXPECT_EQ(settings.screenNames, (StringList{"Main", "Tools"}));
    EXPECT_EQ(settings.startup, "Main");
    EXPECT_EQ(settings.balloonDelay, 750) << "an absent delay keeps the one in force";

    ReadProgramSettings(Config("[Config]\nBalloonDelay=-20\n"), InstallContext(settings), settings);
    EXPECT_EQ(settings.balloonDelay, -20);
    EXPECT_EQ(settings.balloonHelp, 0) << "a missing switch is off";
    EXPECT_FALSE(settings.highlightSound);
}

}  // namespace
}  // namespace lumora
