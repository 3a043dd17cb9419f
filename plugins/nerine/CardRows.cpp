#include "CardRows.h"

namespace {

CardRow JackpotRow(const CardFacts& facts)
{
    const CardAmounts& jackpot = facts.records[0];
    CardRow row;
    row.symbols.assign(facts.reels, 0);
    row.amount = CoinText(jackpot.words[1]);
    row.note = "on " + std::to_string(facts.maxBet) + " coins, else " + CoinText(jackpot.words[0]) +
               (facts.payLines == 1 ? " a coin" : "");
    row.wild = jackpot.wild != 0;
    return row;
}

void AddCherryRows(std::vector<CardRow>& rows, const CardFacts& facts)
{
    const CardAmounts& cherry = facts.records[kCherrySlot];
    for (int cherries = facts.reels; cherries >= 1; --cherries) {
        CardRow row;
        for (int reel = 0; reel < facts.reels; ++reel)
            row.symbols.push_back(reel < cherries ? kCherrySlot : kAnySymbol);
        row.amount = CoinText(cherry.words[facts.reels - cherries]);
        if (cherries < facts.reels)
            row.note = "from either side";
        rows.push_back(row);
    }
}

}  // namespace

std::string CoinText(int64_t coins)
{
    std::string digits = std::to_string(coins < 0 ? -coins : coins);
    for (int at = int(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(std::string::size_type(at), ",");
    return coins < 0 ? "-" + digits : digits;
}

std::vector<CardRow> CardRowsFor(const CardFacts& facts)
{
    std::vector<CardRow> rows{JackpotRow(facts)};
    for (int slot = 1; slot <= 4; ++slot) {
        CardRow row;
        row.symbols.assign(facts.reels, slot);
        row.amount = CoinText(facts.records[slot].words[0]);
        rows.push_back(row);
    }
    if (facts.groupPayout > 0) {
        CardRow row;
        row.label = "Any mix of " + (facts.groupName.empty() ? std::string("the group") : facts.groupName);
        row.amount = CoinText(facts.groupPayout);
        rows.push_back(row);
    }
    if (facts.cherry)
        AddCherryRows(rows, facts);
    return rows;
}

std::string CardSubtitle(const CardFacts& facts)
{
    const std::string lines = facts.payLines == 1 ? "1 pay line" : std::to_string(facts.payLines) + " pay lines";
    return std::to_string(facts.reels) + " reels  \xB7  " + lines + "  \xB7  up to " +
           std::to_string(facts.maxBet) + " coins  \xB7  wins pay per coin";
}
