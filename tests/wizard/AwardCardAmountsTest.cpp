// What the award card is given and lists: the six records' amounts from the wizard's
// payouts, the group payout, and the rows the card draws from them.
#include <gtest/gtest.h>

#include "AwardCardAmounts.h"
#include "CardRows.h"
#include "GeneratorDocuments.h"

namespace {

TEST(AwardCardAmounts, JackpotCherriesAndSymbolsFromThePayouts)
{
    const AwardAmounts coral = ComputeAwardAmounts(CoralCrown());  // four reels, three lines, wild
    EXPECT_EQ((std::array<int32_t, 5>{8000, 10000, 0, 0, 1}), coral[0]);
    EXPECT_EQ((std::array<int32_t, 5>{500, 0, 0, 0, 0}), coral[1]);
    EXPECT_EQ((std::array<int32_t, 5>{30, 0, 0, 0, 0}), coral[4]);
    EXPECT_EQ((std::array<int32_t, 5>{20, 10, 5, 2, 0}), coral[5]);

    // A one-line machine pays the full jackpot times the maximum bet; three reels start
    // the cherries at three.
    const AwardAmounts amber = ComputeAwardAmounts(AmberOrchard());
    EXPECT_EQ((std::array<int32_t, 5>{1000, 6250, 0, 0, 1}), amber[0]);
    EXPECT_EQ(8, amber[1][0]);  // 7.9 and a tenth, rounded down
    EXPECT_EQ((std::array<int32_t, 5>{10, 5, 2, 0, 0}), amber[5]);

    WizardChoices noCherry = AmberOrchard();
    noCherry.cherry = false;
    EXPECT_EQ((std::array<int32_t, 5>{}), ComputeAwardAmounts(noCherry)[5]);
}

TEST(AwardCardAmounts, TheGroupPaysOnlyWhenInForce)
{
    EXPECT_EQ(3, AwardGroupPayout(BrassLagoon()));
    EXPECT_EQ(0, AwardGroupPayout(AmberOrchard()));  // one member
    WizardChoices disabled = BrassLagoon();
    disabled.groupsEnabled = false;
    EXPECT_EQ(0, AwardGroupPayout(disabled));
}

TEST(CardRows, JackpotSymbolsGroupAndCherriesFromMostToOne)
{
    CardFacts facts;
    facts.reels = 4;
    facts.maxBet = 3;
    facts.payLines = 3;
    facts.cherry = true;
    facts.groupPayout = 12;
    facts.groupName = "Sea Treasures";
    const AwardAmounts amounts = ComputeAwardAmounts(CoralCrown());
    for (int i = 0; i < 6; ++i) {
        for (int w = 0; w < 4; ++w)
            facts.records[i].words[w] = amounts[i][w];
        facts.records[i].wild = amounts[i][4];
    }
    const std::vector<CardRow> rows = CardRowsFor(facts);
    ASSERT_EQ(1u + 4 + 1 + 4, rows.size());
    EXPECT_EQ((std::vector<int>{0, 0, 0, 0}), rows[0].symbols);
    EXPECT_EQ("10,000", rows[0].amount);
    EXPECT_EQ("on 3 coins, else 8,000", rows[0].note);
    EXPECT_TRUE(rows[0].wild);
    EXPECT_EQ("500", rows[1].amount);
    EXPECT_EQ("Any mix of Sea Treasures", rows[5].label);
    EXPECT_EQ("12", rows[5].amount);
    EXPECT_EQ((std::vector<int>{5, 5, 5, 5}), rows[6].symbols);
    EXPECT_EQ("20", rows[6].amount);
    EXPECT_EQ((std::vector<int>{5, kAnySymbol, kAnySymbol, kAnySymbol}), rows[9].symbols);
    EXPECT_EQ("2", rows[9].amount);
    EXPECT_EQ("from either side", rows[9].note);

    facts.cherry = false;
    facts.groupPayout = 0;
    facts.reels = 3;
    facts.payLines = 1;
    facts.maxBet = 5;
    const std::vector<CardRow> plain = CardRowsFor(facts);
    ASSERT_EQ(5u, plain.size());
    EXPECT_EQ("on 5 coins, else 8,000 a coin", plain[0].note);
    CardFacts four;
    four.reels = 4;
    EXPECT_EQ("4 reels", CardSubtitle(four).substr(0, 7));
    EXPECT_EQ("1,234,567", CoinText(1234567));
    EXPECT_EQ("999", CoinText(999));
}

}  // namespace
