// The entries of a wizard data file as the tests walk them.
#pragma once
#include <cstdint>
#include <vector>

#include "PayChoices.h"
#include "WizardTableEntry.h"

inline WizardTableEntry EntryAt(const std::vector<uint8_t>& file, unsigned key, unsigned level)
{
    return WizardTableEntry::Decode(file.data() + 4 + WizardTableEntry::kBytes * (level + 4 * key));
}

// Calls visit(key, choices, level, entry) for the entries of every reachable key.
template <class Visit>
void ForEachReachableEntry(const std::vector<uint8_t>& file, Visit visit)
{
    for (unsigned key = 0; key < kPayKeys; ++key) {
        if (!PayChoices::IsReachable(key))
            continue;
        const PayChoices choices = PayChoices::FromKey(key);
        for (unsigned level = 0; level < 4; ++level)
            visit(key, choices, level, EntryAt(file, key, level));
    }
}

// The lines of members that the wizard writes for a group: every mix of members over the
// reels that is not all one symbol, reel 1 turning fastest; each line as slot numbers.
inline std::vector<std::vector<int>> GroupLineSlots(const PayChoices& choices)
{
    std::vector<int> members;
    for (int slot = 0; slot < 5; ++slot)
        if (choices.members >> slot & 1)
            members.push_back(slot);
    std::vector<std::vector<int>> lines;
    std::vector<int> digits(choices.reels, 0);
    for (;;) {
        std::vector<int> line;
        bool mixed = false;
        for (int digit : digits) {
            line.push_back(members[digit]);
            mixed = mixed || digit != digits[0];
        }
        if (mixed)
            lines.push_back(line);
        std::size_t reel = 0;
        while (reel < digits.size() && ++digits[reel] == static_cast<int>(members.size()))
            digits[reel++] = 0;
        if (reel == digits.size())
            return lines;
    }
}
