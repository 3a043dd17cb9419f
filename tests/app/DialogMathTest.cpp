// Progress steps and scroll positions: the arithmetic behind the progress dialog and the
// scroll views.
#include <gtest/gtest.h>

#include "ProgressSteps.h"
#include "ScrollPositions.h"

namespace {
TEST(ProgressStepsTest, StepsCoverTheWholeFromWhereTheLastOneEnded) {
    ProgressSteps steps;
    steps.BeginStep(40);
    EXPECT_EQ(steps.SetStepPercent(50), 20);
    EXPECT_EQ(steps.LastStepPercent(), 50);
    EXPECT_EQ(steps.EndStep(), 60);
    EXPECT_EQ(steps.Position(), 40);
    steps.BeginStep(90);  // 40 .. 90
    EXPECT_EQ(steps.SetStepPercent(33), 56);  // 40 + 50 x 33 / 100, truncated
    steps.BeginStep(100);  // ends the step at 90 first
    EXPECT_EQ(steps.Base(), 90);
    EXPECT_EQ(steps.Span(), 10);
    EXPECT_EQ(steps.Position(), 90);
    EXPECT_EQ(steps.EndStep(), 0);
    EXPECT_EQ(steps.EndStep(), 0);  // an empty step changes nothing
}

TEST(ProgressStepsTest, ArithmeticIsSignedAndRoundsTowardZero) {
    ProgressSteps steps;
    steps.BeginStep(60);
    steps.EndStep();
    steps.BeginStep(30);  // a step backwards: span -30
    EXPECT_EQ(steps.SetStepPercent(5), 59);  // 60 - 1.5, toward zero
    EXPECT_EQ(steps.SetStepPercent(200), 0);
    EXPECT_EQ(steps.EndStep(), 70);
}

// A view of 100 pixels over 250 pixels of content, at position 40, lines of 15.
const ScrollAxis kAxis = {40, 100, 250};

TEST(ScrollPositionsTest, ScrollBarRequestsStayWithinTheContent) {
    EXPECT_EQ(kAxis.Largest(), 150);
    EXPECT_EQ(ScrollBarPosition(kAxis, 0, 0, 15), 25);   // line up
    EXPECT_EQ(ScrollBarPosition(kAxis, 1, 0, 15), 55);   // line down
    EXPECT_EQ(ScrollBarPosition(kAxis, 2, 0, 15), 0);    // page up, held at 0
    EXPECT_EQ(ScrollBarPosition(kAxis, 3, 0, 15), 140);  // page down
    EXPECT_EQ(ScrollBarPosition({140, 100, 250}, 3, 0, 15), 150);
    EXPECT_EQ(ScrollBarPosition({145, 100, 250}, 1, 0, 15), 150);
    EXPECT_EQ(ScrollBarPosition({10, 100, 250}, 0, 0, 15), 0);
    EXPECT_EQ(ScrollBarPosition(kAxis, 6, 0, 15), 0);    // top
    EXPECT_EQ(ScrollBarPosition(kAxis, 7, 0, 15), 150);  // bottom
    EXPECT_EQ(ScrollBarPosition(kAxis, 8, 0, 15), 40);   // end of scrolling: unchanged
}

TEST(ScrollPositionsTest, ThumbPositionIsTakenAsItComes) {
    EXPECT_EQ(ScrollBarPosition(kAxis, 4, 90, 15), 90);
    EXPECT_EQ(ScrollBarPosition(kAxis, 5, 400, 15), 400);  // beyond the largest
}

TEST(ScrollPositionsTest, ContentSmallerThanTheViewNeverScrollsBelowZero) {
    const ScrollAxis small = {0, 100, 60};
    EXPECT_EQ(small.Largest(), 0);
    for (int code : {0, 1, 2, 3, 6, 7}) EXPECT_EQ(ScrollBarPosition(small, code, 0, 15), 0) << code;
    EXPECT_EQ(ScrollIntoViewPosition(small, 30, 50), 0);
}

TEST(ScrollPositionsTest, IntoViewMovesAsLittleAsNeeded) {
    EXPECT_EQ(ScrollIntoViewPosition(kAxis, 50, 120), 40);   // already shown
    EXPECT_EQ(ScrollIntoViewPosition(kAxis, 10, 30), 10);    // before: begins at the edge
    EXPECT_EQ(ScrollIntoViewPosition(kAxis, 150, 180), 80);  // after: ends at the edge
    EXPECT_EQ(ScrollIntoViewPosition(kAxis, 230, 300), 150); // held at the largest
    EXPECT_EQ(ScrollIntoViewPosition(kAxis, -20, 10), 0);    // held at 0
}
}  // namespace
