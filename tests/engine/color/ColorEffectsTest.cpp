#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "AssetFileBuilder.h"
#include "TempAssetFile.h"
#include "Quor2_5.h"

namespace {

int32_t LastError() { return GetLastQuorError(nullptr); }

struct Colour {
    uint8_t red, green, blue, flags;
};

// An effect record as the host sees it.
struct Effect {
    int32_t references;
    uint32_t red[256][32];
    uint32_t green[256][32];
    uint32_t blue[256][32];
};

uint16_t Apply(const Effect& e, int level, uint16_t p) {
    return uint16_t(e.red[level][(p >> 10) & 31] + e.green[level][(p >> 5) & 31] + e.blue[level][p & 31]);
}

TEST(PixelEffects, FadeToColorGoesFromThePixelToTheColour) {
    auto* e = reinterpret_cast<Effect*>(FadeToColorEffect(RGB(255, 0, 0)));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->references, 1);
    std::mt19937 rng(4);
    for (int i = 0; i < 2000; ++i) {
        uint16_t p = uint16_t(rng() & 0x7FFF);
        EXPECT_EQ(Apply(*e, 0, p), p);
        EXPECT_EQ(Apply(*e, 255, p), 0x7C00) << "pure red";
    }
    // Both halves carry the same result, so two pixels combine at once.
    for (int level : {0, 77, 200}) {
        for (int j = 0; j < 32; ++j) {
            uint32_t r = e->red[level][j];
            EXPECT_EQ(r >> 16, r & 0xFFFF);
            uint32_t expect = uint32_t((j * (65025 - 255 * level) + level * 31 * 255) / 65025);
            EXPECT_EQ((r & 0xFFFF) >> 10, expect) << level << " " << j;
            EXPECT_EQ(e->green[level][j] & 0xFFFF, uint32_t((j * (65025 - 255 * level)) / 65025) << 5);
        }
    }
    ReleaseEffect(reinterpret_cast<HQUOREFFECT>(e));
}

TEST(PixelEffects, LightSourceWithoutGainKeepsEveryChannel) {
    auto* e = reinterpret_cast<Effect*>(LightSourceEffect(RGB(200, 100, 50), 0.0f, 1.0f));
    ASSERT_NE(e, nullptr);
    for (int level : {0, 1, 128, 255})
        for (int j = 0; j < 32; ++j) {
            EXPECT_EQ(e->red[level][j], uint32_t(j * 65537) << 10);
            EXPECT_EQ(e->green[level][j], uint32_t(j * 65537) << 5);
            EXPECT_EQ(e->blue[level][j], uint32_t(j * 65537));
        }
    ReleaseEffect(reinterpret_cast<HQUOREFFECT>(e));

    // A bright light saturates at 31; a negative base clamps at 0.
    e = reinterpret_cast<Effect*>(LightSourceEffect(RGB(255, 255, 255), 2.0f, 1.0f));
    EXPECT_EQ(e->red[255][31] & 0xFFFF, 31u << 10);
    EXPECT_EQ(e->blue[255][20] & 0xFFFF, 31u);
    EXPECT_EQ(e->blue[0][20] & 0xFFFF, 20u);
    ReleaseEffect(reinterpret_cast<HQUOREFFECT>(e));
    e = reinterpret_cast<Effect*>(LightSourceEffect(RGB(0, 0, 0), 0.0f, -1.0f));
    EXPECT_EQ(e->green[9][9], 0u);
    ReleaseEffect(reinterpret_cast<HQUOREFFECT>(e));
}

TEST(PixelEffects, ReferenceCounting) {
    HQUOREFFECT h = BlankByteEffect();
    auto* e = reinterpret_cast<Effect*>(h);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->references, 1);
    LockEffect(h);
    LockEffect(h);
    EXPECT_EQ(e->references, 3);
    ReleaseEffect(h);
    ReleaseEffect(h);
    EXPECT_EQ(e->references, 1);
    LockEffect(nullptr);
    ReleaseEffect(nullptr);
    ReleaseEffect(h);
}

std::vector<Colour> Colours(size_t n) {
    std::vector<Colour> c(n);
    for (size_t i = 0; i < n; ++i) c[i] = {uint8_t(i * 7), uint8_t(i * 3), uint8_t(255 - i), 0};
    return c;
}

TEST(ColorXlateTables, RangesAreChecked) {
    std::vector<Colour> c = Colours(64);
    HQUORXLATE t = CreateColorXlateTable(16, c.data());
    ASSERT_NE(t, nullptr) << std::hex << LastError();
    EXPECT_EQ(ModifyColorXlateTable(t, 5, 5, c.data()), 0) << "empty range";
    EXPECT_EQ(LastError(), ErrBadXlateRange);
    EXPECT_EQ(ModifyColorXlateTable(t, 6, 5, c.data()), 0);
    EXPECT_EQ(LastError(), ErrBadXlateRange);
    EXPECT_EQ(ModifyColorXlateTable(t, -1, 5, c.data()), 0);
    EXPECT_EQ(LastError(), ErrBadXlateRange);
    EXPECT_EQ(ModifyColorXlateTable(t, 0, 1 << 20, c.data()), 0) << "past the blitter's maximum";
    EXPECT_EQ(LastError(), ErrBadXlateRange);
    EXPECT_NE(ModifyColorXlateTable(t, 0, 40, c.data()), 0) << "grows to 40 entries";
    EXPECT_EQ(ModifyColorXlateTable(t, 0, 4, nullptr), 0);
    EXPECT_EQ(LastError(), ErrNullArgument);
    EXPECT_EQ(DeleteColorXlateTable(t), 1);
    EXPECT_EQ(LastError(), 0);
    EXPECT_EQ(DeleteColorXlateTable(t), 0) << "a deleted table is not deleted twice";
    EXPECT_EQ(LastError(), ErrBadHandle);
    EXPECT_EQ(ModifyColorXlateTable(t, 0, 4, c.data()), 0);
    EXPECT_EQ(LastError(), ErrBadHandle);
    EXPECT_EQ(DeleteColorXlateTable(nullptr), 0);
    EXPECT_EQ(LastError(), ErrNullArgument);

    EXPECT_EQ(CreateColorXlateTable(16, nullptr), nullptr);
    EXPECT_EQ(LastError(), ErrNullArgument);
    EXPECT_EQ(CreateColorXlateTable(-1, c.data()), nullptr);
    EXPECT_EQ(LastError(), ErrBadXlateRange);
    EXPECT_EQ(CreateColorXlateTable(1 << 20, c.data()), nullptr);
    EXPECT_EQ(LastError(), ErrBadXlateRange);
}

TEST(ColorXlateTables, ComeFromColourListAssets) {
    const uint32_t CLUT = 0x54554C43u;
    auto list = [](uint16_t count, size_t entries) {
        std::vector<uint8_t> v = {uint8_t(count), uint8_t(count >> 8)};
        for (const Colour& c : Colours(entries)) v.insert(v.end(), {c.red, c.green, c.blue, c.flags});
        return v;
    };
    std::vector<uint8_t> image = AssetFileBuilder().Add(CLUT, list(8, 8)).Add(CLUT, list(50, 8)).Build();
    std::string path = WriteTempAssetFile(image, "vsl_clut");
    int32_t file = OpenAssetFile(path.c_str());
    ASSERT_NE(file, -1);

    HQUORXLATE t = LoadColorXlateTable(uint32_t(file) | 1);
    ASSERT_NE(t, nullptr) << std::hex << LastError();
    EXPECT_EQ(DeleteColorXlateTable(t), 1);
    QuorAssetInfo info;
    GetAssetInfo(uint32_t(file) | 1, &info);
    EXPECT_EQ(info.state, 0u) << "the asset is released and unloaded again";

    EXPECT_EQ(LoadColorXlateTable(uint32_t(file) | 2), nullptr) << "count beyond the list";
    EXPECT_EQ(LastError(), ErrReadFailed);
    EXPECT_EQ(LoadColorXlateTable(uint32_t(file) | 3), nullptr) << "no such asset: never an address";
    EXPECT_EQ(LastError(), ErrBadAssetIndex);
    EXPECT_EQ(LoadColorXlateTable(0x41000001u), nullptr);
    EXPECT_EQ(LastError(), ErrBadHandle);

    EXPECT_EQ(LoadCurrentPalette(8, uint32_t(file) | 1), 1) << std::hex << LastError();
    EXPECT_EQ(LoadCurrentPalette(9, uint32_t(file) | 1), 0);
    EXPECT_EQ(LastError(), ErrBadXlateRange);
    std::vector<Colour> c = Colours(256);
    EXPECT_EQ(CreateCurrentPalette(256, c.data()), 1);
    EXPECT_EQ(CreateCurrentPalette(257, c.data()), 0);
    CloseAssetFile(uint32_t(file));
    DeleteFileA(path.c_str());
}

}  // namespace
