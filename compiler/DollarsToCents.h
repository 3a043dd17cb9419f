// Dollar amounts written in a machine script, turned into whole cents.
#pragma once
#include <cstdint>

// Rounds to the nearest cent (0.29 is 29 cents, 1.15 is 115). False when the amount is
// negative, not a number, or does not fit a signed 32-bit count of cents.
bool DollarsToCents(double dollars, int32_t& cents);
