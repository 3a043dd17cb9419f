// No money is made or lost. Over a long run of random play, for every player, cash less
// credit plus what the machine holds for the player equals the starting money plus wins
// less bets, to the cent, after every action, and the store always holds the player's money
// as it is. And a program stopped after any one of its writes, across a spin, a payment
// with a jackpot, loans, a repayment, a change of denomination and a cash-out, starts again
// with every player's money as it was before the step it stopped in, or after it.
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
        const size_t settled = m_->Script().totals.size();
        Act(std::uniform_int_distribution<int>(0, 99)(rng_));
        if (m_->Script().totals.size() != settled) {  // a spin was paid: the bet is spent, the win added
            ledger_[player] += (int64_t(m_->meters.WinnerPaid()) - betBefore) * denomination;
            ++paidSpins;
            if (m_->meters.WinnerPaid() > 0) ++wins;
        }
        if (m_->meters.Denomination().Cents() != denomination) ++denominationChanges;
        if (roster_->GetCurrentIndex() != player) ++playerChanges;
    }

    int paidSpins = 0, wins = 0, denominationChanges = 0, playerChanges = 0, loans = 0, scriptWrites = 0;
    size_t Refusals() const { return m_->notices.boxes.size(); }

    void Check(int step) const {
        const int current = roster_->GetCurrentIndex();
        const int64_t held = m_->Held();
        ASSERT_EQ(held, roster_->GetHeld().Cents()) << "step " << step;
        for (int slot = 0; slot < kPlayersInPlay; ++slot) {
            const int64_t cash = roster_->GetRecord(slot).GetCash().Cents();
            const int64_t credit = roster_->GetRecord(slot).GetCredit().Cents();
            const int64_t onMachine = slot == current ? held : 0;
            ASSERT_EQ(ledger_.at(slot), cash - credit + onMachine) << "player " << slot << " at step " << step;
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
        if (roll < 97) return LoanOrRepayment();
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

    // The program starts with this player at a machine.
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

    // The credit sheet lends to a player or takes a repayment: cash less credit stays.
    void LoanOrRepayment() {
        const int slot = std::uniform_int_distribution<int>(0, kPlayersInPlay - 1)(rng_);
        const Money amount(std::uniform_int_distribution<int32_t>(1, 50000)(rng_));
        if (rng_() % 2 ? roster_->Borrow(slot, amount) : roster_->Repay(slot, amount)) ++loans;
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
    std::map<int, int64_t> ledger_;  // each player's starting money plus wins less bets
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
    EXPECT_GT(run.loans, 300);
    EXPECT_GT(run.scriptWrites, 1000);
    std::cout << run.paidSpins << " spins paid, " << run.wins << " won, " << run.denominationChanges
              << " denomination changes, " << run.playerChanges << " players changed, " << run.Refusals()
              << " notices, " << run.loans << " loans and repayments\n";
}

namespace {
const char* kMill = "Mill.slot";  // another machine; the one played has no name

// Three pay lines that always show S0: 7 coins, the progressive jackpot in thousands of
// cents, and 11 coins.
ScriptTable JackpotPayouts() {
    ScriptTable table;
    table.lines.push_back(AllOf(3, "S0", {Pays(7), Runs("jackpot"), Pays(11)}));
    return table;
}

// The program over a store: the roster and a quarter machine whose jackpot line takes the
// progressive.
struct Program {
    Program(MemoryPlayerStore& store, const std::map<std::string, int32_t>& meters,
            const std::function<bool()>& mayWrite)
        : roster(store), purse(roster),
          m(MakeLayout(3, 8, 1, 3), JackpotPayouts(), 1, 3, 0, Money(25), kMask, &purse) {
        m.store.values = meters;
        m.store.mayWrite = mayWrite;
        m.Script().onEvaluate = [this] { m.Script().results["jackpot"] = m.progressive.TakeJackpot() / 1000; };
        m.progressive.Load();
    }
    PlayerRoster roster;
    RosterWallet purse;
    TestMachine m;
};

// Each step the stop test takes: a bet and a spin paid with the jackpot, loans to the
// player at the machine and to another, a repayment, a change of denomination and a
// cash-out.
void PlayTheSteps(Program& p) {
    p.m.money.AddCoins(3);
    p.m.spin.OnSpin();
    p.m.spin.OnReelStopped(0);
    p.roster.Borrow(0, Money(20000));
    p.roster.Borrow(1, Money(20000));
    p.roster.Repay(2, Money(5000));
    p.m.money.OnChangeDenomination();
    p.m.money.OnCashOut();
}

// A player with money on a machine, a debt and a win waiting on another machine (a spin
// cut short there that took a $5,000 jackpot: 5,000 coins), as a store of an earlier
// program left them; and two other players.
MemoryPlayerStore StartingStore() {
    MemoryPlayerStore store;
    HeldSpin mill;
    mill.machine = kMill;
    mill.bet = 3;
    mill.denomination = Money(25);
    mill.stops = {0, 0, 0};
    mill.scriptletLines = true;
    mill.jackpots = {5000000};
    store.slots[0] = {"Ada Lovelace", 500000, 10000, 8122026, true, true, 2500, 500000, {}};
    store.slots[0].holding.pending = {mill};
    store.slots[1] = {"Grace Hopper", 300000, 0, 8122026, false};
    store.slots[2] = {"Alan Turing", 200000, 60000, 8122026, false};
    return store;
}
}  // namespace

TEST(MoneyConservation, AProgramStoppedAfterAnyOneWriteLosesAndMakesNothing) {
    const MemoryPlayerStore start = StartingStore();
    const std::map<std::string, int32_t> meters = {{"$0.25Progressive", 20012345}};
    const int64_t waiting = 5000 * 25;
    const int64_t spinWin = (7 + 20012 + 11 - 3) * 25;
    const std::map<int, int64_t> before = {{0, 500000 + 2500 - 10000 + waiting}, {1, 300000}, {2, 200000 - 60000}};
    // A run without a stop counts the writes and finds the first one that holds the spin.
    int writes = 0, spinWrite = 0;
    {
        MemoryPlayerStore store = start;
        store.mayWrite = [&] { return ++writes > 0; };
        store.onHeldWritten = [&](const Holding& holding) {
            if (holding.spin && !spinWrite) spinWrite = writes;
        };
        Program p(store, meters, store.mayWrite);
        PlayTheSteps(p);
        ASSERT_EQ(20030, p.m.Script().totals.at(0));
    }
    ASSERT_GT(spinWrite, 0);
    int tried = 0, mismatches = 0;
    for (int stop = 0; stop <= writes; ++stop) {
        MemoryPlayerStore store = start;
        std::map<std::string, int32_t> written;
        int count = 0;
        store.mayWrite = [&] { return ++count <= stop; };
        {
            Program p(store, meters, store.mayWrite);
            PlayTheSteps(p);
            written = p.m.store.values;
        }
        store.mayWrite = nullptr;
        // The next start, and each machine with a waiting win opened by each player.
        Program again(store, written, nullptr);
        for (int slot = 0; slot < 3; ++slot) {
            again.roster.SetCurrentIndex(slot);
            PayPendingSpin(again.roster, again.m.spin, kMill);
            PayPendingSpin(again.roster, again.m.spin, "");
            const PlayerRecord& record = again.roster.GetRecord(slot);
            const int64_t expected = before.at(slot) + (slot == 0 && stop >= spinWrite ? spinWin : 0);
            const int64_t money = int64_t(record.GetCash().Cents()) - record.GetCredit().Cents();
            if (money != expected && ++mismatches <= 5)
                ADD_FAILURE() << "stopped after write " << stop << ": player " << slot << " has " << money
                              << " cents, the ledger " << expected;
        }
        ++tried;
    }
    EXPECT_GT(tried, 40);
    std::cout << tried << " stop points tried, " << mismatches << " mismatches\n";
}
