// The money of the player at a machine, as the machine sees it: the player's cash, and the
// money the machine holds for the player (credits and coins bet), which is kept where a
// killed program finds it again.
#pragma once
#include "HeldSpin.h"
#include "Money.h"

class Wallet {
public:
    virtual ~Wallet() = default;

    virtual Money GetCash() const = 0;
    // Moves money between the cash and the machine as one step: the cash changes by
    // toCash and the machine then holds `held`, with `spin` at stake (null: no spin). False,
    // with nothing changed, when there is no player or the cash would not fit.
    virtual bool Exchange(Money toCash, Money held, const HeldSpin* spin) = 0;
    // The machine's holding changed without the cash (a bet lost, a win paid, a spin's
    // stops drawn).
    virtual void SetHeld(Money held, const HeldSpin* spin) = 0;
};
