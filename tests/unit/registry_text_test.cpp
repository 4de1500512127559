#include "actions/registry_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace lumora {
namespace {

std::string Subtracted(std::string text, int count) {
    RegistrySubtract(text, count);
    return text;
}

TEST(RegistryText, SubtractRemovesCharactersFromTheEnd) {
    EXPECT_EQ(Subtracted("C:\\App\\app.exe", 7), "C:\\App\\");
    EXPECT_EQ(Subtracted("C:\\App\\app.exe", 0), "C:\\App\\app.exe");
    EXPECT_EQ(Subtracted("abc", 3), "");
}

TEST(RegistryText, SubtractLargerThanTheTextLeavesItEmpty) {
    EXPECT_EQ(Subtracted("abc", 4), "");
    EXPECT_EQ(Subtracted("abc", INT_MAX), "");
    EXPECT_EQ(Subtracted("", 1), "");
}

TEST(RegistryText, NegativeSubtractKeepsTheWholeText) {
    EXPECT_EQ(Subtracted("abc", -1), "abc");
    EXPECT_EQ(Subtracted("abc", INT_MIN), "abc");
}

TEST(RegistryText, AppendFollowsTheTrimmedText) {
    std::string text = "C:\\App\\app.exe";
    RegistrySubtract(text, 7);
    RegistryAppend(text, "run.exe");
    EXPECT_EQ(text, "C:\\App\\run.exe");
    std::string empty;
    RegistryAppend(empty, "");
    EXPECT_EQ(empty, "");
}

}  // namespace
}  // namespace lumora
