#include "FrameTimer.h"

#include <gtest/gtest.h>

namespace {

// Runs frames the way the frame thread does: record, then count elapsed periods.
int32_t Frame(FrameTimer& t, uint32_t now) {
    t.Record(now);
    return t.ElapsedFrames(now);
}

TEST(FrameTimer, FirstFrameAppliesDefaultRateAndBuildsTheRing) {
    FrameTimer t;
    EXPECT_EQ(t.FramesPerSecond(), -1);
    EXPECT_TRUE(t.IsDue(5000));
    EXPECT_FALSE(t.RequestRate(60)) << "no ring before the first frame";
    EXPECT_EQ(Frame(t, 5000), 1);
    EXPECT_EQ(t.Rate(), 60) << "a rate asked for before the first frame replaces the default";
    EXPECT_EQ(t.Period(), 16);
    EXPECT_EQ(t.RingSize(), 60);
    EXPECT_TRUE(t.HasRing());
    EXPECT_EQ(t.FramesPerSecond(), 0) << "no span measured yet";
}

TEST(FrameTimer, RatesOutsideOneToThousandAreIgnored) {
    FrameTimer t;
    Frame(t, 1000);
    EXPECT_EQ(t.Rate(), 30);
    EXPECT_EQ(t.Period(), 33);
    EXPECT_TRUE(t.RequestRate(0));
    EXPECT_TRUE(t.RequestRate(1001));
    EXPECT_TRUE(t.RequestRate(-5));
    EXPECT_EQ(t.PendingRate(), 0);
    t.RequestRate(1000);
    Frame(t, 1033);
    EXPECT_EQ(t.Period(), 1);
}

TEST(FrameTimer, StallCarriesFramesAndKeepsThePhase) {
    FrameTimer t;
    Frame(t, 1000);  // grid starts at 1000, period 33
    EXPECT_FALSE(t.IsDue(1032));
    EXPECT_TRUE(t.IsDue(1033));
    EXPECT_EQ(Frame(t, 1035), 1);
    EXPECT_EQ(t.LastFrame(), 1033u);
    // A 100 ms stall: three periods, and the grid stays on its 33 ms phase.
    EXPECT_EQ(Frame(t, 1135), 3);
    EXPECT_EQ(t.LastFrame(), 1132u);
}

TEST(FrameTimer, MeasuresTheRateOverTheRing) {
    FrameTimer t;
    t.RequestRate(10);
    uint32_t now = 1000;
    Frame(t, now);
    for (int i = 0; i < 25; ++i) Frame(t, now += 100);
    EXPECT_EQ(t.Span(), 1000u);
    EXPECT_EQ(t.FramesPerSecond(), 10);
}

TEST(FrameTimer, ARingNotYetFilledMeasuresTheFramesItHas) {
    FrameTimer t;
    uint32_t now = 1000;
    Frame(t, now);  // the ring of 30 is made here
    for (int i = 0; i < 10; ++i) Frame(t, now += 50);
    EXPECT_EQ(t.FramesPerSecond(), 20) << "ten frames 50 ms apart, not yet a full ring";
}

TEST(FrameTimer, ShrinkingTheRingWrapsItsPosition) {
    FrameTimer t;
    uint32_t now = 1000;
    Frame(t, now);
    while (t.RingPos() != 25) Frame(t, now += 33);
    t.RequestRate(10);
    Frame(t, now += 33);
    EXPECT_EQ(t.RingSize(), 10);
    EXPECT_LT(t.RingPos(), t.RingSize());
    for (int i = 0; i < 40; ++i) {
        Frame(t, now += 100);
        ASSERT_LT(t.RingPos(), t.RingSize());
    }
    EXPECT_EQ(t.FramesPerSecond(), 10);
}

TEST(FrameTimer, ClockWrapAroundStillCountsFrames) {
    FrameTimer t;
    uint32_t now = 0xFFFFFFF0u;
    Frame(t, now);
    EXPECT_TRUE(t.IsDue(now + 40));  // wraps past zero
    EXPECT_EQ(Frame(t, now + 40), 1);
}

}  // namespace
