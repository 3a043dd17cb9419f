// Sprite geometry without a platform: pieces where the world wraps, the 2D matrix and its
// inverse, transformed bounds, and the span renderers against pixels worked out here.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "SpritePieces.h"
#include "SpriteTransform.h"

using namespace quor;

namespace {

std::vector<SpritePiece> Pieces(Rect32 b, int32_t w, int32_t h, bool wx, bool wy) {
    PieceSet s = CutIntoPieces(b, w, h, wx, wy);
    return std::vector<SpritePiece>(s.pieces, s.pieces + s.count);
}

bool Same(const SpritePiece& p, int32_t l, int32_t t, int32_t r, int32_t b, int32_t ox, int32_t oy) {
    return p.left == l && p.top == t && p.right == r && p.bottom == b && p.offsetX == ox && p.offsetY == oy;
}

// A picture of w x h whose pixel (x, y) is 100 * y + x + 1, rows padded to 4 bytes.
struct TestPicture {
    int32_t w, h, row;
    std::vector<uint16_t> px;
    TestPicture(int32_t w_, int32_t h_) : w(w_), h(h_), row((w_ + 1) & ~1), px(size_t(row) * h_, 0) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) px[size_t(y) * row + x] = uint16_t(100 * y + x + 1);
    }
    PictureView View(int32_t fx = 0, int32_t fy = 0) const {
        PictureView v;
        v.pixels = px.data();
        v.rowPixels = row;
        v.width = w;
        v.height = h;
        v.frameX = fx;
        v.frameY = fy;
        return v;
    }
};

struct Canvas {
    int32_t w, h;
    std::vector<uint16_t> px;
    Canvas(int32_t w_, int32_t h_) : w(w_), h(h_), px(size_t(w_) * h_, 0xEEEE) {}
    PixelTarget Target() { return PixelTarget{px.data(), w, 0, 0}; }
    uint16_t At(int x, int y) const { return px[size_t(y) * w + x]; }
};

}  // namespace

TEST(SpritePieces, SpansSplitWhereTheWorldWraps) {
    // Unwrapped: the bounds as they are, even beyond the world.
    auto p = Pieces({-5, 3, 10, 8}, 100, 50, false, false);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_TRUE(Same(p[0], -5, 3, 10, 8, 0, 0));

    // Straddling the right edge: the right part at the edge and the rest at x 0.
    p = Pieces({95, 0, 105, 10}, 100, 50, true, false);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_TRUE(Same(p[0], 95, 0, 100, 10, 0, 0));
    EXPECT_TRUE(Same(p[1], 0, 0, 5, 10, 5, 0));

    // Starting left of 0.
    p = Pieces({-3, 0, 7, 10}, 100, 50, true, false);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_TRUE(Same(p[0], 97, 0, 100, 10, 0, 0));
    EXPECT_TRUE(Same(p[1], 0, 0, 7, 10, 3, 0));

    // Whole world sizes away are brought back.
    p = Pieces({-195, 0, -190, 10}, 100, 50, true, false);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_TRUE(Same(p[0], 5, 0, 10, 10, 0, 0));
    p = Pieces({310, 0, 320, 10}, 100, 50, true, false);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_TRUE(Same(p[0], 10, 0, 20, 10, 0, 0));

    // Both axes: four pieces, offsets from the first spans' lengths.
    p = Pieces({98, 48, 102, 53}, 100, 50, true, true);
    ASSERT_EQ(p.size(), 4u);
    EXPECT_TRUE(Same(p[0], 98, 48, 100, 50, 0, 0));
    EXPECT_TRUE(Same(p[1], 0, 48, 2, 50, 2, 0));
    EXPECT_TRUE(Same(p[2], 98, 0, 100, 3, 0, 2));
    EXPECT_TRUE(Same(p[3], 0, 0, 2, 3, 2, 2));

    // No world area, nothing drawn; extreme positions do not overflow.
    EXPECT_TRUE(Pieces({0, 0, 10, 10}, 0, 50, true, false).empty());
    p = Pieces({2147483000, 0, 2147483600, 10}, 1000, 50, true, false);
    ASSERT_FALSE(p.empty());
    for (const SpritePiece& q : p) {
        EXPECT_GE(q.left, 0);
        EXPECT_LE(q.right, 1000);
    }
}

TEST(SpriteTransform, MatrixInverseAndBounds) {
    const double rot90[4] = {0, 1, -1, 0};  // (u, v) -> (-v, u)
    Affine t = MakeAffine(rot90);
    ASSERT_FALSE(t.singular);
    EXPECT_DOUBLE_EQ(t.inv[0], 0);
    EXPECT_DOUBLE_EQ(t.inv[1], -1);
    EXPECT_DOUBLE_EQ(t.inv[2], 1);
    EXPECT_DOUBLE_EQ(t.inv[3], 0);

    // A 10 x 4 picture turned a quarter: x from -4 to 0, y from 0 to 10, widened 1 and 2.
    Corners c = AffineCorners(t, 0, 0, 10, 4);
    Rect32 b = CornerBounds(c, 50, 60);
    EXPECT_EQ(b.left, 50 - 4 - 1);
    EXPECT_EQ(b.top, 60 + 0 - 1);
    EXPECT_EQ(b.right, 50 + 0 + 2);
    EXPECT_EQ(b.bottom, 60 + 10 + 2);
    // Ordered from the topmost, then its lower neighbour.
    for (int i = 1; i < 4; ++i) EXPECT_GE(c.p[i].y, c.p[0].y);
    EXPECT_GE(c.p[1].y, c.p[3].y);

    const double nearlyFlat[4] = {0.001, 0, 0, 0.001};  // determinant 0.000001
    EXPECT_TRUE(MakeAffine(nearlyFlat).singular);
    const double nan[4] = {std::nan(""), 0, 0, 1};
    EXPECT_TRUE(MakeAffine(nan).singular);
}

TEST(SpriteTransform, AffineRendererMatchesTheMapping) {
    TestPicture pic(6, 4);
    // Identity at (10, 20) with frame offset (1, 2): an exact copy.
    {
        const double id[4] = {1, 0, 0, 1};
        Canvas c(40, 40);
        DrawAffine(pic.View(1, 2), MakeAffine(id), 10, 20, {0, 0, 40, 40}, c.Target());
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                int u = x - 11, v = y - 22;
                uint16_t want = (u >= 0 && u < 6 && v >= 0 && v < 4) ? uint16_t(100 * v + u + 1) : 0xEEEE;
                ASSERT_EQ(c.At(x, y), want) << x << "," << y;
            }
    }
    // A quarter turn and a doubling: every pixel against the inverse map at pixel centres.
    const double mats[2][4] = {{0, 1, -1, 0}, {2, 0, 0, 2}};
    for (const auto& m : mats) {
        Affine t = MakeAffine(m);
        Canvas c(40, 40);
        DrawAffine(pic.View(), t, 20, 20, {0, 0, 40, 40}, c.Target());
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                double rx = x + 0.5 - 20, ry = y + 0.5 - 20;
                int u = int(std::floor(t.inv[0] * rx + t.inv[2] * ry));
                int v = int(std::floor(t.inv[1] * rx + t.inv[3] * ry));
                uint16_t want = (u >= 0 && u < 6 && v >= 0 && v < 4) ? uint16_t(100 * v + u + 1) : 0xEEEE;
                ASSERT_EQ(c.At(x, y), want) << x << "," << y;
            }
    }
    // Clipped to a region, keyed pixels skipped, translated through a table.
    {
        const double id[4] = {1, 0, 0, 1};
        PictureView v = pic.View();
        v.keyed = true;
        v.key = 3;  // pixel (2, 0)
        std::vector<uint16_t> xlate(32768);
        for (size_t i = 0; i < xlate.size(); ++i) xlate[i] = uint16_t(i + 1000);
        v.xlate = xlate.data();
        v.xlateCount = 32768;
        Canvas c(10, 10);
        DrawAffine(v, MakeAffine(id), 0, 0, {1, 0, 4, 2}, c.Target());
        EXPECT_EQ(c.At(0, 0), 0xEEEE);  // outside the region
        EXPECT_EQ(c.At(1, 0), 1002);
        EXPECT_EQ(c.At(2, 0), 0xEEEE);  // the key
        EXPECT_EQ(c.At(3, 1), 1104);
        EXPECT_EQ(c.At(4, 1), 0xEEEE);
        // A table shorter than the pixel values leaves the values beyond it as they are.
        v.xlateCount = 102;
        Canvas d(10, 10);
        DrawAffine(v, MakeAffine(id), 0, 0, {0, 0, 6, 2}, d.Target());
        EXPECT_EQ(d.At(0, 0), 1001);
        EXPECT_EQ(d.At(1, 1), 102);
    }
    // A singular map draws nothing.
    {
        const double flat[4] = {1, 1, 1, 1};
        Canvas c(10, 10);
        DrawAffine(pic.View(), MakeAffine(flat), 0, 0, {0, 0, 10, 10}, c.Target());
        for (uint16_t p : c.px) ASSERT_EQ(p, 0xEEEE);
    }
}

TEST(SpriteTransform, ProjectionOfAFlatPictureIsACopy) {
    // No rotation and no offset in depth: the picture lies flat at the sprite position.
    const double q[4] = {1, 0, 0, 0};
    const double pos[3] = {0, 0, 0};
    Projection p = MakeProjection(q, pos, 300, 320, 200, 5, 7);
    ASSERT_TRUE(p.valid);
    EXPECT_FALSE(p.facing);
    TestPicture pic(6, 4);
    Rect32 b = ProjectedBounds(p, 0, 0, 6, 4);
    EXPECT_EQ(b.left, 5 - 1);
    EXPECT_EQ(b.top, 7 - 1);
    EXPECT_EQ(b.right, 11 + 2);
    EXPECT_EQ(b.bottom, 11 + 2);
    Canvas c(20, 20);
    DrawProjective(pic.View(), p, {0, 0, 20, 20}, c.Target());
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            int u = x - 5, v = y - 7;
            uint16_t want = (u >= 0 && u < 6 && v >= 0 && v < 4) ? uint16_t(100 * v + u + 1) : 0xEEEE;
            ASSERT_EQ(c.At(x, y), want) << x << "," << y;
        }

    // Moved away to twice the focal length, about the centre: a third of the size.
    const double far[3] = {0, 0, 600};
    Projection p2 = MakeProjection(q, far, 300, 0, 0, 30, 30);
    Rect32 b2 = ProjectedBounds(p2, 0, 0, 60, 30);
    EXPECT_EQ(b2.left, 10 - 1);
    EXPECT_EQ(b2.top, 10 - 1);
    EXPECT_EQ(b2.right, 30 + 2);
    EXPECT_EQ(b2.bottom, 20 + 2);

    // Columns of the rotation: a half turn about z maps u to -x; facing away flags.
    double c1[3], c2[3];
    const double halfZ[4] = {0, 0, 0, 1};
    RotationColumns(halfZ, c1, c2);
    EXPECT_DOUBLE_EQ(c1[0], -1);
    EXPECT_DOUBLE_EQ(c2[1], -1);
    EXPECT_TRUE(MakeProjection(halfZ, pos, 300, 0, 0, 0, 0).facing);

    // Behind the viewer: no bounds.
    const double behind[3] = {0, 0, -400};
    Rect32 b3 = ProjectedBounds(MakeProjection(q, behind, 300, 0, 0, 0, 0), 0, 0, 10, 10);
    EXPECT_TRUE(IsEmpty(b3));
}

namespace {

// The rule for one axis, written from its description: shift the span by whole world
// sizes (one ending at or left of 0 until its right end lies inside, one starting at or
// past the size until its left end does), then split one starting left of 0 at 0 and one
// running past the size at the size; the second part's offset is the first part's length.
std::vector<AxisSpan> ModelSpans(int32_t left, int32_t right, int32_t size) {
    while (right <= 0) left += size, right += size;
    while (left >= size) left -= size, right -= size;
    if (left < 0) return {{left + size, size, 0}, {0, right, -left}};
    if (right > size) return {{left, size, 0}, {0, right - size, size - left}};
    return {{left, right, 0}};
}

}  // namespace

TEST(SpritePieces, EverySpanUpToTheWorldsSizeSplitsByTheRule) {
    for (int32_t size = 1; size <= 11; ++size)
        for (int32_t length = 1; length <= size; ++length)
            for (int32_t left = -3 * size; left < 3 * size; ++left) {
                const std::vector<AxisSpan> want = ModelSpans(left, left + length, size);
                // Columns with rows unwrapped, then rows with columns unwrapped.
                for (int axis = 0; axis < 2; ++axis) {
                    const Rect32 b = axis == 0 ? Rect32{left, 2, left + length, 5} : Rect32{2, left, 5, left + length};
                    const auto got = Pieces(b, axis == 0 ? size : 7, axis == 0 ? 7 : size, axis == 0, axis == 1);
                    ASSERT_EQ(got.size(), want.size()) << "size " << size << " span " << left << ".." << left + length;
                    for (size_t i = 0; i < want.size(); ++i) {
                        const AxisSpan& w = want[i];
                        const bool same = axis == 0 ? Same(got[i], w.begin, 2, w.end, 5, w.offset, 0)
                                                    : Same(got[i], 2, w.begin, 5, w.end, 0, w.offset);
                        EXPECT_TRUE(same) << "axis " << axis << " size " << size << " span " << left << ".."
                                          << left + length << " piece " << i;
                    }
                }
            }
    // The world-sized cases in numbers: rows 3-12 of a world 9 high, and rows -5 to 4.
    auto p = Pieces({0, 3, 4, 12}, 10, 9, false, true);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_TRUE(Same(p[0], 0, 3, 4, 9, 0, 0));
    EXPECT_TRUE(Same(p[1], 0, 0, 4, 3, 0, 6));
    p = Pieces({0, -5, 4, 4}, 10, 9, false, true);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_TRUE(Same(p[0], 0, 4, 4, 9, 0, 0));
    EXPECT_TRUE(Same(p[1], 0, 0, 4, 4, 0, 5));
}
