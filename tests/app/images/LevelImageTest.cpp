// Level images: clearing, and additive blending checked against a plain reference that
// adds pixel by pixel wherever both images have the pixel, with rectangles inside, partly
// outside and wholly outside either image.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "ImageRecord.h"
#include "LevelImage.h"

namespace {

struct Rect {
    int left, top, right, bottom;
};

// A level-image record of its own memory; the padding bytes of each row hold 0xEE so
// that a write past the row shows.
struct Level {
    Level(uint16_t width, uint16_t height) : bytes(sizeof(quor::ImageHeader) + quor::RowBytes(width, 1) * height) {
        quor::ImageHeader h = {quor::kBmapType, quor::KindLevelMask, 0, width, height, 0,
                               quor::RowBytes(width, 1) * height};
        std::memcpy(bytes.data(), &h, sizeof h);
        std::fill(bytes.begin() + sizeof h, bytes.end(), uint8_t(0xEE));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) At(x, y) = 0;
    }
    uint16_t Width() const { return quor::HeaderOf(bytes.data())->width; }
    uint16_t Height() const { return quor::HeaderOf(bytes.data())->height; }
    uint8_t& At(int x, int y) {
        return bytes[sizeof(quor::ImageHeader) + size_t(y) * quor::RowBytes(Width(), 1) + size_t(x)];
    }
    void* Data() { return bytes.data(); }
    std::vector<uint8_t> bytes;
};

// The source's pixel (x, y) is distinct enough to show where each one lands.
Level Pattern(uint16_t w, uint16_t h) {
    Level l(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) l.At(x, y) = uint8_t(40 + 17 * x + 29 * y);
    return l;
}

Level Reference(Level dst, Level& src, int dx, int dy, Rect r) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const int tx = dx + x - r.left, ty = dy + y - r.top;
            if (x < 0 || y < 0 || x >= src.Width() || y >= src.Height()) continue;
            if (tx < 0 || ty < 0 || tx >= dst.Width() || ty >= dst.Height()) continue;
            dst.At(tx, ty) = uint8_t(std::min(255, dst.At(tx, ty) + src.At(x, y)));
        }
    return dst;
}

TEST(LevelImage, ClearingZeroesEveryPixelByte) {
    Level l = Pattern(5, 3);
    ClearImageBuffer(l.Data());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(0, l.At(x, y));
    ClearImageBuffer(nullptr);  // nothing to clear
}

TEST(LevelImage, AddingSaturatesAt255) {
    Level dst(4, 1), src(4, 1);
    const uint8_t before[4] = {100, 30, 0, 255};
    for (int x = 0; x < 4; ++x) {
        dst.At(x, 0) = before[x];
        src.At(x, 0) = 200;
    }
    BlendImageAdditive(dst.Data(), src.Data(), 0, 0, 0, 0, 4, 1);
    EXPECT_EQ(255, dst.At(0, 0));
    EXPECT_EQ(230, dst.At(1, 0));
    EXPECT_EQ(200, dst.At(2, 0));
    EXPECT_EQ(255, dst.At(3, 0));
}

TEST(LevelImage, BlendingMatchesTheReferenceWhereverTheRectanglesLie) {
    struct Case {
        int x, y;
        Rect source;
    };
    const Case cases[] = {
        {2, 1, {1, 1, 5, 4}},       // inside both
        {-2, -1, {0, 0, 6, 5}},     // place partly left of and above the destination
        {8, 6, {0, 0, 6, 5}},       // place partly right of and below it
        {1, 1, {-3, -2, 4, 3}},     // source rectangle partly before the source image
        {0, 0, {3, 2, 12, 9}},      // source rectangle past the source image's end
        {-4, 3, {-2, -2, 9, 8}},    // both at once
        {20, 2, {0, 0, 6, 5}},      // wholly right of the destination
        {2, -9, {0, 0, 6, 5}},      // wholly above it
        {0, 0, {6, 0, 9, 5}},       // wholly right of the source image
        {0, 0, {-5, -5, 0, 0}},     // wholly before it
        {0, 0, {4, 4, 2, 2}},       // empty rectangle
    };
    for (const Case& c : cases) {
        Level dst = Pattern(11, 8);
        Level src = Pattern(6, 5);
        const Level want = Reference(dst, src, c.x, c.y, c.source);
        BlendImageAdditive(dst.Data(), src.Data(), c.x, c.y, c.source.left, c.source.top, c.source.right,
                           c.source.bottom);
        EXPECT_EQ(want.bytes, dst.bytes) << "at (" << c.x << ", " << c.y << ") from (" << c.source.left << ", "
                                         << c.source.top << ", " << c.source.right << ", " << c.source.bottom << ")";
    }
}

TEST(LevelImage, ARecordWithFewerPixelBytesThanRowsOnlyShowsItsWholeRows) {
    Level dst(4, 4), src = Pattern(4, 4);
    quor::ImageHeader h;
    std::memcpy(&h, dst.Data(), sizeof h);
    h.pixelBytes = 2 * quor::RowBytes(4, 1) + 1;
    std::memcpy(dst.Data(), &h, sizeof h);
    BlendImageAdditive(dst.Data(), src.Data(), 0, 0, 0, 0, 4, 4);
    EXPECT_EQ(src.At(3, 1), dst.At(3, 1));
    EXPECT_EQ(0, dst.At(0, 2));
}

}  // namespace
