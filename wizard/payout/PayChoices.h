// The user's choices that shape a wizard machine's pay table, and the 9-bit key that
// names them in the wizard data file.
#pragma once
#include <cstdint>

struct PayChoices {
    int reels = 3;          // 3 or 4
    uint8_t members = 0;    // bit i: symbol slot i (0-4) is in the group; 0 when no group
    bool wild = false;      // the jackpot symbol (slot 0) is wild
    bool cherry = true;     // the machine has the cherry symbol (slot 5)
    bool spoiler = true;    // the machine has a spoiler symbol (slot 6)

    // A group pays only with two members or more.
    bool GroupsInForce() const;

    // Bit 8: three reels; bits 7-3: members of slots 0-4 (slot 0 highest); bit 2: wild;
    // bit 1: cherry; bit 0: spoiler.
    unsigned Key() const;
    static PayChoices FromKey(unsigned key);

    // Whether the wizard's pages can produce the key: a group has no member or at least
    // two, and a wild jackpot symbol is never a member.
    static bool IsReachable(unsigned key);
};

constexpr unsigned kPayKeys = 512;
