// Region outlines read from their asset data: the lowest edge, and data whose node count
// runs past its end.
#include <gtest/gtest.h>

#include <vector>

#include "RegionOutline.h"

namespace {

std::vector<uint32_t> Outline(int32_t x, int32_t y, const std::vector<Point>& nodes) {
    std::vector<uint32_t> w = {uint32_t(x), uint32_t(y), 0, 0, uint32_t(nodes.size()), 0};
    for (const Point& p : nodes) {
        w.push_back(uint32_t(p.x));
        w.push_back(uint32_t(p.y));
    }
    return w;
}

TEST(RegionOutline, LowestEdgeIsTheLowestNode) {
    const std::vector<uint32_t> w = Outline(150, 40, {{0, 0}, {10, 0}, {10, 30}, {0, 30}});
    RegionOutline outline;
    ASSERT_TRUE(ReadRegionOutline(w.data(), w.size() * 4, outline));
    EXPECT_EQ(outline.origin.x, 150);
    ASSERT_EQ(outline.nodes.size(), 4u);
    EXPECT_EQ(outline.Bottom(), 70);
    const std::vector<uint32_t> above = Outline(0, 100, {{5, -20}, {9, -40}});
    ASSERT_TRUE(ReadRegionOutline(above.data(), above.size() * 4, outline));
    EXPECT_EQ(outline.Bottom(), 80);
}

TEST(RegionOutline, CountsPastTheDataAreRefused) {
    std::vector<uint32_t> w = Outline(0, 0, {{1, 1}, {2, 2}});
    RegionOutline outline;
    EXPECT_FALSE(ReadRegionOutline(w.data(), w.size() * 4 - 4, outline));
    w[4] = 0xFFFFFFFF;
    EXPECT_FALSE(ReadRegionOutline(w.data(), w.size() * 4, outline));
    EXPECT_FALSE(ReadRegionOutline(w.data(), 20, outline));
}

}  // namespace
