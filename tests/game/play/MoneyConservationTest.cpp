// Over a long run of random play, no money is made or lost: for every player, cash plus
// what the machine holds for the player equals the starting cash plus wins less bets, to
// the cent, after every action; and the store always holds the player's money as it is.
// The program is killed now and then, in the middle of a spin too: what the next start and
// the machine's next opening pay is what the spin would have paid.
#include <gtest/gtest.h>

#include <iostream>
#include <random>

#include "../money/MemoryPlayerStore.h"
#include "Denominations.h"
#include "PlayFakes.h"
#include "PendingSpin.h"
#include "PlayerRoster.h"
#include "RosterWallet.h"

namespace {
const int kPlayersInPlay = 3;
const uint32_t kMask = 0x2 | 0x8 | 0x20 | 0x80;  // 5, 25, 100 and 500 cents
const int32_t kDenominations[] = {5, 25, 100, 500, 1000};

ScriptTable MixedPayouts() {
    ScriptTable table;
    table.lines.push_back(AllOf(3, "S0", {Pays(5), Pays(10), Pays(15), Pays(20), Pays(40)}));
    table.lines.push_back(AllOf(3, "S1", {Runs("win"), Runs("win"), Runs("win"), Runs("win"), Runs("win")}));
    table.lines.push_back(AllOf(3, "S2", {Runs("fail"), Runs("jackpot"), Pays(1), Runs("fail"), Pays(2)}));
    ScriptLine cherry;
    cherry.items = {{PayTable::OneOf, {"S3"}}, {PayTable::AnyBut, {}}, {PayTable::AnyBut, {}}};
    cherry.payouts = {Pays(1), Pays(2), Pays(3), Pays(4), Pays(5)};
    table.lines.push_back(cherry);
    return table;
}

SpinLayout UnevenLayout() {
    SpinLayout layout = MakeLayout(3, 12, 5, 5);
    for (int r = 0; r < 3; ++r)
        for (int s = 0; s < 12; ++s) layout.strips[r][s] = {(s * (r + 1)) % 5, uint32_t(1 + (s * 7 + r) % 9)};
    return layout;
}

class ConservationRun {
public:
    explicit ConservationRun(uint32_t seed) : rng_(seed) {
        for (int slot = 0; slot < kPlayersInPlay; ++slot)
            store_.slots[slot] = {"Player " + std::to_string(slot + 1), 5000000 - 1000000 * slot, 0, 8122026, false};
        Start(0);
        for (int slot = 0; slot < kPlayersInPlay; ++slot) ledger_[slot] = roster_->GetRecord(slot).GetCash().Cents();
    }

    void Step() {
        const int player = roster_->GetCurrentIndex();
        const int32_t betBefore = m_->meters.Bet();
        const int64_t denomination = m_->meters.Denomination().Cents();
        const int killsBefore = kills;
        const size_t settled = m_->Script().totals.size();
        Act(std::uniform_int_distribution<int>(0, 99)(rng_));
        // A kill settles for itself (on a new machine).
        if (kills == killsBefore && m_->Script().totals.size() != settled) {  // a spin was paid: the bet is spent, the win added
            ledger_[player] += (int64_t(m_->meters.WinnerPaid()) - betBefore) * denomination;
            ++paidSpins;
            if (m_->meters.WinnerPaid() > 0) ++wins;
        }
        if (m_->meters.Denomination().Cents() != denomination) ++denominationChanges;
        if (roster_->GetCurrentIndex() != player) ++playerChanges;
    }

    int paidSpins = 0, wins = 0, denominationChanges = 0, playerChanges = 0, kills = 0, killedSpins = 0, scriptWrites = 0;
    size_t Refusals() const { return pastRefusals_ + m_->notices.boxes.size(); }

    void Check(int step) const {
        const int current = roster_->GetCurrentIndex();
        const int64_t held = m_->Held();
        ASSERT_EQ(held, roster_->GetHeld().Cents()) << "step " << step;
        for (int slot = 0; slot < kPlayersInPlay; ++slot) {
            const int64_t cash = roster_->GetRecord(slot).GetCash().Cents();
            const int64_t onMachine = slot == current ? held : 0;
            ASSERT_EQ(ledger_.at(slot), cash + onMachine) << "player " << slot << " at step " << step;
            const auto& stored = store_.slots.at(slot);
            ASSERT_EQ(cash, stored.cash) << "step " << step;
            if (stored.hasHeld) {
                ASSERT_EQ(onMachine, stored.held) << "step " << step;
            }
        }
    }

    bool Spinning() const { return !m_->spin.IsIdle(); }

private:
    void Act(int roll) {
        std::uniform_int_distribution<int> coins(0, 12);
        if (roll < 12) return m_->money.AddCoins(roll == 0 ? 4294967295u : uint32_t(coins(rng_)));
        if (roll < 25) return m_->money.OnCoinIn();
        if (roll < 35) return m_->money.OnBetOne();
        if (roll < 42) return m_->money.OnBetMax();
        if (roll < 47) return (void)m_->money.BetCoins(coins(rng_) % 6);
        if (roll < 65) return Spin();
        if (roll < 75) return StopAReel();
        if (roll < 80) return m_->money.OnCashOut();
        if (roll < 85) return m_->money.OnChangeDenomination();
        if (roll < 88) return m_->money.OnDenominationChanged(kDenominations[roll % 5]);
        if (roll < 91) return m_->progressive.Tick();
        if (roll < 96) return SwitchPlayer();
        if (roll < 97) return Kill();
        if (roll < 99) return ScriptWrite(roll == 97 ? Meter::Credit : Meter::Bet);
        return m_->money.RefreshButtons();
    }

    // The script writes a meter: what the machine holds changes by the script's grant.
    void ScriptWrite(Meter meter) {
        const int64_t held = m_->Held();
        if (!m_->money.SetMeterByScript(meter, std::uniform_int_distribution<int>(-1, 40)(rng_))) return;
        ledger_[roster_->GetCurrentIndex()] += m_->Held() - held;
        ++scriptWrites;
    }

    // The program starts (again) with this player at a new machine.
    void Start(int player) {
        roster_ = std::make_unique<PlayerRoster>(store_);
        purse_ = std::make_unique<RosterWallet>(*roster_);
        m_ = std::make_unique<TestMachine>(UnevenLayout(), MixedPayouts(), 5, 5, 0, Money(25), kMask, purse_.get());
        roster_->SetCurrentIndex(player);
        m_->Script().onEvaluate = [this] {
            if (m_->Script().evaluated.back() == "jackpot") m_->progressive.TakeJackpot();
        };
        m_->progressive.Load();
    }

    // The program is killed: nothing more is written. When a spin was at stake, the ledger
    // takes what it would have paid had it run to its end (found by running it, and then
    // forgetting every write of that run).
    void Kill() {
        const int player = roster_->GetCurrentIndex();
        const MemoryPlayerStore atKill = store_;
        const std::map<std::string, int32_t> results = m_->Script().results;
        if (Spinning()) {
            const int32_t bet = m_->meters.Bet();
            const int64_t denomination = m_->meters.Denomination().Cents();
            for (int reel = 0; reel < 3; ++reel) m_->spin.OnReelStopped(reel);
            ledger_[player] += (int64_t(m_->meters.WinnerPaid()) - bet) * denomination;
            ++killedSpins;
        }
        pastRefusals_ += m_->notices.boxes.size();
        m_.reset();
        purse_.reset();
        roster_.reset();
        store_ = atKill;
        Start(player);
        m_->Script().results = results;
        PayPendingSpin(*roster_, m_->spin, "");
        ++kills;
    }

    void Spin() {
        if (Spinning() || m_->meters.Bet() == 0) return;
        m_->Script().results["win"] = std::uniform_int_distribution<int>(0, 500)(rng_);
        m_->Script().results["jackpot"] = std::uniform_int_distribution<int>(0, 3)(rng_);
        m_->spin.OnSpin();
    }

    void StopAReel() {
        if (!Spinning()) return;
        m_->spin.OnReelStopped(std::uniform_int_distribution<int>(0, 2)(rng_));
    }

    // A player leaves the machine and the next one sits down.
    void SwitchPlayer() {
        if (!m_->money.CanEnd()) return;
        roster_->SetCurrentIndex((roster_->GetCurrentIndex() + 1) % kPlayersInPlay);
    }

    std::mt19937 rng_;
    MemoryPlayerStore store_;
    std::unique_ptr<PlayerRoster> roster_;
    std::unique_ptr<RosterWallet> purse_;
    std::unique_ptr<TestMachine> m_;
    std::map<int, int64_t> ledger_;
    size_t pastRefusals_ = 0;  // the notices of machines before the last kill  // each player's starting cash plus wins less bets
};
}  // namespace

TEST(MoneyConservation, AHundredThousandRandomActionsMakeAndLoseNothing) {
    ConservationRun run(20261209);
    for (int step = 0; step < 100000; ++step) {
        run.Step();
        run.Check(step);
        if (::testing::Test::HasFatalFailure()) return;
    }
    // The run went through every kind of money movement many times.
    EXPECT_GT(run.paidSpins, 5000);
    EXPECT_GT(run.wins, 500);
    EXPECT_GT(run.denominationChanges, 500);
    EXPECT_GT(run.playerChanges, 500);
    EXPECT_GT(run.Refusals(), 100u);
    EXPECT_GT(run.killedSpins, 100);
    EXPECT_GT(run.scriptWrites, 1000);
    std::cout << run.paidSpins << " spins paid, " << run.wins << " won, " << run.denominationChanges
              << " denomination changes, " << run.playerChanges << " players changed, " << run.Refusals()
              << " notices, " << run.kills << " kills, " << run.killedSpins << " in a spin\n";
}
