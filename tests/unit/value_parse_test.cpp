#include "config/value_parse.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(ParseDecimal, ReadsLeadingNumberLikeTheIniReader) {
    EXPECT_EQ(ParseDecimal("  42abc"), 42);
    EXPECT_EQ(ParseDecimal("-7"), -7);
    EXPECT_EQ(ParseDecimal("abc"), 0);
    EXPECT_EQ(ParseDecimal("99999999999999"), INT_MAX);
    EXPECT_EQ(ParseDecimal("-99999999999999"), INT_MIN);
}

}  // namespace
}  // namespace lumora
