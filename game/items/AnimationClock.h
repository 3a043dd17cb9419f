// The step clock of an animation on the frame thread: a rate in steps per second, the time
// of the last step, and the steps that come due as time goes on.
//
// A rate of 0 or below is refused (the clock keeps its rate), one above kMaxRate is taken
// as kMaxRate, so a period is never shorter than a millisecond; and one call never owes
// more than kMaxCatchUp steps: after a long pause the rest is dropped, so that no tick of
// the frame thread runs on and on.
#pragma once
#include <cstdint>

class AnimationClock {
public:
    static constexpr int32_t kMaxRate = 1000;
    static constexpr uint32_t kMaxCatchUp = 32;

    explicit AnimationClock(int32_t rate) : rate_(rate) {}

    // False when the rate was refused.
    bool SetRate(int32_t rate);
    int32_t GetRate() const { return rate_; }
    uint32_t GetPeriod() const { return uint32_t(1000 / rate_); }
    void Restart(uint32_t now) { last_ = now; }
    uint32_t GetLastStep() const { return last_; }
    // True when a step is due at `now`; the last step then moves on by one period.
    bool TakeStep(uint32_t now);

private:
    int32_t rate_;
    uint32_t last_ = 0;
};
