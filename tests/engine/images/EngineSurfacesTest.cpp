// The engine's DIB surfaces, palettes and picture buffers, and decoding picture assets
// into buffers (with their key and shadow), linked from the engine's insides.
#include "DecoratedExport.h"
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "BitmapDecoders.h"
#include "DibSurface.h"
#include "DitherTable.h"
#include "ImageRecord.h"
#include "PictureBuffer.h"

namespace {

using quor::ImageHeader;
using quor::ShadowHeader;

TEST(DibSurface, HeadersFollowTheDepth) {
    DibSurface s16, s15, s24, s8;
    ASSERT_TRUE(s16.Create(5, 3, 16, true, nullptr));
    const BITMAPINFOHEADER& h = s16.Record().info->bmiHeader;
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biBitCount, 16);
    EXPECT_EQ(h.biCompression, DWORD(BI_BITFIELDS));
    EXPECT_EQ(h.biClrUsed, 3u);
    const DWORD* masks = reinterpret_cast<const DWORD*>(s16.Record().info->bmiColors);
    EXPECT_EQ(masks[0], 0xF800u);
    EXPECT_EQ(masks[1], 0x07E0u);
    EXPECT_EQ(masks[2], 0x001Fu);
    EXPECT_EQ(h.biXPelsPerMeter, 2592);
    EXPECT_EQ(h.biSizeImage, 3u * 12u);
    EXPECT_EQ(h.biHeight, -3);

    ASSERT_TRUE(s15.Create(5, 3, 15, false, nullptr));
    EXPECT_EQ(s15.Record().info->bmiHeader.biBitCount, 16);
    EXPECT_EQ(s15.Record().info->bmiHeader.biCompression, DWORD(BI_RGB));
    EXPECT_EQ(s15.Record().info->bmiHeader.biHeight, 3) << "bottom-up";
    EXPECT_EQ(s15.Record().format, 0u);
    EXPECT_EQ(s15.Record().flags, 0u);
    EXPECT_TRUE(SurfaceRecordLooksValid(&s15.Record()));

    ASSERT_TRUE(s24.Create(5, 3, 24, true, nullptr));
    EXPECT_EQ(s24.Record().rowBytes, 16u);
    EXPECT_EQ(s24.Record().info->bmiHeader.biClrUsed, 0u);

    ASSERT_TRUE(s8.Create(5, 3, 8, true, nullptr));
    EXPECT_EQ(s8.Record().info->bmiHeader.biClrUsed, 256u);
    const RGBQUAD* c = s8.Record().info->bmiColors;
    EXPECT_EQ(c[quor::kCubeBase].rgbRed, 0);
    EXPECT_EQ(c[quor::kCubeBase + 215].rgbBlue, 255);
    EXPECT_EQ(c[quor::kCubeBase + 5 * 36].rgbRed, 255) << "the dither table's red";
    EXPECT_EQ(c[quor::kCubeBase + 5 * 36].rgbGreen, 0);

    DibSurface none;
    EXPECT_FALSE(none.Create(0, 3, 16, true, nullptr));
    EXPECT_FALSE(none.HasPixels());
    EXPECT_FALSE(none.Create(4, 4, 12, true, nullptr));
}

TEST(DibSurface, LevelSurfacesAreGreysFromWhiteToBlack) {
    DibSurface s;
    ASSERT_TRUE(s.CreatePaletteDibSection(6, 2));
    const RGBQUAD* c = s.Record().info->bmiColors;
    EXPECT_EQ(c[0].rgbRed, 255);
    EXPECT_EQ(c[255].rgbGreen, 0);
    EXPECT_EQ(c[100].rgbBlue, 155);
    EXPECT_EQ(s.Record().rowBytes, 8u);
    EXPECT_EQ(s.Record().format, 0u);

    std::vector<uint8_t> buffer(1028);
    LOGPALETTE* lp = reinterpret_cast<LOGPALETTE*>(buffer.data());
    MakeLogPalette(c, lp);
    EXPECT_EQ(lp->palVersion, 0x300);
    EXPECT_EQ(lp->palNumEntries, 256);
    EXPECT_EQ(lp->palPalEntry[9].peFlags, 0);
    EXPECT_EQ(lp->palPalEntry[10].peFlags, PC_NOCOLLAPSE);
    EXPECT_EQ(lp->palPalEntry[245].peFlags, PC_NOCOLLAPSE);
    EXPECT_EQ(lp->palPalEntry[246].peFlags, 0);
    EXPECT_EQ(lp->palPalEntry[100].peRed, 155);
}

TEST(PictureBuffers, ComeFromTheProcessHeapLikeTheBlittersPictures) {
    void* p = NewPictureBuffer(3, 2, true);
    ASSERT_TRUE(p);
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, p), SIZE_T(quor::PictureBufferBytes(3, 2, true)));
    EXPECT_EQ(quor::ShadowOf(p)->width, 3);
    FreePictureBuffer(p);
    void* m = NewLevelMaskBuffer(5, 5);
    ASSERT_TRUE(m);
    EXPECT_EQ(quor::HeaderOf(m)->kind, 1);
    FreePictureBuffer(m);

    // What the blitter allocates, the engine frees.
    HMODULE blit = LoadLibraryA("BLIT16.DLL");
    ASSERT_TRUE(blit);
    auto create = reinterpret_cast<void*(__stdcall*)(int32_t, int32_t)>(GetDecoratedProc(blit, "_CreateSurfaceQUORBITMAP@8"));
    void* q = create(4, 4);
    ASSERT_TRUE(q);
    EXPECT_NE(HeapSize(GetProcessHeap(), 0, q), SIZE_T(-1));
    FreePictureBuffer(q);
    FreeLibrary(blit);
}

class DecodeAssets : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(RegisterBitmapDecoder(1, "ZORUDOR.DLL"), 1);
        HMODULE z = GetModuleHandleA("ZORUDOR.DLL");
        encode = reinterpret_cast<uint32_t(__stdcall*)(void*)>(GetDecoratedProc(z, "_encode@4"));
    }
    static uint32_t(__stdcall* encode)(void*);

    // A keyed picture asset of w x h, encoded, with a shadow after the encoded pixels.
    static std::vector<uint8_t> Asset(uint16_t w, uint16_t h, std::vector<uint8_t>& raw) {
        const uint32_t rawBytes = h * quor::RowBytes(w, 2);
        std::vector<uint8_t> a(20 + rawBytes);
        ImageHeader hd = {quor::kBmapType, 10, 1, w, h, 0x1234, rawBytes};
        std::memcpy(a.data(), &hd, 20);
        for (uint16_t y = 0; y < h; ++y)
            for (uint16_t x = 0; x < w; ++x) {
                const uint16_t v = uint16_t(x < w / 2 ? 0x1234 : 0x0421 * (y % 31));
                std::memcpy(&a[20 + y * quor::RowBytes(w, 2) + x * 2], &v, 2);
            }
        raw.assign(a.begin() + 20, a.end());
        const uint32_t size = encode(a.data());
        EXPECT_GT(size, 0u);
        a.resize(20 + size);
        hd.pixelBytes = size;
        hd.kind = 10 | quor::KindShadow;
        std::memcpy(a.data(), &hd, 20);
        const uint16_t sw = 3, sh = 2;
        ShadowHeader s = {0, 1, sw, sh, -4, 5, sh * quor::RowBytes(sw, 1)};
        a.resize(a.size() + 16);
        std::memcpy(&a[a.size() - 16], &s, 16);
        for (uint32_t k = 0; k < s.pixelBytes; ++k) a.push_back(uint8_t(k * 30));
        return a;
    }
};
uint32_t(__stdcall* DecodeAssets::encode)(void*) = nullptr;

TEST_F(DecodeAssets, PicturesTakeTheirKeyAndShadow) {
    std::vector<uint8_t> raw;
    std::vector<uint8_t> asset = Asset(11, 7, raw);
    uint8_t* p = static_cast<uint8_t*>(DecodePicture(asset.data(), asset.size()));
    ASSERT_TRUE(p);
    const ImageHeader* h = quor::HeaderOf(p);
    EXPECT_EQ(h->kind, quor::kFormatCode15 | quor::KindKeyed);
    EXPECT_EQ(h->slot, 0);
    EXPECT_EQ(h->key, 0x1234u);
    EXPECT_EQ(h->pixelBytes, raw.size());
    EXPECT_EQ(std::vector<uint8_t>(p + 20, p + 20 + raw.size()), raw);
    const ShadowHeader* s = quor::ShadowOf(p);
    EXPECT_EQ(s->kind, 1);
    EXPECT_EQ(s->x, -4);
    EXPECT_EQ(s->y, 5);
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(s + 1)[7], 7 * 30);
    FreePictureBuffer(p);
}

TEST_F(DecodeAssets, InconsistentAssetsGiveNoPicture) {
    std::vector<uint8_t> raw;
    std::vector<uint8_t> asset = Asset(8, 6, raw);
    EXPECT_EQ(DecodePicture(asset.data(), asset.size() - 1), nullptr) << "shadow levels cut short";
    EXPECT_EQ(DecodePicture(asset.data(), 30), nullptr) << "encoded data cut short";
    std::vector<uint8_t> bad = asset;
    uint16_t slot = 17;  // would name slot 1 if only the low four bits counted
    std::memcpy(&bad[6], &slot, 2);
    EXPECT_EQ(DecodePicture(bad.data(), bad.size()), nullptr);
    slot = 0;
    std::memcpy(&bad[6], &slot, 2);
    EXPECT_EQ(DecodePicture(bad.data(), bad.size()), nullptr) << "raw pictures are used in place";
    bad = asset;
    bad[24] ^= 0xFF;  // the coding's magic
    EXPECT_EQ(DecodePicture(bad.data(), bad.size()), nullptr);
}

}  // namespace
