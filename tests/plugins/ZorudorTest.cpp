// ZORUDOR's picture coding: lossless on random and flat pictures, never longer than the
// raw pixels, and refusing truncated or corrupt data.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "ImageRecord.h"
#include "ZorudorCodec.h"

namespace {

struct Raw {
    uint32_t width, height, rowPixels;
    std::vector<uint16_t> pixels;
    Raw(uint32_t w, uint32_t h) : width(w), height(h), rowPixels(quor::RowBytes(w, 2) / 2), pixels(size_t(rowPixels) * h) {}
};

// A record with a picture of the given pixels: header, then the raw rows.
std::vector<uint8_t> RecordOf(const Raw& raw) {
    std::vector<uint8_t> r(20 + raw.pixels.size() * 2);
    quor::ImageHeader h = {};
    h.type = quor::kBmapType;
    h.kind = 2;
    h.slot = 1;
    h.width = uint16_t(raw.width);
    h.height = uint16_t(raw.height);
    h.pixelBytes = uint32_t(raw.pixels.size() * 2);
    std::memcpy(r.data(), &h, 20);
    std::memcpy(r.data() + 20, raw.pixels.data(), raw.pixels.size() * 2);
    return r;
}

class ZorudorTest : public ::testing::Test {
protected:
    std::mt19937 rng{7};
    uint32_t Rand(uint32_t lo, uint32_t hi) { return std::uniform_int_distribution<uint32_t>(lo, hi)(rng); }

    // Pictures with flat areas, repeated rows and noise, padding left zero.
    Raw Picture(uint32_t w, uint32_t h, int noise) {
        Raw raw(w, h);
        uint16_t ink = uint16_t(Rand(0, 0x7FFF));
        for (uint32_t y = 0; y < h; ++y) {
            const bool repeat = y > 0 && Rand(0, 3) == 0;
            for (uint32_t x = 0; x < w; ++x) {
                uint16_t& p = raw.pixels[size_t(y) * raw.rowPixels + x];
                if (repeat) {
                    p = raw.pixels[size_t(y - 1) * raw.rowPixels + x];
                    continue;
                }
                if (int(Rand(0, 99)) < noise) ink = uint16_t(Rand(0, 0xFFFF));
                p = ink;
            }
        }
        return raw;
    }

    // Encodes through the record entry and decodes it back; false when not encoded.
    bool RoundTrip(const Raw& raw, std::vector<uint16_t>& out, uint32_t& encoded) {
        std::vector<uint8_t> record = RecordOf(raw);
        const std::vector<uint8_t> before = record;
        // Guard bytes after the record: the encoder may not reach them.
        record.resize(record.size() + 16, 0xA5);
        encoded = zorudor::EncodeRecord(record.data());
        for (size_t k = before.size(); k < record.size(); ++k) EXPECT_EQ(record[k], 0xA5);
        if (encoded == 0) {
            EXPECT_TRUE(std::equal(before.begin(), before.end(), record.begin())) << "refused encode keeps the pixels";
            return false;
        }
        EXPECT_LT(encoded, raw.pixels.size() * 2);
        out.assign(raw.pixels.size(), 0xDDDD);
        EXPECT_TRUE(zorudor::DecodeRecord(out.data(), record.data(), uint32_t(out.size() * 2), encoded));
        return true;
    }
};

TEST_F(ZorudorTest, RandomAndFlatPicturesComeBackExactly) {
    int encodedCount = 0;
    for (int round = 0; round < 300; ++round) {
        const uint32_t w = Rand(1, 70), h = Rand(1, 40);
        Raw raw = Picture(w, h, int(Rand(0, 100)));
        std::vector<uint16_t> out;
        uint32_t encoded = 0;
        if (!RoundTrip(raw, out, encoded)) continue;
        ++encodedCount;
        ASSERT_EQ(out, raw.pixels) << w << "x" << h << " round " << round;
    }
    EXPECT_GT(encodedCount, 100);

    Raw flat(640, 480);
    std::fill(flat.pixels.begin(), flat.pixels.end(), 0x1234);
    std::vector<uint16_t> out;
    uint32_t encoded = 0;
    ASSERT_TRUE(RoundTrip(flat, out, encoded));
    EXPECT_EQ(out, flat.pixels);
    EXPECT_LT(encoded, 200u) << "a flat picture takes a handful of long runs";
}

TEST_F(ZorudorTest, NoiseThatCannotShrinkIsLeftRaw) {
    Raw raw(32, 17);  // an even width: no row padding for the encoding to drop
    for (uint32_t y = 0; y < raw.height; ++y)
        for (uint32_t x = 0; x < raw.width; ++x) raw.pixels[size_t(y) * raw.rowPixels + x] = uint16_t(Rand(0, 0xFFFF));
    std::vector<uint16_t> out;
    uint32_t encoded = 1;
    EXPECT_FALSE(RoundTrip(raw, out, encoded));
    EXPECT_EQ(encoded, 0u);
    // The bare encoder stops at the capacity without writing past it.
    std::vector<uint8_t> buffer(64 + 8, 0x5A);
    EXPECT_EQ(zorudor::EncodePixels(raw.pixels.data(), raw.width, raw.height, raw.rowPixels, buffer.data(), 64), 0u);
    for (size_t k = 64; k < buffer.size(); ++k) EXPECT_EQ(buffer[k], 0x5A);
}

TEST_F(ZorudorTest, RecordsThatAreNotWholeRawPicturesAreNotEncoded) {
    Raw raw = Picture(9, 9, 0);
    std::vector<uint8_t> record = RecordOf(raw);
    uint32_t bytes = uint32_t(raw.pixels.size() * 2 - 1);
    std::memcpy(&record[16], &bytes, 4);
    EXPECT_EQ(zorudor::EncodeRecord(record.data()), 0u) << "pixel bytes below the rows' size";
    record = RecordOf(raw);
    uint16_t levelMask = 1;
    std::memcpy(&record[4], &levelMask, 2);
    EXPECT_EQ(zorudor::EncodeRecord(record.data()), 0u);
    record = RecordOf(raw);
    record[0] = 'X';
    EXPECT_EQ(zorudor::EncodeRecord(record.data()), 0u);
}

TEST_F(ZorudorTest, TruncatedOrCorruptDataIsRefused) {
    Raw raw = Picture(31, 23, 20);
    std::vector<uint8_t> record = RecordOf(raw);
    const uint32_t encoded = zorudor::EncodeRecord(record.data());
    ASSERT_GT(encoded, 4u);
    std::vector<uint16_t> out(raw.pixels.size());
    const uint32_t room = uint32_t(out.size() * 2);
    ASSERT_TRUE(zorudor::DecodeRecord(out.data(), record.data(), room, encoded));
    ASSERT_EQ(out, raw.pixels);

    for (uint32_t cut = 0; cut < encoded; ++cut)
        EXPECT_FALSE(zorudor::DecodeRecord(out.data(), record.data(), room, cut)) << "cut at " << cut;
    EXPECT_FALSE(zorudor::DecodeRecord(out.data(), record.data(), room, encoded + 1)) << "trailing byte";
    EXPECT_FALSE(zorudor::DecodeRecord(out.data(), record.data(), room - 2, encoded)) << "destination too small";

    std::vector<uint8_t> bad = record;
    bad[20] = 'Q';
    EXPECT_FALSE(zorudor::DecodeRecord(out.data(), bad.data(), room, encoded)) << "magic";
    // A packet that would run past the picture's last pixel.
    bad = record;
    const uint8_t overrun[] = {'Z', 'R', 'D', '1', 0xFF, 0xFF, 0x00, 0x00};
    std::memcpy(&bad[20], overrun, sizeof overrun);
    EXPECT_FALSE(zorudor::DecodeRecord(out.data(), bad.data(), room, sizeof overrun));
    // Copying from the row above while still in the first row.
    const uint8_t upFirst[] = {'Z', 'R', 'D', '1', 0x80};
    std::memcpy(&bad[20], upFirst, sizeof upFirst);
    EXPECT_FALSE(zorudor::DecodeRecord(out.data(), bad.data(), room, sizeof upFirst));
    // Random damage never crashes and, when accepted, fills exactly the picture.
    for (int round = 0; round < 500; ++round) {
        bad = record;
        for (int k = 0; k < 3; ++k) bad[20 + Rand(4, encoded - 1)] = uint8_t(Rand(0, 255));
        std::vector<uint16_t> guarded(out.size() + 8, 0x7777);
        zorudor::DecodeRecord(guarded.data(), bad.data(), room, encoded);
        for (size_t k = out.size(); k < guarded.size(); ++k) ASSERT_EQ(guarded[k], 0x7777);
    }
}

TEST_F(ZorudorTest, ThePicturesRealSizeIsCheckedInSixtyFourBits) {
    // 65535 x 32768 pixels in rows of 65536: 2^32 bytes, which a 32-bit count calls 0.
    // A long run that would fill it must not start on a destination of 64 bytes.
    std::vector<uint8_t> record(20 + 8);
    quor::ImageHeader h = {quor::kBmapType, 2, 1, 65535, 32768, 0, 8};
    std::memcpy(record.data(), &h, 20);
    const uint8_t run[] = {'Z', 'R', 'D', '1', 0xFF, 0xFF, 0x34, 0x12};
    std::memcpy(&record[20], run, sizeof run);
    std::vector<uint16_t> guarded(32 + 8, 0x7777);
    EXPECT_FALSE(zorudor::DecodeRecord(guarded.data(), record.data(), 64, sizeof run));
    EXPECT_FALSE(zorudor::DecodePixels(&record[20], sizeof run, 65535, 32768, 65536, guarded.data(), 64));
    for (size_t k = 0; k < guarded.size(); ++k) ASSERT_EQ(guarded[k], 0x7777) << k;
}

}  // namespace
