// The draws that make a loaded machine pay its best line: the symbol that pays most when
// every reel shows it, and for each reel the draw that stops it with that symbol on the
// pay line (a weighted draw lands on the stop whose weights begin at the value drawn).
#pragma once
#include <cstdint>
#include <vector>

#include "MachineRecords.h"

struct BestLine {
    int32_t symbol = -1;
    int32_t amount = 0;  // coins at the maximum bet
};

inline BestLine FindBestLine(const MachineRecords& records) {
    BestLine best;
    for (int32_t symbol = 0; symbol < int32_t(records.symbolNames.size()); ++symbol) {
        const std::vector<int32_t> line(records.strips.size(), symbol);
        PayTable::Payout payout;
        int32_t row = 0;
        if (records.payTable.FindWinningLine(line, records.maxBet, payout, row) && payout.type == PayTable::Amount &&
            payout.amount > best.amount)
            best = BestLine{symbol, payout.amount};
    }
    return best;
}

inline std::vector<uint32_t> DrawsStoppingOn(const MachineRecords& records, int32_t symbol) {
    std::vector<uint32_t> values;
    for (const ReelStripRecord& strip : records.strips) {
        uint32_t before = 0;
        for (const StripStop& stop : strip.stops) {
            if (stop.symbol == symbol) break;
            before += uint32_t(stop.weight);
        }
        values.push_back(before);
    }
    return values;
}
