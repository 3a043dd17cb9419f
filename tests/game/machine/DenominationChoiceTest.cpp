// The denomination a machine plays at, chosen from the player's denomination and the
// machine's mask: kept, the next lower, the next higher from a dollar, and a search that
// ends for every mask and every current denomination.
#include <gtest/gtest.h>

#include "DenominationChoice.h"

namespace {

uint32_t Flag(int32_t cents) { return GetDenominationFlag(Money(cents)); }

TEST(DenominationTable, ValuesAndFlagsMatch) {
    const int32_t values[16] = {1, 5, 10, 25, 50, 100, 200, 500, 1000, 2000, 2500, 5000, 10000, 20000, 50000, 100000};
    for (int bit = 0; bit < 16; ++bit) {
        EXPECT_EQ(GetDenominationValue(1u << bit).Cents(), values[bit]);
        EXPECT_EQ(GetDenominationFlag(Money(values[bit])), 1u << bit);
    }
    EXPECT_EQ(GetDenominationFlag(Money(30)), 0u);
    EXPECT_EQ(GetDenominationValue(0x3).Cents(), 0);
    EXPECT_EQ(GetDenominationValue(1u << 16).Cents(), 0);
}

TEST(DenominationChoice, KeepsOrGoesLowerThenHigher) {
    EXPECT_EQ(ChooseDenominationFlag(Flag(25) | Flag(100), Flag(25)), Flag(25));
    // 25 cents missing, 10 cents and a dollar there: the next lower.
    EXPECT_EQ(ChooseDenominationFlag(Flag(10) | Flag(100), Flag(25)), Flag(10));
    // Only a dollar and five: nothing lower, so up from a dollar.
    EXPECT_EQ(ChooseDenominationFlag(Flag(100) | Flag(500), Flag(25)), Flag(100));
    EXPECT_EQ(ChooseDenominationFlag(Flag(500) | Flag(2500), Flag(25)), Flag(500));
    // A current value outside the table counts as none.
    EXPECT_EQ(ChooseDenominationFlag(Flag(200), 0), Flag(200));
}

TEST(DenominationChoice, EndsForEveryMaskAndCurrentFlag) {
    // Everything accepted lies between the current denomination and a dollar.
    EXPECT_EQ(ChooseDenominationFlag(Flag(25), Flag(5)), Flag(25));
    EXPECT_EQ(ChooseDenominationFlag(Flag(10) | Flag(50), Flag(1)), Flag(10));
    EXPECT_EQ(ChooseDenominationFlag(0, Flag(25)), 0u);
    EXPECT_EQ(ChooseDenominationFlag(0xFFFF0000u, Flag(25)), 0u);
    for (uint32_t mask = 1; mask <= 0xFFFF; mask = mask * 3 + 1) {
        for (int bit = -1; bit < 16; ++bit) {
            const uint32_t current = bit < 0 ? 0 : 1u << bit;
            const uint32_t chosen = ChooseDenominationFlag(mask, current);
            EXPECT_NE(chosen & mask, 0u) << mask << " " << current;
            EXPECT_EQ(chosen & (chosen - 1), 0u);
        }
    }
}

}  // namespace
