// The reference count: every combination of stops visited one by one, as an odometer
// whose digit 0 is the first reel, each judged line matched against the pay table.
// Slow (stops to the power of reels), plain, and what the grouped count must equal.
#pragma once
#include "AnalyzedMachine.h"
#include "PayoutCounts.h"

PayoutCounts CountByOdometer(const AnalyzedMachine& machine);
