// The roster's money: every change stored at once, failures reported, what a machine held
// given back after a crash, deleted players, and a current player for play.
#include <gtest/gtest.h>

#include "FormatDollars.h"
#include "FormatMoney.h"
#include "Holding.h"
#include "MemoryPlayerStore.h"
#include "MoneySeparators.h"
#include "PlayerRoster.h"

namespace {
struct Roster {
    Roster() {
        store.slots[0] = {"Ada Lovelace", 10000, 500, 1012026, true};
        store.slots[1] = {"Player 2", 2000, 0, 0, false};  // a name but no date
        store.slots[2] = {"Grace Hopper", 3000, 0, 2012026, false};
    }
    MemoryPlayerStore store;
};
}  // namespace

TEST(RosterMoney, EveryChangeOfMoneyIsStoredAtOnce) {
    Roster r;
    PlayerRoster roster(r.store);
    ASSERT_EQ(0, roster.GetCurrentIndex());
    EXPECT_TRUE(roster.AddCash(Money(-2500)));
    EXPECT_EQ(7500, r.store.slots[0].cash);
    EXPECT_TRUE(roster.Exchange(Money(-500), Money(500)));
    EXPECT_EQ(7000, r.store.slots[0].cash);
    EXPECT_EQ(500, r.store.slots[0].held);
    EXPECT_EQ(7000, r.store.slots[0].heldCash);
    EXPECT_TRUE(roster.Borrow(2, Money(50000)));
    EXPECT_EQ(53000, r.store.slots[2].cash);
    EXPECT_EQ(50000, r.store.slots[2].credit);
    EXPECT_TRUE(roster.Repay(2, Money(20000)));
    EXPECT_EQ(30000, r.store.slots[2].credit);
}

TEST(RosterMoney, SumsThatDoNotFitAreRefused) {
    Roster r;
    PlayerRoster roster(r.store);
    EXPECT_FALSE(roster.AddCash(Money(INT32_MAX)));
    EXPECT_EQ(10000, roster.GetCash().Cents());
    EXPECT_FALSE(roster.Borrow(0, Money(INT32_MAX)));
    EXPECT_EQ(500, roster.GetRecord(0).GetCredit().Cents());
    roster.SetCurrentIndex(-1);
    EXPECT_FALSE(roster.AddCash(Money(1)));
    EXPECT_FALSE(roster.Exchange(Money(1), Money()));
}

TEST(RosterMoney, AFailedWriteIsReported) {
    Roster r;
    PlayerRoster roster(r.store);
    std::vector<std::string> reports;
    roster.SetFaultReporter([&](const std::string& text) { reports.push_back(text); });
    r.store.failing = true;
    EXPECT_TRUE(roster.AddCash(Money(-100)));  // kept while the program runs
    EXPECT_EQ(9900, roster.GetCash().Cents());
    ASSERT_EQ(1u, reports.size());
    EXPECT_NE(std::string::npos, reports[0].find("player 1"));
    EXPECT_FALSE(roster.Save(2));
    EXPECT_EQ(2u, reports.size());
    r.store.failing = false;
}

TEST(RosterMoney, WhatAMachineHeldIsGivenBackWhenTheProgramStartsAgain) {
    Roster r;
    {
        PlayerRoster roster(r.store);
        roster.Exchange(Money(-1000), Money(1000));
        roster.SetHeld(Money(2250));  // a win
    }
    // Killed after the pair was written but before the cash: the pair decides.
    r.store.slots[0].cash = 12345;
    r.store.slots[0].hasHeld = true;
    r.store.slots[0].held = 2250;
    r.store.slots[0].heldCash = 9000;
    PlayerRoster again(r.store);
    EXPECT_EQ(11250, again.GetRecord(0).GetCash().Cents());
    EXPECT_EQ(11250, r.store.slots[0].cash);
    EXPECT_EQ(0, r.store.slots[0].held);
}

// The credit sheet's loan and repayment change cash and credit together: a program stopped
// after the first value of the change was written starts again with both changed.
TEST(RosterMoney, ALoanOrRepaymentStoppedAfterItsFirstWriteIsWholeAtTheNextStart) {
    for (bool repay : {false, true}) {
        Roster r;
        {
            PlayerRoster roster(r.store);
            int writes = 1;  // the program stops after the change's first write
            r.store.mayWrite = [&] { return writes-- > 0; };
            ASSERT_TRUE(repay ? roster.Repay(0, Money(300)) : roster.Borrow(0, Money(20000)));
        }
        r.store.mayWrite = nullptr;
        PlayerRoster again(r.store);
        EXPECT_EQ(repay ? 9700 : 30000, again.GetRecord(0).GetCash().Cents()) << repay;
        EXPECT_EQ(repay ? 200 : 20500, again.GetRecord(0).GetCredit().Cents()) << repay;
        EXPECT_EQ(repay ? 200 : 20500, r.store.slots[0].credit) << "the start writes it out";
    }
}

namespace {
HeldSpin SpinOf(int32_t bet, int32_t tableWin, bool scriptletLines) {
    HeldSpin spin;
    spin.machine = "Harbor.slot";
    spin.bet = bet;
    spin.denomination = Money(25);
    spin.stops = {3, 0, 7};
    spin.tableWin = tableWin;
    spin.scriptletLines = scriptletLines;
    return spin;
}
}  // namespace

// A program stopped between the draw of the stops and the payment: the next start spends
// the bet and pays what the stops pay by the table, once, even when the first write of that
// start fails or the program stops again before it.
TEST(RosterMoney, ASpinCutShortIsSettledByItsStopsOnce) {
    for (const int32_t tableWin : {0, 30}) {
        Roster r;
        {
            PlayerRoster roster(r.store);
            const HeldSpin spin = SpinOf(3, tableWin, false);
            ASSERT_TRUE(roster.Hold(Money(-100), Money(100), &spin));  // 1 credit and 3 coins bet
        }
        ASSERT_TRUE(r.store.slots[0].holding.spin);
        EXPECT_EQ(3, r.store.slots[0].holding.spin->bet);
        r.store.failing = true;
        { PlayerRoster failed(r.store); }
        r.store.failing = false;
        const int32_t expected = 10000 - 75 + tableWin * 25;
        for (int start = 0; start < 2; ++start) {
            PlayerRoster again(r.store);
            EXPECT_EQ(expected, again.GetCash().Cents()) << "win " << tableWin << ", start " << start;
            EXPECT_FALSE(r.store.slots[0].holding.spin);
            EXPECT_EQ(expected, r.store.slots[0].cash);
        }
    }
}

// Lines that pay by a scriptlet wait for their machine: its next opening evaluates them and
// the cash takes what they pay, once.
TEST(RosterMoney, TheScriptletLinesOfASpinCutShortWaitForTheirMachine) {
    Roster r;
    {
        PlayerRoster roster(r.store);
        const HeldSpin spin = SpinOf(2, 4, true);
        roster.Hold(Money(-50), Money(50), &spin);
    }
    {
        PlayerRoster again(r.store);
        EXPECT_EQ(10000 - 50 + 100, again.GetCash().Cents()) << "the table's lines are paid at once";
        EXPECT_FALSE(again.GetPendingSpin("Other.slot"));
        ASSERT_TRUE(again.GetPendingSpin("HARBOR.SLOT"));
        EXPECT_EQ(2, again.GetPendingSpin("harbor.slot")->bet);
    }
    PlayerRoster third(r.store);
    EXPECT_EQ(10050, third.GetCash().Cents()) << "nothing settled twice";
    ASSERT_TRUE(third.GetPendingSpin("Harbor.slot"));
    ASSERT_TRUE(third.PayPendingSpin("harbor.slot", Money(1250)));
    EXPECT_EQ(11300, r.store.slots[0].cash);
    EXPECT_TRUE(r.store.slots[0].holding.pending.empty());
    PlayerRoster fourth(r.store);
    EXPECT_EQ(11300, fourth.GetCash().Cents());
    EXPECT_FALSE(fourth.GetPendingSpin("Harbor.slot"));
}

// Two spins cut short on two machines: each one's scriptlet lines wait until its own machine
// pays them.
TEST(RosterMoney, EveryWaitingWinStaysUntilItsMachinePaysIt) {
    Roster r;
    for (const char* machine : {"Harbor.slot", "Mill.slot", "Harbor.slot"}) {
        PlayerRoster roster(r.store);
        HeldSpin spin = SpinOf(1, 0, true);
        spin.machine = machine;
        roster.Hold(Money(-25), Money(25), &spin);
    }
    PlayerRoster again(r.store);
    EXPECT_EQ(10000 - 75, again.GetCash().Cents());
    ASSERT_TRUE(again.GetPendingSpin("mill.slot"));
    ASSERT_TRUE(again.PayPendingSpin("mill.slot", Money(700)));
    EXPECT_FALSE(again.GetPendingSpin("mill.slot"));
    for (int paid = 0; paid < 2; ++paid) {
        PlayerRoster next(r.store);
        ASSERT_TRUE(next.GetPendingSpin("harbor.slot")) << paid;
        ASSERT_TRUE(next.PayPendingSpin("harbor.slot", Money(100 * (paid + 1)))) << paid;
    }
    PlayerRoster last(r.store);
    EXPECT_FALSE(last.GetPendingSpin("harbor.slot"));
    EXPECT_EQ(10000 - 75 + 700 + 100 + 200, last.GetCash().Cents());
}

TEST(RosterMoney, TheStoredHoldingReadsBackAndRefusesOtherShapes) {
    Holding holding;
    holding.held = Money(1234);
    holding.spin = SpinOf(3, 30, false);
    holding.pending = {SpinOf(1, 0, true)};
    const std::vector<uint8_t> bytes = EncodeHolding(holding, Money(-5));
    Holding read;
    Money cash;
    ASSERT_TRUE(DecodeHolding(bytes.data(), bytes.size(), read, cash));
    EXPECT_EQ(-5, cash.Cents());
    EXPECT_EQ(1234, read.held.Cents());
    EXPECT_EQ(holding.spin, read.spin);
    EXPECT_EQ(holding.pending, read.pending);
    // The form of a holding without a spin: two words.
    const uint8_t pair[8] = {0x10, 0x27, 0, 0, 0xE8, 0x03, 0, 0};
    ASSERT_TRUE(DecodeHolding(pair, 8, read, cash));
    EXPECT_EQ(10000, read.held.Cents());
    EXPECT_EQ(1000, cash.Cents());
    EXPECT_FALSE(read.spin);
    const size_t spinEnd = EncodeHolding(Holding{holding.held, holding.spin, {}, {}}, cash).size();
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        if (cut != 8 && cut != spinEnd) {
            EXPECT_FALSE(DecodeHolding(bytes.data(), cut, read, cash)) << cut;
        }
    }
    std::vector<uint8_t> twice = EncodeHolding(Holding{Money(1), SpinOf(1, 0, false), {}, {}}, Money(0));
    twice.insert(twice.end(), twice.begin() + 8, twice.end());
    EXPECT_FALSE(DecodeHolding(twice.data(), twice.size(), read, cash)) << "one spin only";
    std::vector<uint8_t> negative = EncodeHolding(Holding{Money(1), SpinOf(-4, 0, false), {}, {}}, Money(0));
    EXPECT_FALSE(DecodeHolding(negative.data(), negative.size(), read, cash)) << "a negative bet";
    std::vector<uint8_t> reels = EncodeHolding(Holding{Money(1), SpinOf(1, 0, false), {}, {}}, Money(0));
    reels[28] = 0xFF;  // the reel count
    EXPECT_FALSE(DecodeHolding(reels.data(), reels.size(), read, cash));

    // The credit, waiting spins on two machines and the jackpots a spin took.
    HeldSpin took = SpinOf(3, 0, true);
    took.jackpots = {20000000, 15000000};
    HeldSpin mill = SpinOf(1, 0, true);
    mill.machine = "Mill.slot";
    const Holding full{Money(75), took, {mill, SpinOf(2, 0, true)}, Money(-300)};
    const std::vector<uint8_t> fullBytes = EncodeHolding(full, Money(40));
    ASSERT_TRUE(DecodeHolding(fullBytes.data(), fullBytes.size(), read, cash));
    EXPECT_EQ(full.spin, read.spin);
    EXPECT_EQ(full.pending, read.pending);
    ASSERT_TRUE(read.credit);
    EXPECT_EQ(-300, read.credit->Cents());
    ASSERT_TRUE(DecodeHolding(bytes.data(), bytes.size(), read, cash));
    EXPECT_FALSE(read.credit) << "a value without the credit leaves the stored one";
    for (size_t cut = 9; cut < fullBytes.size(); ++cut) {
        Holding part;
        if (DecodeHolding(fullBytes.data(), cut, part, cash)) {
            EXPECT_FALSE(part.credit) << cut;  // only whole records before the credit
        }
    }
    std::vector<uint8_t> creditTwice = fullBytes;
    creditTwice.insert(creditTwice.end(), fullBytes.end() - 8, fullBytes.end());
    EXPECT_FALSE(DecodeHolding(creditTwice.data(), creditTwice.size(), read, cash)) << "one credit only";
    std::vector<uint8_t> noJackpots = EncodeHolding(Holding{Money(1), took, {}, {}}, Money(0));
    noJackpots[8 + 4 * 10 + 11] = 0;  // the count of jackpots, after the name
    EXPECT_FALSE(DecodeHolding(noJackpots.data(), noJackpots.size(), read, cash));
}

TEST(RosterMoney, DeletingAPlayerTakesTheCreditWithIt) {
    Roster r;
    PlayerRoster roster(r.store);
    roster.DeletePlayer(0);
    EXPECT_EQ(-1, roster.GetCurrentIndex());
    const auto& stored = r.store.slots[0];
    EXPECT_EQ("", roster.GetRecord(0).GetFirstName());
    EXPECT_EQ(0, stored.cash);
    EXPECT_EQ(0, stored.credit);
    EXPECT_EQ(0u, stored.date);
    EXPECT_FALSE(stored.active);
}

TEST(RosterMoney, ANamedPlayerWithoutADateIsSavedInUse) {
    Roster r;
    PlayerRoster roster(r.store);
    EXPECT_FALSE(roster.GetRecord(1).IsInUse());
    roster.Save(1);
    EXPECT_EQ(9122026u, r.store.slots[1].date);
    EXPECT_TRUE(roster.GetRecord(1).IsInUse());
    roster.Save(5);  // an empty slot stays out of use
    EXPECT_EQ(0u, r.store.slots[5].date);
}

TEST(RosterMoney, PlayBeginsWithACurrentPlayer) {
    Roster r;
    r.store.slots[0].active = false;
    {
        PlayerRoster roster(r.store);
        EXPECT_EQ(-1, roster.GetCurrentIndex());
        EXPECT_EQ(0, roster.BeginPlay());
        EXPECT_TRUE(roster.GetRecord(0).IsActive());
        EXPECT_TRUE(r.store.slots[0].active);
        roster.DeletePlayer(0);
        EXPECT_EQ(1, roster.BeginPlay()) << "the first slot in use: player 2, dated when saved";
    }
    MemoryPlayerStore empty;
    PlayerRoster none(empty);
    EXPECT_EQ(0, none.BeginPlay());
    EXPECT_EQ("Player 1", none.GetFullName());
    EXPECT_EQ(9122026u, none.GetRecord(0).GetDate());
}

namespace {
struct Heard {
    std::vector<int32_t> values;
    void On(const int32_t* value) { values.push_back(*value); }
};
}  // namespace

// Whoever shows a player's money listens to the record, whoever shows the current player
// to the roster.
TEST(RosterMoney, ListenersHearEveryChangeOfMoneyAndOfTheCurrentPlayer) {
    Roster r;
    PlayerRoster roster(r.store);
    Heard ada, grace, current;
    roster.GetRecord(0).Listeners().Add(&ada, &Heard::On);
    roster.GetRecord(2).Listeners().Add(&grace, &Heard::On);
    roster.Listeners().Add(&current, &Heard::On);

    EXPECT_TRUE(roster.AddCash(Money(-100)));
    EXPECT_TRUE(roster.Exchange(Money(-200), Money(200)));
    EXPECT_TRUE(roster.SetHeld(Money(500)));  // the cash stays as it is
    EXPECT_FALSE(roster.AddCash(Money(INT32_MAX)));
    EXPECT_EQ((std::vector<int32_t>{0, 0}), ada.values) << "changes of cash only";
    EXPECT_TRUE(roster.Borrow(2, Money(50000)));
    EXPECT_TRUE(roster.Repay(2, Money(20000)));
    roster.GetRecord(2).SetCredit(Money(0));
    EXPECT_EQ(3u, grace.values.size());
    EXPECT_EQ(2u, ada.values.size()) << "another player's money";
    EXPECT_TRUE(current.values.empty());

    roster.SetCurrentIndex(2);
    EXPECT_TRUE(roster.DeletePlayer(2));
    EXPECT_EQ(4u, grace.values.size()) << "the deleted player's money is gone";
    EXPECT_EQ(0, roster.GetRecord(2).GetCash().Cents());
    EXPECT_EQ(0, roster.GetHeld().Cents()) << "nothing is held for a player who is gone";
    EXPECT_EQ(0, r.store.slots[2].cash);
    EXPECT_EQ(0, roster.BeginPlay()) << "Ada is active";
    EXPECT_EQ((std::vector<int32_t>{2, -1, 0}), current.values);
    EXPECT_TRUE(roster.DeletePlayer(1));
    EXPECT_EQ(3u, current.values.size()) << "not the current player";
}

TEST(MoneySeparators, ShownExactlyWhereFormatMoneyPutsItsCommas) {
    for (int32_t cents : {0, 99, 99900, 99901, 99999, 100000, 100001, 99999999, 100000000, 1234567890, INT32_MAX,
                          -100000, -99999, INT32_MIN}) {
        const std::string text = FormatMoney(cents, true);
        const int commas = int(std::count(text.begin(), text.end(), ','));
        EXPECT_EQ(commas, MoneySeparatorCount(cents)) << text;
        EXPECT_EQ(commas > 0, IsMoneySeparatorShown(cents, 0)) << text;
        EXPECT_EQ(commas > 1, IsMoneySeparatorShown(cents, 1)) << text;
    }
}

TEST(FormatDollars, DollarFormAtEveryAmount) {
    EXPECT_EQ("$0.25", FormatDollars(Money(25)));
    EXPECT_EQ("$0.05", FormatDollars(Money(5)));
    EXPECT_EQ("$0.00", FormatDollars(Money(0)));
    EXPECT_EQ("-$0.99", FormatDollars(Money(-99)));
    EXPECT_EQ("$1.00", FormatDollars(Money(100)));
    EXPECT_EQ("$1,000.00", FormatDollars(Money(100000)));
}

TEST(MoneyMath, SumsAndCoinValuesThatDoNotFitGiveNothing) {
    EXPECT_EQ(INT32_MAX, CheckedSum(Money(INT32_MAX - 1), Money(1))->Cents());
    EXPECT_FALSE(CheckedSum(Money(INT32_MAX), Money(1)));
    EXPECT_FALSE(CheckedSum(Money(INT32_MIN), Money(-1)));
    EXPECT_EQ(2147400000, CoinsValue(21474, Money(100000))->Cents());
    EXPECT_FALSE(CoinsValue(21475, Money(100000)));
    EXPECT_FALSE(CoinsValue(4294967295LL, Money(1)));
}
