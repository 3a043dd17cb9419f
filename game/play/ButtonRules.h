// Which of the four buttons a machine enables after bets, coins and spins.
#pragma once
#include <cstdint>

#include "ButtonPanel.h"
#include "MachineMeters.h"

class ButtonRules {
public:
    ButtonRules(MachineMeters& meters, ButtonPanel& buttons, int32_t maxBet)
        : meters_(meters), buttons_(buttons), maxBet_(maxBet) {}

    int32_t MaxBet() const { return maxBet_; }
    // "BetMax" exactly when "Bet" < max bet and "Credit" + "Bet" >= max bet: at the max bet
    // it has nothing more to bet.
    void UpdateBetMax();
    // After a paid spin: "BetOne" when there is credit (else left), "BetMax" as above,
    // "CashOut" exactly when there is credit.
    void EnableAfterSpin();
    // After coins are bought: by the meters when the machine takes bets, else all off.
    void Refresh(bool takesBets);
    void DisableAll();
    void Enable(Button button, bool enabled) { buttons_.EnableButton(button, enabled); }

private:
    MachineMeters& meters_;
    ButtonPanel& buttons_;
    int32_t maxBet_;
};
