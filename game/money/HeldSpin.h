// A spin whose stops are drawn but which is not yet paid: what a program stopped in the
// middle of it needs at its next start to settle the spin as the stops decided it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Money.h"

struct HeldSpin {
    std::string machine;          // the machine file's name, without its folder
    int32_t bet = 0;              // coins bet on the spin
    Money denomination;           // the value of one coin
    std::vector<int32_t> stops;   // the stop drawn for each reel, reel 0 first
    int32_t tableWin = 0;         // coins the pay table's amounts pay on those stops
    bool scriptletLines = false;  // a played line pays by a scriptlet, evaluated by the machine
    // The progressive jackpots (cents) the spin's scriptlets took, in the order taken: the
    // meter is back at its seed, so the scriptlets evaluated again are given these.
    std::vector<int32_t> jackpots;

    bool operator==(const HeldSpin& o) const {
        return machine == o.machine && bet == o.bet && denomination == o.denomination && stops == o.stops &&
               tableWin == o.tableWin && scriptletLines == o.scriptletLines && jackpots == o.jackpots;
    }
};
