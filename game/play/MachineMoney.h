// How the current player's money becomes credits and bets on a machine and back: the coin
// slot, buying coins at the bill acceptor, Bet One, Bet Max, bets from the script, Cash
// Out, the change of denomination and leaving the machine. Amounts that would not fit in
// a 32-bit amount of cents are refused with a notice, never wrapped round. Nothing moves
// money while a spin runs or is paid: coins dropped or bought then go to the credit, and
// bets, cash-out and a new denomination wait until the machine is idle.
#pragma once
#include <cstdint>

#include "ButtonRules.h"
#include "DenominationControl.h"
#include "MachineMeters.h"
#include "PlayNotices.h"
#include "SceneLock.h"
#include "SpinController.h"
#include "SpinScript.h"
#include "Wallet.h"

class CoinDrop;
class ProgressiveMeter;

struct MoneyParts {
    MachineMeters& meters;
    ButtonRules& buttons;
    Wallet& wallet;
    PlayNotices& notices;
    SpinController& spin;
    SpinScript& script;
    DenominationControl& setting;
    SceneLock* lock = nullptr;
    ProgressiveMeter* progressive = nullptr;
    CoinDrop* coinDrop = nullptr;
};

class MachineMoney {
public:
    // The caption of the box that says why the machine cannot be left, or Cash Out does
    // nothing, while coins are bet: only a spin takes them off the bet.
    static const char kSpinFirst[];
    // The caption of the box that says why Spin and the arm do nothing with no coin bet.
    static const char kBetFirst[];
    // The mask must hold the meters' denomination.
    MachineMoney(const MoneyParts& parts, uint32_t denominationMask);

    void OnBetOne();
    void OnBetMax();
    // The script's bet: n coins from credit first, then from cash; false with nothing
    // changed when they exceed the max bet or the money there is.
    bool BetCoins(int32_t coins);
    // The script's write of the "Credit" or "Bet" meter (see MachineMeters::SetByScript);
    // the bet, which a spin's stops were drawn for, only on an idle machine.
    bool SetMeterByScript(Meter meter, int32_t coins);
    void OnCashOut();
    // A click on the disabled Cash Out: the player is told why it does nothing.
    void OnCashOutRefused();
    // A click on the disabled Spin, or a pull of the arm that does not spin: the player is
    // told why (the reels turning, the game not over, or no coin bet and how to bet one).
    void OnSpinRefused();
    void OnCoinIn();
    // The bill acceptor after its dialog: n coins bought with cash (0 buys nothing).
    void AddCoins(uint32_t coins);
    void RefreshButtons();
    void OnChangeDenomination();
    // The "Denomination" setting changed elsewhere: taken only when the machine accepts
    // the value and no coins are bet.
    void OnDenominationChanged(int32_t cents);
    // May the machine be left? Cashes out, gives back its lock and stores the progressive.
    bool CanEnd();

    int GetDenominationIndex() const;
    uint32_t GetDenominationMask() const { return mask_; }
    Money GetDenomination() const { return parts_.meters.Denomination(); }
    bool TakesBets() const { return IsIdle() && coinsToBet_; }
    bool GetCoinsToBet() const { return coinsToBet_; }
    void SetCoinsToBet(bool toBet) { coinsToBet_ = toBet; }

private:
    bool IsIdle() const;
    bool ApplyDenomination(Money denomination);
    void Refused(const std::string& what);
    // Tells the player why the machine cannot do it now (a spin running, coins bet, the
    // game not over); "what" begins the sentence of when it can. False when nothing holds it.
    bool SaysWhyHeld(const char* caption, const std::string& what);

    MoneyParts parts_;
    uint32_t mask_;
    bool coinsToBet_ = true;
};
