// The search behind the wizard data file: for every combination of choices that the
// wizard's pages can produce and every payout level, stop counts and payouts whose exact
// return lies in the level's band.
//
// Every configuration fills the 26 stops of a reel exactly, so the generated strips hold
// nothing else: slots 0-4 occupy at least one stop each, rarer toward the jackpot; the
// cherry occupies 1-5 stops when chosen and none otherwise; a spoiler occupies 1-16 stops
// when chosen and otherwise none or 13 (which the strips show as blanks). The paying
// symbols pay in falling order from the jackpot down to 5 for slot 4, a group line pays
// less than a full line of any member, and the cherries pay 2, 5, 10 and 20 (one, two,
// three and all from a side). All payouts are whole coins.
#pragma once
#include <cstdint>
#include <vector>

#include "PayChoices.h"
#include "WizardTableEntry.h"

struct SearchedEntry {
    WizardTableEntry entry;
    bool inBand = false;  // false: no configuration fits; the entry comes closest
};

// The configurations of one key for all four payout levels (the key must be reachable).
std::vector<SearchedEntry> SearchKey(unsigned key);

// The whole data file: the magic and the 2048 entries. Unreachable keys get entries with
// a return of 0, which no level accepts. `misses` (optional) receives the indexes of
// reachable entries that could not be placed in their band.
std::vector<uint8_t> BuildWizardTable(std::vector<int>* misses = nullptr);
