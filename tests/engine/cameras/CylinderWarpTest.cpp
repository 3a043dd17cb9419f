#include "CylinderWarp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CylinderWarp, QuarterBlendsWeighTheNearerRow) {
    const uint16_t a = 0x7FFF, b = 0x0000;  // white, black
    EXPECT_EQ(BlendQuarter(a, b, 0), a);
    const uint16_t half = BlendQuarter(a, b, 2);
    EXPECT_EQ((half >> 10) & 31, 15u + 1u) << "(30 / 2) plus the first's lowest bit";
    const uint16_t near = BlendQuarter(a, b, 1), far = BlendQuarter(a, b, 3);
    EXPECT_GT(near & 31, half & 31);
    EXPECT_LT(far & 31, half & 31);
    EXPECT_EQ(BlendQuarter(0x1234, 0x1234, 1), 0x1234) << "equal rows blend to themselves";
}

TEST(CylinderWarp, ColumnsAwayFromTheCentreAreSqueezed) {
    CylinderWarp warp(400.0, -1, 0, 0);
    warp.Prepare(100, 60, 1.0);
    const int64_t one = int64_t(1) << 32;
    EXPECT_NEAR(double(warp.ColumnStep(50)) / one, 1.0, 0.01) << "the middle column is not bent";
    EXPECT_GT(warp.ColumnStep(0), warp.ColumnStep(25));
    EXPECT_GT(warp.ColumnStep(99), warp.ColumnStep(75));
    EXPECT_EQ(warp.ColumnStep(10), warp.ColumnStep(89)) << "mirrored about the centre";
}

TEST(CylinderWarp, KeepsTheCentreRowAndShiftsColumns) {
    const int w = 16, h = 9;
    std::vector<uint16_t> src(w * h), dst(w * h, 0xFFFF);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) src[y * w + x] = uint16_t(y * 100 + x);
    CylinderWarp warp(64.0, -1, 3, 0);
    warp.Prepare(w, h, 1.0);
    warp.Resample(src.data(), w, dst.data(), w);
    for (int c = 0; c < w; ++c) {
        const int column = (c + 3) % w;
        EXPECT_EQ(dst[4 * w + c], uint16_t(400 + column)) << "the centre row of column " << c;
    }
    // Rows outside the source come out black.
    CylinderWarp steep(8.0, -1, 0, 0);
    steep.Prepare(w, h, 1.0);
    steep.Resample(src.data(), w, dst.data(), w);
    EXPECT_EQ(dst[0], 0);
}

}  // namespace
