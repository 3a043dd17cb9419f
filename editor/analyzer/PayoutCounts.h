// What the analysis of a machine counts. Every count is weighted: a combination of stops
// counts as the product of its stops' weights, so with weights of 1 everywhere the counts
// are plain numbers of combinations.
#pragma once
#include <cstdint>
#include <vector>

#include "AnalyzedMachine.h"

struct PayoutCounts {
    int64_t attempts = 0;      // every combination of stops
    int64_t winningSpins = 0;  // combinations on which any judged line wins
    // hits[row][line]: combinations on which the pay-table row wins the line.
    std::vector<std::vector<int64_t>> hits;
};

// The weighted attempts (WeightedAttempts), and every hit 0: one entry per pay-table row
// and judged line number.
PayoutCounts EmptyCounts(const AnalyzedMachine& machine);

// The product of the reels' weight totals; false when it does not fit in 63 bits (every
// weighted count is at most this product, so then nothing can be counted).
bool WeightedAttempts(const AnalyzedMachine& machine, int64_t& attempts);
