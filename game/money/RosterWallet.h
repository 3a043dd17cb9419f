// The current player's money at a machine, kept by a roster.
#pragma once
#include "PlayerRoster.h"
#include "Wallet.h"

class RosterWallet : public Wallet {
public:
    explicit RosterWallet(PlayerRoster& roster) : roster_(roster) {}

    Money GetCash() const override { return roster_.GetCash(); }
    bool Exchange(Money toCash, Money held, const HeldSpin* spin) override {
        return roster_.Hold(toCash, held, spin);
    }
    void SetHeld(Money held, const HeldSpin* spin) override { roster_.Hold(Money(), held, spin); }

private:
    PlayerRoster& roster_;
};
