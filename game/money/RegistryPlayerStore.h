// The player records in the registry: HKEY_LOCAL_MACHINE, the product key and "FrontDesk",
// five values per player ("Player1Name", "Player1Cash", "Player1Credit", "Player1Date",
// "Player1Active") and, once the player's money has moved, "Player1Held": the holding
// (the amount a machine holds, the spin at stake, the waiting wins) with the cash and the
// credit it goes with, in one binary value (see Holding).
#pragma once
#include "PlayerStore.h"

class RegistryPlayerStore : public PlayerStore {
public:
    void Load(int slot, PlayerRecord& record) override;
    bool Save(int slot, const PlayerRecord& record) override;
    bool SaveMoney(int slot, const PlayerRecord& record, const Holding& holding) override;
    bool ReadHolding(int slot, Holding& holding, Money& cash) override;
    uint32_t Today() override;
};

// The store of the game's roster.
PlayerStore& GetRegistryPlayerStore();
