// Sounds as the winmm stand-in sees them: which, in which order, with which flags, and none at
// all when sound is off.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "lumora_test.h"

namespace e2e {
namespace {

using namespace disc;
using Sound = LumoraTest;

TEST_F(Sound, StartHighlightBalloonClickAndEndEachPlayOnceWithTheirFlags) {
    ASSERT_TRUE(StartHoveringA());
    ClickAt(kInsideAOnly);
    ASSERT_TRUE(WaitForSounds("A.wav", 1));
    ClickAt(kExitTip);
    ASSERT_EQ(WaitForExit(), 0);

    std::vector<std::string> names;
    for (const auto& call : LumoraTest::Sounds()) {
        names.push_back(call.file);
        EXPECT_EQ(call.function, "sndPlaySoundA");
        EXPECT_EQ(call.flags, names.back() == "end.wav" ? 0x12u : 0x13u) << names.back();
    }
    // Leaving A for the exit region hovers nothing new: the exit region has no pictures.
    const std::vector<std::string> expected{"start.wav", "highlight.wav", "balloon.wav",
                                            "A.wav",     "Exit.wav",      "end.wav"};
    EXPECT_EQ(names, expected);
}

TEST_F(Sound, SoundOffPlaysNothing) {
    ini_.Set("Config", "UseSound", "0").Set("Config", "BalloonDelay", "0");
    ASSERT_TRUE(Start());
    MoveTo(kInsideAOnly);
    ASSERT_TRUE(WaitForPixel(kBalloonA.Center(), Paint::kGreen));
    ClickAt(kInsideAOnly);
    ClickAt(kExitTip);
    ASSERT_EQ(WaitForExit(), 0);
    EXPECT_TRUE(LumoraTest::Sounds().empty());
}

TEST_F(Sound, AWinmmBesideTheProgramIsNeverLoaded) {
    // A planted copy beside lumora.exe, as on a writable stick: the sounds must still come from
    // the system folder's library.
    std::filesystem::copy_file(Env().toolsFolder + "/winmm.dll", Path("winmm.dll"));
    ASSERT_TRUE(StartHoveringA());
    ClickAt(kExitTip);
    ASSERT_EQ(WaitForExit(), 0);
    const std::vector<SoundCall> calls = LumoraTest::Sounds();
    ASSERT_FALSE(calls.empty());
    for (const auto& call : calls) {
        std::string library = call.library;
        std::transform(library.begin(), library.end(), library.begin(), ::tolower);
        EXPECT_NE(library.find("\\system32\\winmm.dll"), std::string::npos)
            << call.file << " was played by " << call.library;
    }
}

}  // namespace
}  // namespace e2e
