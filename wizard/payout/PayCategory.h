// The eleven pay categories of a wizard machine and the lines that the generated machine
// pays them by: which categories a line of symbol slots matches, and which of them the
// machine pays (the highest amount wins; the jackpot wins outright).
//
// A wizard machine's pay table holds, in this order: a full line of each of slots 0-4 (a
// wild jackpot symbol stands in on every reel), with a group in force one line for every
// mix of members that is not all one symbol, and with the cherry the cherry lines read
// from either side ("any" takes every symbol, the wild counts as a cherry).
#pragma once
#include <cstdint>

#include "PayChoices.h"

enum PayCategory {
    kJackpotLine = 0,   // 1-4: a full line of that slot
    kGroupLine = 5,     // members, not all one symbol, no wild
    kFourCherries = 6,  // four reels only
    kThreeCherries = 7,
    kTwoCherries = 8,
    kOneCherry = 9,
    kWildGroupLine = 10,  // a group line with at least one wild
};

// Bit k set: the line of slots (one per reel, slot 6 the spoiler) matches a line of
// category k.
uint32_t MatchedCategories(const PayChoices& choices, const int* slots);

// The category that the machine pays for a line matching `matched`, given the pay per
// category (the group lines pay pay[5], whether wilds complete them or not); -1 when
// nothing matches. Equal amounts go to the lower category.
int WinningCategory(uint32_t matched, const double* pay);
