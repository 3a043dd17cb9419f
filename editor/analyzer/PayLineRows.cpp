#include "PayLineRows.h"

namespace {

bool JudgesLines(const AnalyzedMachine& machine) {
    return machine.payLineCount == 1 || machine.payLineCount == 3 || machine.payLineCount == 5;
}

bool IsDiagonal(int32_t line) { return line >= 3; }

}  // namespace

int32_t RowOffset(int32_t line, int32_t reel) {
    static const int32_t kDiagonals[2][3] = {{-1, 0, 1}, {1, 0, -1}};
    switch (line) {
    case 0:
        return 0;
    case 1:
        return -1;
    case 2:
        return 1;
    default:
        return reel < 3 ? kDiagonals[line - 3][reel] : 1;
    }
}

void FillRowSymbols(const AnalyzedMachine& machine, std::vector<int32_t>& symbols,
                    const std::vector<int32_t>& stops, int32_t line) {
    const int32_t n = machine.stopCount;
    symbols.resize(static_cast<size_t>(machine.reelCount));
    for (int32_t reel = 0; reel < machine.reelCount; ++reel) {
        const int32_t row = (stops[reel] + RowOffset(line, reel) + n) % n;
        symbols[reel] = machine.strips[reel][row].symbol;
    }
}

int32_t LineCoins(const AnalyzedMachine& machine, int32_t line) {
    return machine.payLineCount == 1 ? machine.maxBet : line + 1;
}

std::vector<JudgedLine> JudgedLines(const AnalyzedMachine& machine) {
    std::vector<JudgedLine> lines;
    if (!JudgesLines(machine)) return lines;
    for (int32_t line = 0; line < machine.payLineCount; ++line) {
        const int32_t coins = LineCoins(machine, line);
        if (coins > machine.maxBet || (IsDiagonal(line) && machine.reelCount < 3)) continue;
        lines.push_back({line, coins});
    }
    return lines;
}

std::vector<std::string> SkippedLineNotes(const AnalyzedMachine& machine) {
    std::vector<std::string> notes;
    if (!JudgesLines(machine)) return notes;
    for (int32_t line = 0; line < machine.payLineCount; ++line) {
        const std::string name = "Line " + std::to_string(line) + " is not counted: ";
        if (IsDiagonal(line) && machine.reelCount < 3)
            notes.push_back(name + "it needs three reels.");
        else if (LineCoins(machine, line) > machine.maxBet)
            notes.push_back(name + "it bets " + std::to_string(line + 1) +
                            " coins, more than the maximum bet of " +
                            std::to_string(machine.maxBet) + ".");
    }
    return notes;
}
