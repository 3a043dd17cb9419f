// Picture records, picture buffers, the dither table and the window-picture conversion.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "DitherTable.h"
#include "ImageRecord.h"
#include "PixelConversion.h"

namespace {

using namespace quor;

std::vector<uint8_t> Record(uint16_t kind, uint16_t slot, uint16_t w, uint16_t h, uint32_t pixelBytes,
                            size_t extra = 0) {
    std::vector<uint8_t> r(20 + pixelBytes + extra, 0);
    ImageHeader hd = {kBmapType, kind, slot, w, h, 0, pixelBytes};
    std::memcpy(r.data(), &hd, 20);
    return r;
}

void PutShadow(std::vector<uint8_t>& r, uint16_t kind, uint16_t w, uint16_t h, uint32_t bytes) {
    ImageHeader hd;
    std::memcpy(&hd, r.data(), 20);
    ShadowHeader s = {0, kind, w, h, -2, 3, bytes};
    std::memcpy(r.data() + 20 + hd.pixelBytes, &s, 16);
}

TEST(ImageRecord, RowsArePaddedToFourBytes) {
    EXPECT_EQ(RowBytes(3, 2), 8u) << "width 3: 6 bytes rounded up to 8";
    EXPECT_EQ(RowBytes(1, 2), 4u);
    EXPECT_EQ(RowBytes(2, 2), 4u);
    EXPECT_EQ(RowBytes(5, 1), 8u);
    ImageHeader h = {kBmapType, 2, 0, 3, 7, 0, 0};
    EXPECT_EQ(RawPixelBytes(h), 56u);
    h.kind = KindLevelMask;
    EXPECT_EQ(RawPixelBytes(h), 28u);
}

TEST(ImageRecord, ChecksCatchEveryInconsistentRecordBeforeACopy) {
    std::vector<uint8_t> ok = Record(10, 0, 3, 2, 16);
    EXPECT_EQ(CheckImageRecord(ok.data(), ok.size(), true), RecordFault::None);
    EXPECT_EQ(CheckImageRecord(ok.data(), 19, true), RecordFault::Truncated);
    EXPECT_EQ(CheckImageRecord(ok.data(), ok.size() - 1, true), RecordFault::Truncated) << "pixels beyond the data";

    std::vector<uint8_t> r = Record(10, 0, 3, 2, 12);  // rows of 6 bytes without their padding
    EXPECT_EQ(CheckImageRecord(r.data(), r.size(), true), RecordFault::PixelsTooShort);
    r = Record(10, 0, 3, 2, 15);
    EXPECT_EQ(CheckImageRecord(r.data(), r.size(), true), RecordFault::PixelsTooShort);

    r = Record(10, 1, 300, 200, 40);  // encoded data is its own size
    EXPECT_EQ(CheckImageRecord(r.data(), r.size(), true), RecordFault::None);
    for (uint16_t slot : {16, 17, 0x101}) {
        r = Record(10, slot, 3, 2, 16);
        EXPECT_EQ(CheckImageRecord(r.data(), r.size(), true), RecordFault::BadSlot) << "slot " << slot;
    }
    r = Record(10, 0, 3, 2, 16);
    r[0] = 'X';
    EXPECT_EQ(CheckImageRecord(r.data(), r.size(), true), RecordFault::NotBmap);
}

TEST(ImageRecord, SizesOfLargePicturesDoNotWrapAtThirtyTwoBits) {
    ImageHeader h = {kBmapType, 0, 0, 65535, 32768, 0, 0};
    EXPECT_EQ(RawPixelBytes(h), uint64_t(1) << 32);
    h.kind = kFormatCode32;
    h.height = 65535;
    EXPECT_EQ(RawPixelBytes(h), uint64_t(262140) * 65535);
    EXPECT_EQ(PictureBufferBytes(65535, 32768, false), 20 + (uint64_t(1) << 32));
    EXPECT_GT(PictureBufferBytes(65535, 65535, true), kMaxPictureBlockBytes);
    EXPECT_EQ(LevelMaskBytes(65535, 65535), 20 + uint64_t(65536) * 65535);
    // A raw record of that size announcing 0 or a few pixel bytes is refused.
    for (uint32_t bytes : {0u, 16u}) {
        std::vector<uint8_t> r = Record(0, 0, 65535, 32768, bytes);
        EXPECT_EQ(CheckImageRecord(r.data(), r.size(), true), RecordFault::PixelsTooShort) << bytes;
    }
    std::vector<uint8_t> r = Record(KindShadow, 0, 1, 1, 4, 16);
    PutShadow(r, KindLevelMask, 65535, 65535, 0);
    EXPECT_EQ(CheckImageRecord(r.data(), r.size(), true), RecordFault::BadShadow);
    EXPECT_FALSE(HasWordPixels(KindLevelMask));
    EXPECT_FALSE(HasWordPixels(kFormatCode24));
    EXPECT_TRUE(HasWordPixels(KindKeyed | KindShadow));
}

TEST(ImageRecord, ShadowsAfterThePixelsAreCheckedToo) {
    std::vector<uint8_t> r = Record(0x1A, 0, 3, 2, 16, 16 + 8);
    PutShadow(r, 1, 3, 2, 8);
    EXPECT_EQ(CheckImageRecord(r.data(), r.size(), true), RecordFault::None);
    EXPECT_EQ(ShadowOf(r.data())->x, -2);
    EXPECT_EQ(CheckImageRecord(r.data(), r.size() - 1, true), RecordFault::Truncated);
    EXPECT_EQ(CheckImageRecord(r.data(), r.size() - 1, false), RecordFault::None) << "shadow not read";
    PutShadow(r, 1, 3, 2, 6);
    EXPECT_EQ(CheckImageRecord(r.data(), r.size(), true), RecordFault::BadShadow) << "levels without padding";
    PutShadow(r, 2, 3, 2, 8);
    EXPECT_EQ(CheckImageRecord(r.data(), r.size(), true), RecordFault::BadShadow) << "not a level mask";
    r = Record(0x1A, 0, 3, 2, 16, 10);
    EXPECT_EQ(CheckImageRecord(r.data(), r.size(), true), RecordFault::Truncated) << "no room for the header";
}

TEST(ImageRecord, PictureBuffersCarryTheScreenFormatAndAShadowHeader) {
    std::vector<uint8_t> b(PictureBufferBytes(5, 3, true), 0xEE);
    ASSERT_EQ(b.size(), size_t(20 + 3 * 12 + 16 + 3 * 8));
    FormatPictureBuffer(b.data(), 5, 3, true);
    const ImageHeader* h = HeaderOf(b.data());
    EXPECT_EQ(h->type, kBmapType);
    EXPECT_EQ(h->kind, kFormatCode15);
    EXPECT_EQ(h->slot, 0);
    EXPECT_EQ(h->key, 0u);
    EXPECT_EQ(h->pixelBytes, 36u);
    const ShadowHeader* s = ShadowOf(b.data());
    EXPECT_EQ(s->zero, 0);
    EXPECT_EQ(s->kind, 1);
    EXPECT_EQ(s->width, 5);
    EXPECT_EQ(s->height, 3);
    EXPECT_EQ(s->pixelBytes, 24u);
    EXPECT_EQ(b[20], 0) << "pixels zeroed";
    EXPECT_EQ(b.back(), 0) << "levels zeroed";

    std::vector<uint8_t> m(LevelMaskBytes(5, 3), 0xEE);
    FormatLevelMask(m.data(), 5, 3);
    EXPECT_EQ(HeaderOf(m.data())->kind, 1);
    EXPECT_EQ(HeaderOf(m.data())->pixelBytes, 24u);
    EXPECT_EQ(FormatCodeForBits(8), 16);
    EXPECT_EQ(FormatCodeForBits(32), 21);
}

TEST(DitherTable, IndicesAddressTheCubeAndAverageToTheColour) {
    const DitherTable& t = DitherTable::Get();
    for (int phase = 0; phase < 8; ++phase) {
        EXPECT_EQ(t.Index(0x0000, phase), kCubeBase) << "black";
        EXPECT_EQ(t.Index(0x7FFF, phase), kCubeBase + 215) << "white";
        EXPECT_EQ(t.Index(0x7C00, phase), kCubeBase + 5 * 36) << "red";
        EXPECT_EQ(t.Index(0x001F, phase), kCubeBase + 5) << "blue";
    }
    for (uint32_t v = 0; v < 32; ++v) {
        // Over the eight phases each channel's levels average to its value within a step.
        double sum = 0;
        for (int phase = 0; phase < 8; ++phase) {
            const int idx = t.Index(uint16_t(v << 5), phase) - kCubeBase;
            EXPECT_EQ(idx % 6, 0);
            EXPECT_EQ(idx / 36, 0);
            sum += idx / 6;
            if (v > 0) {
                EXPECT_GE(DitherTable::Level(v, phase), DitherTable::Level(v - 1, phase));
            }
        }
        EXPECT_NEAR(sum / 8, v * 5.0 / 31, 0.5) << "value " << v;
    }
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_LT(t.Phase(x, y), 8);
    EXPECT_EQ(BuiltInPaletteColour(0), 0u);
    EXPECT_EQ(BuiltInPaletteColour(215), 0xFFFFFFu);
}

class Conversion : public ::testing::Test {
protected:
    std::mt19937 rng{99};
    int Rand(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    static uint8_t Expand(uint32_t c5) { return uint8_t(c5 << 3 | c5 >> 2); }
};

TEST_F(Conversion, EveryDepthMatchesTheChannelExpansionWithClippingAndRowOrder) {
    for (int round = 0; round < 200; ++round) {
        const int sw = Rand(1, 19), sh = Rand(1, 11);
        const uint32_t srow = RowBytes(uint32_t(sw), 2);
        std::vector<uint8_t> src(srow * uint32_t(sh));
        for (uint8_t& b : src) b = uint8_t(Rand(0, 255));
        PixelPlane s;
        s.pixels = src.data();
        s.width = sw;
        s.height = Rand(0, 1) ? -sh : sh;
        s.bitCount = 16;
        const uint32_t bits = uint32_t(8 * Rand(1, 4));
        const int dw = Rand(1, 21), dh = Rand(1, 13);
        const uint32_t drow = (bits * uint32_t(dw) + 31) / 32 * 4;
        std::vector<uint8_t> dst(drow * uint32_t(dh) + 4, 0x5C);
        PixelPlane d;
        d.pixels = dst.data();
        d.width = dw;
        d.height = Rand(0, 1) ? -dh : dh;
        d.bitCount = bits;
        const int x = Rand(-3, sw), y = Rand(-3, sh), w = Rand(0, sw + 4), h = Rand(0, sh + 4);
        const int dx = Rand(-3, dw), dy = Rand(-3, dh);
        std::vector<uint8_t> expected = dst;
        auto srcPixel = [&](int px, int py) {
            const int stored = s.height < 0 ? py : sh - 1 - py;
            uint16_t p;
            std::memcpy(&p, &src[size_t(stored) * srow + size_t(px) * 2], 2);
            return p;
        };
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                const int sx = x + i, sy = y + j, tx = dx + i, ty = dy + j;
                if (sx < 0 || sy < 0 || sx >= sw || sy >= sh || tx < 0 || ty < 0 || tx >= dw || ty >= dh) continue;
                const uint16_t p = srcPixel(sx, sy);
                uint8_t* o = &expected[size_t(d.height < 0 ? ty : dh - 1 - ty) * drow + size_t(tx) * (bits / 8)];
                const uint8_t r = Expand((p >> 10) & 31), g = Expand((p >> 5) & 31), b = Expand(p & 31);
                switch (bits) {
                case 8: *o = DitherTable::Get().Index(p, DitherTable::Get().Phase(tx, ty)); break;
                case 16: {
                    const uint16_t v = uint16_t(((p >> 10) & 31) << 11 | (((p >> 5) & 31) << 1 | ((p >> 9) & 1)) << 5 | (p & 31));
                    std::memcpy(o, &v, 2);
                    break;
                }
                case 24: o[0] = b; o[1] = g; o[2] = r; break;
                default: o[0] = b; o[1] = g; o[2] = r; o[3] = 0; break;
                }
            }
        ASSERT_TRUE(ConvertRect(s, x, y, w, h, d, dx, dy));
        ASSERT_EQ(dst, expected) << "round " << round << " bits " << bits;
    }
}

TEST_F(Conversion, OtherDepthsDrawNothing) {
    std::vector<uint16_t> src(4, 0x7FFF);
    std::vector<uint8_t> dst(64, 0x11);
    PixelPlane s{src.data(), 2, -2, 16, 4};
    PixelPlane d{dst.data(), 2, -2, 4, 0};
    EXPECT_FALSE(ConvertRect(s, 0, 0, 2, 2, d, 0, 0));
    d.bitCount = 40;
    EXPECT_FALSE(ConvertRect(s, 0, 0, 2, 2, d, 0, 0));
    EXPECT_EQ(dst, std::vector<uint8_t>(64, 0x11));
}

}  // namespace
