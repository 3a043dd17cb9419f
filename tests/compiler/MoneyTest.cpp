#include "Money.h"

#include <gtest/gtest.h>

#include <climits>

#include "DollarsToCents.h"

namespace {

TEST(Money, NegateScaleAndDifferenceWrapLikeThirtyTwoBits) {
    EXPECT_EQ(Money(250).Negate().Cents(), -250);
    EXPECT_EQ(Money(25).Scale(4).Cents(), 100);
    EXPECT_EQ(Money(500).Difference(Money(125)).Cents(), 375);
    EXPECT_EQ(Money(INT32_MIN).Negate().Cents(), INT32_MIN);
    EXPECT_EQ(Money(INT32_MAX).Scale(2).Cents(), -2);
    EXPECT_DOUBLE_EQ(Money(129).Dollars(), 1.29);
}

TEST(DollarsToCents, RoundsToTheNearestCentAndRefusesWhatDoesNotFit) {
    int32_t c = -1;
    EXPECT_TRUE(DollarsToCents(0.29, c));
    EXPECT_EQ(c, 29);
    EXPECT_TRUE(DollarsToCents(1.15, c));
    EXPECT_EQ(c, 115);
    EXPECT_TRUE(DollarsToCents(1.0 + 15.0 / 100.0, c)) << "as the lexer builds 1.15";
    EXPECT_EQ(c, 115);
    EXPECT_TRUE(DollarsToCents(0.004, c));
    EXPECT_EQ(c, 0);
    EXPECT_TRUE(DollarsToCents(21474836.47, c));
    EXPECT_EQ(c, INT32_MAX);
    EXPECT_FALSE(DollarsToCents(21474836.48, c));
    EXPECT_FALSE(DollarsToCents(-1.0, c));
}

}  // namespace
