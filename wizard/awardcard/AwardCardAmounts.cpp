#include "AwardCardAmounts.h"

#include "MachineText.h"

AwardAmounts ComputeAwardAmounts(const WizardPayout& payout)
{
    AwardAmounts amounts{};
    const auto& pay = payout.pay;
    const int32_t maxBet = MaxBetForLines(payout.payLines);
    amounts[0][0] = WholeCoins(0.8 * pay[0]);
    amounts[0][1] = WholeCoins(pay[0]) * (payout.payLines == 1 ? maxBet : 1);
    amounts[0][4] = payout.wild ? 1 : 0;
    for (int slot = 1; slot <= 4; ++slot)
        amounts[slot][0] = WholeCoins(pay[slot]);
    if (payout.cherry) {
        // Four cherries on four reels; on three reels the cherries start at three.
        const int first = payout.reelCount == 4 ? 6 : 7;
        for (int k = first; k <= 9; ++k)
            amounts[5][k - first] = WholeCoins(pay[k]);
    }
    return amounts;
}

int32_t AwardGroupPayout(const WizardPayout& payout)
{
    int members = 0;
    for (uint8_t member : payout.groupMembers)
        members += member ? 1 : 0;
    const bool inForce = payout.groupsEnabled && members > 1;
    return inForce ? WholeCoins(payout.pay[5]) : 0;
}
