// The symbols one reel can show, and how much weight stands behind each when a pay line
// reads the reel at a given row offset.
#pragma once
#include <cstdint>
#include <vector>

#include "AnalyzedMachine.h"

struct ReelAlphabet {
    std::vector<int32_t> symbols;   // the distinct symbols of the strip, ascending
    std::vector<int32_t> position;  // by symbol number: its place in `symbols`, or -1

    size_t Size() const { return symbols.size(); }
};

std::vector<ReelAlphabet> ReelAlphabets(const AnalyzedMachine& machine);

// Per symbol of the alphabet, the total weight of the stops s whose row s + offset shows it.
std::vector<int64_t> OffsetWeights(const AnalyzedMachine& machine, int32_t reel, int32_t offset,
                                   const ReelAlphabet& alphabet);

// The alphabet position of the symbol that stop `stop` of the reel shows at `offset`.
int32_t RowPosition(const AnalyzedMachine& machine, int32_t reel, int32_t stop, int32_t offset,
                    const ReelAlphabet& alphabet);
