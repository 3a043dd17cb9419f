#include "DirtyRectList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

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

TEST(DirtyRectList, ManySmallChangesAndLargeCoverageStayAsTheyAre) {
    // Only a rectangle equal to the bounds makes the list whole: many small ones, or ones
    // that cover most of the bounds, are kept one by one (whether to redraw the whole
    // instead is the renderer's choice).
    DirtyRectList d({0, 0, 1000, 1000});
    for (int i = 0; i < 200; ++i) {
        int x = (i % 20) * 50, y = (i / 20) * 100;
        d.Add({x, y, x + 5, y + 5});
    }
    EXPECT_EQ(d.Count(), 200u);
    EXPECT_FALSE(d.Whole());
    EXPECT_EQ(d.CoveredArea(), 200 * 25);
    EXPECT_EQ(d.Rects().back(), (Rect{950, 900, 955, 905})) << "appended in order";
    // Another list's rectangles never overlap: added apart into a smaller list they are
    // clipped just as one by one.
    DirtyRectList part({0, 0, 502, 300}), apart({0, 0, 502, 300});
    for (const Rect& r : d.Rects()) {
        part.Add(r);
        apart.AddApart(r);
    }
    EXPECT_EQ(apart.Rects(), part.Rects());
    EXPECT_EQ(apart.CoveredArea(), part.CoveredArea());
    apart.AddApart({-5, -5, 600, 600});
    EXPECT_TRUE(apart.Whole());

    DirtyRectList big({0, 0, 100, 100});
    big.Add({0, 0, 100, 40});
    big.Add({0, 50, 100, 75});
    big.Add({0, 85, 100, 95});
    big.Add({0, 40, 100, 50});  // meets neither: touching edges do not merge
    EXPECT_FALSE(big.Whole());
    EXPECT_EQ(big.Count(), 4u);
    EXPECT_EQ(big.CoveredArea(), 8500);
    big.Add({0, 30, 100, 90});  // meets three: their union absorbs them
    EXPECT_FALSE(big.Whole()) << "covering all but a strip";
    EXPECT_EQ(big.Count(), 1u);
    EXPECT_EQ(big.Rects().front(), (Rect{0, 0, 100, 95}));
    EXPECT_EQ(big.CoveredArea(), 9500);
    big.SetBounds({0, 0, 100, 95});
    EXPECT_TRUE(big.Whole()) << "new bounds equal to a rectangle";
    big.SetBounds({0, 0, 200, 200});
    EXPECT_FALSE(big.Whole());
    big.Add({50, 50, 150, 150});
    EXPECT_EQ(big.Count(), 1u);
    EXPECT_EQ(big.Rects().front(), (Rect{0, 0, 150, 150}));
}

// The list against the rule written plainly (search from the first rectangle, merge with
// the first one met, add the union again), over many random rectangles of every size.
std::vector<Rect> Plainly(const Rect& bounds, const std::vector<Rect>& added) {
    std::vector<Rect> list;
    bool whole = false;
    for (Rect r : added) {
        for (;;) {
            if (whole || !Intersects(r, bounds)) break;
            r = Intersection(r, bounds);
            if (r == bounds) {
                list = {bounds};
                whole = true;
                break;
            }
            auto hit = std::find_if(list.begin(), list.end(), [&](const Rect& o) { return Intersects(o, r); });
            if (hit == list.end()) {
                list.push_back(r);
                break;
            }
            r = Union(*hit, r);
            list.erase(hit);
        }
    }
    return list;
}

TEST(DirtyRectList, AgreesWithThePlainRule) {
    std::mt19937 random(52);
    const Rect bounds = {-40, 10, 760, 570};
    for (int round = 0; round < 300; ++round) {
        const int most = int(random() % 60) + 2, count = int(random() % 250) + 1;
        std::vector<Rect> added;
        for (int i = 0; i < count; ++i) {
            const int x = int(random() % 900) - 80, y = int(random() % 700) - 60;
            added.push_back({x, y, x + 1 + int(random() % most), y + 1 + int(random() % most)});
        }
        DirtyRectList d(bounds);
        for (const Rect& r : added) d.Add(r);
        const std::vector<Rect> want = Plainly(bounds, added);
        ASSERT_EQ(d.Rects(), want) << "round " << round;
        int64_t area = 0;
        for (const Rect& r : want) area += r.Area();
        EXPECT_EQ(d.CoveredArea(), area);
    }
}

}  // namespace
