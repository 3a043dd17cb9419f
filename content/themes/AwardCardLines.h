// The lines of a built-in machine's award card, read from its pay table: what each line
// says in words, the symbols it shows and what it pays for each bet, and, for a machine
// with a wild symbol, the line that says so and the lines it does not stand in on.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ScriptPayTable.h"

namespace content {

struct CardLine {
    std::string words;                 // before the symbols ("ANY 4")
    std::vector<std::string> symbols;  // left to right; an empty name is "any symbol"
    std::vector<std::string> amounts;  // for a bet of 1 coin up to the largest; "JACKPOT" for
                                       // a payout that pays the progressive jackpot
    std::string after;                 // after the symbols, in place of the amounts ("IS WILD")
    std::string without;               // the wild symbol, struck out, where it stands in on no reel
};

// What a payout that the script computes (its expression) pays for a bet of `coins`.
using ScriptedAmount = std::function<int32_t(const std::string& expression, int coins)>;

// Every line of the pay table in its order, then the wild symbol's line when there is one.
// `symbols` are the machine's: an item of the form "any symbol but these" shows the ones it
// takes.
std::vector<CardLine> AwardCardLines(const ScriptPayTable& table, const std::vector<std::string>& symbols, int reels,
                                     int maxBet, const ScriptedAmount& scripted);

// Whether every line pays each bet between 1 coin and the largest that many times what it
// pays for 1 coin, so that a card may show only those two columns and say so.
bool MiddleBetsPayPerCoin(const std::vector<CardLine>& lines);

}  // namespace content
