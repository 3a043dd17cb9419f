// What a machine holds for a player besides the player's cash, kept with the cash and the
// credit as one stored value so that a program killed at any moment leaves either the old
// or the new state behind: the money held (credits and coins bet), the spin at stake on the
// machine, and the scriptlet lines of each spin cut short, which its machine evaluates when
// it is next opened. Platform-free.
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
    // Waiting wins, each until its machine pays it, the oldest first.
    std::vector<HeldSpin> pending;
    // The player's credit (debt), written with the cash; none in a value stored before the
    // credit was kept there, whose credit is the one stored beside it.
    std::optional<Money> credit;
};

// The stored form: 32-bit little-endian words held and cash, then the records there are in
// this order: the spin (tag 1), each pending spin (tag 2), the credit (tag 3, one word). A
// spin record is its tag, bet, denomination, table win, flags (1: scriptlet lines, 2:
// jackpots follow), reel count, the stops, the name's length, the name's bytes and, with
// flag 2, the count of jackpots and each jackpot. The first two words alone are the form of
// a holding without records.
std::vector<uint8_t> EncodeHolding(const Holding& holding, Money cash);
// False, with nothing read, for data of any other shape.
bool DecodeHolding(const uint8_t* data, size_t size, Holding& holding, Money& cash);

// The cash of a player whose program stopped while a machine held money: the held money
// back, less the bet of the spin at stake, plus what its stops pay by the table; an amount
// beyond the 32-bit range stops at its end.
Money CashAfterRestart(const Holding& holding, Money cash);
