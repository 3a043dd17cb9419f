#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "Geometry.h"
#include "ProgramFolder.h"
#include "Region.h"
#include "WideInt.h"

namespace {
Region Square(bool clockwise) {
    Region region;
    if (clockwise)
        region.vertices = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    else
        region.vertices = {{0, 0}, {0, 10}, {10, 10}, {10, 0}};
    return region;
}
}  // namespace

TEST(Region, SquareInBothVertexOrdersHasTheSameInsideAndEdges) {
    for (bool clockwise : {true, false}) {
        SCOPED_TRACE(clockwise);
        const Region square = Square(clockwise);
        EXPECT_TRUE(square.HitTest({5, 5}));
        // The edge with the largest y is inside, the one with the smallest y outside.
        EXPECT_TRUE(square.HitTest({5, 10}));
        EXPECT_FALSE(square.HitTest({5, 0}));
        // Both vertical edges are inside.
        EXPECT_TRUE(square.HitTest({0, 5}));
        EXPECT_TRUE(square.HitTest({10, 5}));
        EXPECT_FALSE(square.HitTest({11, 5}));
        EXPECT_FALSE(square.HitTest({-1, 5}));
        EXPECT_FALSE(square.HitTest({5, 11}));
        EXPECT_FALSE(square.HitTest({5, -1}));
        // Vertices: the upper ones (y = 10) are inside, the lower ones outside.
        EXPECT_TRUE(square.HitTest({0, 10}));
        EXPECT_TRUE(square.HitTest({10, 10}));
        EXPECT_FALSE(square.HitTest({0, 0}));
        EXPECT_FALSE(square.HitTest({10, 0}));
    }
}

TEST(Region, TriangleEdgesAndTheOriginOffset) {
    Region triangle;
    triangle.originX = 100;
    triangle.originY = 50;
    triangle.vertices = {{0, 0}, {20, 0}, {0, 20}};
    EXPECT_EQ(120, triangle.VertexAt(1).x);
    EXPECT_EQ(70, triangle.VertexAt(2).y);
    EXPECT_TRUE(triangle.HitTest({105, 55}));
    EXPECT_FALSE(triangle.HitTest({5, 5}));         // the region sits at its origin
    EXPECT_FALSE(triangle.HitTest({116, 66}));      // beyond the slanted edge
    EXPECT_TRUE(triangle.HitTest({110, 60}));       // on the slanted edge
    EXPECT_FALSE(triangle.HitTest({100, 71}));
}

TEST(Region, WindingRuleFillsOverlapsAndEmptyRegionsHoldNothing) {
    // A five-pointed star drawn in one stroke: its centre winds twice and is inside.
    Region star;
    star.vertices = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    EXPECT_TRUE(star.HitTest({50, 50}));
    EXPECT_TRUE(star.HitTest({50, 10}));
    EXPECT_FALSE(star.HitTest({5, 80}));
    Region empty;
    EXPECT_FALSE(empty.HitTest({0, 0}));
}

TEST(Region, FarApartCoordinatesDoNotWrap) {
    Region wide;
    wide.vertices = {{-2147483000, -2147483000}, {2147483000, -2147483000}, {2147483000, 2147483000},
                     {-2147483000, 2147483000}};
    EXPECT_TRUE(wide.HitTest({2147482999, 0}));
    EXPECT_TRUE(wide.HitTest({-2147482999, 2147482999}));
    EXPECT_FALSE(wide.HitTest({2147483001, 0}));
}

TEST(Region, OriginsAtTheEndsOfTheRangeHoldTheirVerticesThere) {
    Region far;
    far.originX = INT32_MAX;
    far.originY = INT32_MIN;
    far.vertices = {{0, 0}, {INT32_MAX, INT32_MIN}, {-1, 1}, {INT32_MIN, INT32_MAX}};
    EXPECT_EQ(INT32_MAX, far.VertexAt(0).x);
    EXPECT_EQ(INT32_MIN, far.VertexAt(0).y);
    EXPECT_EQ(INT32_MAX, far.VertexAt(1).x);
    EXPECT_EQ(INT32_MIN, far.VertexAt(1).y);
    EXPECT_EQ(INT32_MAX - 1, far.VertexAt(2).x);
    EXPECT_EQ(INT32_MIN + 1, far.VertexAt(2).y);
    EXPECT_EQ(-1, far.VertexAt(3).x);
    EXPECT_EQ(-1, far.VertexAt(3).y);
    // A square pushed past the end is held against it: nothing wraps to the other side.
    Region pushed;
    pushed.originX = INT32_MAX - 5;
    pushed.originY = 0;
    pushed.vertices = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_TRUE(pushed.HitTest({INT32_MAX - 2, 5}));
    EXPECT_TRUE(pushed.HitTest({INT32_MAX, 5}));
    EXPECT_FALSE(pushed.HitTest({INT32_MIN, 5}));
    EXPECT_FALSE(pushed.HitTest({0, 5}));
}

#if defined(__i386__) || defined(__x86_64__)
// Sets the precision of the x87's arithmetic (its control word's bits 8 and 9: 0 for 24
// bits, 2 for 53, 3 for 64) for its lifetime, as a driver or a library may leave it.
class X87Precision {
public:
    explicit X87Precision(unsigned bits) {
        __asm__ volatile("fnstcw %0" : "=m"(saved_));
        uint16_t word = uint16_t((saved_ & ~0x300u) | (bits << 8));
        __asm__ volatile("fldcw %0" : : "m"(word));
    }
    ~X87Precision() { __asm__ volatile("fldcw %0" : : "m"(saved_)); }

private:
    uint16_t saved_ = 0;
};

// A point one unit from a long slanted edge: the edge's two products need 64 bits and
// differ by less than a 53-bit rounding of them.
TEST(Region, PointsBesideALongEdgeDoNotDependOnTheX87Precision) {
    Region triangle;
    triangle.vertices = {{-2147482666, -2147483059}, {2147483540, 2147483152}, {-2147482666, 2147483152}};
    Region reversed;
    reversed.vertices = {triangle.vertices[2], triangle.vertices[1], triangle.vertices[0]};
    for (unsigned bits : {3u, 2u, 0u}) {
        SCOPED_TRACE(bits);
        const X87Precision precision(bits);
        for (const Region* region : {&triangle, &reversed}) {
            EXPECT_TRUE(region->HitTest({-2147482623, -2147483015}));
            EXPECT_FALSE(region->HitTest({-2147482622, -2147483015}));
            EXPECT_FALSE(region->HitTest({-2147482621, -2147483015}));
        }
    }
}
#endif

TEST(WideInt, ProductsAndSumsBeyondSixtyFourBits) {
    const WideInt largest = WideInt::Product(INT64_MIN, INT64_MIN);  // 2^126
    EXPECT_EQ(int64_t(1) << 62, largest.high);
    EXPECT_EQ(0u, largest.low);
    const WideInt mixed = WideInt::Product(INT64_MAX, INT64_MIN);  // -(2^126 - 2^63)
    EXPECT_EQ(-(int64_t(1) << 62), mixed.high);
    EXPECT_EQ(uint64_t(1) << 63, mixed.low);
    const WideInt square = WideInt::Product(4294967295, 4294967295);  // 2^64 - 2^33 + 1
    EXPECT_EQ(0, square.high);
    EXPECT_EQ(0xFFFFFFFE00000001u, square.low);
    EXPECT_TRUE(WideInt::Product(-1, 1) == WideInt::Of(-1));
    EXPECT_TRUE(WideInt::Product(-4294967296, 4294967297) < WideInt::Product(-4294967296, 4294967296));
    WideInt sum = WideInt::Of(-1);
    sum += WideInt::Of(1);
    EXPECT_TRUE(sum == WideInt{});
    sum += WideInt::Of(INT64_MAX);
    sum += WideInt::Of(INT64_MAX);
    sum += WideInt::Of(2);
    EXPECT_EQ(1, sum.high);  // 2^64
    EXPECT_EQ(0u, sum.low);
    EXPECT_FALSE(sum.Negative());
    EXPECT_TRUE((-sum).Negative());
}

TEST(Rect, HitTestOffsetAndMove) {
    Rect r(10, 20, 30, 60);
    EXPECT_TRUE(r.ContainsPoint({10, 20}));
    EXPECT_FALSE(r.ContainsPoint({30, 40}));  // right and bottom edges lie outside
    EXPECT_FALSE(r.ContainsPoint({20, 60}));
    r.OffsetBy(5, -10);
    EXPECT_EQ(15, r.left);
    EXPECT_EQ(35, r.right);
    EXPECT_EQ(10, r.top);
    EXPECT_EQ(50, r.bottom);
    r.MoveTo(0, 0);
    EXPECT_EQ(20, r.Width());
    EXPECT_EQ(40, r.Height());
    EXPECT_EQ(0, r.left);
    HitTester everywhere;
    EXPECT_TRUE(everywhere.HitTest({-5, 100000}));
}

TEST(RotationMatrix, HoldsCosSinMinusSinCos) {
    const RotationMatrix quarter(std::acos(-1.0) / 2);
    EXPECT_NEAR(0.0, quarter.m[0], 1e-12);
    EXPECT_NEAR(1.0, quarter.m[1], 1e-12);
    EXPECT_NEAR(-1.0, quarter.m[2], 1e-12);
    EXPECT_NEAR(0.0, quarter.m[3], 1e-12);
}

TEST(ProgramFolder, BuildFoldersAreDroppedAndOtherFoldersKept) {
    EXPECT_EQ("c:\\games\\vsl\\", ProgramFolderFromPath("C:\\Games\\VSL\\Debug\\vsl.exe"));
    EXPECT_EQ("c:\\games\\vsl\\", ProgramFolderFromPath("C:\\Games\\VSL\\Release\\vsl.exe"));
    EXPECT_EQ("c:\\games\\vsl\\", ProgramFolderFromPath("C:\\Games\\VSL\\vsl.exe"));
    EXPECT_EQ("c:\\games\\mydebug\\", ProgramFolderFromPath("C:\\Games\\MyDebug\\vsl.exe"));
    EXPECT_EQ("/opt/vsl/", ProgramFolderFromPath("/opt/vsl/vsl.exe"));
    EXPECT_EQ("", ProgramFolderFromPath("vsl.exe"));
}
