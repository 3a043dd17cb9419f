// Stops drawn by their weights.
#include <gtest/gtest.h>

#include <cmath>

#include "PlayFakes.h"
#include "WeightedStop.h"

TEST(WeightedStops, AMillionDrawsOnAnUnevenStripFitTheWeights) {
    // Weights from 1 to 40 and one stop that is never to be drawn.
    const PlayStrip strip = {{0, 1}, {1, 40}, {2, 3}, {3, 0}, {4, 12}, {5, 7}, {6, 25}, {7, 2}, {8, 10}};
    const uint32_t total = WeightTotal(strip);
    ASSERT_EQ(100u, total);
    RandomGenerator random(20261209);
    const int kDraws = 1000000;
    std::vector<int64_t> seen(strip.size() + 1);
    for (int i = 0; i < kDraws; ++i) ++seen[ChooseStop(strip, total, random)];
    EXPECT_EQ(0, seen[3]) << "a stop of weight 0 is drawn";
    EXPECT_EQ(0, seen[strip.size()]);
    double chiSquare = 0;
    int degrees = -1;
    for (size_t s = 0; s < strip.size(); ++s) {
        if (strip[s].weight == 0) continue;
        const double expected = double(kDraws) * strip[s].weight / total;
        chiSquare += (seen[s] - expected) * (seen[s] - expected) / expected;
        ++degrees;
    }
    // 7 degrees of freedom: 24.32 is the 0.1% point of the chi-square distribution.
    ASSERT_EQ(7, degrees);
    EXPECT_LT(chiSquare, 24.32);
}

TEST(WeightedStops, OneWeightedStopAlwaysShowsAndEmptyTotalsDrawPastTheEnd) {
    const PlayStrip strip = {{0, 0}, {1, 0}, {2, 9}, {3, 0}};
    RandomGenerator random(3);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(2, ChooseStop(strip, WeightTotal(strip), random));
    EXPECT_EQ(4, ChooseStop(strip, 0, random));
    EXPECT_EQ(0u, WeightTotal({{0, 0x80000000u}}));
    EXPECT_EQ(0u, WeightTotal({}));
}

TEST(WeightedStops, TheLayoutRefusesWhatCannotBePlayed) {
    SpinLayout layout = MakeLayout(3, 4, 2, 1);
    EXPECT_EQ("", layout.Problem());
    layout.payLineCount = 6;
    EXPECT_NE("", layout.Problem());
    layout.payLineCount = 5;
    layout.strips[1][0].weight = 0x7FFFFFFF;
    EXPECT_NE("", layout.Problem());
    layout.strips[1] = {{0, 0}, {0, 0}, {0, 0}, {0, 0}};
    EXPECT_NE("", layout.Problem());
    layout.strips[1].pop_back();
    EXPECT_NE("", layout.Problem());
}
