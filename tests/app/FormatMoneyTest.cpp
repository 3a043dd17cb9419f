#include <gtest/gtest.h>

#include <climits>

#include "FormatMoney.h"
#include "Money.h"

TEST(FormatMoney, ZeroIsPlainWithOrWithoutCents) {
    EXPECT_EQ("0", FormatMoney(0, true));
    EXPECT_EQ("0", FormatMoney(0, false));
}

TEST(FormatMoney, DollarsWithThousandsGroups) {
    EXPECT_EQ("$1,234,567.89", FormatMoney(123456789, true));
    EXPECT_EQ("$1,234,567", FormatMoney(123456789, false));
    EXPECT_EQ("-$1,234.56", FormatMoney(-123456, true));
    EXPECT_EQ("$1.00", FormatMoney(100, true));
    EXPECT_EQ("$0", FormatMoney(99, false));
    EXPECT_EQ("-$1,000", FormatMoney(-100000, false));
    EXPECT_EQ("$100.05", FormatMoney(10005, true));
    EXPECT_EQ("$999.99", FormatMoney(99999, true));
    EXPECT_EQ("$1,000.00", FormatMoney(100000, true));
    EXPECT_EQ("$123,456.00", FormatMoney(12345600, true));
}

TEST(FormatMoney, AmountsBelowADollarUseTheCentSign) {
    EXPECT_EQ("99\xA2", FormatMoney(99, true));
    EXPECT_EQ("5\xA2", FormatMoney(5, true));
    EXPECT_EQ("-5\xA2", FormatMoney(-5, true));
    EXPECT_EQ("-$0", FormatMoney(-5, false));
}

TEST(FormatMoney, ExtremesOfASigned32BitAmount) {
    EXPECT_EQ("$21,474,836.47", FormatMoney(INT32_MAX, true));
    EXPECT_EQ("-$21,474,836.48", FormatMoney(INT32_MIN, true));
    EXPECT_EQ("$21,474,836", FormatMoney(INT32_MAX, false));
    EXPECT_EQ("-$21,474,836", FormatMoney(INT32_MIN, false));
    EXPECT_EQ("-1\xA2", FormatMoney(-1, true));
}

TEST(FormatMoney, ReadsTheAmountOfAMoneyValue) {
    EXPECT_EQ("$2.50", FormatMoney(Money(250), true));
}
