// A player store in memory that keeps what was written, value by value in the registry's
// order, and can be told to fail its writes or to stop writing (a program stopped).
#pragma once
#include <functional>
#include <map>
#include <string>

#include "PlayerStore.h"

class MemoryPlayerStore : public PlayerStore {
public:
    struct Values {
        std::string name;
        int32_t cash = 0, credit = 0;
        uint32_t date = 0;
        bool active = false;
        bool hasHeld = false;
        int32_t held = 0, heldCash = 0;
        Holding holding = {};
    };

    void Load(int slot, PlayerRecord& record) override {
        const Values& v = slots[slot];
        record.SetName(v.name);
        record.SetCash(Money(v.cash));
        record.SetCredit(Money(v.credit));
        record.SetDate(v.date);
        record.SetActive(v.active);
    }
    bool Save(int slot, const PlayerRecord& record) override {
        if (failing) return false;
        Values& v = slots[slot];
        if (Lands()) v.name = record.GetFullName();
        if (Lands()) v.cash = record.GetCash().Cents();
        if (Lands()) v.credit = record.GetCredit().Cents();
        if (Lands()) v.date = record.GetDate();
        if (Lands()) v.active = record.IsActive();
        ++saves;
        return true;
    }
    // The holding with the cash as one value, then cash, then credit.
    bool SaveMoney(int slot, const PlayerRecord& record, const Holding& holding) override {
        if (failing) return false;
        Values& v = slots[slot];
        ++moneySaves;
        if (Lands()) {
            v.hasHeld = true;
            v.held = holding.held.Cents();
            v.holding = holding;
            v.heldCash = record.GetCash().Cents();
            if (onHeldWritten) onHeldWritten(holding);
        }
        if (Lands()) v.cash = record.GetCash().Cents();
        if (Lands()) v.credit = record.GetCredit().Cents();
        return true;
    }
    bool ReadHolding(int slot, Holding& holding, Money& cash) override {
        const Values& v = slots[slot];
        if (!v.hasHeld) return false;
        holding = v.holding;
        holding.held = Money(v.held);
        cash = Money(v.heldCash);
        return true;
    }
    uint32_t Today() override { return 9122026; }

    std::map<int, Values> slots;
    bool failing = false;
    int saves = 0, moneySaves = 0;
    // Asked before each value is written: false drops it, as a program stopped before
    // that write would (the program itself goes on as if it were written).
    std::function<bool()> mayWrite;
    // Told each holding as its value lands.
    std::function<void(const Holding&)> onHeldWritten;

private:
    bool Lands() { return !mayWrite || mayWrite(); }
};
