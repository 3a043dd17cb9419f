// Bitmap: BMP round trips at every depth and both row orders, what Save writes, resizing
// and flipping against references, filling white and drawing one bitmap scaled into
// another, the bitmaps over memory of someone else and the clipboard.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "Bitmap.h"
#include "BmpBytes.h"
#include "BmpFile.h"
#include "FileReplacement.h"

namespace {

// Fills every stored pixel byte with a pattern of its position.
void Fill(Bitmap& b) {
    const PixelView v = b.View();
    const int bytes = StoredBits(v.depth) / 8;
    for (int32_t y = 0; y < v.height; ++y)
        for (int32_t x = 0; x < v.width * bytes; ++x) v.Row(y)[x] = uint8_t(x * 7 + y * 31 + 1);
    // 5-5-5 pixels have no bit 15.
    if (v.depth == 15)
        for (int32_t y = 0; y < v.height; ++y)
            for (int32_t x = 0; x < v.width; ++x) v.Row(y)[2 * x + 1] &= 0x7F;
}

bool SamePixels(const Bitmap& a, const Bitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height() || a.Depth() != b.Depth()) return false;
    const size_t bytes = size_t(a.Width()) * size_t(StoredBits(a.Depth()) / 8);
    for (int32_t y = 0; y < a.Height(); ++y)
        if (std::memcmp(a.View().Row(y), b.View().Row(y), bytes) != 0) return false;
    return true;
}

// The colour GDI shows for a pixel.
COLORREF Shown(const Bitmap& b, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, b.Handle());
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return colour;
}

void SetBgr(const Bitmap& b, int x, int y, uint8_t blue, uint8_t green, uint8_t red) {
    uint8_t* pixel = b.View().Row(y) + 3 * x;
    pixel[0] = blue, pixel[1] = green, pixel[2] = red;
}

BOOL WINAPI FailingWrite(HANDLE, LPCVOID, DWORD, LPDWORD written, LPOVERLAPPED) {
    *written = 0;
    return FALSE;
}

}  // namespace

TEST(Bitmap, RoundTripsThroughBmpFilesAtEveryDepthAndOddWidths) {
    RGBQUAD grey[256];
    for (int i = 0; i < 256; ++i) grey[i] = RGBQUAD{BYTE(i), BYTE(255 - i), BYTE(i / 2), 0};
    for (int depth : {8, 15, 16, 24}) {
        for (int32_t width : {1, 5, 7}) {
            for (bool topDown : {false, true}) {
                SCOPED_TRACE(testing::Message() << depth << " bits, width " << width << ", top-down " << topDown);
                Bitmap made(width, 3, depth, topDown, depth == 8 ? grey : nullptr);
                ASSERT_TRUE(made.IsValid());
                Fill(made);
                const std::string path = TempFilePath("roundtrip") + ".bmp";
                ASSERT_TRUE(made.Save(path));
                Bitmap loaded;
                ASSERT_TRUE(loaded.LoadImageFile(path));
                EXPECT_TRUE(SamePixels(made, loaded));
                EXPECT_EQ(topDown, loaded.IsTopDown());
                if (depth == 8) {
                    EXPECT_EQ(0, std::memcmp(grey, loaded.Colours(), sizeof grey));
                }
                std::remove(path.c_str());
            }
        }
    }
}

TEST(Bitmap, SaveWritesTheColourTableOrTheMasksItsHeaderAnnounces) {
    struct Case {
        int depth;
        uint32_t bitsOffset;
        PixelKind kind;
    } cases[] = {{8, 14 + 40 + 1024, PixelKind::Indexed8},
                 {15, 14 + 40, PixelKind::Rgb555},
                 {16, 14 + 40 + 12, PixelKind::Rgb565},
                 {24, 14 + 40, PixelKind::Bgr24}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.depth);
        Bitmap b(3, 2, c.depth, true);
        const std::string path = TempFilePath("save") + ".bmp";
        ASSERT_TRUE(b.Save(path));
        const std::vector<uint8_t> bytes = ReadTempFile(path);
        BmpFileHeader f;
        std::memcpy(&f, bytes.data(), sizeof f);
        EXPECT_EQ(c.bitsOffset, f.bitsOffset);
        EXPECT_EQ(bytes.size(), f.size);
        if (c.depth == 16) {
            uint32_t masks[3];
            std::memcpy(masks, &bytes[54], sizeof masks);
            EXPECT_EQ(0, std::memcmp(masks, kMask565, sizeof masks));
        }
        BmpFile file(path);
        ASSERT_TRUE(file.IsValid()) << file.Error();
        EXPECT_EQ(c.kind, file.Info().kind);
        std::remove(path.c_str());
    }
}

TEST(Bitmap, AFailedWriteLeavesTheOldFileAndNoPartOfTheNewOne) {
    const std::string path = TempFilePath("keep") + ".bmp";
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(old.data(), 1, old.size(), f);
        std::fclose(f);
    }
    const uint8_t data[40000] = {};
    EXPECT_EQ(ReplaceResult::WriteFailed, WriteFileReplacing(path, {{data, sizeof data}}, &FailingWrite));
    EXPECT_EQ(old, ReadTempFile(path));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((path + ".~new").c_str()));

    EXPECT_EQ(ReplaceResult::Written, WriteFileReplacing(path, {{data, 5}, {data, 40000}}));
    EXPECT_EQ(40005u, ReadTempFile(path).size());
    std::remove(path.c_str());

    Bitmap b(2, 2, 24, false);
    EXPECT_FALSE(b.Save(TempFilePath("no_such_folder") + "\\x.bmp"));
    EXPECT_FALSE(Bitmap().Save(path));
}

TEST(Bitmap, ResizeResamplesTheAxisThatShrinksMoreFirstAgainstAReference) {
    Bitmap b(4, 1, 24, true);
    const uint8_t row[12] = {0, 0, 0, 80, 80, 80, 160, 160, 160, 240, 240, 240};
    std::memcpy(b.Pixels(), row, sizeof row);
    ASSERT_TRUE(b.Resize(2, 1));
    EXPECT_EQ(2, b.Width());
    EXPECT_EQ(40, b.Pixels()[0]);
    EXPECT_EQ(200, b.Pixels()[5]);
    ASSERT_TRUE(b.Resize(2, 2));
    EXPECT_EQ(40, b.View().Row(1)[0]);

    // Same size: nothing changes, not even the pixels' place.
    uint8_t* before = b.Pixels();
    EXPECT_TRUE(b.Resize(2, 2));
    EXPECT_EQ(before, b.Pixels());
    EXPECT_FALSE(b.Resize(0, 2));
    EXPECT_FALSE(Bitmap().Resize(2, 2));

    // 15-bit pictures come back at 15 bits.
    Bitmap fifteen(8, 8, 15, false);
    ASSERT_TRUE(fifteen.Resize(3, 5));
    EXPECT_EQ(15, fifteen.Depth());
    EXPECT_EQ(3, fifteen.Width());
    EXPECT_EQ(5, fifteen.Height());
    EXPECT_FALSE(fifteen.IsTopDown());
}

TEST(Bitmap, FlipAndCopiesBetweenBitmaps) {
    Bitmap b(1, 3, 8, false);
    for (int32_t y = 0; y < 3; ++y) b.View().Row(y)[0] = uint8_t(y);
    ASSERT_TRUE(b.FlipVertical());
    EXPECT_EQ(2, b.View().Row(0)[0]);
    EXPECT_EQ(0, b.View().Row(2)[0]);

    Bitmap copy(b);
    EXPECT_TRUE(SamePixels(b, copy));
    EXPECT_NE(b.Pixels(), copy.Pixels());

    Bitmap target(2, 2, 8, true);
    EXPECT_TRUE(b.BlitClipped(target, POINT{1, -1}, RECT{0, 0, 1, 3}));
    EXPECT_EQ(1, target.View().Row(0)[1]);
    EXPECT_EQ(0, target.View().Row(1)[1]);
    Bitmap deeper(2, 2, 24, true);
    EXPECT_FALSE(b.BlitClipped(deeper, POINT{0, 0}, RECT{0, 0, 1, 1}));
    EXPECT_FALSE(Bitmap().FlipVertical());
}

TEST(Bitmap, DepthChangesNeedATableOnlyForEightBits) {
    Bitmap b(3, 2, 24, true);
    std::memset(b.Pixels(), 0xFF, b.RowBytes() * 2);
    EXPECT_FALSE(b.StretchInto(8));
    EXPECT_TRUE(b.StretchInto(24));
    ASSERT_TRUE(b.StretchInto(16));
    EXPECT_EQ(16, b.Depth());
    EXPECT_EQ(0xFFFF, *reinterpret_cast<uint16_t*>(b.Pixels()));
    EXPECT_EQ(3u, b.Surface().format);
    RGBQUAD table[256] = {};
    table[9] = RGBQUAD{255, 255, 255, 0};
    ASSERT_TRUE(b.StretchInto(8, table));
    EXPECT_EQ(9, b.Pixels()[0]);
    EXPECT_EQ(0u, b.Surface().format);
}

TEST(Bitmap, FillWhiteWhitensEveryPixelAtEachDepth) {
    RGBQUAD table[256] = {};
    table[40] = RGBQUAD{250, 250, 250, 0};
    table[77] = RGBQUAD{255, 255, 255, 0};
    for (int depth : {8, 15, 16, 24}) {
        SCOPED_TRACE(testing::Message() << depth << " bits");
        Bitmap b(5, 3, depth, false, depth == 8 ? table : nullptr);
        Fill(b);
        ASSERT_TRUE(b.FillWhite());
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) EXPECT_EQ(RGB(255, 255, 255), Shown(b, x, y)) << x << ", " << y;
        if (depth == 8) {
            EXPECT_EQ(77, b.View().Row(2)[4]);
        }
        if (depth == 15) {
            EXPECT_EQ(0x7FFF, reinterpret_cast<uint16_t*>(b.View().Row(1))[3]);  // no bit 15
        }
    }
    // Without white in the table, the entry nearest to it.
    table[77] = RGBQUAD{0, 0, 0, 0};
    Bitmap greyest(2, 2, 8, true, table);
    ASSERT_TRUE(greyest.FillWhite());
    EXPECT_EQ(40, greyest.View().Row(1)[1]);
    EXPECT_FALSE(Bitmap().FillWhite());
}

TEST(Bitmap, ConvertDrawsThePlacementsPartOfTheSourceScaledIntoItsRectangle) {
    // Bottom-up source, top row red red blue blue green green, bottom row green: the
    // placement takes the top-left 4 x 1, so no green may arrive.
    Bitmap source(6, 2, 24, false);
    for (int x = 0; x < 6; ++x) {
        SetBgr(source, x, 0, x / 2 == 1 ? 255 : 0, x >= 4 ? 255 : 0, x < 2 ? 255 : 0);
        SetBgr(source, x, 1, 0, 255, 0);
    }
    const BitmapPlacement place{2, 3, 18, 9, 4, 1};
    Bitmap target(20, 12, 15, true);
    ASSERT_TRUE(target.FillWhite());
    ASSERT_TRUE(target.Convert(place, source));
    EXPECT_EQ(15, target.Depth());
    const uint16_t* row = reinterpret_cast<const uint16_t*>(target.View().Row(5));
    EXPECT_EQ(0x7C00, row[3]);   // red, from the left half
    EXPECT_EQ(0x001F, row[16]);  // blue, from the right half
    for (int y = place.top; y < place.bottom; ++y)
        for (int x = place.left; x < place.right; ++x) EXPECT_EQ(0, GetGValue(Shown(target, x, y))) << x << ", " << y;
    for (POINT outside : {POINT{1, 5}, POINT{18, 5}, POINT{10, 2}, POINT{10, 9}})
        EXPECT_EQ(RGB(255, 255, 255), Shown(target, outside.x, outside.y)) << outside.x << ", " << outside.y;

    // An 8-bit target takes the nearest colours of its table; a placement that leaves the
    // target is clipped.
    RGBQUAD table[256] = {};
    table[1] = RGBQUAD{255, 255, 255, 0};
    table[5] = RGBQUAD{0, 0, 255, 0};
    table[6] = RGBQUAD{255, 0, 0, 0};
    Bitmap eight(20, 12, 8, false, table);
    ASSERT_TRUE(eight.FillWhite());
    ASSERT_TRUE(eight.Convert(place, source));
    EXPECT_EQ(5, eight.View().Row(5)[3]);
    EXPECT_EQ(6, eight.View().Row(5)[16]);
    EXPECT_EQ(1, eight.View().Row(5)[18]);
    ASSERT_TRUE(eight.Convert(BitmapPlacement{15, 8, 31, 14, 4, 1}, source));
    EXPECT_EQ(5, eight.View().Row(11)[16]);

    // Nothing to draw from or into, or no area: false, the target untouched.
    EXPECT_FALSE(target.Convert(place, Bitmap()));
    EXPECT_FALSE(Bitmap().Convert(place, source));
    EXPECT_FALSE(target.Convert(BitmapPlacement{5, 5, 5, 9, 4, 1}, source));
    EXPECT_FALSE(target.Convert(BitmapPlacement{2, 3, 18, 9, 0, 1}, source));
    EXPECT_EQ(RGB(255, 255, 255), Shown(target, 1, 5));
}

TEST(Bitmap, BitmapsOverForeignMemoryLeaveItAlone) {
    Bitmap owner(4, 4, 15, true);
    ASSERT_TRUE(owner.IsValid());
    const QuorSurfaceRecord record = owner.Surface();
    EXPECT_EQ(2u, record.format);
    EXPECT_EQ(0x8000u, record.flags);
    {
        Bitmap over(record);
        ASSERT_TRUE(over.IsValid());
        EXPECT_FALSE(over.OwnsHandle());
        EXPECT_EQ(owner.Pixels(), over.Pixels());
        EXPECT_TRUE(over.IsTopDown());
        EXPECT_EQ(4, over.Width());
    }
    DIBSECTION ds;
    EXPECT_EQ(int(sizeof ds), GetObjectA(owner.Handle(), sizeof ds, &ds));

    QuorSurfaceRecord bad = record;
    bad.format = 5;
    EXPECT_FALSE(Bitmap(bad).IsValid());

    uint8_t memory[2 * 4];
    Bitmap wrapped(memory, 2, 2, 8, true, nullptr, nullptr);
    ASSERT_TRUE(wrapped.IsValid());
    wrapped.View().Row(1)[1] = 42;
    EXPECT_EQ(42, memory[5]);

    // A DIB section of 16 bits, BI_RGB, top row first, taken over as a 15-bit bitmap.
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 3, -2, 1, 16, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(nullptr, section);
    Bitmap taken;
    ASSERT_TRUE(taken.FromHandle(section));
    EXPECT_EQ(15, taken.Depth());
    EXPECT_TRUE(taken.IsTopDown());
    EXPECT_EQ(bits, taken.Pixels());
    Bitmap other(1, 1, 24, false);
    taken.Swap(other);
    EXPECT_EQ(24, taken.Depth());
    EXPECT_EQ(taken.Pixels(), taken.Surface().pixels);
    EXPECT_EQ(section, other.Surface().bitmap);
    EXPECT_EQ(reinterpret_cast<const BITMAPINFO*>(other.Info()), other.Surface().info);
}

TEST(Bitmap, PastesSixteenBitClipboardDibsWithoutMasksAsFifteenBits) {
    BmpInfoHeader h{};
    h.size = 40;
    h.width = 3;
    h.height = 2;  // bottom row stored first
    h.planes = 1;
    h.bitCount = 16;
    h.compression = kBmpRgb;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof h + 16);
    ASSERT_NE(nullptr, memory);
    uint8_t* dib = static_cast<uint8_t*>(GlobalLock(memory));
    std::memcpy(dib, &h, sizeof h);
    for (int i = 0; i < 16; ++i) dib[sizeof h + i] = uint8_t(i < 8 ? 0x11 : 0x22);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_NE(nullptr, SetClipboardData(CF_DIB, memory));
    CloseClipboard();

    Bitmap pasted;
    ASSERT_TRUE(pasted.PasteClipboard(nullptr));
    EXPECT_EQ(15, pasted.Depth());
    EXPECT_FALSE(pasted.IsTopDown());
    EXPECT_EQ(3, pasted.Width());
    EXPECT_EQ(0x22, pasted.View().Row(0)[0]);
    EXPECT_EQ(0x11, pasted.View().Row(1)[5]);
    EXPECT_EQ(BI_RGB, pasted.Info()->bmiHeader.biCompression);
}

TEST(Bitmap, CanPasteOnlyWhenTheClipboardHoldsABitmap) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 6);
    ASSERT_NE(nullptr, text);
    std::memcpy(GlobalLock(text), "words", 6);
    GlobalUnlock(text);
    SetClipboardData(CF_TEXT, text);
    CloseClipboard();
    EXPECT_FALSE(Bitmap::CanPaste());

    // A device-dependent bitmap alone: the clipboard offers it as a DIB, which is pasted.
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, 4, 3);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(nullptr, picture);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_NE(nullptr, SetClipboardData(CF_BITMAP, picture));
    CloseClipboard();
    EXPECT_TRUE(Bitmap::CanPaste());
    Bitmap pasted;
    ASSERT_TRUE(pasted.PasteClipboard(nullptr));
    EXPECT_EQ(4, pasted.Width());
    EXPECT_EQ(3, pasted.Height());
}
