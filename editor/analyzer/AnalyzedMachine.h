// What the payout analyzer reads of a compiled machine: its shape, its reel strips with
// symbol numbers in place of names, and its run-time pay table.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "PayTable.h"

struct AnalyzedStop {
    int32_t symbol = 0;  // position in the machine's symbol list
    int32_t weight = 1;
};

struct AnalyzedMachine {
    int32_t reelCount = 0;
    int32_t payLineCount = 0;
    int32_t stopCount = 0;  // stops per reel, the same on every reel
    int32_t maxBet = 0;
    std::vector<std::string> symbols;              // in name order
    std::vector<std::vector<AnalyzedStop>> strips;  // one per reel, stopCount stops each
    PayTable payTable;
};
