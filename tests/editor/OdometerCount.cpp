#include "OdometerCount.h"

#include "PayLineRows.h"

namespace {

// Moves to the next combination; false after the last.
bool Advance(std::vector<int32_t>& stops, int32_t stopCount) {
    ++stops[0];
    for (size_t digit = 0; stops[digit] == stopCount; ++digit) {
        if (digit + 1 == stops.size()) return false;
        stops[digit] = 0;
        ++stops[digit + 1];
    }
    return true;
}

}  // namespace

PayoutCounts CountByOdometer(const AnalyzedMachine& machine) {
    PayoutCounts counts = EmptyCounts(machine);
    const std::vector<JudgedLine> lines = JudgedLines(machine);
    std::vector<int32_t> stops(static_cast<size_t>(machine.reelCount), 0);
    std::vector<int32_t> symbols;
    stops[0] = -1;
    while (Advance(stops, machine.stopCount)) {
        int64_t weight = 1;
        for (int32_t reel = 0; reel < machine.reelCount; ++reel)
            weight *= machine.strips[reel][stops[reel]].weight;
        bool won = false;
        for (const JudgedLine& line : lines) {
            FillRowSymbols(machine, symbols, stops, line.line);
            PayTable::Payout payout;
            int32_t row = -1;
            if (!machine.payTable.FindWinningLine(symbols, line.coins, payout, row)) continue;
            counts.hits[row][line.line] += weight;
            won = true;
        }
        if (won) counts.winningSpins += weight;
    }
    return counts;
}
