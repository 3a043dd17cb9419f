// PanoramaImage as a Bitmap: the image it makes for a view, what it renders from panorama
// bitmaps stored either way round, and what it refuses. The warp itself is checked against
// its model in PanoramaWarpTest.
#include "PanoramaImage.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const int32_t kWidth = 240, kHeight = 90, kHorizon = 45;
const double kAngle = 0.6 * 6.283185307179586;

uint16_t Colour(int32_t column, int32_t row) { return uint16_t((column * 131 + row * 977) & 0x7FFF); }

// The panorama in a 15-bit bitmap stored bottom row first, as .bmp files are; rotated,
// logical column c lies in stored row c.
void Paint(Bitmap& b, bool rotated) {
    ASSERT_TRUE(b.Create(rotated ? kHeight : kWidth, rotated ? kWidth : kHeight, 15, false));
    for (int32_t c = 0; c < kWidth; ++c)
        for (int32_t r = 0; r < kHeight; ++r) {
            const int32_t x = rotated ? r : c, y = rotated ? c : r;
            reinterpret_cast<uint16_t*>(b.View().Row(y))[x] = Colour(c, r);
        }
}

uint16_t Pixel(const Bitmap& b, int32_t x, int32_t y) { return reinterpret_cast<uint16_t*>(b.View().Row(y))[x]; }

}  // namespace

TEST(PanoramaImage, SetupMakesTheImageWhenTheViewGrows) {
    PanoramaImage image(kWidth, kHeight, kHorizon, false, kAngle);
    Bitmap panorama;
    Paint(panorama, false);
    EXPECT_EQ(nullptr, image.Render(panorama, 0, 0)) << "before Setup";
    EXPECT_FALSE(image.IsValid());

    const RECT read = image.Setup(81, 41, 1.0, 230, 20);
    EXPECT_EQ(230, read.left) << "the caller pages in from here, past the seam";
    EXPECT_EQ(230 + 81 + 2, read.right);
    ASSERT_TRUE(image.IsValid());
    EXPECT_EQ(15, image.Depth());
    EXPECT_TRUE(image.IsTopDown());
    EXPECT_EQ(81, image.Width());
    EXPECT_EQ(42, image.Height()) << "one row more than the view";

    image.Setup(61, 31, 1.0, 0, 20);
    EXPECT_EQ(81, image.Width()) << "a smaller view draws into the image it has";
    image.Setup(61, 51, 1.0, 0, 20);
    EXPECT_EQ(61, image.Width());
    EXPECT_EQ(52, image.Height());
}

TEST(PanoramaImage, RendersFromPanoramasStoredEitherWayRound) {
    Bitmap plain, turned;
    Paint(plain, false);
    Paint(turned, true);
    PanoramaImage fromPlain(kWidth, kHeight, kHorizon, false, kAngle);
    PanoramaImage fromTurned(kWidth, kHeight, kHorizon, true, kAngle);
    for (double zoom : {1.0, 0.5, 2.0}) {
        fromPlain.Setup(81, 41, zoom, 200, 25);
        const RECT read = fromTurned.Setup(81, 41, zoom, 25, 200);
        EXPECT_EQ(200, read.top) << "the rotated panorama's rectangle is in stored rows";
        for (bool smooth : {false, true}) {
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << (smooth ? ", smooth" : ", nearest"));
            PanoramaImage* a = smooth ? fromPlain.RenderSmooth(plain, 200, 25) : fromPlain.Render(plain, 200, 25);
            PanoramaImage* b = smooth ? fromTurned.RenderSmooth(turned, 25, 200) : fromTurned.Render(turned, 25, 200);
            ASSERT_EQ(&fromPlain, a);
            ASSERT_EQ(&fromTurned, b);
            int differences = 0;
            for (int32_t y = 0; y < 41; ++y)
                for (int32_t x = 0; x < 81; ++x) differences += Pixel(*a, x, y) != Pixel(*b, x, y);
            EXPECT_EQ(0, differences);
            if (zoom == 1.0 && !smooth) {
                EXPECT_EQ(Colour(0, 25), Pixel(*a, 40, 0)) << "the centre column, across the seam";
            }
        }
    }
}

TEST(PanoramaImage, RefusesPanoramasThatAreNotItsPicture) {
    PanoramaImage image(kWidth, kHeight, kHorizon, false, kAngle);
    image.Setup(81, 41, 1.0, 0, 20);
    Bitmap deep(kWidth, kHeight, 16, true);  // 5-6-5 pixels would blend wrongly
    Bitmap narrow(kWidth - 1, kHeight, 15, true);
    EXPECT_EQ(nullptr, image.Render(deep, 0, 20));
    EXPECT_EQ(nullptr, image.RenderSmooth(narrow, 0, 20));
    EXPECT_EQ(nullptr, image.Render(Bitmap(), 0, 20));
}
