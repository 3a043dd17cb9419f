// A machine for the play rules without a screen: meters, buttons, reels, script, notices,
// wallet, the denomination setting and the progressive store as plain objects that record
// what play does to them.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ButtonRules.h"
#include "CoinDrop.h"
#include "MachineMeters.h"
#include "MachineMoney.h"
#include "PayScriptForm.h"
#include "ProgressiveMeter.h"
#include "RandomGenerator.h"
#include "SpinController.h"
#include "SpinPlan.h"

class FakeMeters : public MeterPanel {
public:
    int32_t GetMeter(Meter meter) const override {
        auto found = values.find(meter);
        return found == values.end() ? 0 : found->second;
    }
    void SetMeter(Meter meter, int32_t value) override { values[meter] = value; }
    void ShowDenominationIndex(int index) override { denominationIndex = index; }

    std::map<Meter, int32_t> values;
    int denominationIndex = -2;
};

class FakeButtons : public ButtonPanel {
public:
    void EnableButton(Button button, bool enabled) override { states[button] = enabled; }
    bool IsButtonEnabled(Button button) const override {
        auto found = states.find(button);
        return found != states.end() && found->second;
    }
    std::map<Button, bool> states;
};

// Reels that jump to their targets; a test makes them stand still or keep moving.
class FakeReels : public ReelSet {
public:
    explicit FakeReels(int count) : positions(count), motion(count), spins(count) {}
    int32_t GetPosition(int reel) const override { return positions[reel]; }
    int GetMotionState(int reel) const override { return motion[reel]; }
    void Spin(int reel, const ReelTarget& target) override {
        spins[reel].push_back(target);
        positions[reel] = target.target;
    }
    std::vector<int32_t> positions;
    std::vector<int> motion;
    std::vector<std::vector<ReelTarget>> spins;
};

struct Payment {
    int32_t amount, column, index;
    bool operator==(const Payment& o) const { return amount == o.amount && column == o.column && index == o.index; }
};

class FakeScript : public SpinScript {
public:
    void OnReelsStart() override { ++reelsStarted; }
    void OnReelStop(int reel) override { reelStops.push_back(reel); }
    ScriptAnswer OnAllReelsStop() override {
        ++allStopped;
        return allReelsStopAnswer;
    }
    void OnPayment(int32_t amount, int32_t column, int32_t index) override {
        payments.push_back({amount, column, index});
        if (onPayment) onPayment();
    }
    void OnTotalPayment(int32_t total) override { totals.push_back(total); }
    void OnMetersChange() override { ++metersChanged; }
    bool EvaluatePayout(const std::string& expression, int32_t, int32_t& amount) override {
        evaluated.push_back(expression);
        if (onEvaluate) onEvaluate();
        auto found = results.find(expression);
        if (found == results.end()) return false;
        amount = found->second;
        return true;
    }

    ScriptAnswer allReelsStopAnswer = ScriptAnswer::None;
    std::map<std::string, int32_t> results;  // expressions that evaluate, and to what
    std::function<void()> onEvaluate;
    std::function<void()> onPayment;  // what the payment's handler does
    int reelsStarted = 0, allStopped = 0, metersChanged = 0;
    std::vector<int> reelStops;
    std::vector<Payment> payments;
    std::vector<int32_t> totals;
    std::vector<std::string> evaluated;
};

class FakeNotices : public PlayNotices {
public:
    void CashChanged() override { ++cashChanged; }
    void InsufficientFunds(const std::string& text) override { boxes.push_back("Insufficient Funds: " + text); }
    void AmountRefused(const std::string& text) override { boxes.push_back("Refused: " + text); }
    void PayoutScriptletError(const std::string& text) override { boxes.push_back(text); }
    void StaysOpen(const std::string& caption, const std::string& text) override {
        boxes.push_back(caption + ": " + text);
    }
    void CoinDropped() override { ++coins; }
    int cashChanged = 0, coins = 0;
    std::vector<std::string> boxes;
};

class MemoryWallet : public Wallet {
public:
    explicit MemoryWallet(int32_t cents) : cash(cents) {}
    Money GetCash() const override { return cash; }
    bool Exchange(Money toCash, Money newHeld, const HeldSpin* newSpin) override {
        const auto sum = CheckedSum(cash, toCash);
        if (!sum) return false;
        cash = *sum;
        SetHeld(newHeld, newSpin);
        return true;
    }
    void SetHeld(Money newHeld, const HeldSpin* newSpin) override {
        held = newHeld;
        spin = newSpin ? std::optional<HeldSpin>(*newSpin) : std::nullopt;
    }
    Money cash;
    Money held;
    std::optional<HeldSpin> spin;
};

class FakeSetting : public DenominationControl {
public:
    void Lock() override { ++locks; }
    void Unlock() override { --locks; }
    void Store(int32_t cents) override { stored.push_back(cents); }
    int locks = 0;
    std::vector<int32_t> stored;
};

class MemoryProgressiveStore : public ProgressiveStore {
public:
    int32_t Read(const std::string& name) override {
        auto found = values.find(name);
        return found == values.end() ? -1 : found->second;
    }
    bool Write(const std::string& name, int32_t value) override {
        if (!mayWrite || mayWrite()) values[name] = value;
        return true;
    }
    std::map<std::string, int32_t> values;
    // Asked before each write: false drops it (a program stopped before it).
    std::function<bool()> mayWrite;
};

// A random source that answers from a list (then 0), for draws a test chooses.
class ListedRandom : public RandomSource {
public:
    uint32_t NextRaw() override { return Take(); }
    uint32_t NextBelow(uint32_t n) override { return Take() % (n ? n : 1); }
    std::vector<uint32_t> values;

private:
    uint32_t Take() {
        if (next_ >= values.size()) return 0;
        return values[next_++];
    }
    size_t next_ = 0;
};

// Strips of `stops` stops, the symbol of stop s on every reel being s mod `symbols`.
inline SpinLayout MakeLayout(int reels, int stops, int symbols, int payLines, int windowRows = 3) {
    SpinLayout layout;
    layout.stopCount = stops;
    layout.symbolHeight = 10;
    layout.payLineCount = payLines;
    for (int r = 0; r < reels; ++r) {
        PlayStrip strip;
        for (int s = 0; s < stops; ++s) strip.push_back({s % symbols, 1});
        layout.strips.push_back(strip);
        layout.windowHeights.push_back(windowRows * 10);
    }
    return layout;
}

inline std::vector<std::string> SymbolNames(int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) names.push_back("S" + std::to_string(i));
    return names;
}

// A pay table line that pays when every reel shows the symbol.
inline ScriptLine AllOf(int reels, const std::string& symbol, std::vector<ScriptPayout> payouts) {
    ScriptLine line;
    for (int r = 0; r < reels; ++r) line.items.push_back({PayTable::OneOf, {symbol}});
    line.payouts = std::move(payouts);
    return line;
}

// A whole machine over the fakes.
struct TestMachine {
    TestMachine(SpinLayout spinLayout, const ScriptTable& script, int symbols, int32_t maxBet, int32_t cash,
                Money denomination = Money(25), uint32_t mask = 0xFFFF, Wallet* playerWallet = nullptr)
        : layout(std::move(spinLayout)), reels(layout.ReelCount()), wallet(cash),
          purse(playerWallet ? *playerWallet : wallet), meters(panel, purse, setting, denomination), rules(meters, buttons, maxBet),
          progressive(store, random, denomination),
          spin(layout, table, SpinParts{reels, script_, meters, rules, notices, random, nullptr, &progressive}),
          money(MoneyParts{meters, rules, purse, notices, spin, script_, setting, nullptr, &progressive, &coins}, mask),
          coins(nullptr, 0, 0, 0) {
        table.Assign(script, SymbolNames(symbols));
        EXPECT_EQ("", layout.Problem());
    }

    // Money the machine holds, in cents.
    int64_t Held() const { return (int64_t(meters.Credit()) + meters.Bet()) * meters.Denomination().Cents(); }
    FakeScript& Script() { return script_; }

    SpinLayout layout;
    PayTable table;
    FakeMeters panel;
    FakeButtons buttons;
    FakeReels reels;
    FakeScript script_;
    FakeNotices notices;
    MemoryWallet wallet;
    Wallet& purse;  // the wallet play uses: the memory one unless the test gives another
    FakeSetting setting;
    MemoryProgressiveStore store;
    RandomGenerator random{7};
    MachineMeters meters;
    ButtonRules rules;
    ProgressiveMeter progressive;
    SpinController spin;
    MachineMoney money;
    CoinDrop coins;
};
