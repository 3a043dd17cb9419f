#include "ProgressiveMeter.h"

#include <algorithm>

#include "FormatDollars.h"
#include "RandomGenerator.h"

ProgressiveMeter::ProgressiveMeter(ProgressiveStore& store, RandomSource& random, Money denomination,
                                   ProgressiveIndicator* indicator)
    : store_(store), random_(random), indicator_(indicator), denomination_(denomination),
      rate_(std::min(denomination.Cents() * 0.0001, 0.01)) {}

std::string ProgressiveMeter::SettingName(Money denomination) {
    return FormatDollars(denomination) + "Progressive";
}

namespace {
struct Limits {
    int32_t seed, maximum;
};

// The seed and the maximum of the meter by denomination (cents).
Limits LimitsFor(Money denomination) {
    switch (denomination.Cents()) {
    case 5:
    case 25: return {15000000, 40000000};
    case 100: return {80000000, 140000000};
    default: return {300000000, 500000000};
    }
}
}  // namespace

int32_t ProgressiveMeter::SeedFor(Money denomination) { return LimitsFor(denomination).seed; }

int32_t ProgressiveMeter::MaximumFor(Money denomination) { return LimitsFor(denomination).maximum; }

void ProgressiveMeter::SetValue(int32_t cents) {
    value_ = cents;
    if (indicator_) indicator_->ShowProgressive(cents);
}

void ProgressiveMeter::Load() {
    const int32_t stored = store_.Read(SettingName(denomination_));
    SetValue(stored == -1 ? SeedFor(denomination_) : stored);
}

bool ProgressiveMeter::Save() { return store_.Write(SettingName(denomination_), value_); }

void ProgressiveMeter::ChangeDenomination(Money denomination) {
    Save();
    denomination_ = denomination;
    Load();
}

void ProgressiveMeter::Tick() {
    accumulator_ += random_.NextBelow(10) * rate_;
    if (accumulator_ < 0.01) return;
    const int32_t units = int32_t(accumulator_ * 100);
    const int32_t maximum = MaximumFor(denomination_);
    const int64_t grown = int64_t(value_) + units;
    const int32_t value = int32_t(std::min<int64_t>(grown, INT32_MAX));
    SetValue(value);
    if (value > maximum || (value > maximum / 6 && random_.NextBelow(kFallBackOdds) == 0)) {
        accumulator_ = 0.0;
        SetValue(SeedFor(denomination_));
    } else {
        accumulator_ = (accumulator_ * 100 - units) * 0.01;
    }
}

bool ProgressiveMeter::SetByScript(int32_t cents) {
    if (cents < 0) return false;
    SetValue(cents);
    return true;
}

int32_t ProgressiveMeter::TakeJackpot() {
    if (!replay_.empty()) {
        const int32_t jackpot = replay_.front();
        replay_.erase(replay_.begin());
        return jackpot;
    }
    const int32_t jackpot = value_;
    if (inPayout_ && !taken_) {
        taken_ = true;
        beforeTaking_ = jackpot;
    }
    // What was taken is stored with the spin first: a program stopped between the two
    // writes pays it from there, never from the seed.
    if (inPayout_ && note_) note_(jackpot);
    SetValue(SeedFor(denomination_));
    Save();
    return jackpot;
}

void ProgressiveMeter::BeginPayout(TakeNote note) {
    inPayout_ = true;
    taken_ = false;
    note_ = std::move(note);
}

void ProgressiveMeter::EndPayout(bool paid) {
    if (!paid && taken_) {
        SetValue(beforeTaking_);
        Save();
    }
    inPayout_ = false;
    taken_ = false;
    note_ = nullptr;
}

void ProgressiveMeter::BeginReplay(const std::vector<int32_t>& jackpots) { replay_ = jackpots; }
