// The denomination a machine plays at: the choice made when a machine is loaded from the
// player's current denomination and the machine's mask (the table of coin values and their
// flags is play's, Denominations.h).
#pragma once
#include <cstdint>

#include "Denominations.h"

// The flag to play at: the current flag when the mask has it; else the next lower flag the
// mask has; else, counting up from one dollar, the next higher one; else (every accepted
// denomination lies between the current one and a dollar) the lowest the mask has. An empty
// mask gives 0; the loader refuses such a machine before it asks.
uint32_t ChooseDenominationFlag(uint32_t mask, uint32_t currentFlag);
