// The progressive meter: its name, growth, fall-back, storage per denomination; and coins
// falling into the slot.
#include <gtest/gtest.h>

#include "PlayFakes.h"

TEST(Progressive, StoredUnderTheDenominationsMoneyTextAndProgressive) {
    EXPECT_EQ("$0.25Progressive", ProgressiveMeter::SettingName(Money(25)));
    EXPECT_EQ("$0.05Progressive", ProgressiveMeter::SettingName(Money(5)));
    EXPECT_EQ("$1.00Progressive", ProgressiveMeter::SettingName(Money(100)));
    EXPECT_EQ("$1,000.00Progressive", ProgressiveMeter::SettingName(Money(100000)));
    EXPECT_EQ(15000000, ProgressiveMeter::SeedFor(Money(25)));
    EXPECT_EQ(140000000, ProgressiveMeter::MaximumFor(Money(100)));
    EXPECT_EQ(300000000, ProgressiveMeter::SeedFor(Money(10)));
}

TEST(Progressive, GrowsByAboutTheRateEachTick) {
    MemoryProgressiveStore store;
    RandomGenerator random(11);
    ProgressiveMeter quarter(store, random, Money(25));
    EXPECT_DOUBLE_EQ(0.0025, quarter.Rate());
    quarter.Load();
    const int32_t start = quarter.Value();
    for (int i = 0; i < 100000; ++i) quarter.Tick();
    // 4.5 on average times 0.0025 dollars: about 1.1 cents a tick.
    EXPECT_NEAR(112500, quarter.Value() - start, 2000);

    ProgressiveMeter dollar(store, random, Money(500));
    EXPECT_DOUBLE_EQ(0.01, dollar.Rate());
    dollar.Load();
    const int32_t from = dollar.Value();
    for (int i = 0; i < 10000; ++i) dollar.Tick();
    EXPECT_NEAR(45000, dollar.Value() - from, 1000);
}

TEST(Progressive, PastItsMaximumTheMeterShowsTheSeed) {
    MemoryProgressiveStore store;
    store.values["$0.25Progressive"] = 40000000;
    ListedRandom random;
    random.values = {9};
    ProgressiveMeter meter(store, random, Money(25));
    meter.Load();
    EXPECT_EQ(40000000, meter.Value());
    meter.Tick();
    EXPECT_EQ(15000000, meter.Value());
}

TEST(Progressive, EachDenominationKeepsItsOwnMeter) {
    MemoryProgressiveStore store;
    RandomGenerator random(5);
    ProgressiveMeter meter(store, random, Money(25));
    meter.Load();
    for (int i = 0; i < 500; ++i) meter.Tick();
    const int32_t quarter = meter.Value();
    meter.ChangeDenomination(Money(100));
    EXPECT_EQ(80000000, meter.Value());
    for (int i = 0; i < 500; ++i) meter.Tick();
    const int32_t dollar = meter.Value();
    meter.ChangeDenomination(Money(25));
    EXPECT_EQ(quarter, meter.Value());
    meter.ChangeDenomination(Money(100));
    EXPECT_EQ(dollar, meter.Value());
    EXPECT_EQ(quarter, store.values["$0.25Progressive"]);
}

TEST(Progressive, AJackpotReadResetsAndIsStored) {
    MemoryProgressiveStore store;
    RandomGenerator random(5);
    ProgressiveMeter meter(store, random, Money(100));
    store.values["$1.00Progressive"] = 90000000;
    meter.Load();
    EXPECT_EQ(90000000, meter.TakeJackpot());
    EXPECT_EQ(80000000, meter.Value());
    EXPECT_EQ(80000000, store.values["$1.00Progressive"]);
    meter.EndPayout(true);
    EXPECT_EQ(80000000, meter.Value());
}

TEST(Progressive, AScriptsWriteBecomesTheMetersValueAndItGrowsFromThere) {
    MemoryProgressiveStore store;
    ListedRandom random;
    random.values = {9, 9, 9, 9};
    ProgressiveMeter meter(store, random, Money(100));
    meter.Load();
    EXPECT_TRUE(meter.SetByScript(90000000));
    EXPECT_EQ(90000000, meter.Value());
    meter.Tick();  // 9 x 0.01 dollars
    EXPECT_EQ(90000009, meter.Value());
    EXPECT_FALSE(meter.SetByScript(-1));
    EXPECT_EQ(90000009, meter.Value());
    EXPECT_TRUE(meter.Save());
    EXPECT_EQ(90000009, store.values["$1.00Progressive"]);
}

TEST(Progressive, EnteringTheMachineDropsTheCarriedFraction) {
    MemoryProgressiveStore store;
    ListedRandom random, other;
    random.values = other.values = {3, 3, 3, 3};  // 0.0075 dollars a tick on a quarter machine
    ProgressiveMeter carried(store, random, Money(25));
    carried.Load();
    const int32_t start = carried.Value();
    carried.Tick();
    EXPECT_EQ(start, carried.Value()) << "less than a cent waits";
    carried.Tick();
    EXPECT_EQ(start + 1, carried.Value()) << "two thirds of a cent and more make one";

    ProgressiveMeter entered(store, other, Money(25));
    entered.Load();
    entered.Tick();
    entered.ResetGrowth();
    entered.Tick();
    EXPECT_EQ(start, entered.Value());
}

// A jackpot line whose scriptlet pays the jackpot taken, in coins: the program stops inside
// the payment, after the take (a box shown there gives the player time to end it). The
// restart pays the jackpot that was taken, not the seed the meter shows now.
TEST(Progressive, AJackpotTakenBeforeTheProgramStopsIsPaidWhenItsMachineOpens) {
    ScriptTable table;
    table.lines.push_back(AllOf(3, "S0", {Runs("jackpot()")}));
    TestMachine m(MakeLayout(3, 8, 1, 1), table, 1, 1, 10000);
    m.progressive.Load();
    ASSERT_TRUE(m.progressive.SetByScript(20000000));  // $200,000
    m.progressive.Save();
    auto payJackpot = [](TestMachine& machine) {
        machine.Script().onEvaluate = [&machine] {
            machine.Script().results["jackpot()"] = machine.progressive.TakeJackpot() / 25;
        };
    };
    payJackpot(m);
    std::optional<HeldSpin> stored;
    std::map<std::string, int32_t> meters;
    m.Script().onPayment = [&] {  // the program stops here: what was written stays
        stored = m.wallet.spin;
        meters = m.store.values;
    };
    m.money.AddCoins(1);
    m.spin.OnSpin();
    m.spin.OnReelStopped(0);
    EXPECT_EQ(800000, m.meters.Credit()) << "paid in full when nothing stops";
    ASSERT_TRUE(stored);
    EXPECT_EQ(std::vector<int32_t>{20000000}, stored->jackpots);
    EXPECT_EQ(15000000, meters["$0.25Progressive"]);

    TestMachine again(MakeLayout(3, 8, 1, 1), table, 1, 1, 10000);
    again.store.values = meters;
    again.progressive.Load();
    payJackpot(again);
    EXPECT_EQ(800000, again.spin.EvaluateScriptletLines(*stored)) << "the $200,000 taken";
    EXPECT_EQ(15000000, again.progressive.Value()) << "the meter is not taken again";
    HeldSpin tookNone = *stored;
    tookNone.jackpots.clear();
    EXPECT_EQ(600000, again.spin.EvaluateScriptletLines(tookNone)) << "a spin that took none reads the meter";
}

namespace {
class RecordedCoins : public CoinSprites {
public:
    void ShowCoin(int coin, int, int32_t, int32_t y) override {
        ys[coin] = y;
        ++shown;
    }
    void MoveCoin(int coin, int32_t dy) override { ys[coin] += dy; }
    void HideCoin(int coin) override { ys[coin] = -1; }
    int Falling() const {
        int n = 0;
        for (int32_t y : ys) n += y >= 0;
        return n;
    }
    int32_t ys[3] = {-1, -1, -1};
    int shown = 0;
};
}  // namespace

TEST(CoinDrop, TenCoinsFallOneAfterAnotherAtMostThreeAtOnce) {
    RecordedCoins sprites;
    CoinDrop drop(&sprites, 40, 200, 0);
    for (int i = 0; i < 10; ++i) drop.CountCoin();
    int frames = 0, lastStart = -100;
    uint32_t started = 0;
    while (drop.Started() < 10 || drop.InFlight() > 0) {
        drop.Move(1);
        ++frames;
        ASSERT_LE(sprites.Falling(), 3);
        if (drop.Started() != started) {
            EXPECT_GE(frames - lastStart, 3) << "coins start 15 pixels apart";
            lastStart = frames;
            started = drop.Started();
        }
        ASSERT_LT(frames, 1000);
    }
    EXPECT_EQ(10, sprites.shown);
    // A coin falls 60 pixels at 5 a frame, in 13 frames; with three coins at most, the
    // fourth waits for the first to land.
    EXPECT_GT(frames, 3 * 9 + 13);
}

TEST(CoinDrop, WithoutACoinImageCoinsAreOnlyCounted) {
    CoinDrop drop(nullptr, 0, 0, 0);
    drop.CountCoin();
    drop.Move(1);
    EXPECT_EQ(1u, drop.Dropped());
    EXPECT_EQ(0u, drop.Started());
}
