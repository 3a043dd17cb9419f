// A machine's meters with the money behind them. Every change of "Credit" or "Bet" tells
// the wallet what the machine now holds for the player ((credit + bet) x denomination),
// and "Bet" leaving or reaching 0 takes or gives back the machine's one count of the
// "Denomination" setting's lock, so the machine gives back only a lock it took. A spin at
// stake is stored with the money until its bet is paid or taken back.
#pragma once
#include <cstdint>
#include <optional>

#include "HeldSpin.h"

#include "DenominationControl.h"
#include "MeterPanel.h"
#include "MoneyMath.h"
#include "Money.h"
#include "Wallet.h"

class MachineMeters {
public:
    MachineMeters(MeterPanel& panel, Wallet& wallet, DenominationControl& setting, Money denomination);

    int32_t Credit() const { return panel_.GetMeter(Meter::Credit); }
    int32_t Bet() const { return panel_.GetMeter(Meter::Bet); }
    int32_t WinnerPaid() const { return panel_.GetMeter(Meter::WinnerPaid); }
    Money Denomination() const { return denomination_; }

    void SetCredit(int32_t coins);
    void SetBet(int32_t coins);
    void SetWinnerPaid(int32_t coins) { panel_.SetMeter(Meter::WinnerPaid, coins); }
    void ShowDenominationIndex(int index) { panel_.ShowDenominationIndex(index); }
    // A script wrote a meter's indicator: "Credit" and "Bet" take it as any other change, so
    // the money held reaches the wallet at once and a bet leaving 0 takes the lock. False,
    // with nothing changed, for coins below 0 or money the machine could not hold.
    bool SetByScript(Meter meter, int32_t coins);
    // Moves coins between cash and the meters as one step: the cash changes by toCash and
    // the meters take the new values. False, with nothing changed, when the wallet refuses
    // or the machine could not hold that much money.
    bool Exchange(Money toCash, int32_t credit, int32_t bet);
    // A new denomination with the credits it buys; the cash takes the rest. "WinnerPaid",
    // which counted coins of the old denomination, goes back to 0.
    bool ChangeDenomination(Money denomination, int32_t credit, Money rest);

    // The money of coins at the current denomination; nothing when it does not fit.
    std::optional<Money> ValueOf(int64_t coins) const;
    // The most coins that can be added to credit and bet without the money held overflowing.
    int64_t RoomInCoins() const;

    // The stops of a spin are drawn: the spin is at stake, stored with the money held,
    // until the bet goes back to 0 (the spin paid, or the bet cashed out).
    void HoldSpin(const HeldSpin& spin);
    const std::optional<HeldSpin>& GetHeldSpin() const { return spin_; }
    // A line of the spin at stake took a progressive jackpot: it is stored with the spin.
    void NoteJackpot(int32_t cents);
    // The last `count` jackpots noted go back (their payout failed).
    void ForgetJackpots(size_t count);

    bool HoldsLock() const { return locked_; }
    // Gives back the lock when the machine holds it.
    void ReleaseLock();

private:
    void FollowBet();
    Money Held() const;
    // The spin at stake with a bet of that many coins (none without a bet).
    const HeldSpin* SpinAtStake(int32_t bet) const { return bet != 0 && spin_ ? &*spin_ : nullptr; }

    MeterPanel& panel_;
    Wallet& wallet_;
    DenominationControl& setting_;
    Money denomination_;
    bool locked_ = false;
    std::optional<HeldSpin> spin_;
};
