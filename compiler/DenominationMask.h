// The denominations a machine file can offer: a bit mask over the sixteen coin values of
// the game's denomination table, of which six can be stored in a machine file.
#pragma once
#include <cstdint>
#include <vector>

#include "Money.h"

// The mask of a machine's denominations: bit 1 for 5 cents, 3 for 25, 5 for 100, 7 for 500,
// 10 for 2500 and 12 for 10000; other values set no bit. An empty list counts as the one
// denomination of 100 cents.
uint32_t DenominationMask(const std::vector<Money>& denominations);
