// What a machine holds for a player besides the player's cash, kept with the cash as one
// stored value so that a program killed at any moment leaves either the old or the new
// state behind: the money held (credits and coins bet), the spin at stake on the machine,
// and the scriptlet lines of a spin cut short, which that machine evaluates when it is next
// opened. Platform-free.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "HeldSpin.h"
#include "Money.h"

struct Holding {
    Money held;
    std::optional<HeldSpin> spin;
    std::optional<HeldSpin> pending;
};

// The stored form: 32-bit little-endian words held and cash, then each record there is
// (spin, then pending) as its tag (1 spin, 2 pending), bet, denomination, table win, flags
// (1: scriptlet lines), reel count, the stops, the name's length and the name's bytes.
// The first two words alone are the form of a holding without records.
std::vector<uint8_t> EncodeHolding(const Holding& holding, Money cash);
// False, with nothing read, for data of any other shape.
bool DecodeHolding(const uint8_t* data, size_t size, Holding& holding, Money& cash);

// The cash of a player whose program stopped while a machine held money: the held money
// back, less the bet of the spin at stake, plus what its stops pay by the table; an amount
// beyond the 32-bit range stops at its end.
Money CashAfterRestart(const Holding& holding, Money cash);
