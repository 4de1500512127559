#include "prefs/centred_offset.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(CentredOffset, HalvesTheRoomLeftRoundingDown) {
    EXPECT_EQ(CentredOffset(400, 358), 21);
    EXPECT_EQ(CentredOffset(401, 358), 21) << "the odd pixel goes to the far side";
    EXPECT_EQ(CentredOffset(358, 358), 0);
    // A picture larger than its space is cut on both sides, an odd pixel more at the start.
    EXPECT_EQ(CentredOffset(357, 358), -1);
    EXPECT_EQ(CentredOffset(355, 358), -2);
    EXPECT_EQ(CentredOffset(0, 210), -105);
}

}  // namespace
}  // namespace lumora
