// The asset records and the container as the writer lays them out, checked byte by byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "AssetContainer.h"
#include "AssetRecords.h"
#include "JpegSize.h"
#include "Region.h"
#include "SprtReader.h"

namespace {

uint32_t Word(const std::vector<uint8_t>& v, size_t at) {
    uint32_t w;
    std::memcpy(&w, &v[at], 4);
    return w;
}

std::vector<uint8_t> WithTypeWord(uint32_t type, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> v(4 + data.size());
    std::memcpy(v.data(), &type, 4);
    if (!data.empty()) std::memcpy(v.data() + 4, data.data(), data.size());
    return v;
}

SpriteFrame Frame(uint32_t picture, int32_t x, uint32_t hold) {
    SpriteFrame f;
    f.picture = picture;
    f.x = x;
    f.y = -x;
    f.moveX = -2;
    f.moveDepthHigh = 7;
    f.hold = hold;
    f.sound = 0x01000009;
    return f;
}

}  // namespace

TEST(AssetContainer, AssetsFollowTheDirectoryWithoutGaps) {
    const std::vector<uint8_t> pixels(8, 0x55);
    PictureAsset picture;
    picture.width = 3;
    picture.height = 1;
    picture.pixels = pixels.data();
    picture.pixelBytes = 8;
    const std::vector<AssetBody> assets = {
        {kImageAssetType, PictureAssetData(picture)},
        {kImageAssetType, PictureAssetData(picture)},
        {kBackdropAssetType, BackdropAssetData(3, 1, 1)},
        {kSpriteAssetType, SpriteAssetData({{Frame(1, 0, 1), Frame(2, 0, 1)}})},
        {0x30627976u, std::vector<uint8_t>(5, 1)},
    };
    // 28 + pixel bytes, 24, 32 + 8 a sequence + 36 a frame, 12 + the chunk's size.
    EXPECT_EQ((std::vector<uint32_t>{56, 56 + 36, 56 + 72, 56 + 96, 56 + 96 + 112}), AssetOffsets(assets));

    std::FILE* file = std::tmpfile();
    ASSERT_NE(nullptr, file);
    EXPECT_EQ(-1, WriteAssetContainer(file, assets));
    std::vector<uint8_t> image(size_t(std::ftell(file)));
    std::rewind(file);
    ASSERT_EQ(image.size(), std::fread(image.data(), 1, image.size(), file));
    std::fclose(file);
    ASSERT_EQ(56u + 96 + 112 + 17, image.size());
    EXPECT_EQ(0, std::memcmp(image.data(), "QUOR", 4));
    EXPECT_EQ(5u, Word(image, 4));
    EXPECT_EQ(0u, Word(image, 8));
    EXPECT_EQ(0u, Word(image, 12));
    EXPECT_EQ(56u, Word(image, 16));
    EXPECT_EQ(0u, Word(image, 20));
    // The chunk's header: type, data size, packing word with the stored size.
    EXPECT_EQ(0x30627976u, Word(image, 264));
    EXPECT_EQ(5u, Word(image, 268));
    EXPECT_EQ(5u, Word(image, 272));
}

TEST(AssetContainer, AnEmptyFileIsItsSixteenByteHeader) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(nullptr, file);
    EXPECT_EQ(-1, WriteAssetContainer(file, {}));
    EXPECT_EQ(16, std::ftell(file));
    std::fclose(file);
}

TEST(AssetRecords, SpriteSequencesCarryTheirOwnFramesAndReadBack) {
    const std::vector<SpriteSequence> sequences = {{Frame(3, 5, 2)}, {Frame(4, -6, 1), Frame(5, 7, 0)}};
    const std::vector<uint8_t> sprt = WithTypeWord(kSpriteAssetType, SpriteAssetData(sequences));
    ASSERT_EQ(24 + 8 * 2 + 36 * 3u, sprt.size());
    EXPECT_EQ(0u, Word(sprt, 4));
    EXPECT_EQ(2u, Word(sprt, 8));
    EXPECT_EQ(24u, Word(sprt, 12));
    EXPECT_EQ(0u, Word(sprt, 16));
    EXPECT_EQ(0u, Word(sprt, 20));
    // Sequence 0 at 32: one frame, whose record follows at 40; sequence 1 right after it.
    EXPECT_EQ(32u, Word(sprt, 24));
    EXPECT_EQ(1u, Word(sprt, 32));
    EXPECT_EQ(40u, Word(sprt, 36));
    EXPECT_EQ(3u, Word(sprt, 40));
    EXPECT_EQ(5u, Word(sprt, 48));
    EXPECT_EQ(72u, Word(sprt, 28));
    EXPECT_EQ(2u, Word(sprt, 72));
    EXPECT_EQ(84u, Word(sprt, 76));
    EXPECT_EQ(116u, Word(sprt, 80));

    std::vector<SpriteSequence> back;
    ASSERT_TRUE(ReadSprtSequences(sprt.data(), sprt.size(), 0x1000, back));
    ASSERT_EQ(2u, back.size());
    ASSERT_EQ(2u, back[1].size());
    const SpriteFrame& f = back[1][0];
    EXPECT_EQ(4u, f.picture);
    EXPECT_EQ(-6, f.x);
    EXPECT_EQ(6, f.y);
    EXPECT_EQ(-2, f.moveX);
    EXPECT_EQ(7, f.moveDepthHigh);
    EXPECT_EQ(0x01000009u, f.sound);
    EXPECT_EQ(0u, back[1][1].hold);

    // Fixed up at an address: every table word holds it beyond its offset.
    std::vector<uint8_t> fixed = sprt;
    const uint32_t address = 0x00400000;
    for (size_t at : {size_t(12), size_t(24), size_t(28), size_t(36), size_t(76), size_t(80)}) {
        const uint32_t w = Word(fixed, at) + address;
        std::memcpy(&fixed[at], &w, 4);
    }
    fixed[4] = 1;
    ASSERT_TRUE(ReadSprtSequences(fixed.data(), fixed.size(), address, back));
    EXPECT_EQ(5u, back[1][1].picture);

    std::vector<uint8_t> damaged = sprt;
    damaged[80] = 0xF0;  // a frame offset past the end
    EXPECT_FALSE(ReadSprtSequences(damaged.data(), damaged.size(), 0, back));
    EXPECT_FALSE(ReadSprtSequences(sprt.data(), 20, 0, back));
    const std::vector<uint8_t> empty = WithTypeWord(kSpriteAssetType, SpriteAssetData({}));
    EXPECT_TRUE(ReadSprtSequences(empty.data(), empty.size(), 0, back));
    EXPECT_TRUE(back.empty());
}

TEST(AssetRecords, RegionChunksHoldDefinedWordsVerticesAndEntryTexts) {
    Region region;
    region.originX = -3;
    region.originY = 40;
    region.vertices = {{1, 2}, {-5, 6}};
    region.entries.resize(2);
    std::memcpy(region.entries[0].data(), "OnClick=x()", 11);
    std::memset(region.entries[1].data(), 'A', 16);  // no terminating zero: all 16 bytes
    const std::vector<uint8_t> chunk = RegionChunkData(region);
    ASSERT_EQ(24u + 16 + (4 + 12) + (4 + 16), chunk.size());
    EXPECT_EQ(uint32_t(-3), Word(chunk, 0));
    EXPECT_EQ(40u, Word(chunk, 4));
    EXPECT_EQ(0u, Word(chunk, 8));
    EXPECT_EQ(0u, Word(chunk, 12));
    EXPECT_EQ(2u, Word(chunk, 16));
    EXPECT_EQ(2u, Word(chunk, 20));
    EXPECT_EQ(uint32_t(-5), Word(chunk, 32));
    EXPECT_EQ(11u, Word(chunk, 40));
    EXPECT_EQ(0, std::memcmp(&chunk[44], "OnClick=x()\0", 12));
    EXPECT_EQ(16u, Word(chunk, 56));
}

TEST(JpegSize, ComesFromTheStartOfFrameMarker) {
    // SOI, an APP0 segment, fill bytes, a baseline SOF0 of 300 x 17.
    const std::vector<uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x00, 0x00, 0xFF, 0xFF,
                                       0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00, 0x11, 0x01, 0x2C, 0x01,
                                       0x01, 0x11, 0x00};
    uint16_t width = 0, height = 0;
    ASSERT_TRUE(GetJpegSize(jpeg.data(), jpeg.size(), width, height));
    EXPECT_EQ(300, width);
    EXPECT_EQ(17, height);
    EXPECT_FALSE(GetJpegSize(jpeg.data(), 12, width, height));
    std::vector<uint8_t> notJpeg = jpeg;
    notJpeg[1] = 0xD9;
    EXPECT_FALSE(GetJpegSize(notJpeg.data(), notJpeg.size(), width, height));
}
