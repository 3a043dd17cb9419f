#include "PayScale.h"

#include <cmath>

#include "PayCategory.h"

namespace {

int Scaled(double weight, double scale, int least)
{
    const int value = static_cast<int>(std::lround(weight * scale));
    return value > least ? value : least;
}

void SetCherryPays(const PayChoices& choices, std::array<int, kPayCategories>& pay)
{
    if (!choices.cherry)
        return;
    pay[kOneCherry] = 2;
    pay[kTwoCherries] = 5;
    if (choices.reels == 4) {
        pay[kThreeCherries] = 10;
        pay[kFourCherries] = 20;
    } else {
        pay[kThreeCherries] = 20;
    }
}

}  // namespace

std::array<int, kPayCategories> ScaledPays(const PayChoices& choices, int jackpot, double scale)
{
    std::array<int, kPayCategories> pay{};
    pay[4] = 5;
    pay[3] = Scaled(3, scale, 6);
    pay[2] = Scaled(8, scale, pay[3] + 1);
    pay[1] = Scaled(25, scale, pay[2] + 1);
    if (pay[1] >= jackpot)
        pay[1] = jackpot - 1;
    pay[0] = jackpot;
    if (choices.GroupsInForce()) {
        int cheapest = pay[0];
        for (int slot = 0; slot < 5; ++slot)
            if (choices.members >> slot & 1 && pay[slot] < cheapest)
                cheapest = pay[slot];
        const int group = Scaled(1, scale, 1);
        pay[kGroupLine] = group < cheapest ? group : cheapest - 1;
        if (choices.wild)
            pay[kWildGroupLine] = pay[kGroupLine];
    }
    SetCherryPays(choices, pay);
    return pay;
}
