#include "PayCategory.h"

namespace {

constexpr int kCherrySlot = 5;

struct Line {
    const PayChoices& choices;
    const int* slots;

    bool IsWild(int reel) const { return choices.wild && slots[reel] == 0; }
    bool IsCherry(int reel) const { return slots[reel] == kCherrySlot || IsWild(reel); }

    bool IsFullLine(int slot) const
    {
        for (int reel = 0; reel < choices.reels; ++reel)
            if (slots[reel] != slot && !IsWild(reel))
                return false;
        return true;
    }

    // Every reel shows a member or the wild, and the wilds can be read as members so
    // that the line is not all one symbol (a group has at least two members).
    bool IsGroupLine(bool& withWild) const
    {
        int first = -1;
        bool mixed = false;
        withWild = false;
        for (int reel = 0; reel < choices.reels; ++reel) {
            if (IsWild(reel)) {
                withWild = true;
                continue;
            }
            const int slot = slots[reel];
            if (slot > 4 || !(choices.members >> slot & 1))
                return false;
            if (first < 0)
                first = slot;
            else if (slot != first)
                mixed = true;
        }
        return mixed || withWild;
    }

    // Cherries counted from one side: the longest run from the left or the right.
    int CherriesFromSide() const
    {
        const int n = choices.reels;
        int left = 0, right = 0;
        while (left < n && IsCherry(left))
            ++left;
        while (right < n && IsCherry(n - 1 - right))
            ++right;
        return left > right ? left : right;
    }
};

uint32_t Bit(int category)
{
    return 1u << category;
}

}  // namespace

uint32_t MatchedCategories(const PayChoices& choices, const int* slots)
{
    const Line line{choices, slots};
    uint32_t matched = 0;
    for (int slot = 0; slot < 5; ++slot)
        if (line.IsFullLine(slot))
            matched |= Bit(slot);
    bool withWild = false;
    if (choices.GroupsInForce() && line.IsGroupLine(withWild))
        matched |= Bit(withWild ? kWildGroupLine : kGroupLine);
    if (choices.cherry) {
        const int run = line.CherriesFromSide();
        const int all = choices.reels == 4 ? kFourCherries : kThreeCherries;
        if (run == choices.reels)
            matched |= Bit(all);
        else if (run >= 1)
            matched |= Bit(kOneCherry - (run - 1));
        // Shorter runs match as well (any pays): the highest of them is the longest.
        for (int shorter = 1; shorter < run && shorter < choices.reels; ++shorter)
            matched |= Bit(kOneCherry - (shorter - 1));
    }
    return matched;
}

int WinningCategory(uint32_t matched, const double* pay)
{
    if (matched & Bit(kJackpotLine))
        return kJackpotLine;
    int best = -1;
    double bestPay = 0;
    for (int k = 0; k < 11; ++k) {
        if (!(matched & Bit(k)))
            continue;
        const double amount = k == kWildGroupLine ? pay[kGroupLine] : pay[k];
        if (best < 0 || amount > bestPay) {
            best = k;
            bestPay = amount;
        }
    }
    return best;
}
