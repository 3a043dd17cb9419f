#include "ScreenDepth.h"

#include <cstdint>
#include <vector>

namespace {
int BitsSet(uint32_t v) {
    int n = 0;
    for (; v; v &= v - 1) ++n;
    return n;
}
}  // namespace

int GetScreenDepth() {
    HDC screen = GetDC(nullptr);
    HBITMAP probe = CreateCompatibleBitmap(screen, 1, 1);
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[256];
    } info = {};
    info.header.biSize = sizeof info.header;
    // The first call fills the header, the second the colour masks.
    const bool read = probe && GetDIBits(screen, probe, 0, 1, nullptr, reinterpret_cast<BITMAPINFO*>(&info),
                                         DIB_RGB_COLORS) &&
                      GetDIBits(screen, probe, 0, 1, nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    if (probe) DeleteObject(probe);
    ReleaseDC(nullptr, screen);
    if (!read) return 0;
    if (info.header.biCompression == BI_RGB) return info.header.biBitCount == 16 ? 15 : info.header.biBitCount;
    if (info.header.biCompression == BI_BITFIELDS) {
        if (info.header.biBitCount == 32) return 32;
        return BitsSet(info.masks[0] | info.masks[1] | info.masks[2]);
    }
    return 0;
}

HPALETTE CreateBitmapPalette(const Bitmap& bitmap) {
    const int kEntries = 256;
    std::vector<uint8_t> block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * (kEntries - 1), 0);
    LOGPALETTE* palette = reinterpret_cast<LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = kEntries;
    if (bitmap.IsValid() && bitmap.Depth() == 8) {
        for (int i = 0; i < kEntries; ++i) {
            const RGBQUAD& c = bitmap.Colours()[i];
            const bool fixed = i < 10 || i >= 246;
            palette->palPalEntry[i] = PALETTEENTRY{c.rgbRed, c.rgbGreen, c.rgbBlue, BYTE(fixed ? 0 : PC_NOCOLLAPSE)};
        }
    }
    return CreatePalette(palette);
}
