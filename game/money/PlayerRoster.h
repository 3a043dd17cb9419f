// The nine players of the Front Desk and the current one. Every change of a player's money
// is written to the store at once, so that a killed program loses nothing; a write that
// fails is reported through the fault reporter. Platform-free over a PlayerStore; the
// game's roster (Instance) keeps its records in the registry under "FrontDesk".
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "HeldSpin.h"
#include "ListenerList.h"
#include "Money.h"
#include "PlayerRecord.h"
#include "PlayerStore.h"

class PlayerRoster {
public:
    static const int kPlayers = 9;
    using FaultReporter = std::function<void(const std::string& text)>;

    // Built on first call (loading all nine) and destroyed at exit (saving all nine).
    static PlayerRoster& Instance();

    // Over the registry.
    PlayerRoster();
    explicit PlayerRoster(PlayerStore& store);
    PlayerRoster(const PlayerRoster&) = delete;
    PlayerRoster& operator=(const PlayerRoster&) = delete;
    ~PlayerRoster();

    void Load(int slot);
    // A named record without a date is given today's, so that it stays in use.
    bool Save(int slot);

    // The current player's; with no current player the cash is 0, the name empty, and
    // changes are refused (false).
    Money GetCash() const;
    bool SetCash(const Money& m);
    bool AddCash(const Money& m);
    std::string GetFullName() const;

    // A machine's move of money between the current player's cash and what it holds for
    // the player (see Wallet), the spin at stake kept as it is; false with nothing changed
    // when refused.
    bool Exchange(const Money& toCash, const Money& held);
    bool SetHeld(const Money& held);
    // The same with the spin at stake on the machine (null: none), stored in the same write.
    bool Hold(const Money& toCash, const Money& held, const HeldSpin* spin);
    Money GetHeld() const { return held_; }
    const std::optional<HeldSpin>& GetSpin() const { return spin_; }

    // The scriptlet lines of the oldest of the current player's spins that the program
    // stopped in the middle of on this machine (file name without folder, any case).
    std::optional<HeldSpin> GetPendingSpin(const std::string& machine) const;
    // Pays what those lines paid into the cash and forgets them, in one write; the waiting
    // spins of other machines stay.
    bool PayPendingSpin(const std::string& machine, const Money& win);

    // The Front Desk's changes of one slot, each stored at once.
    bool Borrow(int slot, const Money& m);
    bool Repay(int slot, const Money& m);
    // Empties the slot: name, date, cash and credit all go.
    bool DeletePlayer(int slot);
    // The Front Desk's new name for a player; the listeners are told when it is the current
    // one's, so that what shows the player's name follows at once.
    void Rename(int slot, const std::string& name);

    // Makes sure a player is current before play begins: the current one, else the
    // highest active slot in use, else the first slot in use, else slot 0 made into a
    // player. Answers the current index.
    int BeginPlay();

    PlayerRecord& GetRecord(int slot) { return records_[slot]; }
    int GetCurrentIndex() const { return current_; }
    // The Front Desk chose the current player; the roster's listeners are told the index.
    void SetCurrentIndex(int index);
    // Told the current index (int32_t) whenever the current player changes.
    ListenerList& Listeners() { return listeners_; }

    void SetFaultReporter(FaultReporter reporter) { reporter_ = std::move(reporter); }

private:
    PlayerRecord* Current();
    const PlayerRecord* Current() const;
    bool IsSlot(int slot) const { return slot >= 0 && slot < kPlayers; }
    // Writes the money of a slot (with the held amount when it is the current one).
    bool StoreMoney(int slot);
    // Gives back what a machine held when the program last stopped, settling the spin
    // that was at stake by its stops.
    void ReclaimHeld(int slot);
    bool Report(bool stored, int slot);

    PlayerStore& store_;
    ListenerList listeners_;
    PlayerRecord records_[kPlayers];
    int current_ = -1;
    Money held_;
    std::optional<HeldSpin> spin_;
    // Each player's waiting spins, the oldest first.
    std::vector<HeldSpin> pending_[kPlayers];
    // The index of the current player's oldest waiting spin of the machine; -1 for none.
    int FindPending(const std::string& machine) const;
    FaultReporter reporter_;
};
