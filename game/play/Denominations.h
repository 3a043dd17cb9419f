// The sixteen coin values a machine can play, in cents, each with its flag (1 shifted left
// by its position) in a machine's denomination mask.
#pragma once
#include <cstdint>

#include "Money.h"

const int kDenominationCount = 16;

// The table value of a flag; 0 when the flag is not in the table.
Money GetDenominationValue(uint32_t flag);
// The flag of a value; 0 when the value is not in the table.
uint32_t GetDenominationFlag(Money value);
// The next value after current, wrapping after the last, whose flag is in the mask;
// current itself when it is not a table value or the only one of the mask.
Money NextDenomination(Money current, uint32_t mask);
// The position of the denomination among the mask's own (counted from 0 among the lowest
// 31 bits); -1 when it is not one of them.
int GetDenominationIndex(Money denomination, uint32_t mask);
// Whether the mask accepts the value.
inline bool IsDenominationAllowed(Money value, uint32_t mask) { return (GetDenominationFlag(value) & mask) != 0; }
