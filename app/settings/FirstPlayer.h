// The first player's record under "FrontDesk", made on the first run from the registered
// user's name.
#pragma once
#include <windows.h>

#include <string>

// What the first run writes; found is false when no user name is known.
struct FirstPlayer {
    bool found = false;
    std::string name;
    DWORD cash = 1000000;
};

// True when the "FrontDesk" key holds all five values of player 1.
bool HasFirstPlayerRecord();
// The publisher's user key first, then the Windows registered owner.
FirstPlayer FindRegisteredUser();
// Writes player 1 with today's date, active, no credit.
void WriteFirstPlayerRecord(const FirstPlayer& player);

// The first-run step of start-up: writes the record when it is incomplete and a user is known.
void LoadSettings();
