// Resampling in eighths against worked references, depth conversion, flipping, clipped
// copies and the clipboard's packed DIB form.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "DepthConversion.h"
#include "PackedDib.h"
#include "PixelCopy.h"
#include "Resampling.h"

namespace {

std::vector<uint8_t> Resample(const std::vector<uint8_t>& src, int32_t m) {
    std::vector<uint8_t> dst(size_t(m), 0xEE);
    ResampleLine(src.data(), int32_t(src.size()), 1, dst.data(), m, 1);
    return dst;
}

PixelView ViewOf(std::vector<uint8_t>& pixels, int32_t width, int32_t height, int depth, bool topDown) {
    PixelView v;
    v.pixels = pixels.data();
    v.width = width;
    v.height = height;
    v.depth = depth;
    v.topDown = topDown;
    v.rowBytes = uint32_t(DibRowBytes(uint32_t(StoredBits(depth)), uint32_t(width)));
    pixels.resize(size_t(v.rowBytes) * size_t(height));
    v.pixels = pixels.data();
    return v;
}

}  // namespace

TEST(Resampling, ShrinkingAveragesRunsOfEighths) {
    // Halving: runs of 16 eighths.
    EXPECT_EQ((std::vector<uint8_t>{40, 200}), Resample({0, 80, 160, 240}, 2));
    // Three to two: runs of 12 eighths split the middle pixel; 4096 / 12 truncates, so
    // the exact average 150 comes out as 149.
    EXPECT_EQ((std::vector<uint8_t>{30, 149}), Resample({0, 90, 180}, 2));
    // Five to three: runs of 13, 13 and 14 eighths (the remainder lands on the last).
    EXPECT_EQ((std::vector<uint8_t>{11, 23, 36}), Resample({8, 16, 24, 32, 40}, 3));
}

TEST(Resampling, EnlargingBlendsNeighboursInEighthsFromAnEighthIn) {
    EXPECT_EQ((std::vector<uint8_t>{30, 90, 180, 240}), Resample({0, 240}, 4));
}

TEST(Resampling, SinglePixelsRepeatAndSingleResultsAverage) {
    EXPECT_EQ((std::vector<uint8_t>{77, 77, 77}), Resample({77}, 3));
    EXPECT_EQ((std::vector<uint8_t>{20}), Resample({10, 20, 31}, 1));
    EXPECT_EQ((std::vector<uint8_t>{5, 6, 7}), Resample({5, 6, 7}, 3));
}

TEST(Resampling, HeightFollowsTheRowOrderOfBothViews) {
    // One column of three rows, stored bottom row first, halved into a top-down view.
    std::vector<uint8_t> src, dst;
    PixelView s = ViewOf(src, 1, 3, 24, false), d = ViewOf(dst, 1, 2, 24, true);
    const uint8_t top[3] = {0, 0, 0}, middle[3] = {90, 90, 90}, bottom[3] = {180, 180, 180};
    std::memcpy(s.Row(0), top, 3);
    std::memcpy(s.Row(1), middle, 3);
    std::memcpy(s.Row(2), bottom, 3);
    ResampleHeight24(s, d);
    EXPECT_EQ(30, d.Row(0)[0]);
    EXPECT_EQ(149, d.Row(1)[2]);
}

TEST(DepthConversion, FiveBitColoursSurviveEveryDepth) {
    std::vector<uint8_t> rgb, p15, p16, back;
    PixelView a = ViewOf(rgb, 3, 1, 24, true), b = ViewOf(p15, 3, 1, 15, true), c = ViewOf(p16, 3, 1, 16, false),
              d = ViewOf(back, 3, 1, 24, true);
    const uint8_t colours[9] = {0xFF, 0x00, 0x84, 0x08, 0xFF, 0x10, 0x00, 0x00, 0x00};
    std::memcpy(a.Row(0), colours, 9);
    ASSERT_TRUE(ConvertPixels(a, b));
    EXPECT_EQ(0x1F, p15[0] & 0x1F);             // blue 0xFF
    EXPECT_EQ(0x10u, uint32_t(p15[1] >> 2));    // red 0x84 -> 16 in bits 10-14
    ASSERT_TRUE(ConvertPixels(b, c));
    ASSERT_TRUE(ConvertPixels(c, d));
    EXPECT_EQ(0, std::memcmp(colours, back.data(), 9));
    EXPECT_EQ(0x8400FFu, PixelColour(b, 0, 0));
}

TEST(DepthConversion, EightBitsTakeTheNearestColourOfTheTable) {
    ColourEntry table[256] = {};
    table[1] = {0, 0, 250, 0};    // red
    table[2] = {240, 10, 0, 0};   // blue
    std::vector<uint8_t> rgb, indices;
    PixelView a = ViewOf(rgb, 2, 1, 24, true), b = ViewOf(indices, 2, 1, 8, true);
    b.colours = table;
    const uint8_t colours[6] = {200, 0, 0, 0, 0, 200};  // blue, then red
    std::memcpy(a.Row(0), colours, 6);
    ASSERT_TRUE(ConvertPixels(a, b));
    EXPECT_EQ(2, indices[0]);
    EXPECT_EQ(1, indices[1]);
    PixelView noTable = b;
    noTable.colours = nullptr;
    EXPECT_FALSE(ConvertPixels(a, noTable));
}

TEST(PixelCopy, FlipSwapsRowsAndCopiesClipToBothViews) {
    std::vector<uint8_t> pixels;
    PixelView v = ViewOf(pixels, 2, 3, 8, true);
    for (int32_t y = 0; y < 3; ++y) v.Row(y)[0] = uint8_t(y + 1);
    FlipRows(v);
    EXPECT_EQ(3, v.Row(0)[0]);
    EXPECT_EQ(2, v.Row(1)[0]);
    EXPECT_EQ(1, v.Row(2)[0]);

    std::vector<uint8_t> src, dst;
    PixelView s = ViewOf(src, 4, 4, 8, true), d = ViewOf(dst, 3, 3, 8, false);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x) s.Row(y)[x] = uint8_t(10 * y + x);
    // The whole source to (-1, 1): its column 1 lands at 0, its row 2 falls off below.
    ASSERT_TRUE(CopyRect(s, 0, 0, 4, 4, d, -1, 1));
    EXPECT_EQ(0, d.Row(0)[0]);
    EXPECT_EQ(1, d.Row(1)[0]);
    EXPECT_EQ(3, d.Row(1)[2]);
    EXPECT_EQ(13, d.Row(2)[2]);
    EXPECT_FALSE(CopyRect(s, 0, 0, 4, 4, d, 3, 0));
    PixelView deeper = d;
    deeper.depth = 24;
    EXPECT_FALSE(CopyRect(s, 0, 0, 1, 1, deeper, 0, 0));
}

TEST(PackedDib, SixteenBitsCountAsFifteenUnlessTheMasksSay565) {
    struct Case {
        uint32_t compression;
        std::vector<uint32_t> masks;
        int depth;
    } cases[] = {{kBmpRgb, {}, 15}, {kBmpBitFields, {0x7C00, 0x3E0, 0x1F}, 15}, {kBmpBitFields, {0xF800, 0x7E0, 0x1F}, 16}};
    for (const Case& c : cases) {
        BmpInfoHeader h{};
        h.size = 40;
        h.width = 3;
        h.height = -2;
        h.planes = 1;
        h.bitCount = 16;
        h.compression = c.compression;
        std::vector<uint8_t> dib(sizeof h);
        std::memcpy(dib.data(), &h, sizeof h);
        for (uint32_t m : c.masks) dib.insert(dib.end(), reinterpret_cast<uint8_t*>(&m), reinterpret_cast<uint8_t*>(&m) + 4);
        const size_t pixelsAt = dib.size();
        dib.resize(pixelsAt + 16, 7);
        PackedDib parsed;
        ASSERT_TRUE(ParsePackedDib(dib.data(), dib.size(), parsed));
        EXPECT_EQ(c.depth, parsed.depth);
        EXPECT_TRUE(parsed.topDown);
        EXPECT_EQ(2, parsed.height);
        EXPECT_EQ(8u, parsed.rowBytes);
        EXPECT_EQ(dib.data() + pixelsAt, parsed.bits);
        EXPECT_FALSE(ParsePackedDib(dib.data(), dib.size() - 1, parsed));
    }
}

TEST(PackedDib, EightBitsCarryTheirColourTable) {
    BmpInfoHeader h{};
    h.size = 40;
    h.width = 2;
    h.height = 1;
    h.planes = 1;
    h.bitCount = 8;
    std::vector<uint8_t> dib(sizeof h + 1024 + 4);
    std::memcpy(dib.data(), &h, sizeof h);
    dib[sizeof h + 4 * 5 + 2] = 0xAB;  // entry 5, red
    PackedDib parsed;
    ASSERT_TRUE(ParsePackedDib(dib.data(), dib.size(), parsed));
    EXPECT_EQ(8, parsed.depth);
    EXPECT_EQ(0xAB, parsed.colours[5].red);
    EXPECT_FALSE(parsed.topDown);
    h.bitCount = 4;
    std::memcpy(dib.data(), &h, sizeof h);
    EXPECT_FALSE(ParsePackedDib(dib.data(), dib.size(), parsed));
}
