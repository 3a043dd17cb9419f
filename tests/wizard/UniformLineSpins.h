// A built machine file played through the rules of play: the machine file is loaded as
// the machine screen loads it, and for each symbol that every reel can show on the centre
// line, a one-coin spin is drawn to put that symbol on the centre line of every reel.
// What the play side pays is set beside what the script's own pay table says such a line
// pays (worked out here from the compiled script, not by the play side's pay table).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ScriptPayTable.h"

struct UniformLineSpin {
    std::string symbol;
    int32_t paid = 0;      // WinnerPaid after the spin
    int32_t expected = 0;  // the script's pay table for one coin
};

// Symbols skipped: the wild symbol, symbols some reel cannot show, and symbols whose line
// would pay by a scriptlet or by a counted item.
std::vector<UniformLineSpin> SpinEveryUniformLine(const std::string& slotPath, const ScriptPayTable& payouts);
