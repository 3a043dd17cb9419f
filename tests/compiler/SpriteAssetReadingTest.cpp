// Reading the first frame's picture of a SPRT asset and the size of a BMAP image, from
// data that may be damaged.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "AssetFileBuilder.h"
#include "SpriteAssetReading.h"
#include "SprtAsset.h"
#include "SprtAssetBuilder.h"

namespace {

std::vector<uint8_t> TwoSequences() {
    SprtFrameSpec first, second;
    first.picture = 3;
    second.picture = 2;
    return SprtAssetBuilder().Frame(first).Frame(second).Sequence({1, 0}).Sequence({0}).Build();
}

TEST(SpriteAssetReading, TheFirstFrameOfTheFirstSequence) {
    std::vector<uint8_t> sprt = TwoSequences();
    uint32_t picture = 0;
    ASSERT_TRUE(FirstFramePicture(sprt.data(), sprt.size(), 3, picture));
    EXPECT_EQ(picture, 2u) << "the first sequence starts with the second frame";

    // Fixed up by the engine for a sprite: the tables hold addresses of the data.
    quor::FixUpSprt(sprt.data(), uint32_t(uintptr_t(sprt.data())));
    picture = 0;
    ASSERT_TRUE(FirstFramePicture(sprt.data(), sprt.size(), 3, picture));
    EXPECT_EQ(picture, 2u);
}

TEST(SpriteAssetReading, DamagedOrEmptySpritesAreRefused) {
    uint32_t picture = 0;
    const std::vector<uint8_t> good = TwoSequences();
    EXPECT_FALSE(FirstFramePicture(good.data(), good.size() - 4, 3, picture)) << "cut short";
    EXPECT_FALSE(FirstFramePicture(good.data(), good.size(), 1, picture)) << "no asset 3";
    std::vector<uint8_t> bad = good;
    SprtAssetBuilder::Set(bad, 12, 0x7FFFFFF0u);  // the sequence table far outside
    EXPECT_FALSE(FirstFramePicture(bad.data(), bad.size(), 3, picture));
    bad = good;
    SprtAssetBuilder::Set(bad, 24, uint32_t(bad.size()));  // a sequence past the end
    EXPECT_FALSE(FirstFramePicture(bad.data(), bad.size(), 3, picture));
    bad = good;
    std::memcpy(bad.data(), "SPRX", 4);
    EXPECT_FALSE(FirstFramePicture(bad.data(), bad.size(), 3, picture));
    const std::vector<uint8_t> none = SprtAssetBuilder().Build();
    EXPECT_FALSE(FirstFramePicture(none.data(), none.size(), 3, picture)) << "no sequence";
    SprtFrameSpec f;
    const std::vector<uint8_t> empty = SprtAssetBuilder().Frame(f).Sequence({}).Build();
    EXPECT_FALSE(FirstFramePicture(empty.data(), empty.size(), 3, picture)) << "no frame";
    EXPECT_FALSE(FirstFramePicture(nullptr, 0, 3, picture));
}

TEST(SpriteAssetReading, ImageSizes) {
    std::vector<uint8_t> image = {'B', 'M', 'A', 'P'};
    const std::vector<uint8_t> data = SolidPictureData(37, 5, 0x7FFF);
    image.insert(image.end(), data.begin(), data.end());
    EXPECT_EQ(ImageRecordSize(image.data(), image.size()), (PictureSize{37, 5}));
    EXPECT_EQ(ImageRecordSize(image.data(), 11), PictureSize()) << "too short";
    image[3] = 'X';
    EXPECT_EQ(ImageRecordSize(image.data(), image.size()), PictureSize());
}

}  // namespace
