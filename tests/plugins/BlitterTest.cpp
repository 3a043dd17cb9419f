// Every blit compared pixel by pixel with a plain reference over random pictures, keys,
// rectangles (partly outside both pictures), flips and translate tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "BlitDriver.h"

namespace {

// A 16-bit picture with rows padded to 4 bytes and guard rows above and below, so that a
// write outside the picture shows up as a difference from the reference.
struct Picture {
    int32_t width = 0, rows = 0, rowPixels = 0;
    static const int32_t kGuardRows = 2;
    std::vector<uint16_t> all;
    Picture(int32_t w, int32_t h) : width(w), rows(h), rowPixels(((w * 2 + 3) & ~3) / 2) {
        all.assign(size_t(rowPixels) * size_t(h + 2 * kGuardRows), 0xBEEF);
    }
    uint16_t* Pixels() { return all.data() + size_t(kGuardRows) * rowPixels; }
    uint16_t& At(int32_t x, int32_t y) { return Pixels()[ptrdiff_t(y) * rowPixels + x]; }
    uint16_t At(int32_t x, int32_t y) const { return all[size_t(kGuardRows + y) * rowPixels + x]; }
};

uint16_t Channelwise(uint16_t p, int keep, uint16_t t, int level) {
    int r = (p >> 10) & 31, g = (p >> 5) & 31, b = p & 31;
    r = (r * keep + ((t >> 10) & 31) * level) / 255;
    g = (g * keep + ((t >> 5) & 31) * level) / 255;
    b = (b * keep + (t & 31) * level) / 255;
    return uint16_t(r << 10 | g << 5 | b);
}

// The reference: the same geometry, one pixel at a time.
void Reference(const BlitCall& c, Picture& dst, const std::vector<uint8_t>* levels) {
    const bool scaled = c.op == BlitOp::Scale || c.op == BlitOp::ScaleOverlay;
    const int32_t dw = scaled ? c.dstWidth : c.width, dh = scaled ? c.dstHeight : c.height;
    const uint16_t target = c.fadeTable && c.fadeTable[0] ? TranslateColour(c.fadeTable[1]) : 0;
    for (int32_t j = 0; j < dh; ++j) {
        for (int32_t i = 0; i < dw; ++i) {
            const int32_t dx = c.dstX + i, dy = c.dstY + j;
            if (dx < 0 || dx >= c.dstRowPixels || dy < 0) continue;
            uint16_t& d = dst.At(dx, dy);
            if (c.op == BlitOp::Fill) {
                d = c.colour;
                continue;
            }
            if (c.op == BlitOp::Fade) {
                if (c.level == 0) continue;  // level 0 leaves the pixel as it is
                d = Channelwise(d, 255 - c.level, target, c.level);
                continue;
            }
            int32_t si = scaled ? int32_t((2LL * i + 1) * c.width / (2LL * dw)) : i;
            int32_t sj = scaled ? int32_t((2LL * j + 1) * c.height / (2LL * dh)) : j;
            if (c.flip & 1) si = c.width - 1 - si;
            if (c.flip & 2) sj = c.height - 1 - sj;
            const int32_t sx = c.srcX + si, sy = c.srcY + sj;
            if (sx < 0 || sx >= c.srcRowPixels || sy < 0 || sy >= c.srcRows) continue;
            if (c.op == BlitOp::Shadow) {
                const int level = (*levels)[size_t(sy) * c.srcRowPixels + sx];
                if (level == 0) continue;
                d = Channelwise(d, 255 - level, 0, 0);
                continue;
            }
            const uint16_t s = static_cast<const uint16_t*>(c.src)[ptrdiff_t(sy) * c.srcRowPixels + sx];
            if (c.op == BlitOp::FadeCopy) {
                d = Channelwise(s, 255 - c.level, target, c.level);
                continue;
            }
            if ((c.op == BlitOp::Overlay || c.op == BlitOp::ScaleOverlay) && s == c.key) continue;
            d = c.xlate ? c.xlate[s & 0x7FFF] : s;
        }
    }
}

class BlitterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(BlitterAvailable()) << "BLIT16.DLL did not load"; }

    std::mt19937 rng{20261208};
    int32_t Rand(int32_t lo, int32_t hi) { return std::uniform_int_distribution<int32_t>(lo, hi)(rng); }

    // Pictures drawn from a few colours, so that keys hit often.
    Picture RandomPicture(int32_t w, int32_t h) {
        Picture p(w, h);
        std::vector<uint16_t> inks = {0x7C1F, 0x0000, 0x7FFF};
        for (int k = 0; k < 5; ++k) inks.push_back(uint16_t(Rand(0, 0x7FFF)));
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < p.rowPixels; ++x)
                p.At(x, y) = Rand(0, 3) == 0 ? uint16_t(Rand(0, 0xFFFF)) : inks[size_t(Rand(0, int32_t(inks.size()) - 1))];
        return p;
    }

    std::vector<uint16_t> RandomXlate() {
        std::vector<uint16_t> t(32768);
        for (uint16_t& e : t) e = uint16_t(Rand(0, 0x7FFF));
        return t;
    }

    // A rectangle that may hang over any edge of the source and over the left, top and
    // right edges of the destination, but not below its last row.
    BlitCall RandomCall(BlitOp op, const Picture& src, Picture& dst) {
        BlitCall c;
        c.op = op;
        c.src = src.all.data() + size_t(Picture::kGuardRows) * src.rowPixels;
        c.srcRowPixels = src.rowPixels;
        c.srcRows = src.rows;
        c.width = Rand(1, src.width + 3);
        c.height = Rand(1, src.rows + 3);
        c.srcX = Rand(-3, src.width);
        c.srcY = Rand(-3, src.rows);
        c.flip = uint32_t(Rand(0, 3));
        c.dst = dst.Pixels();
        c.dstRowPixels = dst.rowPixels;
        const bool scaled = op == BlitOp::Scale || op == BlitOp::ScaleOverlay;
        c.dstWidth = scaled ? Rand(1, 2 * src.width + 2) : c.width;
        c.dstHeight = scaled ? Rand(1, std::min(2 * src.rows + 2, dst.rows)) : std::min(c.height, dst.rows);
        if (!scaled) c.height = c.dstHeight;
        c.dstX = Rand(-4, dst.width);
        c.dstY = Rand(-4, dst.rows - c.dstHeight);
        c.key = src.At(Rand(0, src.width - 1), Rand(0, src.rows - 1));
        return c;
    }

    void CheckOp(BlitOp op, bool withXlate, int rounds) {
        std::vector<uint16_t> xlate = RandomXlate();
        for (int round = 0; round < rounds; ++round) {
            const int32_t sw = Rand(1, 37), sh = Rand(1, 19);
            Picture src = RandomPicture(sw, sh);
            Picture dst = RandomPicture(Rand(1, 41), Rand(1, 23));
            Picture expected = dst;
            BlitCall c = RandomCall(op, src, dst);
            if (withXlate) c.xlate = xlate.data();
            Reference(c, expected, nullptr);
            RunBlit(c);
            ASSERT_EQ(dst.all, expected.all)
                << "round " << round << " src " << sw << "x" << sh << " rect " << c.srcX << "," << c.srcY << " "
                << c.width << "x" << c.height << " to " << c.dstX << "," << c.dstY << " " << c.dstWidth << "x"
                << c.dstHeight << " flip " << c.flip;
        }
    }
};

TEST_F(BlitterTest, CopyAndOverlayMatchTheReference) {
    CheckOp(BlitOp::Copy, false, 400);
    CheckOp(BlitOp::Copy, true, 200);
    CheckOp(BlitOp::Overlay, false, 400);
    CheckOp(BlitOp::Overlay, true, 200);
}

// Every row width up to four vectors of sixteen pixels, forwards and mirrored: rows whose
// last vector overlaps the one before it, and rows of whole vectors.
TEST_F(BlitterTest, KeyedOverlayOfEveryRowWidth) {
    for (int32_t w = 1; w <= 66; ++w)
        for (uint32_t flip : {0u, 1u}) {
            Picture src = RandomPicture(w, 3);
            Picture dst = RandomPicture(w + 5, 4);
            BlitCall c;
            c.op = BlitOp::Overlay;
            c.src = src.Pixels();
            c.srcRowPixels = src.rowPixels;
            c.srcRows = 3;
            c.width = c.dstWidth = w;
            c.height = c.dstHeight = 3;
            c.flip = flip;
            c.dst = dst.Pixels();
            c.dstRowPixels = dst.rowPixels;
            c.dstX = 2;
            c.dstY = 1;
            c.key = src.At(w / 2, 1);
            Picture expected = dst;
            Reference(c, expected, nullptr);
            RunBlit(c);
            ASSERT_EQ(dst.all, expected.all) << "width " << w << " flip " << flip;
        }
}

TEST_F(BlitterTest, ScaledCopyAndOverlayMatchTheReference) {
    CheckOp(BlitOp::Scale, false, 300);
    CheckOp(BlitOp::Scale, true, 150);
    CheckOp(BlitOp::ScaleOverlay, false, 300);
    CheckOp(BlitOp::ScaleOverlay, true, 150);
}

TEST_F(BlitterTest, WidthOneAndOddWidthsKeepRowPadding) {
    for (int32_t w : {1, 3, 5, 7}) {
        Picture src = RandomPicture(w, 4);
        Picture dst(w, 4);
        BlitCall c;
        c.src = src.Pixels();
        c.srcRowPixels = src.rowPixels;
        c.srcRows = 4;
        c.width = c.dstWidth = w;
        c.height = c.dstHeight = 4;
        c.dst = dst.Pixels();
        c.dstRowPixels = dst.rowPixels;
        Picture expected = dst;
        Reference(c, expected, nullptr);
        RunBlit(c);
        EXPECT_EQ(dst.all, expected.all) << "width " << w;
        EXPECT_EQ(dst.rowPixels % 2, 0) << "rows are padded to 4 bytes";
        for (int32_t y = 0; y < 4; ++y) EXPECT_EQ(dst.At(w, y), 0xBEEF) << "padding pixel of row " << y;
    }
}

TEST_F(BlitterTest, FillFadeAndShadowMatchTheReference) {
    const uint32_t towardsRed[] = {1, 0x0000FF};
    for (int round = 0; round < 200; ++round) {
        Picture src = RandomPicture(Rand(1, 30), Rand(1, 15));
        Picture dst = RandomPicture(Rand(1, 33), Rand(1, 17));
        for (BlitOp op : {BlitOp::Fill, BlitOp::Fade, BlitOp::FadeCopy}) {
            Picture expected = dst;
            BlitCall c = RandomCall(op, src, dst);
            c.flip = op == BlitOp::FadeCopy ? c.flip : 0;
            c.srcX = op == BlitOp::Fade ? c.dstX : c.srcX;
            c.colour = uint16_t(Rand(0, 0x7FFF));
            c.level = Rand(0, 255);
            c.fadeTable = Rand(0, 1) ? towardsRed : nullptr;
            Reference(c, expected, nullptr);
            RunBlit(c);
            ASSERT_EQ(dst.all, expected.all) << "op " << int(op) << " round " << round;
        }
        // A level mask: one byte per pixel, rows padded to 4 bytes.
        const int32_t mw = Rand(1, 21), mh = Rand(1, 13), mrow = (mw + 3) & ~3;
        std::vector<uint8_t> levels(size_t(mrow) * mh);
        for (uint8_t& l : levels) l = uint8_t(Rand(0, 3) == 0 ? 0 : Rand(0, 255));
        Picture expected = dst;
        BlitCall c = RandomCall(BlitOp::Shadow, src, dst);
        c.src = levels.data();
        c.srcRowPixels = mrow;
        c.srcRows = mh;
        c.srcX = Rand(-2, mw);
        c.srcY = Rand(-2, mh);
        Reference(c, expected, &levels);
        RunBlit(c);
        ASSERT_EQ(dst.all, expected.all) << "shadow round " << round;
    }
}

TEST_F(BlitterTest, FadeEndsGiveThePictureAndTheTarget) {
    Picture dst = RandomPicture(9, 3);
    Picture before = dst;
    BlitCall c;
    c.op = BlitOp::Fade;
    c.dst = dst.Pixels();
    c.dstRowPixels = dst.rowPixels;
    c.width = c.dstWidth = 9;
    c.height = c.dstHeight = 3;
    c.level = 0;
    RunBlit(c);
    EXPECT_EQ(dst.all, before.all);
    const uint32_t towardsWhite[] = {1, 0xFFFFFF};
    c.level = 255;
    c.fadeTable = towardsWhite;
    RunBlit(c);
    for (int32_t x = 0; x < 9; ++x) EXPECT_EQ(dst.At(x, 2), 0x7FFF);
}

TEST_F(BlitterTest, AlphaScaleSamplesByTheStep) {
    for (int round = 0; round < 100; ++round) {
        const int32_t sw = Rand(1, 40), sh = Rand(1, 20), dw = Rand(1, 60), dh = Rand(1, 30);
        const int32_t srow = (sw + 3) & ~3, drow = (dw + 3) & ~3;
        std::vector<uint8_t> src(size_t(srow) * sh), dst(size_t(drow) * dh + 8, 0xAA);
        for (uint8_t& v : src) v = uint8_t(Rand(0, 255));
        const double ratio = double(sw) / dw;
        const uint64_t step = uint64_t(ratio * 4294967296.0);
        blit16::AlphaScaleJob j;
        j.src = src.data();
        j.srcWidth = sw;
        j.srcHeight = sh;
        j.dst = dst.data();
        j.dstWidth = dw;
        j.dstHeight = dh;
        j.stepFraction = uint32_t(step);
        j.stepInteger = int32_t(step >> 32);
        std::vector<uint8_t> expected = dst;
        for (int32_t y = 0; y < dh; ++y)
            for (int32_t x = 0; x < dw; ++x) {
                const int32_t sx = std::min<int32_t>(int32_t((step * uint64_t(x)) >> 32), sw - 1);
                const int32_t sy = std::min<int32_t>(int32_t((step * uint64_t(y)) >> 32), sh - 1);
                expected[size_t(y) * drow + x] = src[size_t(sy) * srow + sx];
            }
        RunScaleAlpha(j);
        ASSERT_EQ(dst, expected) << "round " << round;
    }
}

TEST(BlitterColours, ColorRefBecomesFiveFiveFive) {
    ASSERT_TRUE(BlitterAvailable());
    EXPECT_EQ(TranslateColour(0x000000FF), 0x7C00);  // red (low byte)
    EXPECT_EQ(TranslateColour(0x0000FF00), 0x03E0);
    EXPECT_EQ(TranslateColour(0x00FF0000), 0x001F);
    EXPECT_EQ(TranslateColour(0x00FF00FF), 0x7C1F);  // magenta
    EXPECT_EQ(TranslateColour(0x00070707), 0x0000);
}

}  // namespace
