// Coins, bets, credit, cash-out and denominations on a machine, with the faults that could
// make or lose money.
#include <gtest/gtest.h>

#include "CoinCountEntry.h"
#include "Denominations.h"
#include "PlayFakes.h"

namespace {
ScriptTable NothingPays() {
    ScriptTable table;
    table.lines.push_back(AllOf(3, "S1", {Pays(1), Pays(1), Pays(1)}));
    return table;
}

// Three reels that show only S0, which never pays; max bet 3.
struct Machine : TestMachine {
    explicit Machine(int32_t cash = 100000, Money denomination = Money(25), uint32_t mask = 0xFFFF)
        : TestMachine(MakeLayout(3, 8, 1, 1), NothingPays(), 2, 3, cash, denomination, mask) {}
    void Meters(int32_t credit, int32_t bet) {
        panel.values[Meter::Credit] = credit;
        panel.values[Meter::Bet] = bet;
    }
};
}  // namespace

TEST(Denominations, TableFlagsAndTheMachinesOwnValues) {
    EXPECT_EQ(25, GetDenominationValue(0x8).Cents());
    EXPECT_EQ(0, GetDenominationValue(0x3).Cents());
    EXPECT_EQ(0x8000u, GetDenominationFlag(Money(100000)));
    EXPECT_EQ(0u, GetDenominationFlag(Money(30)));
    const uint32_t mask = 0x2 | 0x8 | 0x20;  // 5, 25 and 100 cents
    EXPECT_EQ(100, NextDenomination(Money(25), mask).Cents());
    EXPECT_EQ(5, NextDenomination(Money(100), mask).Cents());
    EXPECT_EQ(30, NextDenomination(Money(30), mask).Cents());
    EXPECT_EQ(25, NextDenomination(Money(25), 0x8).Cents());
    EXPECT_EQ(0, GetDenominationIndex(Money(5), mask));
    EXPECT_EQ(2, GetDenominationIndex(Money(100), mask));
    EXPECT_EQ(-1, GetDenominationIndex(Money(10), mask));
}

TEST(Bets, BetOneAndBetMaxFollowTheCredit) {
    Machine m;
    m.money.OnBetOne();  // no credit: only Cash Out goes off
    EXPECT_EQ(0, m.meters.Bet());
    m.Meters(1, 1);
    m.money.OnBetMax();
    EXPECT_EQ(1, m.meters.Bet());
    EXPECT_EQ(0u, m.reels.spins[0].size());
    m.Meters(2, 1);
    m.money.OnBetMax();
    EXPECT_EQ(0, m.meters.Credit());
    EXPECT_EQ(3, m.meters.Bet());
    EXPECT_EQ(1u, m.reels.spins[0].size()) << "Bet Max spins";
}

TEST(Bets, BetMaxAtTheMaxBetIsOffAndDoesNothing) {
    Machine m;
    m.money.AddCoins(5);  // the bet fills up to the max first
    ASSERT_EQ(3, m.meters.Bet());
    EXPECT_FALSE(m.buttons.IsButtonEnabled(Button::BetMax)) << "nothing more to bet";
    EXPECT_TRUE(m.buttons.IsButtonEnabled(Button::Spin));
    m.money.OnBetMax();  // its hot key
    EXPECT_EQ(0u, m.reels.spins[0].size()) << "no spin";
    EXPECT_EQ(2, m.meters.Credit());
    EXPECT_EQ(3, m.meters.Bet());
    EXPECT_FALSE(m.buttons.IsButtonEnabled(Button::BetMax));
}

TEST(Bets, BuyingCoinsFillsTheBetFirstOnlyWhileIdle) {
    Machine m;
    m.money.AddCoins(10);
    EXPECT_EQ(3, m.meters.Bet());
    EXPECT_EQ(7, m.meters.Credit());
    EXPECT_EQ(100000 - 250, m.wallet.cash.Cents());
    EXPECT_EQ(250, m.wallet.held.Cents());
    m.spin.OnSpin();
    m.money.AddCoins(10);
    EXPECT_EQ(3, m.meters.Bet());
    EXPECT_EQ(17, m.meters.Credit());
}

TEST(Bets, BuyingZeroCoinsBetsNothing) {
    Machine m;
    m.money.AddCoins(0);
    EXPECT_EQ(0, m.meters.Bet());
    EXPECT_EQ(0, m.meters.Credit());
    EXPECT_EQ(100000, m.wallet.cash.Cents());
    EXPECT_EQ(0, m.setting.locks);
}

TEST(Bets, CoinsTheCashCannotPayForOrTheMachineCannotCountAreRefused) {
    Machine poor(100);
    poor.money.AddCoins(5);
    EXPECT_EQ(std::vector<std::string>{"Insufficient Funds: You do not have enough money to drop in 5 $0.25 tokens."},
              poor.notices.boxes);
    EXPECT_EQ(100, poor.wallet.cash.Cents());

    Machine rich(INT32_MAX, Money(100000));
    rich.money.AddCoins(4294967295u);  // would wrap round to a small amount in 32 bits
    rich.money.AddCoins(21475);        // 2,147,500,000 cents
    EXPECT_EQ(2u, rich.notices.boxes.size());
    EXPECT_EQ(INT32_MAX, rich.wallet.cash.Cents());
    EXPECT_EQ(0, rich.meters.Credit());
    rich.money.AddCoins(21474);
    EXPECT_EQ(21474 - 3, rich.meters.Credit());
    rich.wallet.cash = Money(INT32_MAX);
    rich.money.OnCoinIn();  // the machine holds all it can count
    EXPECT_EQ(3u, rich.notices.boxes.size());
}

TEST(Bets, CashingOutMoreThanTheCashCanHoldIsRefusedAndKept) {
    Machine m(1000, Money(100000));
    m.wallet.cash = Money(INT32_MAX - 50000);
    m.Meters(1, 0);
    m.wallet.held = Money(100000);
    m.money.OnCashOut();
    EXPECT_EQ(1, m.meters.Credit());
    EXPECT_EQ(INT32_MAX - 50000, m.wallet.cash.Cents());
    EXPECT_EQ(1u, m.notices.boxes.size());
    EXPECT_FALSE(m.money.CanEnd());
}

TEST(Bets, TheScriptBetsFromCreditThenCash) {
    Machine m(1000);
    m.Meters(1, 0);
    EXPECT_FALSE(m.money.BetCoins(4));   // over the max bet
    EXPECT_FALSE(m.money.BetCoins(0));
    EXPECT_TRUE(m.money.BetCoins(3));
    EXPECT_EQ(0, m.meters.Credit());
    EXPECT_EQ(3, m.meters.Bet());
    EXPECT_EQ(950, m.wallet.cash.Cents());
    EXPECT_TRUE(m.buttons.IsButtonEnabled(Button::Spin));
}

TEST(Bets, ADenominationChangeKeepsWholeCreditsAndReturnsTheRest) {
    Machine m(0, Money(25), 0x8 | 0x20);
    m.Meters(7, 0);
    m.money.OnChangeDenomination();
    EXPECT_EQ(100, m.meters.Denomination().Cents());
    EXPECT_EQ(1, m.meters.Credit());
    EXPECT_EQ(75, m.wallet.cash.Cents());
    EXPECT_EQ(std::vector<int32_t>{100}, m.setting.stored);
    EXPECT_EQ(1, m.panel.denominationIndex);
    EXPECT_EQ(1, m.Script().metersChanged);
    m.money.OnChangeDenomination();  // wraps to the lowest of the machine's own
    EXPECT_EQ(25, m.meters.Denomination().Cents());
    EXPECT_EQ(4, m.meters.Credit());

    m.Meters(4, 1);
    m.money.OnChangeDenomination();  // a coin is bet: nothing changes, and the player is told
    EXPECT_EQ(25, m.meters.Denomination().Cents());
    ASSERT_FALSE(m.notices.boxes.empty());
    EXPECT_EQ(m.notices.boxes.back(), "Spin first: 1 coin is bet on this machine: Spin to play it.\n"
                                      "The denomination can be changed when no coin is bet.");
}

// A win shown in coins of the old denomination would read as coins of the new one.
TEST(Bets, ADenominationChangeClearsTheLastWin) {
    Machine m(0, Money(25), 0x8 | 0x20 | 0x80);
    m.Meters(8, 0);
    m.panel.values[Meter::WinnerPaid] = 6;
    m.money.OnChangeDenomination();
    ASSERT_EQ(100, m.meters.Denomination().Cents());
    EXPECT_EQ(0, m.meters.WinnerPaid()) << "at the machine's plate";
    m.panel.values[Meter::WinnerPaid] = 6;
    m.money.OnDenominationChanged(500);
    ASSERT_EQ(500, m.meters.Denomination().Cents());
    EXPECT_EQ(0, m.meters.WinnerPaid()) << "set elsewhere";
    m.panel.values[Meter::WinnerPaid] = 6;
    m.money.OnDenominationChanged(2500);  // not this machine's: nothing changes
    EXPECT_EQ(6, m.meters.WinnerPaid());
}

TEST(Bets, ADenominationSetElsewhereMustBeOneOfTheMachines) {
    Machine m(0, Money(25), 0x8 | 0x20);
    m.Meters(8, 0);
    m.money.OnDenominationChanged(500);  // not this machine's
    EXPECT_EQ(25, m.meters.Denomination().Cents());
    EXPECT_EQ(8, m.meters.Credit());
    m.money.OnDenominationChanged(100);
    EXPECT_EQ(100, m.meters.Denomination().Cents());
    EXPECT_EQ(2, m.meters.Credit());
    EXPECT_EQ(0, m.wallet.cash.Cents());
}

TEST(Bets, TheMachineHoldsOneLockWhileCoinsAreBetAndGivesBackOnlyItsOwn) {
    Machine m;
    EXPECT_TRUE(m.money.CanEnd());
    EXPECT_EQ(0, m.setting.locks) << "leaving with no bet gives back no lock";
    m.money.OnCoinIn();
    EXPECT_EQ(1, m.setting.locks);
    m.money.OnCoinIn();
    EXPECT_EQ(1, m.setting.locks);
    EXPECT_FALSE(m.money.CanEnd());
    m.spin.OnSpin();
    m.spin.OnReelStopped(0);
    EXPECT_EQ(0, m.setting.locks);
    m.money.AddCoins(4);
    EXPECT_EQ(1, m.setting.locks);
}

TEST(Bets, LeavingCashesOutAndStoresTheDenomination) {
    Machine m(1000);
    m.money.AddCoins(4);
    EXPECT_FALSE(m.money.CanEnd()) << "coins are bet";
    ASSERT_EQ(1u, m.notices.boxes.size()) << "the player is told why and what to do";
    EXPECT_EQ(0u, m.notices.boxes[0].rfind("Spin first: 3 coins are bet", 0)) << m.notices.boxes[0];
    m.spin.OnSpin();
    EXPECT_FALSE(m.money.CanEnd()) << "the reels turn";
    ASSERT_EQ(2u, m.notices.boxes.size());
    EXPECT_EQ(0u, m.notices.boxes[1].rfind("The reels are turning", 0));
    m.spin.OnReelStopped(0);
    EXPECT_TRUE(m.money.CanEnd());
    EXPECT_EQ(1000 - 75, m.wallet.cash.Cents());
    EXPECT_EQ(0, m.wallet.held.Cents());
    EXPECT_EQ(std::vector<int32_t>{25}, m.setting.stored);
}

TEST(Bets, EveryMoneyActionWaitsForTheMachineToBeIdle) {
    Machine m(1000, Money(25), 0x8 | 0x20);
    m.Meters(5, 0);
    m.wallet.held = Money(125);
    // A script's spin with nothing bet: the reels turn.
    for (int reel = 0; reel < 3; ++reel) m.spin.MarkReel(reel);
    m.spin.StartSpin();
    ASSERT_FALSE(m.spin.IsIdle());
    m.money.OnBetOne();
    m.money.OnBetMax();
    EXPECT_FALSE(m.money.BetCoins(1));
    m.money.OnCashOut();
    m.money.OnChangeDenomination();
    m.money.OnDenominationChanged(100);
    EXPECT_EQ(5, m.meters.Credit());
    EXPECT_EQ(0, m.meters.Bet());
    EXPECT_EQ(25, m.meters.Denomination().Cents());
    EXPECT_EQ(1000, m.wallet.cash.Cents());
    EXPECT_EQ(1u, m.reels.spins[0].size()) << "Bet Max did not start the spin again";
    EXPECT_FALSE(m.money.CanEnd());
    // Coins bought or dropped while the reels turn go to the credit.
    m.money.OnCoinIn();
    m.money.AddCoins(2);
    EXPECT_EQ(8, m.meters.Credit());
    EXPECT_EQ(0, m.meters.Bet());

    m.spin.OnReelStopped(0);
    m.money.OnBetOne();
    EXPECT_EQ(1, m.meters.Bet());
}

TEST(Bets, TheScriptsCreditAndBetAreHeldMoneyAtOnceAndTheBetTakesTheLock) {
    Machine m(1000);
    EXPECT_TRUE(m.meters.SetByScript(Meter::Credit, 40));
    EXPECT_EQ(40, m.meters.Credit());
    EXPECT_EQ(40 * 25, m.wallet.held.Cents());
    EXPECT_EQ(1000, m.wallet.cash.Cents());
    EXPECT_EQ(0, m.setting.locks);
    EXPECT_TRUE(m.meters.SetByScript(Meter::Bet, 2));
    EXPECT_EQ(42 * 25, m.wallet.held.Cents());
    EXPECT_EQ(1, m.setting.locks);
    EXPECT_FALSE(m.money.CanEnd());
    EXPECT_TRUE(m.meters.SetByScript(Meter::Bet, 3));
    EXPECT_EQ(1, m.setting.locks);
    EXPECT_TRUE(m.meters.SetByScript(Meter::Bet, 0));
    EXPECT_EQ(0, m.setting.locks);

    // Coins below 0 or more money than the machine can hold are refused.
    EXPECT_FALSE(m.meters.SetByScript(Meter::Credit, -1));
    EXPECT_FALSE(m.meters.SetByScript(Meter::Bet, -1));
    EXPECT_FALSE(m.meters.SetByScript(Meter::Credit, INT32_MAX / 25 + 1));
    EXPECT_EQ(40, m.meters.Credit());
    EXPECT_EQ(40 * 25, m.wallet.held.Cents());
    EXPECT_EQ(0, m.setting.locks);

    EXPECT_TRUE(m.money.CanEnd());
    EXPECT_EQ(1000 + 40 * 25, m.wallet.cash.Cents());
}

TEST(Bets, CoinsAtTheSlotGoOnTheBetThenTheCredit) {
    Machine m(60);
    m.money.OnCoinIn();
    m.money.OnCoinIn();
    m.money.OnCoinIn();  // 10 cents left: not enough for a coin
    EXPECT_EQ(2, m.meters.Bet());
    EXPECT_EQ(10, m.wallet.cash.Cents());
    EXPECT_EQ(2u, m.coins.Dropped());
    EXPECT_EQ(2, m.notices.coins);
    EXPECT_TRUE(m.buttons.IsButtonEnabled(Button::Spin));
}

// Spin and the arm with no coin bet say what to do, and Cash Out and leaving with coins bet
// name the one thing that helps: a spin.
TEST(Bets, ASpinThatCannotStartSaysWhatToDo) {
    Machine m(1000);
    m.money.OnSpinRefused();
    ASSERT_EQ(1u, m.notices.boxes.size()) << "no credit, no bet";
    EXPECT_EQ(0u, m.notices.boxes[0].rfind("Bet a coin first: Bet a coin first: drop one in the coin slot", 0))
        << m.notices.boxes[0];
    m.Meters(5, 0);
    m.money.OnSpinRefused();
    ASSERT_EQ(2u, m.notices.boxes.size());
    EXPECT_EQ(0u, m.notices.boxes[1].rfind("Bet a coin first: Bet a coin first: Bet One or Bet Max", 0))
        << m.notices.boxes[1];
    m.money.OnBetOne();
    m.money.OnCashOutRefused();
    m.money.CanEnd();
    ASSERT_EQ(4u, m.notices.boxes.size());
    EXPECT_EQ(0u, m.notices.boxes[2].rfind("Spin first: 1 coin is bet", 0)) << m.notices.boxes[2];
    EXPECT_EQ(0u, m.notices.boxes[3].rfind("Spin first: 1 coin is bet", 0)) << m.notices.boxes[3];
    m.spin.OnSpin();
    m.money.OnSpinRefused();
    ASSERT_EQ(5u, m.notices.boxes.size());
    EXPECT_EQ(0u, m.notices.boxes[4].rfind("The reels are turning", 0)) << m.notices.boxes[4];
}

TEST(AddCoinsEntry, OnlyAnUnsignedWholeNumberIsTaken) {
    uint32_t coins = 0;
    std::string message;
    EXPECT_TRUE(ReadCoinCount("100", coins, message));
    EXPECT_EQ(100u, coins);
    EXPECT_TRUE(ReadCoinCount("4294967295", coins, message));
    EXPECT_EQ(4294967295u, coins);
    EXPECT_FALSE(ReadCoinCount("", coins, message));
    EXPECT_EQ("Please enter the number of coins to add.", message);
    for (const char* text : {"12a", "-5", " 7", "4294967296", "99999999999"}) {
        EXPECT_FALSE(ReadCoinCount(text, coins, message)) << text;
        EXPECT_EQ(std::string("You entered '") + text +
                      "' which could not\nbe recognized as a number.\n\nPlease enter the number of coins to add.",
                  message);
    }
}
