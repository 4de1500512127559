// The launcher refuses displays below 256 colours with message 2004.
#include "app/color_check.h"

#include <gtest/gtest.h>

#include "message_box_answerer.h"

namespace lumora::testing {
namespace {

TEST(ColorCheck, BelowEightBitsShowsTheStopMessageWithoutOwner) {
    MessageBoxAnswerer answerer(IDOK);
    EXPECT_TRUE(RefuseLowColorDisplay(kColorClassLow));
    const MessageBoxAnswerer::Box& box = answerer.Stop();
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.text,
              "Tavlen Splash requires a display configuration that supports a minimum of 256 "
              "colors.  Your display is currently configured for less than this minimum.");
    // No main window: the caption is the program's name.
    EXPECT_EQ(box.caption, "Tavlen Splash");
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_TRUE(box.hasAnswerButton);
    EXPECT_EQ(box.icon, ::LoadIconA(nullptr, IDI_HAND));
}

TEST(ColorCheck, TwoFiftySixColoursAndMorePass) {
    EXPECT_FALSE(RefuseLowColorDisplay(kColorClass256));
    EXPECT_FALSE(RefuseLowColorDisplay(kColorClassTrue));
}

}  // namespace
}  // namespace lumora::testing
