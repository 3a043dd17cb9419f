#include "ReelAlphabet.h"

std::vector<ReelAlphabet> ReelAlphabets(const AnalyzedMachine& machine) {
    std::vector<ReelAlphabet> alphabets(machine.strips.size());
    for (size_t reel = 0; reel < machine.strips.size(); ++reel) {
        ReelAlphabet& alphabet = alphabets[reel];
        alphabet.position.assign(machine.symbols.size(), -1);
        for (const AnalyzedStop& stop : machine.strips[reel]) alphabet.position[stop.symbol] = 0;
        for (size_t symbol = 0; symbol < machine.symbols.size(); ++symbol) {
            if (alphabet.position[symbol] < 0) continue;
            alphabet.position[symbol] = static_cast<int32_t>(alphabet.symbols.size());
            alphabet.symbols.push_back(static_cast<int32_t>(symbol));
        }
    }
    return alphabets;
}

int32_t RowPosition(const AnalyzedMachine& machine, int32_t reel, int32_t stop, int32_t offset,
                    const ReelAlphabet& alphabet) {
    const int32_t n = machine.stopCount;
    return alphabet.position[machine.strips[reel][(stop + offset + n) % n].symbol];
}

std::vector<int64_t> OffsetWeights(const AnalyzedMachine& machine, int32_t reel, int32_t offset,
                                   const ReelAlphabet& alphabet) {
    std::vector<int64_t> weights(alphabet.Size(), 0);
    for (int32_t stop = 0; stop < machine.stopCount; ++stop)
        weights[RowPosition(machine, reel, stop, offset, alphabet)] += machine.strips[reel][stop].weight;
    return weights;
}
