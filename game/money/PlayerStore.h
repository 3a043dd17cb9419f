// Where the roster keeps its nine player records (the registry in the game).
#pragma once
#include <cstdint>

#include "Money.h"
#include "PlayerRecord.h"

class PlayerStore {
public:
    virtual ~PlayerStore() = default;

    // Reads one record; a store that does not exist yet is made with the first-run players.
    virtual void Load(int slot, PlayerRecord& record) = 0;
    // Writes name, cash, credit, date and active; false when any write failed.
    virtual bool Save(int slot, const PlayerRecord& record) = 0;
    // Writes the money of one record: first the pair (money held by a machine, cash) as one
    // value, then cash and credit, so that a program killed in between is put right by
    // TakeHeld. False when a write failed.
    virtual bool SaveMoney(int slot, const PlayerRecord& record, Money held) = 0;
    // Reads and removes the held pair of a slot; false when there is none.
    virtual bool TakeHeld(int slot, Money& held, Money& cash) = 0;
    // Today as DDMMYYYY.
    virtual uint32_t Today() = 0;
};
