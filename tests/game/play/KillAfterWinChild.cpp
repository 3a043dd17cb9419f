// A player at a machine over the game's roster in the registry: buys three quarters and
// bets them, then, by the mode on the command line, spins a win of 30 credits ("paid"),
// or only draws the stops of a winning ("drawn-win") or losing ("drawn-lose") spin whose
// reels are still turning; then signals the event named on the command line and waits to
// be killed.
#include <windows.h>

#include <cstdio>
#include <string>

#include "PlayFakes.h"
#include "PlayerRoster.h"
#include "RosterWallet.h"

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const std::string mode = argv[2];
    PlayerRoster roster;
    if (roster.BeginPlay() != 0) return 3;
    RosterWallet wallet(roster);
    ScriptTable table;
    // Reels that show S0 only: a line of S0 always wins, a line of S1 never does.
    table.lines.push_back(AllOf(3, mode == "drawn-lose" ? "S1" : "S0", {Pays(10), Pays(20), Pays(30)}));
    TestMachine machine(MakeLayout(3, 8, 1, 1), table, 2, 3, 0, Money(25), 0xFFFF, &wallet);
    machine.money.AddCoins(3);
    machine.spin.OnSpin();
    if (mode == "paid") {
        machine.spin.OnReelStopped(0);
        if (machine.meters.Credit() != 30) return 4;
    } else if (machine.spin.IsIdle() || !roster.GetSpin()) {
        return 6;
    }
    HANDLE signalled = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
    if (!signalled) return 5;
    SetEvent(signalled);
    Sleep(INFINITE);
    return 0;
}
