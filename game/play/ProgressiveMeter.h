// A machine's progressive jackpot in cents: it grows a little on every frame tick, falls
// back to its seed past its maximum (or, rarely, at random), and is kept per denomination
// in a store under the denomination's money text followed by "Progressive".
//
// The meter's value is the one its indicator shows: a script's write to the indicator
// becomes the meter's value, from which it grows on.
//
// A script that reads the jackpot resets the meter to the seed (the read is how a script
// pays it). While such reads are part of a payout the meter as it stood before the first
// of them is kept, so that a payout that fails gives back all it took.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Money.h"
#include "ProgressiveStore.h"

class RandomSource;

// Where the meter is shown (the progressive indicator).
class ProgressiveIndicator {
public:
    virtual ~ProgressiveIndicator() = default;
    virtual void ShowProgressive(int32_t cents) = 0;
};

class ProgressiveMeter {
public:
    // One in this many ticks above a sixth of the maximum falls back to the seed.
    static const uint32_t kFallBackOdds = 5184000;

    // The rate is fixed by the denomination the machine was loaded with.
    ProgressiveMeter(ProgressiveStore& store, RandomSource& random, Money denomination,
                     ProgressiveIndicator* indicator = nullptr);

    // "$0.25Progressive", "$1.00Progressive", "$1,000.00Progressive".
    static std::string SettingName(Money denomination);
    static int32_t SeedFor(Money denomination);
    static int32_t MaximumFor(Money denomination);

    int32_t Value() const { return value_; }
    double Rate() const { return rate_; }
    Money Denomination() const { return denomination_; }

    // The stored meter of the denomination, or its seed when none is stored.
    void Load();
    // Stores the meter under the denomination's name; false when it could not.
    bool Save();
    // Saves the meter, takes the new denomination and loads its meter.
    void ChangeDenomination(Money denomination);
    // One frame tick.
    void Tick();
    // The machine is entered: the growth starts again without a carried fraction.
    void ResetGrowth() { accumulator_ = 0.0; }
    // A script wrote the indicator: the meter takes the value and grows on from it. False,
    // with nothing changed, for a value below 0.
    bool SetByScript(int32_t cents);

    // Told each jackpot a payout takes, before the meter's seed is stored.
    using TakeNote = std::function<void(int32_t cents)>;

    // The jackpot read by a script: the value, after which the meter shows the seed.
    int32_t TakeJackpot();
    // A payout is about to be evaluated: nothing taken yet. The note, when there is one,
    // is told every take before the meter is stored at its seed.
    void BeginPayout(TakeNote note = TakeNote());
    // The payout is done: when it failed, the meter is put back as it stood before the
    // payout's first take.
    void EndPayout(bool paid);
    // The payouts of a spin cut short are evaluated again: their takes are given the
    // jackpots that spin took, in order, and only takes beyond those read the meter.
    void BeginReplay(const std::vector<int32_t>& jackpots);
    void EndReplay() { replay_.clear(); }

private:
    void SetValue(int32_t cents);

    ProgressiveStore& store_;
    RandomSource& random_;
    ProgressiveIndicator* indicator_;
    Money denomination_;
    double rate_;
    double accumulator_ = 0.0;
    int32_t value_ = 0;
    bool inPayout_ = false;
    TakeNote note_;
    std::vector<int32_t> replay_;
    bool taken_ = false;
    int32_t beforeTaking_ = 0;
};
