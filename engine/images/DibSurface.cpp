#include "DibSurface.h"

#include <cstring>

#include "DitherTable.h"
#include "LibraryContext.h"

namespace {
// The 8-bit dither table is built when the library loads, not at the first 8-bit paint.
const bool g_ditherBuilt = (quor::DitherTable::Get(), true);
}  // namespace

bool SurfaceRecordLooksValid(const SurfaceRecord* record) {
    if (!record || IsBadReadPtr(record, sizeof(SurfaceRecord))) return false;
    const BITMAPINFO* info = record->info;
    if (!info || IsBadReadPtr(info, sizeof(BITMAPINFOHEADER))) return false;
    if (info->bmiHeader.biSize != sizeof(BITMAPINFOHEADER)) return false;
    return record->right - record->left == info->bmiHeader.biWidth;
}

void DefaultColourTable(RGBQUAD out[256]) {
    PALETTEENTRY system[20] = {};
    HPALETTE stock = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    const UINT got = stock ? GetPaletteEntries(stock, 0, 20, system) : 0;
    for (int i = 0; i < 256; ++i) {
        RGBQUAD& q = out[i];
        q = RGBQUAD{};
        if (i < 10 || i >= 246) {
            const int s = i < 10 ? i : i - 236;
            if (got == 20) {
                q.rgbRed = system[s].peRed;
                q.rgbGreen = system[s].peGreen;
                q.rgbBlue = system[s].peBlue;
            }
        } else {
            const uint32_t c = quor::BuiltInPaletteColour(i - quor::kCubeBase);
            q.rgbRed = BYTE(c >> 16);
            q.rgbGreen = BYTE(c >> 8);
            q.rgbBlue = BYTE(c);
        }
    }
}

void MakeLogPalette(const RGBQUAD* colours, LOGPALETTE* out) {
    out->palVersion = 0x300;
    out->palNumEntries = 256;
    for (int i = 0; i < 256; ++i) {
        PALETTEENTRY& e = out->palPalEntry[i];
        e.peRed = colours[i].rgbRed;
        e.peGreen = colours[i].rgbGreen;
        e.peBlue = colours[i].rgbBlue;
        e.peFlags = (i < 10 || i >= 246) ? 0 : PC_NOCOLLAPSE;
    }
}

DibSurface::~DibSurface() { Release(); }

void DibSurface::Release() {
    if (ownsBitmap_ && record_.bitmap) DeleteObject(record_.bitmap);
    if (ownsInfo_ && record_.info) HeapFree(GetProcessHeap(), 0, record_.info);
    record_ = SurfaceRecord{};
    ownsBitmap_ = ownsInfo_ = false;
}

bool DibSurface::Create(int32_t width, int32_t height, uint32_t bits, bool topDown, const RGBQUAD* colours) {
    Release();
    if (width <= 0 || height <= 0) return false;
    if (bits != 8 && bits != 15 && bits != 16 && bits != 24 && bits != 32) return false;
    const size_t infoBytes = sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD);
    BITMAPINFO* info = static_cast<BITMAPINFO*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, infoBytes));
    if (!info) {
        Errors().Set(ErrOutOfMemory);
        SetLastError(DWORD(ErrOutOfMemory));
        return false;
    }
    ownsInfo_ = true;
    const uint32_t bitCount = bits == 15 ? 16 : bits;
    BITMAPINFOHEADER& h = info->bmiHeader;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = width;
    h.biHeight = topDown ? -height : height;
    h.biPlanes = 1;
    h.biBitCount = WORD(bitCount);
    h.biCompression = bits == 16 ? BI_BITFIELDS : BI_RGB;
    h.biXPelsPerMeter = 2592;
    h.biYPelsPerMeter = 2592;
    h.biSizeImage = DWORD(height) * ((bitCount * DWORD(width) + 31) / 32) * 4;
    if (bits <= 8) {
        h.biClrUsed = 1u << bits;
        if (colours)
            std::memcpy(info->bmiColors, colours, 256 * sizeof(RGBQUAD));
        else
            DefaultColourTable(info->bmiColors);
    } else if (bits == 16) {
        h.biClrUsed = 3;
        DWORD* masks = reinterpret_cast<DWORD*>(info->bmiColors);
        masks[0] = 0xF800;
        masks[1] = 0x07E0;
        masks[2] = 0x001F;
    }
    record_.info = info;
    record_.rowBytes = (bitCount * uint32_t(width) + 31) / 32 * 4;
    record_.right = width;
    record_.bottom = height;
    record_.format = 0;  // surfaces made by the engine leave the code (and the flags) 0
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!bitmap) return false;
    record_.bitmap = bitmap;
    record_.pixels = pixels;
    ownsBitmap_ = true;
    return true;
}

bool DibSurface::CreatePaletteDibSection(int32_t width, int32_t height) {
    RGBQUAD greys[256];
    for (int i = 0; i < 256; ++i) {
        const BYTE v = BYTE(255 - i);
        greys[i] = RGBQUAD{v, v, v, 0};
    }
    return Create(width, height, 8, true, greys);
}

void DibSurface::WrapRecord(const SurfaceRecord& other) {
    Release();
    record_ = other;
}
