// The keyed row copy as the 32-bit program runs it.
#include <gtest/gtest.h>

#include "../unit/dib_row_copy_check.h"
#include "imaging/row_copy.h"

namespace lumora {
namespace {

TEST(CopyRowKeyedOnWindows, MatchesThePlainRule) {
    EXPECT_EQ(test::FirstMismatch(CopyRowKeyed), "");
    EXPECT_EQ(test::FirstMismatch(CopyRowKeyedWords), "");
}

}  // namespace
}  // namespace lumora
