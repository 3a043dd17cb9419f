// The engine's service table and BMAP decoders, through the engine library's exports.
#include "DecoratedExport.h"
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "ImageRecord.h"
#include "Quor2_5.h"

namespace {

const uint32_t kBmap = 0x50414D42u;

template <class Fn>
Fn Service(int n) {
    return reinterpret_cast<Fn>(GetServiceAddress(n));
}

uint16_t PixelAt(const QuorSurfaceRecord* s, int x, int y) {
    // visible row y, whichever way the surface stores its rows
    const int rows = s->bottom - s->top;
    const bool bottomUp = s->info->bmiHeader.biHeight > 0;
    const uint8_t* row = static_cast<const uint8_t*>(s->pixels) + size_t(bottomUp ? rows - 1 - y : y) * s->rowBytes;
    uint16_t p;
    std::memcpy(&p, row + x * 2, 2);
    return p;
}

void SetPixel(QuorSurfaceRecord* s, int x, int y, uint16_t v) {
    const int rows = s->bottom - s->top;
    const bool bottomUp = s->info->bmiHeader.biHeight > 0;
    uint8_t* row = static_cast<uint8_t*>(s->pixels) + size_t(bottomUp ? rows - 1 - y : y) * s->rowBytes;
    std::memcpy(row + x * 2, &v, 2);
}

// A host bitmap: a 15-bit DIB section with its surface record (format 2, flags 0x8000).
struct HostBitmap {
    BITMAPINFO info = {};
    QuorSurfaceRecord record = {};
    HostBitmap(int w, int h, bool topDown) {
        info.bmiHeader.biSize = 40;
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = topDown ? -h : h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 16;
        void* bits = nullptr;
        record.bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        record.format = 2;
        record.info = &info;
        record.pixels = bits;
        record.rowBytes = uint32_t((w * 2 + 3) & ~3);
        record.right = w;
        record.bottom = h;
        record.flags = 0x8000;
    }
    ~HostBitmap() { DeleteObject(record.bitmap); }
};

TEST(ServiceTable, TwelveServicesByNumber) {
    for (int n = 0; n < 12; ++n) EXPECT_NE(GetServiceAddress(n), nullptr) << n;
    EXPECT_EQ(GetServiceAddress(12), nullptr);
    EXPECT_EQ(GetServiceAddress(-1), nullptr);
    EXPECT_EQ(Service<int(__stdcall*)()>(8)(), 0);
    EXPECT_EQ(Service<int(__stdcall*)()>(10)(), 0);
    EXPECT_EQ(Service<QuorTranslateColourService>(QuorServiceTranslateColour)(0x0000FF), 0x7C00u);
}

TEST(ServiceTable, ScreenFormatDescribesFifteenBitPixels) {
    auto format = Service<QuorScreenFormatService>(QuorServiceScreenFormat);
    uint32_t d[9];
    std::memset(d, 0xCC, sizeof d);
    EXPECT_EQ(format(d, 100), 32);
    EXPECT_EQ(d[0], 32u);
    EXPECT_EQ(d[1], 16u);
    EXPECT_GT(d[2], 0u);
    EXPECT_GT(d[3], 0u);
    EXPECT_EQ(d[4], 15u);
    EXPECT_EQ(d[5], 2u);
    EXPECT_EQ(d[6], 2u);
    EXPECT_EQ(d[7], 0u);
    EXPECT_EQ(d[8], 0xCCCCCCCCu);
    std::memset(d, 0xCC, sizeof d);
    EXPECT_EQ(format(d, 6), 6);
    EXPECT_EQ(d[1], 0xCCCC0010u);
    EXPECT_EQ(format(nullptr, 32), 0);
    EXPECT_EQ(format(d, 0), 0);
}

TEST(ServiceTable, SurfacesAreMadeFilledBlittedAndDestroyed) {
    auto make = Service<QuorNewSurfaceService>(QuorServiceNewSurface);
    auto fill = Service<QuorFillService>(QuorServiceFill);
    auto blit = Service<QuorBlitService>(QuorServiceBlit);
    auto destroy = Service<QuorDestroySurfaceService>(QuorServiceDestroySurface);
    QuorSurfaceRecord* a = make(7, 5);
    QuorSurfaceRecord* b = make(9, 6);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->format, 0u);
    EXPECT_EQ(a->flags, 0u);
    EXPECT_EQ(a->rowBytes, 16u);
    EXPECT_EQ(a->right, 7);
    EXPECT_EQ(a->bottom, 5);
    EXPECT_TRUE(a->bitmap);
    EXPECT_EQ(a->info->bmiHeader.biSize, 40u);
    EXPECT_EQ(a->info->bmiHeader.biHeight, -5) << "top-down";
    EXPECT_EQ(a->info->bmiHeader.biBitCount, 16);

    RECT all = {0, 0, 9, 6};
    EXPECT_EQ(fill(b, &all, 0x000000), 1);
    RECT part = {-2, 1, 3, 3};
    EXPECT_EQ(fill(b, &part, 0xFF00FF), 1);
    EXPECT_EQ(PixelAt(b, 0, 1), 0x7C1F);
    EXPECT_EQ(PixelAt(b, 2, 2), 0x7C1F);
    EXPECT_EQ(PixelAt(b, 3, 1), 0);
    EXPECT_EQ(PixelAt(b, 0, 3), 0);

    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) SetPixel(a, x, y, uint16_t(y * 7 + x + 1));
    SetPixel(a, 1, 0, 0x7C1F);
    RECT src = {0, 0, 3, 2}, to = {4, 3, 7, 5};
    EXPECT_EQ(blit(a, &src, b, &to, 0, QUOR_BLIT_MIRROR_H), 1);
    EXPECT_EQ(PixelAt(b, 4, 3), 3);
    EXPECT_EQ(PixelAt(b, 6, 3), 1);
    EXPECT_EQ(PixelAt(b, 6, 4), 8);
    fill(b, &all, 0);
    EXPECT_EQ(blit(a, &src, b, &to, 0x7C1F, QUOR_BLIT_SKIP_KEY), 1);
    EXPECT_EQ(PixelAt(b, 4, 3), 1);
    EXPECT_EQ(PixelAt(b, 5, 3), 0) << "key pixel skipped";
    // Scaled two times, hanging over the bottom right corner: clipped, nothing outside.
    RECT big = {6, 4, 12, 8};
    EXPECT_EQ(blit(a, &src, b, &big, 0, QUOR_BLIT_SCALE), 1);
    EXPECT_EQ(PixelAt(b, 6, 4), 1);
    EXPECT_EQ(PixelAt(b, 8, 5), 0x7C1F);
    // Entirely outside: nothing happens.
    RECT away = {50, 50, 53, 52};
    EXPECT_EQ(blit(a, &src, b, &away, 0, 0), 1);

    EXPECT_EQ(destroy(a), 1);
    EXPECT_EQ(destroy(b), 1);
    EXPECT_EQ(make(0, 3), nullptr);
}

TEST(ServiceTable, HostBitmapsOfEitherRowOrderTakeBlits) {
    auto wrap = Service<QuorSurfaceFromDibService>(QuorServiceSurfaceFromDib);
    auto blit = Service<QuorBlitService>(QuorServiceBlit);
    auto destroy = Service<QuorDestroySurfaceService>(QuorServiceDestroySurface);
    HostBitmap topDown(5, 4, true), bottomUp(5, 4, false);
    ASSERT_TRUE(topDown.record.pixels && bottomUp.record.pixels);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) SetPixel(&topDown.record, x, y, uint16_t(10 * y + x));
    RECT r = {0, 0, 5, 4};
    ASSERT_EQ(blit(&topDown.record, &r, &bottomUp.record, &r, 0, 0), 1);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) ASSERT_EQ(PixelAt(&bottomUp.record, x, y), 10 * y + x) << x << "," << y;
    RECT top = {0, 0, 5, 1}, bottom = {0, 3, 5, 4};
    ASSERT_EQ(blit(&topDown.record, &top, &bottomUp.record, &bottom, 0, QUOR_BLIT_MIRROR_V), 1);
    EXPECT_EQ(PixelAt(&bottomUp.record, 2, 3), 2);

    QuorSurfaceRecord* engineView = wrap(&bottomUp.record);
    ASSERT_TRUE(engineView);
    EXPECT_EQ(engineView->pixels, bottomUp.record.pixels);
    EXPECT_EQ(destroy(&bottomUp.record), 0) << "the host's own record is not the engine's to destroy";
    EXPECT_EQ(destroy(engineView), 1);
    EXPECT_EQ(GetObjectType(bottomUp.record.bitmap), DWORD(OBJ_BITMAP)) << "the host's bitmap lives on";

    QuorSurfaceRecord bad = topDown.record;
    bad.right = 4;
    EXPECT_EQ(wrap(&bad), nullptr) << "rectangle narrower than the header";
    BITMAPINFO wrongSize = topDown.info;
    wrongSize.bmiHeader.biSize = 12;
    bad = topDown.record;
    bad.info = &wrongSize;
    EXPECT_EQ(wrap(&bad), nullptr);
    EXPECT_EQ(destroy(&bad), 0);
    EXPECT_EQ(wrap(nullptr), nullptr);
}

TEST(ServiceTable, FadesDarkenOrMoveTowardsTheTableColour) {
    auto make = Service<QuorNewSurfaceService>(QuorServiceNewSurface);
    auto fill = Service<QuorFillService>(QuorServiceFill);
    auto fade = Service<QuorFadeService>(QuorServiceFade);
    auto fadeCopy = Service<QuorFadeAndCopyService>(QuorServiceFadeAndCopy);
    auto destroy = Service<QuorDestroySurfaceService>(QuorServiceDestroySurface);
    QuorSurfaceRecord* s = make(4, 4);
    QuorSurfaceRecord* t = make(4, 4);
    RECT all = {0, 0, 4, 4}, left = {0, 0, 2, 4};
    fill(s, &all, 0xFFFFFF);
    EXPECT_EQ(fade(s, &left, 255, nullptr), 1);
    EXPECT_EQ(PixelAt(s, 1, 3), 0);
    EXPECT_EQ(PixelAt(s, 2, 3), 0x7FFF);
    const uint32_t towardsBlue[] = {1, 0xFF0000};
    EXPECT_EQ(fadeCopy(s, &all, t, &all, 255, towardsBlue), 1);
    EXPECT_EQ(PixelAt(t, 3, 0), 0x001F);
    destroy(s);
    destroy(t);
}

class Decoders : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(RegisterDecoder(kBmap, 1, "ZORUDOR.DLL"), 1);
        zorudor = LoadLibraryA("ZORUDOR.DLL");
    }
    static HMODULE zorudor;

    // An encoded record of a picture with flat stripes.
    static std::vector<uint8_t> Encoded(uint16_t w, uint16_t h, std::vector<uint8_t>& raw) {
        const uint32_t bytes = uint32_t(h) * quor::RowBytes(w, 2);
        std::vector<uint8_t> r(20 + bytes, 0);
        quor::ImageHeader hd = {kBmap, 10, 1, w, h, 0x7C1F, bytes};
        std::memcpy(r.data(), &hd, 20);
        for (uint16_t y = 0; y < h; ++y)
            for (uint16_t x = 0; x < w; ++x) {
                const uint16_t v = uint16_t((x / 4) * 0x421 + y);
                std::memcpy(&r[20 + y * quor::RowBytes(w, 2) + x * 2], &v, 2);
            }
        raw.assign(r.begin() + 20, r.end());
        auto encode = reinterpret_cast<uint32_t(__stdcall*)(void*)>(GetDecoratedProc(zorudor, "_encode@4"));
        const uint32_t size = encode(r.data());
        EXPECT_GT(size, 0u);
        hd.pixelBytes = size;
        std::memcpy(r.data(), &hd, 20);
        r.resize(20 + size);
        return r;
    }
};
HMODULE Decoders::zorudor = nullptr;

TEST_F(Decoders, RegistrationFollowsTheSlotRules) {
    EXPECT_EQ(RegisterDecoder(kBmap, 1, "ZORUDOR.DLL"), 1) << "same name again";
    EXPECT_EQ(RegisterDecoder(kBmap, 1, "zorudor.dll"), 0);
    EXPECT_EQ(GetLastQuorError(nullptr), ErrDecoderSlotTaken);
    EXPECT_EQ(RegisterDecoder(kBmap, 16, "ZORUDOR.DLL"), 0);
    EXPECT_EQ(GetLastQuorError(nullptr), ErrBadDecoderSlot);
    EXPECT_EQ(RegisterDecoder(kBmap, 9, "NO_SUCH_CODEC.DLL"), 0);
    EXPECT_EQ(GetLastQuorError(nullptr), ErrLoadLibraryFailed);
    EXPECT_EQ(RegisterDecoder(kBmap, 9, "BLIT16.DLL"), 0);
    EXPECT_EQ(GetLastQuorError(nullptr), ErrWrongPluginType);
    EXPECT_EQ(RegisterDecoder(0x58585858, 9, "ZORUDOR.DLL"), 0);
    EXPECT_EQ(GetLastQuorError(nullptr), ErrBadType);
    EXPECT_EQ(RegisterDecoder(kBmap, 2, "BMJPEG.DLL"), 1);
    EXPECT_EQ(RegisterDecoder(kBmap, 2, "BMJPEG.DLL"), 1) << "the same library again";
    EXPECT_EQ(RegisterDecoder(kBmap, 2, "bmjpeg.dll"), 0);
    EXPECT_EQ(GetLastQuorError(nullptr), ErrDecoderSlotTaken);
}

TEST_F(Decoders, DecodeServiceGivesBackThePixels) {
    auto decode = Service<QuorDecodeService>(QuorServiceDecode);
    std::vector<uint8_t> raw;
    std::vector<uint8_t> rec = Encoded(13, 9, raw);
    std::vector<uint8_t> out(raw.size(), 0xEE);
    ASSERT_NE(decode(out.data(), uint32_t(out.size()), rec.data()), 0);
    EXPECT_EQ(out, raw);

    // Too little room: refused before the decoder writes anything.
    std::vector<uint8_t> small(raw.size() - 1, 0xEE);
    EXPECT_EQ(decode(small.data(), uint32_t(small.size()), rec.data()), 0);
    EXPECT_EQ(small, std::vector<uint8_t>(raw.size() - 1, 0xEE));
}

TEST_F(Decoders, SlotZeroAndSlotsSixteenAndAboveAreNeverDecoded) {
    auto decode = Service<QuorDecodeService>(QuorServiceDecode);
    std::vector<uint8_t> raw;
    std::vector<uint8_t> rec = Encoded(8, 4, raw);
    std::vector<uint8_t> out(raw.size(), 0xEE);
    for (uint16_t slot : {0, 17, 0x101}) {
        uint16_t s = slot;
        std::memcpy(&rec[6], &s, 2);
        EXPECT_EQ(decode(out.data(), uint32_t(out.size()), rec.data()), 0) << "slot " << slot;
        EXPECT_EQ(out, std::vector<uint8_t>(raw.size(), 0xEE));
    }
    uint16_t empty = 7;
    std::memcpy(&rec[6], &empty, 2);
    EXPECT_EQ(decode(out.data(), uint32_t(out.size()), rec.data()), 0);
    EXPECT_EQ(decode(out.data(), uint32_t(out.size()), nullptr), 0);
}

}  // namespace
