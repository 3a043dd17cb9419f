// What an award card lists, row by row: the pictures of a winning line (a symbol slot per
// reel, or "any") and what it pays. Needs no platform.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

constexpr int kAnySymbol = -1;
constexpr int kCherrySlot = 5;

struct CardRow {
    std::vector<int> symbols;  // per reel: a slot 0-5 or kAnySymbol; empty for the group row
    std::string label;         // the group row's text
    std::string amount;
    std::string note;          // small print under the amount
    bool wild = false;         // the jackpot symbol is wild
};

// The amounts of one record, as the card receives them.
struct CardAmounts {
    int32_t words[4];
    int32_t wild;
};

struct CardFacts {
    int32_t reels = 3;
    int32_t maxBet = 5;
    int32_t payLines = 1;
    bool cherry = false;
    int32_t groupPayout = 0;
    std::string groupName;
    CardAmounts records[6] = {};
};

// A count of coins with thousands groups ("12,500").
std::string CoinText(int64_t coins);

std::vector<CardRow> CardRowsFor(const CardFacts& facts);

// The line under the title: reels, pay lines and the maximum bet.
std::string CardSubtitle(const CardFacts& facts);
