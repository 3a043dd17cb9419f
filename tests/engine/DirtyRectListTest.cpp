#include "DirtyRectList.h"

#include <gtest/gtest.h>

namespace {

TEST(DirtyRectList, ClipsMergesAndBecomesWhole) {
    DirtyRectList d({0, 0, 100, 50});
    d.Add({-10, -10, 5, 5});
    ASSERT_EQ(d.Count(), 1u);
    EXPECT_EQ(d.Rects().front(), (Rect{0, 0, 5, 5}));
    d.Add({200, 0, 300, 10});
    EXPECT_EQ(d.Count(), 1u) << "outside the bounds: dropped";
    d.Add({50, 20, 60, 30});
    EXPECT_EQ(d.Count(), 2u);
    // Meets the first one: their union replaces it, and that union then absorbs the
    // second, which it meets too.
    d.Add({4, 4, 55, 25});
    ASSERT_EQ(d.Count(), 1u);
    EXPECT_EQ(d.Rects().front(), (Rect{0, 0, 60, 30}));
    EXPECT_FALSE(d.Whole());
    d.Add({0, 0, 100, 50});
    EXPECT_TRUE(d.Whole());
    EXPECT_EQ(d.Count(), 1u);
    d.Add({1, 1, 2, 2});
    EXPECT_EQ(d.Count(), 1u) << "a whole list takes nothing more";
    d.Clear();
    EXPECT_FALSE(d.Whole());
    EXPECT_EQ(d.Count(), 0u);
}

TEST(DirtyRectList, TouchingEdgesDoNotMerge) {
    DirtyRectList d({0, 0, 100, 100});
    d.Add({0, 0, 10, 10});
    d.Add({10, 0, 20, 10});
    EXPECT_EQ(d.Count(), 2u);
}

TEST(DirtyRectList, NewBoundsClipOrDropOrFill) {
    DirtyRectList d({0, 0, 100, 100});
    d.Add({0, 0, 10, 10});
    d.Add({50, 50, 90, 90});
    d.SetBounds({40, 40, 80, 80});
    ASSERT_EQ(d.Count(), 1u);
    EXPECT_EQ(d.Rects().front(), (Rect{50, 50, 80, 80}));
    d.SetBounds({50, 50, 80, 80});
    EXPECT_TRUE(d.Whole());
}

TEST(DirtyRectList, ManySmallChangesBecomeOneRedraw) {
    DirtyRectList d({0, 0, 1000, 1000});
    for (size_t i = 0; i < DirtyRectList::kMostRects; ++i) {
        int x = int(i % 10) * 100, y = int(i / 10) * 100;
        d.Add({x, y, x + 5, y + 5});
    }
    EXPECT_EQ(d.Count(), DirtyRectList::kMostRects);
    EXPECT_FALSE(d.Whole());
    d.Add({995, 995, 1000, 1000});
    EXPECT_TRUE(d.Whole()) << "past the most rectangles worth drawing one by one";

    DirtyRectList big({0, 0, 100, 100});
    big.Add({0, 0, 100, 40});
    big.Add({0, 50, 100, 75});
    EXPECT_FALSE(big.Whole());
    big.Add({0, 85, 100, 95});
    EXPECT_TRUE(big.Whole()) << "covering most of the bounds";
}

}  // namespace
