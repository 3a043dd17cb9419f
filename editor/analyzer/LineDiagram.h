// One pay line judged over every distinct combination of the symbols its reels can show.
//
// WalkLine visits each combination once, reel 0 first, and matches it against the pay
// table. A combination stands for all the stops that show it, so its weight is the
// product of its symbols' weights on the line's rows; the winning row's hits grow by it.
//
// On the way the walk folds the combinations into a decision diagram of the line's
// outcome: the nodes of reel k are the distinct ways the rest of the line can still
// turn out once the symbols of reels 0 to k - 1 are known. Combinations that end alike
// share nodes, so the diagram stays small, and it can be followed reel by reel together
// with the diagrams of the other lines.
#pragma once
#include <cstdint>
#include <vector>

#include "AnalyzedMachine.h"
#include "PayLineRows.h"
#include "PayoutCounts.h"
#include "ReelAlphabet.h"

struct LineDiagram {
    static constexpr int32_t kLoses = 0;  // the leaves, past the last reel
    static constexpr int32_t kWins = 1;

    int32_t root = 0;  // a node of reel 0
    // Per reel: node × alphabet size + the shown symbol's position gives the node of the
    // next reel (a leaf after the last).
    std::vector<std::vector<int32_t>> next;

    int32_t Follow(int32_t reel, int32_t node, int32_t position, size_t alphabetSize) const {
        return next[reel][static_cast<size_t>(node) * alphabetSize + position];
    }
};

LineDiagram WalkLine(const AnalyzedMachine& machine, const std::vector<ReelAlphabet>& alphabets,
                     const JudgedLine& line, PayoutCounts& counts);
