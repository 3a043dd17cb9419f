// The player records in the registry: HKEY_LOCAL_MACHINE, the product key and "FrontDesk",
// five values per player ("Player1Name", "Player1Cash", "Player1Credit", "Player1Date",
// "Player1Active") and, while a machine holds money for the player, "Player1Held": the
// amount held and the cash it goes with, two 32-bit numbers in one binary value.
#pragma once
#include "PlayerStore.h"

class RegistryPlayerStore : public PlayerStore {
public:
    void Load(int slot, PlayerRecord& record) override;
    bool Save(int slot, const PlayerRecord& record) override;
    bool SaveMoney(int slot, const PlayerRecord& record, Money held) override;
    bool TakeHeld(int slot, Money& held, Money& cash) override;
    uint32_t Today() override;
};

// The store of the game's roster.
PlayerStore& GetRegistryPlayerStore();
