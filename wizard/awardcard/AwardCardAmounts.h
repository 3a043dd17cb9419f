// The amounts an award card shows, from the wizard's payouts: per paying symbol (Sym0 to
// Sym4, then Cherry) five words, and the group's payout. Needs no platform.
#pragma once
#include <array>
#include <cstdint>

#include "WizardPayout.h"

constexpr int kAwardSymbols = 6;
using AwardAmounts = std::array<std::array<int32_t, 5>, kAwardSymbols>;

// Sym0: the jackpot below the maximum bet, the full jackpot (times the maximum bet on a
// one-line machine), 0, 0, the wild flag. Sym1-Sym4: the line's payout. Cherry (only with
// the cherry flag): the cherry payouts from the most cherries down.
AwardAmounts ComputeAwardAmounts(const WizardPayout& payout);

// The group line's payout when groups are in force, else 0.
int32_t AwardGroupPayout(const WizardPayout& payout);
