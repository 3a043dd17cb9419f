// The animation step clock: periods from rates, refused and clamped rates, steps due as
// time goes on, and the bounded catch-up after a long pause.
#include <gtest/gtest.h>

#include "AnimationClock.h"

namespace {

int StepsAt(AnimationClock& clock, uint32_t now) {
    int steps = 0;
    while (clock.TakeStep(now)) ++steps;
    return steps;
}

TEST(AnimationClock, RatesBelowOneAreRefusedAndHighRatesClampedToAMillisecond) {
    AnimationClock clock(3);
    EXPECT_EQ(333u, clock.GetPeriod());
    EXPECT_FALSE(clock.SetRate(0));
    EXPECT_FALSE(clock.SetRate(-1));
    EXPECT_EQ(3, clock.GetRate());
    EXPECT_TRUE(clock.SetRate(5000));
    EXPECT_EQ(AnimationClock::kMaxRate, clock.GetRate());
    EXPECT_EQ(1u, clock.GetPeriod());
}

TEST(AnimationClock, StepsComeDuePeriodByPeriodAndALongPauseCatchesUpOnlySoFar) {
    AnimationClock clock(10);
    clock.Restart(1000);
    EXPECT_EQ(0, StepsAt(clock, 1099));
    EXPECT_EQ(1, StepsAt(clock, 1100));
    EXPECT_EQ(3, StepsAt(clock, 1450)) << "several steps owed are run at once";
    EXPECT_EQ(1450u - 50u, clock.GetLastStep());
    EXPECT_EQ(int(AnimationClock::kMaxCatchUp), StepsAt(clock, 1400 + 100000));
    EXPECT_EQ(0, StepsAt(clock, 1400 + 100000)) << "the rest of the pause is dropped";
    // Across the wrap of the millisecond counter.
    clock.Restart(0xFFFFFFF0u);
    EXPECT_EQ(1, StepsAt(clock, 0x60u));
}

}  // namespace
