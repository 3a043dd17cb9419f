// Where the roster keeps its nine player records (the registry in the game).
#pragma once
#include <cstdint>

#include "Holding.h"
#include "Money.h"
#include "PlayerRecord.h"

class PlayerStore {
public:
    virtual ~PlayerStore() = default;

    // Reads one record; a store that does not exist yet is made with the first-run players.
    virtual void Load(int slot, PlayerRecord& record) = 0;
    // Writes name, cash, credit, date and active; false when any write failed.
    virtual bool Save(int slot, const PlayerRecord& record) = 0;
    // Writes the money of one record: first the holding with the cash and the credit as one
    // value, written over the one before, then cash and credit, so that at every moment the
    // store has either the old or the new state and a program killed in between is put
    // right from the holding. False when a write failed.
    virtual bool SaveMoney(int slot, const PlayerRecord& record, const Holding& holding) = 0;
    // Reads the holding of a slot with the cash stored beside it, leaving it in place;
    // false when there is none.
    virtual bool ReadHolding(int slot, Holding& holding, Money& cash) = 0;
    // Today as DDMMYYYY.
    virtual uint32_t Today() = 0;
};
