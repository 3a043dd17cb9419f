// The generated wizard data: every entry that the choices can reach is accepted at its
// payout level, fills its reels exactly, and stores the return that the machine built
// from it really pays, counted over every stop combination with the pay-table matcher.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "PayScriptForm.h"
#include "PayTable.h"
#include "WizardDataSearch.h"
#include "WizardEntries.h"
#include "WizardPayout.h"

namespace {

const std::vector<std::string> kSymbolNames = {"Sym0",   "Sym1",    "Sym2", "Sym3",
                                               "Sym4",   "Cherry",  "Spoiler"};

ScriptLine Line(int32_t kind, const std::vector<std::string>& reels, int amount)
{
    ScriptLine line;
    line.kind = kind;
    for (const std::string& name : reels)
        line.items.push_back(name.empty() ? ScriptItem{PayTable::AnyBut, {}}
                                          : ScriptItem{PayTable::OneOf, {name}});
    line.payouts.push_back(Pays(amount));
    return line;
}

void AddGroupLines(const PayChoices& choices, int amount, std::vector<ScriptLine>& lines)
{
    for (const std::vector<int>& slots : GroupLineSlots(choices)) {
        std::vector<std::string> reels;
        for (int slot : slots)
            reels.push_back(kSymbolNames[slot]);
        lines.push_back(Line(PayTable::Plain, reels, amount));
    }
}

void AddCherryLines(const PayChoices& choices, const WizardTableEntry& entry,
                    std::vector<ScriptLine>& lines)
{
    const auto pay = [&](int k) { return static_cast<int>(entry.payouts[k]); };
    const std::string C = "Cherry";
    if (choices.reels == 4) {
        lines.push_back(Line(PayTable::BothWays, {C, "", "", ""}, pay(9)));
        lines.push_back(Line(PayTable::BothWays, {C, C, "", ""}, pay(8)));
        lines.push_back(Line(PayTable::BothWays, {C, C, C, ""}, pay(7)));
        lines.push_back(Line(PayTable::Plain, {C, C, C, C}, pay(6)));
    } else {
        lines.push_back(Line(PayTable::BothWays, {C, "", ""}, pay(9)));
        lines.push_back(Line(PayTable::BothWays, {C, C, ""}, pay(8)));
        lines.push_back(Line(PayTable::Plain, {C, C, C}, pay(7)));
    }
}

// The pay table of the machine that the wizard writes for the entry, one coin bet.
PayTable MachinePayTable(const PayChoices& choices, const WizardTableEntry& entry)
{
    ScriptTable table;
    table.payoutMode = ScriptMode::HighestValue;
    if (choices.wild)
        table.joker = "Sym0";
    for (int slot = 0; slot < 5; ++slot)
        table.lines.push_back(Line(PayTable::Plain,
                                   std::vector<std::string>(choices.reels, kSymbolNames[slot]),
                                   static_cast<int>(entry.payouts[slot])));
    if (choices.GroupsInForce())
        AddGroupLines(choices, static_cast<int>(entry.payouts[5]), table.lines);
    if (choices.cherry)
        AddCherryLines(choices, entry, table.lines);
    PayTable payTable;
    payTable.Assign(table, kSymbolNames);
    return payTable;
}

// One reel's strip as slot numbers, the slots in order.
std::vector<int32_t> Strip(const WizardTableEntry& entry)
{
    std::vector<int32_t> strip;
    for (int slot = 0; slot < kSymbolSlots; ++slot)
        strip.insert(strip.end(), entry.stops[slot], slot);
    return strip;
}

// What the machine pays for every line of symbol slots (index: the slots as digits of
// base 7, reel 0 first), through its own matcher.
std::vector<int64_t> PaidPerLine(const PayChoices& choices, const WizardTableEntry& entry)
{
    const PayTable table = MachinePayTable(choices, entry);
    const int n = choices.reels;
    std::vector<int64_t> paid;
    std::vector<int32_t> line(n, 0);
    for (;;) {
        PayTable::Payout payout;
        int32_t row = -1;
        paid.push_back(table.FindWinningLine(line, 1, payout, row) ? payout.amount : 0);
        int reel = n - 1;
        while (reel >= 0 && ++line[reel] == kSymbolSlots)
            line[reel--] = 0;
        if (reel < 0)
            return paid;
    }
}

// The return over every stop combination of the reels: the coins the machine pays for
// each, divided by the number of combinations.
double CountedReturn(const PayChoices& choices, const WizardTableEntry& entry)
{
    const std::vector<int64_t> paid = PaidPerLine(choices, entry);
    const std::vector<int32_t> strip = Strip(entry);
    int64_t coins = 0, combinations = 0;
    const int fourth = choices.reels == 4 ? kStopsPerReel : 1;
    for (int s0 = 0; s0 < kStopsPerReel; ++s0)
        for (int s1 = 0; s1 < kStopsPerReel; ++s1)
            for (int s2 = 0; s2 < kStopsPerReel; ++s2) {
                const int first = (strip[s0] * 7 + strip[s1]) * 7 + strip[s2];
                for (int s3 = 0; s3 < fourth; ++s3) {
                    coins += paid[choices.reels == 4 ? first * 7 + strip[s3] : first];
                    ++combinations;
                }
            }
    return static_cast<double>(coins) / static_cast<double>(combinations);
}

WizardPayout PayoutFor(const std::vector<uint8_t>& file, unsigned key, unsigned level)
{
    WizardPayout payout;
    payout.table.assign(file.begin() + 4, file.end());
    payout.SetPayoutLevel(level);
    payout.SetChoices(PayChoices::FromKey(key));
    return payout;
}

class WizardData : public ::testing::Test {
protected:
    static void SetUpTestSuite() { file_ = new std::vector<uint8_t>(BuildWizardTable(&misses_)); }
    static void TearDownTestSuite() { delete file_; }
    static std::vector<uint8_t>* file_;
    static std::vector<int> misses_;
};
std::vector<uint8_t>* WizardData::file_ = nullptr;
std::vector<int> WizardData::misses_;

TEST_F(WizardData, EveryReachableKeyHasAnAcceptedEntryAtEveryLevel)
{
    EXPECT_TRUE(misses_.empty());
    int reachable = 0;
    for (unsigned key = 0; key < kPayKeys; ++key)
        for (unsigned level = 0; level < 4; ++level) {
            WizardPayout payout = PayoutFor(*file_, key, level);
            if (!PayChoices::IsReachable(key)) {
                // The choices never produce the key; its entry is refused all the same.
                EXPECT_FALSE(payout.IsAcceptable(EntryAt(*file_, key, level).expectedReturn)) << key;
                continue;
            }
            ASSERT_EQ(static_cast<int>(level + 4 * key), payout.TableIndex());
            EXPECT_TRUE(payout.LookupStops()) << "key " << key << " level " << level;
            ++reachable;
            // Inside the band itself, not only within the tolerance.
            EXPECT_GE(payout.total, payout.lowBound) << key;
            EXPECT_LE(payout.total, payout.highBound) << key;
        }
    // No lone member, and no wild jackpot symbol in a group.
    EXPECT_EQ(4 * (27 + 12) * 8, reachable);
}

TEST_F(WizardData, EntriesFillTheReelsWithTheChosenSymbolsOnly)
{
    ForEachReachableEntry(*file_, [](unsigned key, const PayChoices& choices, unsigned,
                                     const WizardTableEntry& entry) {
        int stops = 0;
        for (uint8_t count : entry.stops)
            stops += count;
        EXPECT_EQ(kStopsPerReel, stops) << key;
        for (int slot = 0; slot < 5; ++slot)
            EXPECT_GE(entry.stops[slot], 1) << key;
        EXPECT_EQ(choices.cherry, entry.stops[5] > 0) << key;
        // Without a spoiler, spoiler stops only as the 13 blanks of the strips.
        if (!choices.spoiler) {
            EXPECT_TRUE(entry.stops[6] == 0 || entry.stops[6] == 13) << key;
        } else {
            EXPECT_GE(entry.stops[6], 1) << key;
        }
        // Paying symbols in falling order; whole coins (one-line machines pay "*n").
        for (int slot = 1; slot < 5; ++slot)
            EXPECT_GT(entry.payouts[slot - 1], entry.payouts[slot]) << key;
        for (float pay : entry.payouts)
            EXPECT_EQ(std::floor(pay), pay) << key;
    });
}

TEST_F(WizardData, StoredReturnIsWhatTheMachinePaysOverEveryStopCombination)
{
    ForEachReachableEntry(*file_, [](unsigned key, const PayChoices& choices, unsigned level,
                                     const WizardTableEntry& entry) {
        const double counted = CountedReturn(choices, entry);
        EXPECT_NEAR(counted, entry.expectedReturn, 1e-4) << "key " << key << " level " << level;

        // The document's own computation gives the same, exactly for the closed forms.
        WizardPayout payout = PayoutFor(*file_, key, level);
        payout.LookupStops();
        payout.ComputeProbabilities();
        payout.ComputeTotals();
        EXPECT_NEAR(counted, payout.total, choices.wild ? 1e-12 : 1e-13) << key;
    });
}

}  // namespace
