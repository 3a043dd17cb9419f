#include "AnimationClock.h"

bool AnimationClock::SetRate(int32_t rate) {
    if (rate <= 0) return false;
    rate_ = rate > kMaxRate ? kMaxRate : rate;
    return true;
}

bool AnimationClock::TakeStep(uint32_t now) {
    const uint32_t period = GetPeriod();
    const uint32_t owed = now - last_;
    if (owed < period) return false;
    if (owed / period > kMaxCatchUp) last_ = now - kMaxCatchUp * period;
    last_ += period;
    return true;
}
