// The generated wizard data against the payout analyzer: the one-line machine of every
// entry, written as the wizard writes its reels and payouts, is analysed, and the coins
// the analyzer counts give the entry's stored return.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "AnalyzerRuns.h"
#include "WizardDataSearch.h"
#include "WizardEntries.h"

namespace {

const char* const kNames[] = {"Sym0", "Sym1", "Sym2", "Sym3", "Sym4", "Cherry", "Spoiler"};

std::string Pays(double value)
{
    return "*" + std::to_string(static_cast<long>(value)) + "\n";
}

std::string JackpotPays(double jackpot)
{
    std::string text;
    for (int coins = 1; coins <= 5; ++coins) {
        const double factor = coins == 5 ? 5 : 0.8 * coins;
        text += (coins > 1 ? ", " : "") + std::to_string(static_cast<long>(std::floor(factor * jackpot + 0.1)));
    }
    return text + "\n";
}

std::string Strips(const PayChoices& choices, const WizardTableEntry& entry)
{
    std::string reel = "Reel\n    {\n";
    for (int slot = 0; slot < kSymbolSlots; ++slot)
        for (int stop = 0; stop < entry.stops[slot]; ++stop)
            reel += std::string("        ") + kNames[slot] + "    1\n";
    reel += "    }\n";
    std::string text = "Reels " + std::to_string(choices.reels) + " 26{\n";
    for (int r = 0; r < choices.reels; ++r)
        text += reel;
    return text + "}\n";
}

std::string GroupLines(const PayChoices& choices, const WizardTableEntry& entry)
{
    std::string text;
    for (const std::vector<int>& slots : GroupLineSlots(choices)) {
        for (int slot : slots)
            text += std::string(kNames[slot]) + " ";
        text += Pays(entry.payouts[5]);
    }
    return text;
}

std::string CherryLines(const PayChoices& choices, const WizardTableEntry& entry)
{
    if (choices.reels == 4)
        return "BothWays Cherry    any    any any " + Pays(entry.payouts[9]) +
               "BothWays Cherry Cherry    any any " + Pays(entry.payouts[8]) +
               "BothWays Cherry Cherry Cherry any " + Pays(entry.payouts[7]) +
               "all Cherry                        " + Pays(entry.payouts[6]);
    return "BothWays Cherry any    any " + Pays(entry.payouts[9]) +
           "BothWays Cherry Cherry any " + Pays(entry.payouts[8]) +
           "all Cherry                 " + Pays(entry.payouts[7]);
}

// The one-line machine the wizard makes of the entry, with a playable Art block.
std::string OneLineScript(const PayChoices& choices, const WizardTableEntry& entry)
{
    std::string text = "Title \"Wizard\"\n" + Strips(choices, entry) +
                       "Denominations\n{\n  .25, 1, 5, 25, 100\n}\nPayLines 1\nMaxBet 5\n"
                       "Payouts HighestValue\n" + (choices.wild ? "Joker Sym0\n" : "") + "{\n" +
                       "all Sym0     " + JackpotPays(entry.payouts[0]);
    for (int slot = 1; slot < 5; ++slot)
        text += "all Sym" + std::to_string(slot) + "     " + Pays(entry.payouts[slot]);
    if (choices.GroupsInForce())
        text += GroupLines(choices, entry);
    if (choices.cherry)
        text += CherryLines(choices, entry);
    std::vector<std::string> shown;
    for (int slot = 0; slot < kSymbolSlots; ++slot)
        if (entry.stops[slot] > 0)
            shown.push_back(kNames[slot]);
    return text + "}\n" + PlayableArt(shown);
}

// The number after "Won: " in the report, its digit groups joined.
double Won(const std::string& report)
{
    const std::size_t at = report.find("Won: ");
    if (at == std::string::npos)
        return -1;
    std::string digits;
    for (std::size_t i = at + 5; i < report.size() && report[i] != '\n'; ++i)
        if (report[i] >= '0' && report[i] <= '9')
            digits += report[i];
    return std::stod(digits);
}

TEST(WizardAnalyzer, OneLineMachinesReturnWhatTheirEntriesStore)
{
    ForEachReachableEntry(BuildWizardTable(), [](unsigned key, const PayChoices& choices,
                                                 unsigned level, const WizardTableEntry& entry) {
        const AnalyzerRun run = Analyze(OneLineScript(choices, entry));
        ASSERT_TRUE(run.analyzed) << run.messages;
        const double spent = 5 * std::pow(26.0, choices.reels);
        EXPECT_NEAR(entry.expectedReturn, Won(run.messages) / spent, 1e-4)
            << "key " << key << " level " << level << "\n" << run.messages;
    });
}

}  // namespace
