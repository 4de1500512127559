// Sounds as the winmm stand-in sees them: which, in which order, with which flags, and none at
// all when sound is off.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace e2e
