// The lines of a built-in machine's award card, read from its pay table: what each line
// says in words, the symbols it shows and what it pays for one coin and for the largest
// bet, and, for a machine with a wild symbol, the line that says so and the lines it does
// not stand in on.
#pragma once
#include <string>
#include <vector>

#include "ScriptPayTable.h"

namespace content {

struct CardLine {
    std::string words;                 // before the symbols ("ANY 4")
    std::vector<std::string> symbols;  // left to right; an empty name is "any symbol"
    std::string single, most;          // "BONUS" for a payout its script computes, "JACKPOT"
                                       // for one that pays the progressive jackpot
    std::string after;                 // after the symbols, in place of the amounts ("IS WILD")
    std::string without;               // the wild symbol, struck out, where it stands in on no reel
};

// Every line of the pay table in its order, then the wild symbol's line when there is one.
// `symbols` are the machine's: an item of the form "any symbol but these" shows the ones it
// takes.
std::vector<CardLine> AwardCardLines(const ScriptPayTable& table, const std::vector<std::string>& symbols, int reels,
                                     int maxBet);

}  // namespace content
