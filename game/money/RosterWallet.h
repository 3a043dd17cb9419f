// The current player's money at a machine, kept by a roster.
#pragma once
#include "PlayerRoster.h"
#include "Wallet.h"

class RosterWallet : public Wallet {
public:
    explicit RosterWallet(PlayerRoster& roster) : roster_(roster) {}

    Money GetCash() const override { return roster_.GetCash(); }
    bool Exchange(Money toCash, Money held) override { return roster_.Exchange(toCash, held); }
    void SetHeld(Money held) override { roster_.SetHeld(held); }

private:
    PlayerRoster& roster_;
};
