// The shadow levels of a reel: darkest at the outer edge, the inner density a sixth in,
// clear at a third, odd rows 4 darker; short windows lose the bands.
#include <gtest/gtest.h>

#include "ReelShadowLevels.h"

namespace {

TEST(ReelShadowLevels, TopAndBottomRunFromTheEdgeToTheMiddle) {
    // A window of 60: third 20, sixth 10.
    const std::vector<int32_t> top = TopShadowLevels(60, 100, 200);
    ASSERT_EQ(20u, top.size());
    EXPECT_EQ(200, top[0]);
    EXPECT_EQ(200 + (1 * -100) / 10 + 4, top[1]);
    EXPECT_EQ(100, top[10]);
    EXPECT_EQ(100 + (9 * -100) / 10 + 4, top[19]);
    const std::vector<int32_t> bottom = BottomShadowLevels(60, 100, 200);
    ASSERT_EQ(20u, bottom.size());
    EXPECT_EQ(0, bottom[0]);
    EXPECT_EQ(100, bottom[10]);
    EXPECT_EQ(100 + (9 * 100) / 10 + 4, bottom[19]);
}

TEST(ReelShadowLevels, ShortWindowsHaveNoFirstBandOrNoRows) {
    const std::vector<int32_t> five = TopShadowLevels(5, 100, 200);
    ASSERT_EQ(1u, five.size()) << "below 6 pixels only the second band";
    EXPECT_EQ(100, five[0]);
    EXPECT_TRUE(TopShadowLevels(2, 100, 200).empty());
    EXPECT_TRUE(BottomShadowLevels(-40, 100, 200).empty());
}

}  // namespace
