// The nine players of the Front Desk and the current one, kept in the registry under
// "FrontDesk" as "Player1Name", "Player1Cash", ... for players 1 to 9.
#pragma once
#include <cstdint>
#include <string>

#include "Money.h"
#include "PlayerRecord.h"

class PlayerRoster {
public:
    static const int kPlayers = 9;

    // Built on first call (loading all nine) and destroyed at exit (saving all nine).
    static PlayerRoster& Instance();

    PlayerRoster();
    PlayerRoster(const PlayerRoster&) = delete;
    PlayerRoster& operator=(const PlayerRoster&) = delete;
    ~PlayerRoster();

    void Load(int slot);
    void Save(int slot);

    // The current player's; with no current player the cash is 0, the name empty, and
    // changes are ignored.
    Money GetCash() const;
    void SetCash(const Money& m);
    void AddCash(const Money& m);
    std::string GetFullName() const;

    PlayerRecord& GetRecord(int slot) { return records_[slot]; }
    int GetCurrentIndex() const { return current_; }
    void SetCurrentIndex(int index) { current_ = index; }

private:
    PlayerRecord* Current();
    const PlayerRecord* Current() const;

    PlayerRecord records_[kPlayers];
    int current_ = -1;
};
