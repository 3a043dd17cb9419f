// The panorama's cylinder warp against a floating-point model of it (PanoramaReference.h):
// the column table, the rectangle a render reads, both renders at zooms below, at and
// above 1, across the wrap seam, from rotated and bottom-up storage, and the grey rows.
#include "PanoramaWarp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "PanoramaReference.h"

namespace {

namespace ref = panorama_reference;

const double kTurn = 6.283185307179586;

// A logical panorama of random colours, so that any pixel taken from the wrong place
// shows, and a view of w x h pixels of it.
PanoramaScene Scene(int32_t width, int32_t height, int32_t horizon, double angle, int32_t w, int32_t h) {
    PanoramaScene s;
    s.w = w;
    s.h = h;
    s.width = width;
    s.height = height;
    s.horizon = horizon;
    s.angle = angle;
    std::mt19937 random(uint32_t(width * 7 + height));
    s.pixels.resize(size_t(width) * size_t(height));
    for (uint16_t& p : s.pixels) p = uint16_t(random() & 0x7FFF);
    return s;
}

// 15-bit pixels with the rows padded as a DIB's.
struct Picture {
    std::vector<uint8_t> bytes;
    PixelView view;

    Picture(int32_t width, int32_t height, bool topDown = true) {
        view.width = width;
        view.height = height;
        view.depth = 15;
        view.topDown = topDown;
        view.rowBytes = uint32_t((width * 2 + 3) & ~3);
        bytes.assign(size_t(view.rowBytes) * size_t(height), 0xA5);
        view.pixels = bytes.data();
    }
    uint16_t& At(int32_t x, int32_t y) const { return reinterpret_cast<uint16_t*>(view.Row(y))[x]; }
};

// The scene's panorama as stored: as it is, or rotated (logical column c in stored row c).
Picture Stored(const PanoramaScene& s, bool rotated, bool topDown = true) {
    Picture p(rotated ? s.height : s.width, rotated ? s.width : s.height, topDown);
    for (int32_t r = 0; r < s.height; ++r)
        for (int32_t c = 0; c < s.width; ++c) (rotated ? p.At(r, c) : p.At(c, r)) = s.At(c, r);
    return p;
}

enum class Mode { Nearest, Smooth };

// Renders the scene's view from the scene's panorama stored as asked.
Picture Render(const PanoramaScene& s, Mode mode, bool rotated = false, bool topDown = true) {
    const Picture stored = Stored(s, rotated, topDown);
    PanoramaWarp warp(s.width, s.height, s.horizon, rotated, s.angle);
    const int32_t x = rotated ? s.y : s.x, y = rotated ? s.x : s.y;
    warp.Setup(s.w, s.h, s.zoom, x, y);
    Picture image(s.w, s.h + 1);
    const bool drawn = mode == Mode::Nearest ? warp.Render(stored.view, image.view, x, y)
                                             : warp.RenderSmooth(stored.view, image.view, x, y);
    EXPECT_TRUE(drawn);
    return image;
}

// The largest channel difference of the render from the model, and where it is.
std::string Worst(const PanoramaScene& s, Mode mode, const Picture& image, double& worst) {
    worst = 0;
    std::string where = "nowhere";
    for (int32_t k = 0; k < s.h; ++k)
        for (int32_t i = 0; i < s.w; ++i) {
            const std::vector<ref::Colour> expected = mode == Mode::Nearest ? ref::Expected(s, i, k, false)
                                                      : s.zoom > 1.0         ? ref::ExpectedZoomedIn(s, i, k)
                                                                             : ref::Expected(s, i, k, true);
            const double distance = ref::Distance(image.At(i, k), expected);
            if (distance > worst) {
                worst = distance;
                where = "view pixel " + std::to_string(i) + ", " + std::to_string(k);
            }
        }
    return where;
}

struct View {
    double zoom;
    int32_t x, y;
};

void ExpectLikeTheModel(PanoramaScene s, Mode mode, const std::vector<View>& views, double tolerance) {
    for (const View& v : views) {
        s.zoom = v.zoom;
        s.x = v.x;
        s.y = v.y;
        double worst = 0;
        const std::string where = Worst(s, mode, Render(s, mode), worst);
        EXPECT_LE(worst, tolerance) << "zoom " << v.zoom << " from " << v.x << ", " << v.y << ": " << where;
    }
}

bool SamePixels(const Picture& a, const Picture& b, int32_t w, int32_t h) {
    for (int32_t k = 0; k < h; ++k)
        for (int32_t i = 0; i < w; ++i)
            if (a.At(i, k) != b.At(i, k)) return false;
    return true;
}

}  // namespace

TEST(PanoramaWarp, ColumnTableFollowsTheCosineOutwardFromTheCentre) {
    const double angle = 0.6 * kTurn;
    PanoramaWarp warp(400, 100, 50, false, angle);
    warp.Setup(101, 60, 1.0, 0, 0);
    EXPECT_EQ(1.0, warp.ColumnRowStep(50)) << "the centre column is not scaled";
    const double t = angle / 400;
    for (int32_t i = 0; i < 101; ++i) {
        EXPECT_NEAR(std::cos(std::abs(i - 50) * t), warp.ColumnRowStep(i), 1e-12) << i;
        EXPECT_EQ(warp.ColumnRowStep(i), warp.ColumnRowStep(100 - i)) << "mirrored about the centre";
    }
    EXPECT_LT(warp.ColumnRowStep(0), warp.ColumnRowStep(20)) << "the picture is taller at the sides";

    // An even width has no centre column: its two middle columns are one step out.
    warp.Setup(8, 60, 2.0, 0, 0);
    EXPECT_NEAR(std::cos(angle / 800) / 2, warp.ColumnRowStep(3), 1e-12);
    EXPECT_EQ(warp.ColumnRowStep(3), warp.ColumnRowStep(4));
    EXPECT_NEAR(std::cos(4 * angle / 800) / 2, warp.ColumnRowStep(0), 1e-12);
    EXPECT_EQ(31, warp.CoveredRows()) << "ceil(59 / 2) + 1";
    EXPECT_EQ(5, warp.CoveredColumns());
}

// The table once had room for 2000 columns; a wider view now gets a table of its own width.
TEST(PanoramaWarp, ViewsWiderThanTwoThousandColumnsRenderWhole) {
    PanoramaScene s = Scene(6000, 40, 20, kTurn, 2301, 30);
    PanoramaWarp warp(s.width, s.height, s.horizon, false, s.angle);
    warp.Setup(s.w, s.h, 1.0, 0, 5);
    EXPECT_NEAR(std::cos(1150 * kTurn / 6000), warp.ColumnRowStep(2300), 1e-12);
    EXPECT_EQ(warp.ColumnRowStep(0), warp.ColumnRowStep(2300));
    ExpectLikeTheModel(s, Mode::Nearest, {{1.0, 3000, 5}}, 0);
}

TEST(PanoramaWarp, SetupReportsThePartOfThePanoramaRead) {
    PanoramaWarp warp(1000, 200, 100, false, 2.0);
    // Horizon in the view: the view's own rows and a margin.
    PanoramaRect r = warp.Setup(101, 61, 2.0, 990, 40);
    EXPECT_EQ(990, r.left);
    EXPECT_EQ(990 + 51 + 2, r.right) << "may run past the seam";
    EXPECT_EQ(40, r.top);
    EXPECT_EQ(40 + 31 + 2, r.bottom);

    // Horizon above the view: the outer columns reach up to y + H - d0 H zoom.
    r = warp.Setup(101, 61, 1.0, 0, 120);
    const double d0 = warp.ColumnRowStep(0);
    EXPECT_EQ(int32_t(std::floor(120 - 20 + d0 * 20)), r.top);
    // Horizon below the view: down to h d0 + H - d0 H zoom + y, at most the panorama's height.
    r = warp.Setup(101, 61, 1.0, 0, 20);
    EXPECT_EQ(int32_t(std::ceil(61 * d0 + 80 - d0 * 80 + 20)) + 2, r.bottom);
    r = warp.Setup(101, 61, 1.0, 0, 138);
    EXPECT_EQ(200, r.bottom);

    // Rotated: positions and the rectangle are in stored coordinates.
    PanoramaWarp turned(1000, 200, 100, true, 2.0);
    r = turned.Setup(101, 61, 2.0, 40, 990);
    EXPECT_EQ(40, r.left);
    EXPECT_EQ(990, r.top);
    EXPECT_EQ(73, r.right);
    EXPECT_EQ(1043, r.bottom);
}

TEST(PanoramaWarp, NothingRendersWithoutAView) {
    PanoramaScene s = Scene(64, 32, 16, 1.0, 20, 10);
    const Picture stored = Stored(s, false);
    Picture image(20, 11);
    const std::vector<uint8_t> before = image.bytes;
    PanoramaWarp warp(s.width, s.height, s.horizon, false, s.angle);
    EXPECT_FALSE(warp.Render(stored.view, image.view, 0, 0)) << "before Setup";
    EXPECT_FALSE(warp.RenderSmooth(stored.view, image.view, 0, 0));
    warp.Setup(20, 10, 0.0, 0, 0);
    EXPECT_FALSE(warp.HasTables()) << "a zoom of 0";
    EXPECT_FALSE(warp.Render(stored.view, image.view, 0, 0));
    warp.Setup(30, 10, 1.0, 0, 0);
    EXPECT_FALSE(warp.Render(stored.view, image.view, 0, 0)) << "an image narrower than the view";
    warp.Setup(20, 10, 1.0, 0, 0);
    Picture small(63, 32);
    EXPECT_FALSE(warp.Render(small.view, image.view, 0, 0)) << "a panorama smaller than its size";
    EXPECT_EQ(before, image.bytes);
}

TEST(PanoramaWarp, NearestRenderMatchesTheModel) {
    PanoramaScene s = Scene(320, 120, 60, 0.6 * kTurn, 97, 61);
    // Horizon in the view at zooms 1, out and in; the last ones cross the wrap seam.
    ExpectLikeTheModel(s, Mode::Nearest, {{1.0, 10, 30}, {0.75, 40, 20}, {2.0, 100, 40}, {1.5, 5, 35},
                                          {1.0, 290, 30}, {0.5, 250, 0}, {2.0, 300, 45}}, 0);
}

TEST(PanoramaWarp, SmoothRenderIsWithinOneLevelOfTheModel) {
    PanoramaScene s = Scene(320, 120, 60, 0.6 * kTurn, 97, 61);
    ExpectLikeTheModel(s, Mode::Smooth, {{1.0, 10, 30}, {0.75, 40, 20}, {0.5, 250, 0}, {1.0, 290, 30}}, 1.0);
}

// Zoomed in, a vertical blend is blended again across columns: each halving keeps the
// lowest bits of one pixel, so a quarter blend is off by at most 3/4 of a level, and the
// blend of two blends by at most 3/4 + 3/4.
TEST(PanoramaWarp, ZoomedInSmoothRenderBlendsNeighbouringColumns) {
    PanoramaScene s = Scene(320, 120, 60, 0.6 * kTurn, 97, 61);
    ExpectLikeTheModel(s, Mode::Smooth, {{2.0, 100, 40}, {1.5, 5, 35}, {1.25, 280, 30}, {3.0, 310, 50}}, 1.5);
    // A smooth render of two equal neighbouring columns is their vertical blend alone.
    for (int32_t r = 0; r < s.height; ++r) s.pixels[size_t(r) * size_t(s.width) + 11] = s.At(10, r);
    s.zoom = 4.0;
    s.x = 10;
    s.y = 30;
    const Picture image = Render(s, Mode::Smooth);
    for (int32_t k = 0; k < s.h; ++k)
        EXPECT_LE(ref::Distance(image.At(0, k), ref::ColumnSamples(s, 10, 0, k, true)), 0.75) << k;
}

TEST(PanoramaWarp, PanningPastTheLastColumnGoesOnWithTheFirst) {
    PanoramaScene s = Scene(200, 80, 40, 0.5 * kTurn, 61, 41);
    PanoramaScene rolled = s;  // the same cylinder, its seam 30 columns further on
    for (int32_t r = 0; r < s.height; ++r)
        for (int32_t c = 0; c < s.width; ++c)
            rolled.pixels[size_t(r) * size_t(s.width) + size_t(c)] = s.At((c + 170) % s.width, r);
    for (double zoom : {1.0, 0.5, 2.5}) {
        s.zoom = rolled.zoom = zoom;
        s.x = 170;
        rolled.x = 0;
        s.y = rolled.y = 20;
        EXPECT_TRUE(SamePixels(Render(s, Mode::Nearest), Render(rolled, Mode::Nearest), s.w, s.h)) << zoom;
        EXPECT_TRUE(SamePixels(Render(s, Mode::Smooth), Render(rolled, Mode::Smooth), s.w, s.h)) << zoom;
    }
}

TEST(PanoramaWarp, RotatedAndBottomUpStorageGiveTheSameView) {
    PanoramaScene s = Scene(200, 80, 40, 0.5 * kTurn, 61, 41);
    // The last view goes past the last stored row of the rotated panorama.
    for (const View& v : {View{1.0, 20, 20}, View{0.5, 120, 0}, View{2.0, 190, 25}, View{1.0, 170, 38}}) {
        s.zoom = v.zoom;
        s.x = v.x;
        s.y = v.y;
        for (Mode mode : {Mode::Nearest, Mode::Smooth}) {
            const Picture plain = Render(s, mode);
            EXPECT_TRUE(SamePixels(plain, Render(s, mode, true), s.w, s.h)) << "rotated, zoom " << v.zoom;
            EXPECT_TRUE(SamePixels(plain, Render(s, mode, false, false), s.w, s.h)) << "bottom-up";
            EXPECT_TRUE(SamePixels(plain, Render(s, mode, true, false), s.w, s.h)) << "both";
        }
    }
}

TEST(PanoramaWarp, RowsAboveAndBelowThePanoramaAreGrey) {
    // A horizon above the panorama, the view near its top: the outer columns reach above
    // the panorama, the centre column does not.
    PanoramaScene s = Scene(300, 60, -100, 0.6 * kTurn, 81, 41);
    s.y = 5;
    s.x = 30;
    const Picture above = Render(s, Mode::Nearest);
    EXPECT_EQ(PanoramaWarp::kGrey, above.At(0, 0));
    EXPECT_EQ(PanoramaWarp::kGrey, above.At(80, 0));
    EXPECT_EQ(s.At(70, 5), above.At(40, 0));
    // A horizon below the panorama, the view near its bottom.
    PanoramaScene low = Scene(300, 60, 160, 0.6 * kTurn, 81, 41);
    low.y = 15;
    const Picture below = Render(low, Mode::Nearest);
    EXPECT_EQ(PanoramaWarp::kGrey, below.At(0, 40));
    EXPECT_NE(PanoramaWarp::kGrey, below.At(40, 40));
    for (const PanoramaScene& scene : {s, low})
        for (Mode mode : {Mode::Nearest, Mode::Smooth}) {
            double worst = 0;
            const std::string where = Worst(scene, mode, Render(scene, mode), worst);
            EXPECT_LE(worst, mode == Mode::Nearest ? 0.0 : 1.0) << where;
        }
    // A view that runs past the panorama's bottom with the horizon inside it.
    low.horizon = 30;
    low.y = 40;
    low.zoom = 0.5;
    const Picture past = Render(low, Mode::Smooth);
    EXPECT_EQ(PanoramaWarp::kGrey, past.At(40, 40));
    double worst = 0;
    const std::string where = Worst(low, Mode::Smooth, past, worst);
    EXPECT_LE(worst, 1.0) << where;
}
