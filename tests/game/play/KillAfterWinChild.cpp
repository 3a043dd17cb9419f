// A player at a machine over the game's roster in the registry: buys three quarters, bets
// them, spins a win of 30 credits, signals the event named on the command line and waits
// to be killed.
#include <windows.h>

#include <cstdio>

#include "PlayFakes.h"
#include "PlayerRoster.h"
#include "RosterWallet.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    PlayerRoster roster;
    if (roster.BeginPlay() != 0) return 3;
    RosterWallet wallet(roster);
    ScriptTable table;
    table.lines.push_back(AllOf(3, "S0", {Pays(10), Pays(20), Pays(30)}));
    // Reels that show S0 only: every spin wins.
    TestMachine machine(MakeLayout(3, 8, 1, 1), table, 1, 3, 0, Money(25), 0xFFFF, &wallet);
    machine.money.AddCoins(3);
    machine.spin.OnSpin();
    machine.spin.OnReelStopped(0);
    if (machine.meters.Credit() != 30) return 4;
    HANDLE won = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
    if (!won) return 5;
    SetEvent(won);
    Sleep(INFINITE);
    return 0;
}
