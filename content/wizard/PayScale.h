// The payouts of a configuration as one growing scale: every payout that the search sets
// grows with the scale (slot 4 and the cherries keep their fixed pays), in falling order
// from the jackpot down, and the group pays less than its cheapest member.
#pragma once
#include <array>

#include "PayChoices.h"
#include "WizardTableEntry.h"

std::array<int, kPayCategories> ScaledPays(const PayChoices& choices, int jackpot, double scale);
