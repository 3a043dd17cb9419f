// The payout look-up and mathematics: the entry index, the acceptance test at the
// bounds, the hit probabilities with and without a wild symbol, and the report.
#include <gtest/gtest.h>

#include <string>

#include "PayCategory.h"
#include "WizardPayout.h"

namespace {

// A payout state with a table whose entry `index` has the given return.
WizardPayout WithEntry(int index, float expectedReturn)
{
    WizardPayout payout;
    payout.table.assign(kWizardTableBytes, 0);
    WizardTableEntry entry;
    entry.stops = {1, 2, 3, 4, 5, 6, 5};
    entry.payouts = {900, 90, 30, 9, 5, 3, 20, 10, 5, 2, 3};
    entry.merit = 0.25f;
    entry.expectedReturn = expectedReturn;
    entry.Encode(payout.table.data() + WizardTableEntry::kBytes * index);
    return payout;
}

TEST(WizardPayoutIndex, LevelInTheLowBitsAndTheKeyAbove)
{
    WizardPayout payout;
    payout.SetPayoutLevel(0);
    payout.reelCount = 4;
    payout.groupsEnabled = false;
    payout.cherry = payout.spoiler = payout.wild = false;
    EXPECT_EQ(0, payout.TableIndex());

    payout.SetPayoutLevel(3);
    payout.reelCount = 3;
    payout.groupsEnabled = true;
    payout.groupMembers = {1, 1, 1, 1, 1};
    payout.cherry = payout.spoiler = payout.wild = true;
    EXPECT_EQ(2047, payout.TableIndex());

    // A group of one member is not in force: its bit stays 0.
    payout.groupMembers = {0, 0, 1, 0, 0};
    EXPECT_EQ(3 + 4 * 0x107, payout.TableIndex());
    EXPECT_FALSE(payout.groupsInForce);
    payout.groupMembers = {0, 0, 1, 1, 0};
    EXPECT_EQ(3 + 4 * 0x137, payout.TableIndex());
    EXPECT_EQ(0x137u, PayChoices::FromKey(0x137).Key());
}

TEST(WizardPayoutAcceptance, EntriesAtTheWidenedBoundsAreAcceptedAndBeyondRefused)
{
    const double bounds[4][2] = {{0.72, 0.80}, {0.85, 0.90}, {0.95, 0.98}, {1.15, 1.25}};
    for (unsigned level = 0; level < 4; ++level) {
        const double low = bounds[level][0] - 0.02, high = bounds[level][1] + 0.02;
        for (double r : {low, high, low - 0.0001, high + 0.0001}) {
            WizardPayout payout = WithEntry(static_cast<int>(level), static_cast<float>(r));
            payout.SetPayoutLevel(level);
            payout.reelCount = 4;
            payout.groupsEnabled = payout.cherry = payout.spoiler = false;
            const bool inside = r >= low && r <= high;
            EXPECT_EQ(inside, payout.LookupStops()) << level << " " << r;
            // The entry is copied whether or not it is accepted.
            EXPECT_EQ(900, payout.pay[0]);
            EXPECT_EQ(6, payout.stops[5]);
            EXPECT_FLOAT_EQ(0.25f, static_cast<float>(payout.merit));
            EXPECT_EQ(static_cast<float>(r), static_cast<float>(payout.total));
        }
    }
}

// A state for the probabilities: four reels unless said otherwise, no group.
WizardPayout Counts(std::array<double, 7> stops, unsigned reels = 4)
{
    WizardPayout payout;
    payout.reelCount = reels;
    payout.stops = stops;
    payout.groupsEnabled = false;
    payout.pay = {1000, 100, 50, 20, 5, 4, 20, 10, 5, 2, 4};
    return payout;
}

TEST(WizardPayoutProbabilities, WithoutWildTheCategoriesAreTheClosedForms)
{
    WizardPayout payout = Counts({1, 2, 3, 4, 5, 6, 5}, 3);
    payout.groupsEnabled = true;
    payout.groupMembers = {0, 0, 1, 1, 1};
    payout.ComputeProbabilities();
    const double P = 1.0 / 17576;
    EXPECT_NEAR(8 * P, payout.prob[1], 1e-15);
    EXPECT_NEAR((12 * 12 * 12 - 27 - 64 - 125) * P, payout.prob[kGroupLine], 1e-15);
    const double q = 6.0 / 26;
    EXPECT_NEAR(q * q * q, payout.prob[kThreeCherries], 1e-15);
    // Cherry on an end, not a second one beside it: (C, not C, any) or (any, not C, C).
    EXPECT_NEAR((1 - (1 - q) * (1 - q)) * (1 - q), payout.prob[kOneCherry], 1e-15);
    EXPECT_EQ(0, payout.prob[kFourCherries]);
    EXPECT_EQ(0, payout.prob[kWildGroupLine]);

    // pay[10] never counts without a wild symbol.
    payout.ComputeTotals();
    const double withTen = payout.total;
    payout.pay[kWildGroupLine] = 1e6;
    payout.ComputeTotals();
    EXPECT_EQ(withTen, payout.total);
}

TEST(WizardPayoutProbabilities, WithWildEachLineIsPaidOnceAtItsHighestCategory)
{
    PayChoices choices;
    choices.reels = 3;
    choices.wild = true;
    choices.members = 0x0C;  // slots 2 and 3
    const double pay[11] = {1000, 100, 50, 20, 5, 4, 20, 10, 5, 2, 4};
    auto winner = [&](int a, int b, int c) {
        const int slots[3] = {a, b, c};
        return WinningCategory(MatchedCategories(choices, slots), pay);
    };
    EXPECT_EQ(kJackpotLine, winner(0, 0, 0));  // also every other line: paid once
    EXPECT_EQ(2, winner(0, 2, 2));             // full line, not the wild group line
    EXPECT_EQ(kWildGroupLine, winner(0, 2, 3));
    EXPECT_EQ(kGroupLine, winner(3, 2, 3));
    EXPECT_EQ(kThreeCherries, winner(0, 5, 0));  // the wild counts as a cherry
    EXPECT_EQ(kTwoCherries, winner(4, 5, 0));    // read from the right
    EXPECT_EQ(4, winner(0, 0, 4));               // 5 ties with two cherries: the full line
    EXPECT_EQ(kOneCherry, winner(0, 6, 6));
    EXPECT_EQ(-1, winner(6, 0, 6));

    // Four reels: three wilds and a cherry-less symbol pay three cherries (10) over Sym4 (5).
    choices.reels = 4;
    const int slots[4] = {0, 0, 0, 4};
    EXPECT_EQ(kThreeCherries, WinningCategory(MatchedCategories(choices, slots), pay));
}

TEST(WizardPayoutProbabilities, WithWildTheTotalCountsEveryStopCombinationOnce)
{
    // Three reels of 26 stops: 1 wild, 2 cherries, 23 spoilers. A line pays when an end
    // shows a wild or a cherry; wild-wild-wild is the jackpot.
    WizardPayout payout = Counts({1, 0, 0, 0, 0, 2, 23}, 3);
    payout.wild = true;
    payout.ComputeProbabilities();
    payout.ComputeTotals();
    const double all = 17576;
    EXPECT_NEAR(1 / all, payout.prob[0], 1e-15);
    EXPECT_NEAR((27 - 1) / all, payout.prob[kThreeCherries], 1e-15);
    const double ends = all - 23.0 * 26 * 23;  // an end shows wild or cherry
    EXPECT_NEAR(ends / all, payout.probSum, 1e-15);
}

TEST(WizardPayoutReport, ListsTotalsPayoutsAndStops)
{
    WizardPayout payout = Counts({1, 2, 3, 4, 5, 6, 5});
    payout.merit = 0.5;
    payout.ComputeProbabilities();
    payout.ComputeTotals();
    const std::string report = payout.PayoutReport();
    EXPECT_EQ(0u, report.find("total payout ="));
    EXPECT_NE(std::string::npos, report.find("\nheristic0.5\n"));
    EXPECT_NE(std::string::npos, report.find("\nPayout #4 = 5 rets "));
    EXPECT_NE(std::string::npos, report.find("\nSymbol #6 stops 5\n"));
    int lines = 0;
    for (char c : report)
        lines += c == '\n';
    EXPECT_EQ(3 + 11 + 7, lines);
}

}  // namespace
