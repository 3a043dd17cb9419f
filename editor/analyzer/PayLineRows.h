// The pay lines a spin is judged on: which row of each reel a line reads, which lines
// count and for how many coins.
//
// Each reel shows three rows around its stop s: s, s - 1 and s + 1 (modulo the stops).
// Line 0 reads every reel at s, line 1 at s - 1, line 2 at s + 1; line 3 reads reel 0 at
// s - 1, reel 1 at s and reel 2 at s + 1, and line 4 the other diagonal. The diagonals
// are drawn over the first three reels; further reels keep the row that line 2 gave
// them, s + 1.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "AnalyzedMachine.h"

// Lines past this one are never judged.
constexpr int32_t kJudgedLineLimit = 5;

struct JudgedLine {
    int32_t line = 0;
    int32_t coins = 0;  // the bet the line is matched for
};

// The row offset (-1, 0 or +1) that a line reads on a reel.
int32_t RowOffset(int32_t line, int32_t reel);

// The symbols of one pay line for the given stops, one per reel.
void FillRowSymbols(const AnalyzedMachine& machine, std::vector<int32_t>& symbols,
                    const std::vector<int32_t>& stops, int32_t line);

// One pay line is matched for the maximum bet; three or five lines each for their number
// plus one coins; any other count judges nothing. A line whose coins pass the maximum
// bet, and a diagonal on a machine of fewer than three reels, is left out.
std::vector<JudgedLine> JudgedLines(const AnalyzedMachine& machine);

// The coins a line's payouts are read for (the maximum bet with one pay line).
int32_t LineCoins(const AnalyzedMachine& machine, int32_t line);

// One sentence for each line that JudgedLines leaves out, saying why.
std::vector<std::string> SkippedLineNotes(const AnalyzedMachine& machine);
