// Region outlines read from their asset data: the lowest edge, data whose node count
// runs past its end, and points that the origin takes beyond the 32-bit range.
#include <gtest/gtest.h>

#include <utility>
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

TEST(RegionOutline, PointsBeyondThe32BitRangeAreOutOfRange) {
    RegionOutline outline;
    const std::vector<uint32_t> edge = Outline(INT32_MAX - 40, INT32_MIN + 10, {{0, 0}, {40, -10}, {40, 30}});
    ASSERT_TRUE(ReadRegionOutline(edge.data(), edge.size() * 4, outline));
    EXPECT_TRUE(outline.WithinRange());
    EXPECT_EQ(outline.Bottom(), INT32_MIN + 40);
    const std::vector<std::pair<Point, Point>> beyond = {
        {{INT32_MAX - 40, 0}, {41, 0}},           // right
        {{INT32_MIN + 5, 0}, {-6, 0}},            // left
        {{0, INT32_MAX}, {0, 1}},                 // below
        {{0, -1}, {0, INT32_MIN}},                // above
        {{INT32_MIN, INT32_MIN}, {INT32_MIN, INT32_MIN}}};
    for (const auto& [origin, node] : beyond) {
        const std::vector<uint32_t> w = Outline(origin.x, origin.y, {{0, 0}, node, {1, 1}});
        ASSERT_TRUE(ReadRegionOutline(w.data(), w.size() * 4, outline));
        EXPECT_FALSE(outline.WithinRange()) << origin.x << "," << origin.y << " + " << node.x << "," << node.y;
    }
    // Without nodes only the origin counts, and it always fits.
    const std::vector<uint32_t> bare = Outline(INT32_MIN, INT32_MAX, {});
    ASSERT_TRUE(ReadRegionOutline(bare.data(), bare.size() * 4, outline));
    EXPECT_TRUE(outline.WithinRange());
}

}  // namespace
