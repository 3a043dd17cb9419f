#include "MachineMoney.h"

#include <algorithm>

#include "CoinDrop.h"
#include "Denominations.h"
#include "FormatDollars.h"
#include "ProgressiveMeter.h"

const char MachineMoney::kSpinFirst[] = "Spin first";
const char MachineMoney::kBetFirst[] = "Bet a coin first";

MachineMoney::MachineMoney(const MoneyParts& parts, uint32_t denominationMask)
    : parts_(parts), mask_(denominationMask) {}

void MachineMoney::Refused(const std::string& what) {
    parts_.notices.AmountRefused(what + " would be more money than the machine can count.");
}

// Every money action checks that the machine is idle, whoever calls it: a button that a
// script clicks while the reels turn, or while the spin is paid, changes nothing.
bool MachineMoney::IsIdle() const { return parts_.spin.IsIdle(); }

void MachineMoney::OnBetOne() {
    SceneLockHold hold(parts_.lock);
    if (!IsIdle()) return;
    MachineMeters& meters = parts_.meters;
    const int32_t maxBet = parts_.buttons.MaxBet();
    if (meters.Credit() != 0 && meters.Bet() != maxBet) {
        meters.Exchange(Money(), meters.Credit() - 1, meters.Bet() + 1);
        if (meters.Bet() == 1) {
            parts_.buttons.Enable(Button::Spin, true);
            parts_.buttons.Enable(Button::CashOut, false);
        }
        if (meters.Bet() == maxBet || meters.Credit() == 0) parts_.buttons.Enable(Button::BetOne, false);
        parts_.buttons.UpdateBetMax();
    }
    parts_.buttons.Enable(Button::CashOut, false);
    parts_.notices.CashChanged();
}

void MachineMoney::OnBetMax() {
    {
        SceneLockHold hold(parts_.lock);
        MachineMeters& meters = parts_.meters;
        const int32_t maxBet = parts_.buttons.MaxBet();
        // At the max bet already there is nothing more to bet: Bet Max does nothing, and
        // Spin plays what is bet.
        if (!IsIdle() || meters.Bet() >= maxBet || meters.Credit() < maxBet - meters.Bet()) return;
        meters.Exchange(Money(), meters.Credit() - (maxBet - meters.Bet()), maxBet);
        parts_.notices.CashChanged();
    }
    parts_.spin.OnSpin();
}

bool MachineMoney::BetCoins(int32_t coins) {
    MachineMeters& meters = parts_.meters;
    if (!IsIdle() || coins < 1 || int64_t(meters.Bet()) + coins > parts_.buttons.MaxBet()) return false;
    const int32_t fromCredit = std::min(coins, std::max(meters.Credit(), 0));
    const auto cost = meters.ValueOf(coins - fromCredit);
    if (!cost || parts_.wallet.GetCash() < *cost) return false;
    SceneLockHold hold(parts_.lock);
    const bool firstCoin = meters.Bet() == 0;
    if (!meters.Exchange(cost->Negate(), meters.Credit() - fromCredit, meters.Bet() + coins)) return false;
    if (firstCoin) parts_.buttons.Enable(Button::Spin, true);
    parts_.buttons.UpdateBetMax();
    parts_.buttons.Enable(Button::CashOut, false);
    parts_.notices.CashChanged();
    return true;
}

bool MachineMoney::SetMeterByScript(Meter meter, int32_t coins) {
    if (meter == Meter::Bet && !IsIdle()) return false;
    return parts_.meters.SetByScript(meter, coins);
}

void MachineMoney::OnCashOut() {
    if (!IsIdle()) return;
    MachineMeters& meters = parts_.meters;
    const auto money = meters.ValueOf(meters.Credit());
    if (!money || !meters.Exchange(*money, 0, meters.Bet())) {
        Refused("Cashing out " + FormatDollars(money ? *money : Money(INT32_MAX)));
        return;
    }
    parts_.notices.CashChanged();
    for (Button b : {Button::CashOut, Button::BetOne, Button::BetMax}) parts_.buttons.Enable(b, false);
}

void MachineMoney::OnCashOutRefused() {
    if (SaysWhyHeld(kSpinFirst, "Cash Out pays the credit back to you")) return;
    if (parts_.meters.Credit() == 0) parts_.notices.StaysOpen("No credit", "The machine holds no credit to cash out.");
}

void MachineMoney::OnSpinRefused() {
    if (!IsIdle()) {
        parts_.notices.StaysOpen("The reels are turning", "The next spin starts once this one has stopped and been paid.");
        return;
    }
    if (!coinsToBet_) {
        parts_.notices.StaysOpen("The game is not over", "The machine's game is not over: it takes no bets now.");
        return;
    }
    if (parts_.meters.Bet() != 0) return;
    if (parts_.meters.Credit() > 0) {
        parts_.notices.StaysOpen(kBetFirst, "Bet a coin first: Bet One or Bet Max.\nBet Max bets the most coins and spins.");
        return;
    }
    parts_.notices.StaysOpen(kBetFirst, "Bet a coin first: drop one in the coin slot, or buy coins at the bill "
                                        "acceptor.");
}

void MachineMoney::OnCoinIn() {
    MachineMeters& meters = parts_.meters;
    const Money denomination = meters.Denomination();
    if (parts_.wallet.GetCash() < denomination) return;
    if (meters.RoomInCoins() < 1) return Refused("One more coin");
    const bool toBet = TakesBets() && meters.Bet() < parts_.buttons.MaxBet();
    const int32_t credit = meters.Credit() + (toBet ? 0 : 1);
    const int32_t bet = meters.Bet() + (toBet ? 1 : 0);
    if (!meters.Exchange(denomination.Negate(), credit, bet)) return;
    parts_.notices.CashChanged();
    if (parts_.coinDrop) parts_.coinDrop->CountCoin();
    parts_.notices.CoinDropped();
    if (!toBet) return;
    if (meters.Bet() == parts_.buttons.MaxBet()) parts_.buttons.Enable(Button::BetOne, false);
    parts_.buttons.UpdateBetMax();
    parts_.buttons.Enable(Button::Spin, true);
}

void MachineMoney::AddCoins(uint32_t coins) {
    if (coins == 0) return;
    MachineMeters& meters = parts_.meters;
    const Money denomination = meters.Denomination();
    const auto money = meters.ValueOf(coins);
    if (!money || coins > meters.RoomInCoins())
        return Refused(std::to_string(coins) + " " + FormatDollars(denomination) + " tokens");
    if (parts_.wallet.GetCash() < *money) {
        parts_.notices.InsufficientFunds("You do not have enough money to drop in " + std::to_string(coins) + " " +
                                         FormatDollars(denomination) + " tokens.");
        return;
    }
    int64_t credit = meters.Credit(), bet = meters.Bet();
    if (TakesBets()) {
        const int64_t room = std::max<int64_t>(parts_.buttons.MaxBet() - bet, 0);
        const int64_t toBet = std::min<int64_t>(coins, room);
        bet += toBet;
        credit += coins - toBet;
    } else {
        credit += coins;
    }
    if (!meters.Exchange(money->Negate(), int32_t(credit), int32_t(bet))) return;
    parts_.notices.CashChanged();
    RefreshButtons();
}

void MachineMoney::RefreshButtons() { parts_.buttons.Refresh(TakesBets()); }

bool MachineMoney::ApplyDenomination(Money denomination) {
    MachineMeters& meters = parts_.meters;
    const int64_t oldMoney = int64_t(meters.Credit()) * meters.Denomination().Cents();
    const int64_t credits = oldMoney / denomination.Cents();
    const Money rest(int32_t(oldMoney - credits * denomination.Cents()));
    if (!meters.ChangeDenomination(denomination, int32_t(credits), rest)) {
        Refused("Changing the denomination");
        return false;
    }
    if (parts_.progressive) parts_.progressive->ChangeDenomination(denomination);
    parts_.notices.CashChanged();
    return true;
}

void MachineMoney::OnChangeDenomination() {
    if (!IsIdle() || parts_.meters.Bet() != 0) {
        SaysWhyHeld(kSpinFirst, "The denomination can be changed");
        return;
    }
    const Money next = NextDenomination(parts_.meters.Denomination(), mask_);
    if (next == parts_.meters.Denomination() || !ApplyDenomination(next)) return;
    parts_.setting.Store(next.Cents());
    parts_.meters.ShowDenominationIndex(GetDenominationIndex());
    parts_.script.OnMetersChange();
}

void MachineMoney::OnDenominationChanged(int32_t cents) {
    const Money value(cents);
    if (value == parts_.meters.Denomination() || !IsDenominationAllowed(value, mask_)) return;
    if (!IsIdle() || parts_.meters.Bet() != 0 || !ApplyDenomination(value)) return;
    parts_.meters.ShowDenominationIndex(GetDenominationIndex());
    parts_.script.OnMetersChange();
}

bool MachineMoney::SaysWhyHeld(const char* caption, const std::string& what) {
    if (!IsIdle()) {
        parts_.notices.StaysOpen("The reels are turning", what + " once the spin has stopped and been paid.");
        return true;
    }
    if (const int32_t bet = parts_.meters.Bet()) {
        parts_.notices.StaysOpen(caption, std::to_string(bet) + (bet == 1 ? " coin is" : " coins are") +
                                              " bet on this machine: Spin to play " + (bet == 1 ? "it" : "them") +
                                              ".\n" + what + " when no coin is bet.");
        return true;
    }
    if (!coinsToBet_) {
        parts_.notices.StaysOpen(caption, "The machine's game is not over: it takes no bets now.");
        return true;
    }
    return false;
}

bool MachineMoney::CanEnd() {
    MachineMeters& meters = parts_.meters;
    if (SaysWhyHeld(kSpinFirst, "The machine can be left, and its credit paid back to you,")) return false;
    if (meters.Credit() != 0) {
        OnCashOut();
        if (meters.Credit() != 0) return false;
    }
    meters.ReleaseLock();
    if (parts_.progressive) parts_.progressive->Save();
    parts_.setting.Store(meters.Denomination().Cents());
    return true;
}

int MachineMoney::GetDenominationIndex() const { return ::GetDenominationIndex(parts_.meters.Denomination(), mask_); }
