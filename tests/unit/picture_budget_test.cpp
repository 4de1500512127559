// The memory budget of the pictures kept across screens: oldest out first, those in use kept.
#include "screens/picture_budget.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

const auto kNoneInUse = [](const std::string&) { return false; };

TEST(PictureBudget, OverTheLimitTheOldestGoFirstAndAUseMakesAPictureNew) {
    PictureBudget budget(100);
    budget.Use("A", 40);
    budget.Use("B", 40);
    budget.Use("C", 10);
    EXPECT_TRUE(budget.Excess(kNoneInUse).empty());
    EXPECT_FALSE(budget.full());
    budget.Use("A", 40);  // asked for again: now the newest
    budget.Use("D", 30);
    EXPECT_EQ(budget.total(), 120u);
    EXPECT_TRUE(budget.full());
    // B alone brings the total under the limit.
    EXPECT_EQ(budget.Excess(kNoneInUse), (std::vector<std::string>{"B"}));
    budget.Use("E", 60);
    EXPECT_EQ(budget.Excess(kNoneInUse), (std::vector<std::string>{"B", "C", "A"}));
}

TEST(PictureBudget, PicturesInUseStayHoweverOldAndMayFillTheBudget) {
    PictureBudget budget(100);
    budget.Use("Shown", 70);
    budget.Use("Old", 20);
    budget.Use("Ahead", 40);
    const auto inUse = [](const std::string& key) { return key != "Old"; };
    EXPECT_EQ(budget.Excess(inUse), (std::vector<std::string>{"Old"}));
    budget.Forget("Old");
    EXPECT_EQ(budget.total(), 110u);
    // Over the limit with nothing to let go: the budget is full, and reading ahead stops.
    EXPECT_TRUE(budget.Excess(inUse).empty());
    EXPECT_TRUE(budget.full());
    budget.Forget("Unknown");
    EXPECT_EQ(budget.total(), 110u);
}

TEST(PictureBudget, ANewSizeKeepsThePicturesAge) {
    PictureBudget budget(100);
    budget.Use("A", 10);
    budget.Use("B", 10);
    // A's 2x picture joined it: four times the memory, but still the oldest.
    budget.Resize("A", 50);
    budget.Use("C", 50);
    EXPECT_EQ(budget.total(), 110u);
    EXPECT_EQ(budget.Excess(kNoneInUse), (std::vector<std::string>{"A"}));
}

}  // namespace
}  // namespace lumora
