// The denomination a machine plays at: the game's table of sixteen coin values, the flag
// of each value in a machine's denomination mask, and the choice made when a machine is
// loaded from the player's current denomination and the machine's mask.
#pragma once
#include <cstdint>

// The coin value (cents) of a flag of the mask; 0 for a flag that is not one table bit.
int32_t GetDenominationValue(uint32_t flag);
// The flag of a coin value (cents); 0 for a value that is not in the table.
uint32_t GetDenominationFlag(int32_t cents);

// The flag to play at: the current flag when the mask has it; else the next lower flag the
// mask has; else, counting up from one dollar, the next higher one; else (every accepted
// denomination lies between the current one and a dollar) the lowest the mask has. An empty
// mask gives 0; the loader refuses such a machine before it asks.
uint32_t ChooseDenominationFlag(uint32_t mask, uint32_t currentFlag);
