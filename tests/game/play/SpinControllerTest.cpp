// A spin from the start of the reels to the payment: when it is evaluated, how often, what
// the script's answers do, scriptlet payouts, and where the reels are aimed.
#include <gtest/gtest.h>

#include "PlayFakes.h"

namespace {
ScriptTable SevensPay(std::vector<ScriptPayout> payouts) {
    ScriptTable table;
    table.lines.push_back(AllOf(3, "S0", std::move(payouts)));
    return table;
}

// Three reels that always show S0, a max bet of 3 and 2 coins bet.
struct WinningMachine : TestMachine {
    explicit WinningMachine(std::vector<ScriptPayout> payouts = {Pays(10), Pays(20), Pays(30)})
        : TestMachine(MakeLayout(3, 8, 1, 1), SevensPay(std::move(payouts)), 1, 3, 10000) {
        money.AddCoins(2);
    }
};
}  // namespace

TEST(Spin, TwoStopMessagesThatFindTheReelsStillPayOnce) {
    WinningMachine m;
    m.spin.OnSpin();
    EXPECT_FALSE(m.spin.IsIdle());
    for (Button b : {Button::BetOne, Button::BetMax, Button::CashOut, Button::Spin})
        EXPECT_FALSE(m.buttons.IsButtonEnabled(b));
    m.spin.OnReelStopped(0);
    m.spin.OnReelStopped(2);
    m.spin.OnReelStopped(1);
    EXPECT_EQ(1, m.Script().allStopped);
    EXPECT_EQ((std::vector<int>{0, 2, 1}), m.Script().reelStops);
    EXPECT_EQ(20, m.meters.WinnerPaid());
    EXPECT_EQ(20, m.meters.Credit());
    EXPECT_EQ(0, m.meters.Bet());
    EXPECT_TRUE(m.spin.IsIdle());
    EXPECT_TRUE(m.buttons.IsButtonEnabled(Button::CashOut));
    EXPECT_TRUE(m.buttons.IsButtonEnabled(Button::BetOne));
    EXPECT_FALSE(m.buttons.IsButtonEnabled(Button::Spin));
}

TEST(Spin, AReelInAnyMotionStateButZeroHoldsThePayment) {
    WinningMachine m;
    m.spin.OnSpin();
    for (int state : {1, 2, -1}) {
        m.reels.motion[1] = state;
        m.spin.OnReelStopped(0);
        EXPECT_EQ(0, m.Script().allStopped) << "state " << state;
        EXPECT_EQ(2, m.meters.Bet());
        EXPECT_EQ(0, m.meters.WinnerPaid());
    }
    m.reels.motion[1] = 0;
    m.spin.OnReelStopped(1);
    EXPECT_EQ(20, m.meters.Credit());
}

TEST(Spin, OnAllReelsStopFalseHoldsTheSpinButTrueOrAnEmptyAnswerPays) {
    WinningMachine paid;
    paid.Script().allReelsStopAnswer = ScriptAnswer::Yes;
    paid.spin.OnSpin();
    paid.spin.OnReelStopped(2);
    EXPECT_EQ(20, paid.meters.Credit());
    EXPECT_EQ(0, paid.meters.Bet());

    WinningMachine held;
    held.Script().allReelsStopAnswer = ScriptAnswer::No;
    held.spin.OnSpin();
    held.spin.OnReelStopped(2);
    EXPECT_EQ(2, held.meters.Bet());
    EXPECT_EQ(0, held.meters.Credit());
    EXPECT_EQ(0, held.meters.WinnerPaid());
    for (Button b : {Button::BetOne, Button::BetMax, Button::CashOut, Button::Spin})
        EXPECT_FALSE(held.buttons.IsButtonEnabled(b));
    // The script has the spin: the machine is idle, so the script may bet and spin.
    EXPECT_TRUE(held.spin.IsIdle());
    EXPECT_TRUE(held.money.BetCoins(1));

    WinningMachine answeredNothing;
    answeredNothing.Script().allReelsStopAnswer = ScriptAnswer::None;
    answeredNothing.spin.OnSpin();
    answeredNothing.spin.OnReelStopped(2);
    EXPECT_EQ(20, answeredNothing.meters.Credit());
    EXPECT_TRUE(answeredNothing.money.CanEnd());
}

TEST(Spin, WhileTheSpinIsPaidTheMachineIsNotIdleAndNoMoneyMoves) {
    WinningMachine m;
    m.money.SetCoinsToBet(false);
    m.money.AddCoins(6);  // 2 bet, 6 credit
    m.money.SetCoinsToBet(true);
    m.Script().onPayment = [&] {
        EXPECT_FALSE(m.spin.IsIdle());
        EXPECT_FALSE(m.money.BetCoins(1));
        m.money.OnBetOne();
        m.money.OnBetMax();
        m.money.OnCashOut();
        EXPECT_EQ(6, m.meters.Credit());
        EXPECT_EQ(2, m.meters.Bet());
    };
    m.spin.OnSpin();
    m.spin.OnReelStopped(0);
    ASSERT_EQ(1u, m.Script().payments.size());
    EXPECT_EQ(1u, m.reels.spins[0].size()) << "Bet Max started no spin";
    EXPECT_TRUE(m.spin.IsIdle());
    EXPECT_EQ(6 + 20, m.meters.Credit());
    EXPECT_EQ(0, m.meters.Bet());
    EXPECT_EQ((6 + 20) * 25, m.wallet.held.Cents());
    EXPECT_EQ(10000 - 8 * 25, m.wallet.cash.Cents());
    EXPECT_TRUE(m.money.BetCoins(1)) << "once paid, the machine takes bets again";
}

TEST(Spin, AScriptSpinWithNoMarkedReelsStartsNothingAndPaysNothing) {
    WinningMachine m;
    m.spin.StartSpin();  // nothing marked: no reel moves, no outcome is drawn
    m.spin.MoveReels();
    EXPECT_EQ(1, m.Script().reelsStarted);
    EXPECT_TRUE(m.spin.IsIdle());
    EXPECT_EQ(0, m.Script().allStopped);
    EXPECT_EQ(0, m.meters.Credit());
    EXPECT_EQ(2, m.meters.Bet());
    for (const auto& spins : m.reels.spins) EXPECT_TRUE(spins.empty());
}

// The script's machine.Spin() (or SpinToStops) inside OnPayment: the drawn outcome is paid
// once, by the stops drawn for it and with them at stake until it is paid; a bonus spin
// whose stops the handler chose starts after the payment.
TEST(Spin, AScriptSpinDuringThePaymentWaitsForItAndNoOutcomeIsPaidTwice) {
    for (bool chooseStops : {false, true}) {
        for (bool shortWay : {false, true}) {
            WinningMachine m;
            m.spin.OnSpin();
            const std::vector<int32_t> drawn = m.wallet.spin->stops;
            int payments = 0;
            m.Script().onPayment = [&] {
                if (payments++) return;  // the handler asks once
                if (chooseStops)
                    for (int reel = 0; reel < 3; ++reel) m.spin.MarkReel(reel);
                shortWay ? m.spin.MoveReels() : m.spin.StartSpin();
                EXPECT_EQ(1u, m.reels.spins[0].size()) << "no reel moves during the payment";
                ASSERT_TRUE(m.wallet.spin);
                EXPECT_EQ(drawn, m.wallet.spin->stops) << "the paid spin stays at stake";
            };
            m.spin.OnReelStopped(0);
            const std::string path = std::string(chooseStops ? "bonus" : "unmarked") + (shortWay ? " short" : " full");
            EXPECT_EQ(1u, m.Script().payments.size()) << path;
            EXPECT_EQ(20, m.meters.Credit()) << path;
            EXPECT_EQ(0, m.meters.Bet()) << path;
            EXPECT_EQ(10000 - 2 * 25, m.wallet.cash.Cents()) << path;
            EXPECT_EQ(20 * 25, m.wallet.held.Cents()) << path;
            EXPECT_EQ(chooseStops ? 2u : 1u, m.reels.spins[0].size()) << path;
            EXPECT_EQ(shortWay ? 1 : 2, m.Script().reelsStarted) << path;
            EXPECT_EQ(!chooseStops, m.spin.IsIdle()) << path;
            // The bonus spin is evaluated when its reels stop: nothing is bet on it.
            m.Script().onPayment = nullptr;
            m.spin.OnReelStopped(0);
            EXPECT_EQ(20, m.meters.Credit()) << path;
            EXPECT_TRUE(m.spin.IsIdle()) << path;
        }
    }
}

TEST(Spin, AScriptletPayoutPaysItsValueAndAFailedOnePaysNothingAndIsReported) {
    WinningMachine good({Pays(1), Runs("jackpot()"), Pays(3)});
    good.Script().results["jackpot()"] = 250;
    good.spin.OnSpin();
    good.spin.OnReelStopped(0);
    EXPECT_EQ(250, good.meters.Credit());
    EXPECT_TRUE(good.notices.boxes.empty());

    WinningMachine bad({Pays(1), Runs("broken("), Pays(3)});
    bad.spin.OnSpin();
    bad.spin.OnReelStopped(0);
    EXPECT_EQ(std::vector<std::string>{"Payout scriptlet error"}, bad.notices.boxes);
    EXPECT_TRUE(bad.Script().payments.empty());
    EXPECT_EQ(std::vector<int32_t>{0}, bad.Script().totals);
    EXPECT_EQ(0, bad.meters.Credit());
    EXPECT_EQ(0, bad.meters.WinnerPaid());
    EXPECT_EQ(0, bad.meters.Bet());

    WinningMachine negative({Pays(1), Runs("-5"), Pays(3)});
    negative.Script().results["-5"] = -5;
    negative.spin.OnSpin();
    negative.spin.OnReelStopped(0);
    EXPECT_EQ(0, negative.meters.Credit());
    EXPECT_EQ(1u, negative.notices.boxes.size());
}

TEST(Spin, AFailedJackpotPaymentGivesTheMeterBack) {
    WinningMachine m({Pays(1), Runs("machine.Progressive"), Pays(3)});
    m.progressive.Load();
    const int32_t jackpot = m.progressive.Value();
    // The script reads the jackpot (which resets the meter) and then fails.
    m.Script().onEvaluate = [&] { EXPECT_EQ(jackpot, m.progressive.TakeJackpot()); };
    m.spin.OnSpin();
    m.spin.OnReelStopped(0);
    EXPECT_EQ(jackpot, m.progressive.Value());
    EXPECT_EQ(jackpot, m.store.values[ProgressiveMeter::SettingName(Money(25))]);

    // Read twice before it fails: the meter gets back what the first read took.
    m.Script().onEvaluate = [&] {
        EXPECT_EQ(jackpot, m.progressive.TakeJackpot());
        EXPECT_EQ(ProgressiveMeter::SeedFor(Money(25)), m.progressive.TakeJackpot());
    };
    m.money.AddCoins(2);
    m.spin.OnSpin();
    m.spin.OnReelStopped(0);
    EXPECT_EQ(jackpot, m.progressive.Value());
    EXPECT_EQ(jackpot, m.store.values[ProgressiveMeter::SettingName(Money(25))]);

    // Paid, the jackpot is gone and the meter starts again from its seed.
    m.Script().onEvaluate = [&] { m.progressive.TakeJackpot(); };
    m.Script().results["machine.Progressive"] = 40;
    m.money.AddCoins(2);
    m.progressive.Tick();
    m.spin.OnSpin();
    m.spin.OnReelStopped(0);
    EXPECT_EQ(ProgressiveMeter::SeedFor(Money(25)), m.progressive.Value());
}

TEST(Spin, ReelsAreStaggeredAndStopOnTheDrawnStops) {
    SpinLayout layout = MakeLayout(4, 20, 20, 1);
    layout.strips[2][13].weight = 1000000;  // reel 2 nearly always shows stop 13
    TestMachine m(layout, SevensPay({Pays(1)}), 20, 1, 1000);
    m.reels.positions = {35, 0, 1990, 77};
    for (int round = 0; round < 50; ++round) {
        const std::vector<int32_t> before = m.reels.positions;
        m.spin.OnSpin();
        int32_t previousTravel = 0;
        for (int r = 0; r < 4; ++r) {
            const ReelTarget& t = m.reels.spins[r].back();
            EXPECT_EQ(before[r], t.start);
            EXPECT_FALSE(t.reverse);
            const int32_t travel = t.target / 10 - t.start / 10;
            EXPECT_GT(travel, previousTravel) << "reel " << r;
            previousTravel = travel;
            // At the target the strip index shown at the top is the target stop.
            EXPECT_EQ(19 - t.targetStop, (t.target / 10) % 20);
        }
        m.spin.OnReelStopped(3);
    }
}

TEST(Spin, MovingTheShortWayRunsBackwardsExactlyWhenTheTargetIsBehind) {
    const int32_t S = 12;
    SpinLayout layout = MakeLayout(1, S, S, 1, 1);
    for (int32_t turn : {0, 3}) {
        for (int32_t m = 0; m < S; ++m) {
            for (int32_t stop = 0; stop < S; ++stop) {
                std::vector<ReelTarget> targets(1);
                targets[0].current = (turn * S + m) * 10;
                targets[0].targetStop = stop;
                PlanShortMove(layout, targets, {true});
                const ReelTarget& t = targets[0];
                EXPECT_EQ(t.reverse, t.target < t.start) << "from " << m << " to " << stop;
                EXPECT_GE(t.target, 0);
                EXPECT_EQ(S - 1 - t.targetStop, (t.target / 10) % S);
                const int32_t distance = std::abs(t.target - t.start) / 10;
                if (turn > 0) {
                    EXPECT_LE(distance, S / 2) << "from " << m << " to " << stop;
                }
            }
        }
    }
}

TEST(Spin, LookUpPayoutAnswersForSymbolsTheScriptGives) {
    WinningMachine m({Pays(4), Runs("7"), Pays(6)});
    m.Script().results["7"] = 7;
    int32_t index = -1, amount = -1;
    EXPECT_TRUE(m.spin.LookUpPayout({0, 0, 0}, 1, index, amount));
    EXPECT_EQ(4, amount);
    EXPECT_TRUE(m.spin.LookUpPayout({0, 0, 0}, 2, index, amount));
    EXPECT_EQ(7, amount);
    EXPECT_FALSE(m.spin.LookUpPayout({0, 0, 0}, 4, index, amount));
}
