// The entries of BLIT16.DLL that are not pixel loops: translate tables, picture
// allocation, key colour choice, palettes, and that every entry the engine looks up exists.
#include "DecoratedExport.h"
#include "Quor2_5.h"
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

HMODULE Blit16() {
    static HMODULE m = LoadLibraryA("BLIT16.DLL");
    return m;
}

template <class Fn>
Fn Entry(const char* name) {
    return reinterpret_cast<Fn>(GetDecoratedProc(Blit16(), name));
}

TEST(BlitEntries, EveryEntryTheEngineLooksUpIsExported) {
    const char* names[] = {"_FillBits@4", "_RenderShadow@4", "_CopyBits_NoXlate@4", "_CopyBits_Xlate@4",
                           "_ScaleBits_NoXlate@4", "_ScaleBits_Xlate@4", "_OverlayBits_NoXlate@8",
                           "_OverlayBits_Xlate@8", "_ScaleAndOverlayBits_NoXlate@8",
                           "_ScaleAndOverlayBits_Xlate@8", "_GetXlateElementSize@0", "_GetMaxXlateElements@0",
                           "_SetXlateEntries@16", "_CreateSurfaceDIB@12", "_CreateSurfaceQUORBITMAP@8",
                           "_SelectTransparentColorForText@4", "_SelectTransparentColorForOwnerDraw@4",
                           "_RegisterPalette@12", "_HandleMsgPALETTECHANGED@4", "_HandleMsgQUERYNEWPALETTE@4",
                           "_FadeRectangle@12", "_FadeAndCopyRectangle@12", "_TranslateOneColor@4",
                           "_ScaleAlphaChannel@4"};
    ASSERT_TRUE(Blit16());
    for (const char* n : names) EXPECT_TRUE(GetDecoratedProc(Blit16(), n)) << n;
}

TEST(BlitEntries, TranslateEntriesComeFromColourEntries) {
    const int size = Entry<int(__stdcall*)()>("_GetXlateElementSize@0")();
    const int max = Entry<int(__stdcall*)()>("_GetMaxXlateElements@0")();
    ASSERT_EQ(size, 2);
    ASSERT_EQ(max, 32768);
    auto set = Entry<int(__stdcall*)(void*, int32_t, int32_t, const void*)>("_SetXlateEntries@16");
    std::vector<uint16_t> entries(40, 0x1234);
    const uint8_t colours[] = {255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0};  // red, green, blue, flags
    EXPECT_EQ(set(entries.data(), 5, 8, colours), 1);
    EXPECT_EQ(entries[4], 0x1234);
    EXPECT_EQ(entries[5], 0x7C00);
    EXPECT_EQ(entries[6], 0x03E0);
    EXPECT_EQ(entries[7], 0x001F);
    EXPECT_EQ(entries[8], 0x1234);
    EXPECT_EQ(set(entries.data(), 5, 5, colours), 0) << "empty range";
    EXPECT_EQ(set(entries.data(), -1, 2, colours), 0);
    EXPECT_EQ(set(entries.data(), 0, max + 1, colours), 0);
}

TEST(BlitEntries, PicturesComeFromTheProcessHeapInTheScreenFormat) {
    auto create = Entry<uint8_t*(__stdcall*)(int32_t, int32_t)>("_CreateSurfaceQUORBITMAP@8");
    uint8_t* p = create(3, 5);
    ASSERT_TRUE(p);
    uint32_t type, key, bytes;
    uint16_t kind, slot, w, h;
    std::memcpy(&type, p, 4);
    std::memcpy(&kind, p + 4, 2);
    std::memcpy(&slot, p + 6, 2);
    std::memcpy(&w, p + 8, 2);
    std::memcpy(&h, p + 10, 2);
    std::memcpy(&key, p + 12, 4);
    std::memcpy(&bytes, p + 16, 4);
    EXPECT_EQ(type, 0x50414D42u);
    EXPECT_EQ(kind, 18) << "15-bit screen format code";
    EXPECT_EQ(slot, 0);
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 5);
    EXPECT_EQ(bytes, 5u * 8u) << "rows of 6 bytes padded to 8";
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, p), SIZE_T(20 + 40));
    EXPECT_TRUE(HeapFree(GetProcessHeap(), 0, p));
    EXPECT_EQ(create(0, 5), nullptr);
    EXPECT_EQ(create(70000, 1), nullptr);
}

TEST(BlitEntries, TextKeyAvoidsEveryColourOfTheText) {
    auto select = Entry<int(__stdcall*)(const uint32_t*)>("_SelectTransparentColorForText@4");
    // The colours follow the font and the text's address.
    QuorTextProperties text = {};
    text.textColour = 0x00FF00FF;  // text in magenta
    text.backgroundColour = 0x0000FF00;
    text.effectColour1 = 0x00FF0000;
    const int key = select(reinterpret_cast<const uint32_t*>(&text));
    auto translate = Entry<int(__stdcall*)(uint32_t)>("_TranslateOneColor@4");
    for (COLORREF c : {text.textColour, text.backgroundColour, text.effectColour1, text.effectColour2})
        EXPECT_NE(key, translate(c)) << c;
    uint32_t block[16] = {};
    block[5] = 0x00FF00FF;
    EXPECT_EQ(Entry<int(__stdcall*)(const uint32_t*)>("_SelectTransparentColorForOwnerDraw@4")(block), 0x7C1F);
}

TEST(BlitEntries, RegisteredPaletteFillsTheBufferAndMakesAGdiPalette) {
#pragma pack(push, 4)
    struct {
        uint8_t buffer[1028];
        HPALETTE palette;
    } object = {};
#pragma pack(pop)
    const uint8_t colours[] = {10, 20, 30, 0, 40, 50, 60, PC_NOCOLLAPSE};
    auto reg = Entry<int(__stdcall*)(void*, const void*, int32_t)>("_RegisterPalette@12");
    ASSERT_NE(reg(&object, colours, 2), 0);
    const LOGPALETTE* lp = reinterpret_cast<const LOGPALETTE*>(object.buffer);
    EXPECT_EQ(lp->palVersion, 0x300);
    EXPECT_EQ(lp->palNumEntries, 2);
    EXPECT_EQ(lp->palPalEntry[1].peGreen, 50);
    ASSERT_TRUE(object.palette);
    PALETTEENTRY back[2] = {};
    EXPECT_EQ(GetPaletteEntries(object.palette, 0, 2, back), 2u);
    EXPECT_EQ(back[0].peBlue, 30);
    EXPECT_EQ(reg(&object, colours, 0), 0);
    EXPECT_EQ(reg(&object, colours, 257), 0);
    DeleteObject(object.palette);
}

}  // namespace
