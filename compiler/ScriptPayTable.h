// The pay table as a machine script writes it: payout lines with reel-symbol names, one
// source record per line, the wild symbol's name and the payout mode. The builder turns it
// into the run-time pay table, which holds symbol numbers instead of names.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "PayoutLineSource.h"

enum class PayoutMode : int32_t { BestMatch = 0, HighestValue = 1, AllMatches = 2 };

struct ScriptPayTable {
    struct PatternItem {
        // 0: the reel shows one of the symbols (the joker stands in); 1: counted item of
        // the any-count form; 2: any symbol but the listed ones (none listed: any symbol).
        int32_t kind = 0;
        std::vector<std::string> symbols;
    };

    struct Payout {
        int32_t type = 0;        // 0 amount in coins, 1 scriptlet
        std::string scriptlet;
        int32_t amount = 0;
    };

    struct PayoutLine {
        int32_t kind = 0;        // 0 plain, 1 BothWays
        std::vector<PatternItem> items;
        std::vector<Payout> payouts;  // one per bet level
    };

    std::vector<PayoutLine> lines;
    std::vector<PayoutLineSource> sources;  // parallel to lines
    std::string joker;                      // the wild symbol; empty for none
    PayoutMode payoutMode = PayoutMode::BestMatch;
};
