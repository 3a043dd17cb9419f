#include "PayChoices.h"

namespace {

int MemberCount(uint8_t members)
{
    int count = 0;
    for (int slot = 0; slot < 5; ++slot)
        count += (members >> slot) & 1;
    return count;
}

}  // namespace

bool PayChoices::GroupsInForce() const
{
    return MemberCount(members) > 1;
}

unsigned PayChoices::Key() const
{
    unsigned key = reels == 3 ? 1u : 0u;
    for (int slot = 0; slot < 5; ++slot)
        key = key << 1 | (GroupsInForce() ? (members >> slot) & 1u : 0u);
    key = key << 1 | (wild ? 1u : 0u);
    key = key << 1 | (cherry ? 1u : 0u);
    key = key << 1 | (spoiler ? 1u : 0u);
    return key;
}

PayChoices PayChoices::FromKey(unsigned key)
{
    PayChoices choices;
    choices.spoiler = key & 1;
    choices.cherry = key >> 1 & 1;
    choices.wild = key >> 2 & 1;
    choices.members = 0;
    for (int slot = 0; slot < 5; ++slot)
        if (key >> (7 - slot) & 1)
            choices.members |= static_cast<uint8_t>(1u << slot);
    choices.reels = key >> 8 & 1 ? 3 : 4;
    return choices;
}

bool PayChoices::IsReachable(unsigned key)
{
    const PayChoices choices = FromKey(key);
    if (MemberCount(choices.members) == 1)
        return false;
    return !(choices.wild && (choices.members & 1));
}
