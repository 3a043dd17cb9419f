// A player store in memory that keeps what was written, value by value, and can be told
// to fail its writes.
#pragma once
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
        v.name = record.GetFullName();
        v.cash = record.GetCash().Cents();
        v.credit = record.GetCredit().Cents();
        v.date = record.GetDate();
        v.active = record.IsActive();
        ++saves;
        return true;
    }
    bool SaveMoney(int slot, const PlayerRecord& record, const Holding& holding) override {
        if (failing) return false;
        Values& v = slots[slot];
        v.hasHeld = true;
        v.held = holding.held.Cents();
        v.holding = holding;
        v.heldCash = record.GetCash().Cents();
        v.cash = record.GetCash().Cents();
        v.credit = record.GetCredit().Cents();
        ++moneySaves;
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
};
