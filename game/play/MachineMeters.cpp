#include "MachineMeters.h"

#include <algorithm>

MachineMeters::MachineMeters(MeterPanel& panel, Wallet& wallet, DenominationControl& setting, Money denomination)
    : panel_(panel), wallet_(wallet), setting_(setting), denomination_(denomination) {
    FollowBet();
}

std::optional<Money> MachineMeters::ValueOf(int64_t coins) const { return CoinsValue(coins, denomination_); }

Money MachineMeters::Held() const {
    const auto held = ValueOf(int64_t(Credit()) + Bet());
    return held ? *held : Money(INT32_MAX);
}

int64_t MachineMeters::RoomInCoins() const {
    const int64_t perCoin = denomination_.Cents() > 0 ? denomination_.Cents() : 1;
    const int64_t room = INT32_MAX / perCoin - Credit() - Bet();
    return room > 0 ? room : 0;
}

void MachineMeters::SetCredit(int32_t coins) {
    panel_.SetMeter(Meter::Credit, coins);
    wallet_.SetHeld(Held(), SpinAtStake(Bet()));
}

void MachineMeters::SetBet(int32_t coins) {
    panel_.SetMeter(Meter::Bet, coins);
    FollowBet();
    wallet_.SetHeld(Held(), SpinAtStake(coins));
    if (coins == 0) spin_.reset();
}

bool MachineMeters::SetByScript(Meter meter, int32_t coins) {
    const int64_t credit = meter == Meter::Credit ? coins : Credit();
    const int64_t bet = meter == Meter::Bet ? coins : Bet();
    if (coins < 0 || !ValueOf(credit + bet)) return false;
    if (meter == Meter::Credit)
        SetCredit(coins);
    else if (meter == Meter::Bet)
        SetBet(coins);
    else
        SetWinnerPaid(coins);
    return true;
}

bool MachineMeters::Exchange(Money toCash, int32_t credit, int32_t bet) {
    const auto held = ValueOf(int64_t(credit) + bet);
    if (!held || credit < 0 || bet < 0 || !wallet_.Exchange(toCash, *held, SpinAtStake(bet))) return false;
    if (bet == 0) spin_.reset();
    panel_.SetMeter(Meter::Credit, credit);
    panel_.SetMeter(Meter::Bet, bet);
    FollowBet();
    return true;
}

void MachineMeters::HoldSpin(const HeldSpin& spin) {
    if (Bet() == 0) return;
    spin_ = spin;
    wallet_.SetHeld(Held(), &*spin_);
}

void MachineMeters::NoteJackpot(int32_t cents) {
    if (!SpinAtStake(Bet())) return;
    spin_->jackpots.push_back(cents);
    wallet_.SetHeld(Held(), &*spin_);
}

void MachineMeters::ForgetJackpots(size_t count) {
    if (!SpinAtStake(Bet())) return;
    spin_->jackpots.resize(spin_->jackpots.size() - std::min(count, spin_->jackpots.size()));
    wallet_.SetHeld(Held(), &*spin_);
}

bool MachineMeters::ChangeDenomination(Money denomination, int32_t credit, Money rest) {
    const Money old = denomination_;
    denomination_ = denomination;
    if (Exchange(rest, credit, Bet())) {
        // The last win was counted in coins of the old denomination.
        SetWinnerPaid(0);
        return true;
    }
    denomination_ = old;
    return false;
}

void MachineMeters::FollowBet() {
    if (Bet() != 0 && !locked_) {
        setting_.Lock();
        locked_ = true;
    } else if (Bet() == 0 && locked_) {
        ReleaseLock();
    }
}

void MachineMeters::ReleaseLock() {
    if (!locked_) return;
    setting_.Unlock();
    locked_ = false;
}
