// Gallery picks become asset numbers through the gallery's user information: the records
// read from the bytes, and the defaults of a new machine all landing on real assets.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "GalleryRecord.h"
#include "WizardChoices.h"

namespace {

std::vector<uint8_t> UserInfo(const std::vector<int32_t>& words)
{
    std::vector<uint8_t> bytes(kGalleryUserInfoBytes, 0);
    for (size_t w = 0; w < words.size(); ++w)
        for (int b = 0; b < 4; ++b)
            bytes[4 * w + b] = uint8_t(uint32_t(words[w]) >> (8 * b));
    return bytes;
}

TEST(GalleryRecord, RecordsAreReadFromTheirOwnBytes)
{
    const std::vector<uint8_t> info = UserInfo({24, 0, 31, 1, 5, 6, 7, 20, 9, 1, 3, 8, 9, -1});
    GalleryRecord symbols, backdrops, beyond;
    ASSERT_TRUE(ReadGalleryRecord(info.data(), info.size(), kSymbolGalleryRecord, symbols));
    ASSERT_TRUE(ReadGalleryRecord(info.data(), info.size(), kBackdropGalleryRecord, backdrops));
    EXPECT_EQ(24, symbols.pictures);
    EXPECT_EQ(31, symbols.base);
    EXPECT_EQ(7, symbols.highlight);
    EXPECT_EQ(1, backdrops.base);
    EXPECT_EQ(3, backdrops.step);
    EXPECT_EQ(-1, backdrops.highlight);
    EXPECT_FALSE(ReadGalleryRecord(info.data(), info.size(), 3, beyond));
    EXPECT_FALSE(ReadGalleryRecord(info.data(), 40, kBackdropGalleryRecord, beyond));
}

TEST(GalleryRecord, TheDefaultPicksBecomeAssetsFromOneUpward)
{
    GalleryRecord symbols, backdrops;
    symbols.base = 40, symbols.step = 1;
    backdrops.base = 1, backdrops.step = 2;
    WizardChoices document;
    document.symbolPicks[2] = -1;  // a pasted picture
    TranslateGalleryPicks(document, symbols, backdrops);
    EXPECT_EQ((std::array<int32_t, kSymbolSlots>{43, 47, -1, 49, 48, 40, 54}), document.symbolGalleryIndexes);
    EXPECT_EQ(37u, document.awardBackdropIndex);  // pick 18: not column + 4 x row alone
    for (int32_t asset : document.symbolGalleryIndexes)
        EXPECT_NE(0, asset);
}

}  // namespace
