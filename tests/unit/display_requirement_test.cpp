#include "config/display_requirement.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using List = std::vector<std::string>;

std::optional<DisplayRefusal> Evaluate(const List& list, int width, int height, int bits) {
    return EvaluateDisplayRequirement(&list, DisplayFacts{width, height, ColorClassForBits(bits)});
}

bool Passes(const List& list, int width, int height, int bits) {
    return !Evaluate(list, width, height, bits).has_value();
}

TEST(ColorClassForBits, SplitsAtEightBits) {
    EXPECT_EQ(ColorClassForBits(1), kColorClassLow);
    EXPECT_EQ(ColorClassForBits(4), kColorClassLow);
    EXPECT_EQ(ColorClassForBits(7), kColorClassLow);
    EXPECT_EQ(ColorClassForBits(8), kColorClass256);
    EXPECT_EQ(ColorClassForBits(15), kColorClassTrue);
    EXPECT_EQ(ColorClassForBits(16), kColorClassTrue);
    EXPECT_EQ(ColorClassForBits(24), kColorClassTrue);
    EXPECT_EQ(ColorClassForBits(32), kColorClassTrue);
}

TEST(DisplayRequirement, NullOrWronglySizedListsPass) {
    EXPECT_FALSE(EvaluateDisplayRequirement(nullptr, DisplayFacts{640, 480, kColorClassLow}));
    EXPECT_TRUE(Passes({"G", "1024X768"}, 640, 480, 4));
    EXPECT_TRUE(Passes({"G", "1024X768", "TRUE", "x"}, 640, 480, 4));
    EXPECT_TRUE(Passes({""}, 640, 480, 4));
}

TEST(DisplayRequirement, ExactNeedsTheSameSizeAndClass) {
    const List list{"E", "800X600", "TRUE"};
    EXPECT_TRUE(Passes(list, 800, 600, 16));
    EXPECT_TRUE(Passes(list, 800, 600, 24));
    EXPECT_TRUE(Passes(list, 800, 600, 32));
    std::optional<DisplayRefusal> refusal = Evaluate(list, 800, 600, 8);
    ASSERT_TRUE(refusal);
    EXPECT_TRUE(refusal->exact);
    EXPECT_EQ(refusal->width, 800);
    EXPECT_EQ(refusal->height, 600);
    EXPECT_EQ(refusal->colorClass, kColorClassTrue);
    EXPECT_FALSE(Passes(list, 1024, 768, 32)) << "larger is not exact";
    EXPECT_FALSE(Passes(list, 800, 768, 32));
    EXPECT_FALSE(Passes(list, 1024, 600, 32));
    EXPECT_FALSE(Passes({"E", "640X480", "256"}, 640, 480, 32)) << "more colours is not exact";
    EXPECT_TRUE(Passes({"E", "640X480", "LOW"}, 640, 480, 4));
}

TEST(DisplayRequirement, MinimumNeedsAtLeastSizeAndClass) {
    const List list{"G", "640X480", "256"};
    EXPECT_TRUE(Passes(list, 1024, 768, 8));
    EXPECT_TRUE(Passes(list, 640, 480, 32));
    std::optional<DisplayRefusal> refusal = Evaluate(list, 640, 480, 4);
    ASSERT_TRUE(refusal);
    EXPECT_FALSE(refusal->exact);
    EXPECT_EQ(refusal->width, 640);
    EXPECT_EQ(refusal->height, 480);
    EXPECT_EQ(refusal->colorClass, kColorClass256);
    EXPECT_FALSE(Passes({"G", "1024X768", "LOW"}, 1024, 600, 32));
    EXPECT_FALSE(Passes({"G", "1024X768", "LOW"}, 800, 768, 32));
    EXPECT_TRUE(Passes({"G", "1024X768", "LOW"}, 1280, 1024, 1));
}

TEST(DisplayRequirement, UnrecognisedTextsDisableTheTest) {
    // Every one of these would fail on a 640 x 480 display at 4 bits if it were recognised.
    for (const List& list : std::vector<List>{
             {"e", "1024X768", "TRUE"},
             {"g", "1024X768", "TRUE"},
             {"X", "1024X768", "TRUE"},
             {"G", "1024x768", "TRUE"},
             {"G", "1280X1024", "TRUE"},
             {"G", " 1024X768", "TRUE"},
             {"G", "1024X768", "true"},
             {"G", "1024X768", "low"},
             {"G", "1024X768", "16"},
             {"G", "1024X768", ""},
         }) {
        EXPECT_TRUE(Passes(list, 640, 480, 4)) << list[0] << "|" << list[1] << "|" << list[2];
    }
    EXPECT_FALSE(Passes({"G", "1024X768", "TRUE"}, 640, 480, 4)) << "the recognised form fails";
}

}  // namespace
}  // namespace lumora
