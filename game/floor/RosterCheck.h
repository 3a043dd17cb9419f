// The checks the Front Desk makes before the player may leave it: somebody must be in use,
// exactly one player active, and every player in use named, each name once. Platform-free.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct RosterRow {
    bool inUse = false;
    bool active = false;
    std::string fullName;  // first name, blank, last name
};

enum class RosterVerdict {
    kPass,            // `row` is the active one
    kNoPlayers,       // offer to create "Player 1"
    kReactivate,      // the one player in use (`row`) is made active again
    kChooseActive,    // several in use, none active
    kUnnamed,         // `row` has no name
    kDuplicate,       // `row` has the name of a later row
};

struct RosterResult {
    RosterVerdict verdict;
    int32_t row;
};

RosterResult CheckRoster(const std::vector<RosterRow>& rows);
// Without leading and trailing blanks.
std::string TrimBlanks(const std::string& text);
