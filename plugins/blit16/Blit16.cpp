// BLIT16.DLL: the engine's pixel plug-in for 16-bit 5-5-5 surfaces.
//
// Entries take the engine's 64-byte blit request (addresses as 32-bit words) and hand the
// pixel work to the loops in BlitKernels. Choices this plug-in makes for its callers:
// - A translate entry is one 5-5-5 pixel (2 bytes); a table holds up to 32768 entries and
//   entry v replaces source pixel v, so a picture drawn through a shorter table may only use
//   pixel values below that table's count.
// - Colour entries (translate tables and palettes) are 4 bytes each: red, green, blue, flags.
// - A fade table is a count followed by COLORREF entries; its first entry is the colour the
//   fade goes towards. Without a table, fades go towards black.
// - The palette object given to _RegisterPalette@12 is the 1028-byte LOGPALETTE buffer
//   followed by the GDI palette handle.
// - Pictures this plug-in allocates (_CreateSurfaceQUORBITMAP@8) come from the process
//   heap, so the engine frees them with HeapFree(GetProcessHeap(), ...).
#include <windows.h>

#include <cstdint>
#include <cstring>

#include "BlitKernels.h"
#include "BlitRequest.h"

using namespace blit16;

namespace {

struct ColourEntry {
    uint8_t red, green, blue, flags;
};

// The screen format code of 15-bit pictures (the kind word of pictures made here).
const uint16_t kScreenFormat15 = 18;

template <class T>
T* At(uintptr_t address) {
    return reinterpret_cast<T*>(uintptr_t(address));
}

BlitJob JobOf(const BlitRequest& r) {
    BlitJob job;
    job.src = At<const void>(r.srcPixels);
    job.srcRowPixels = int32_t(r.srcRowPixels);
    job.srcRows = r.srcRows < 0 ? -r.srcRows : r.srcRows;
    job.srcX = r.srcX;
    job.srcY = r.srcY;
    job.width = r.width;
    job.height = r.height;
    job.flip = r.flip;
    job.dst = At<uint16_t>(r.dstPixels);
    job.dstRowPixels = int32_t(r.dstRowPixels);
    job.dstX = r.dstX;
    job.dstY = r.dstY;
    job.dstWidth = r.dstWidth;
    job.dstHeight = r.dstHeight;
    return job;
}

uint16_t PixelOf(const ColourEntry& c) {
    return uint16_t((c.red >> 3) << 10 | (c.green >> 3) << 5 | (c.blue >> 3));
}

uint16_t FadeTarget(const BlitRequest& r, int32_t count) {
    const uint32_t* table = At<const uint32_t>(r.extra);
    return count > 0 && table ? PixelFromColorRef(table[0]) : 0;
}

// The palette registered last, kept for the palette messages.
HPALETTE g_palette = nullptr;

}  // namespace

#define BLIT_ENTRY extern "C" int __stdcall

BLIT_ENTRY FillBits(BlitRequest* r) {
    if (!r) return 0;
    Fill(JobOf(*r), uint16_t(r->extra));
    return 1;
}

BLIT_ENTRY RenderShadow(BlitRequest* r) {
    if (!r) return 0;
    Shadow(JobOf(*r));
    return 1;
}

BLIT_ENTRY CopyBits_NoXlate(BlitRequest* r) {
    if (!r) return 0;
    Copy(JobOf(*r), nullptr);
    return 1;
}

BLIT_ENTRY CopyBits_Xlate(BlitRequest* r) {
    if (!r) return 0;
    Copy(JobOf(*r), At<const uint16_t>(r->extra));
    return 1;
}

BLIT_ENTRY ScaleBits_NoXlate(BlitRequest* r) {
    if (!r) return 0;
    Scale(JobOf(*r), nullptr);
    return 1;
}

BLIT_ENTRY ScaleBits_Xlate(BlitRequest* r) {
    if (!r) return 0;
    Scale(JobOf(*r), At<const uint16_t>(r->extra));
    return 1;
}

BLIT_ENTRY OverlayBits_NoXlate(BlitRequest* r, uint32_t key) {
    if (!r) return 0;
    Overlay(JobOf(*r), uint16_t(key), nullptr);
    return 1;
}

BLIT_ENTRY OverlayBits_Xlate(BlitRequest* r, uint32_t key) {
    if (!r) return 0;
    Overlay(JobOf(*r), uint16_t(key), At<const uint16_t>(r->extra));
    return 1;
}

BLIT_ENTRY ScaleAndOverlayBits_NoXlate(BlitRequest* r, uint32_t key) {
    if (!r) return 0;
    ScaleOverlay(JobOf(*r), uint16_t(key), nullptr);
    return 1;
}

BLIT_ENTRY ScaleAndOverlayBits_Xlate(BlitRequest* r, uint32_t key) {
    if (!r) return 0;
    ScaleOverlay(JobOf(*r), uint16_t(key), At<const uint16_t>(r->extra));
    return 1;
}

BLIT_ENTRY GetXlateElementSize() { return int(sizeof(uint16_t)); }

BLIT_ENTRY GetMaxXlateElements() { return kMaxXlateEntries; }

BLIT_ENTRY SetXlateEntries(uint16_t* entries, int32_t first, int32_t end, const ColourEntry* colours) {
    if (!entries || !colours || first < 0 || end <= first || end > kMaxXlateEntries) return 0;
    for (int32_t i = first; i < end; ++i) entries[i] = PixelOf(colours[i - first]);
    return 1;
}

// Not used by the engine: a top-down 5-5-5 DIB section; its pixel address goes to
// *pixels when that is given.
extern "C" HBITMAP __stdcall CreateSurfaceDIB(int32_t width, int32_t height, void** pixels) {
    if (width <= 0 || height <= 0) return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 16;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (pixels) *pixels = bitmap ? bits : nullptr;
    return bitmap;
}

// A zeroed BMAP record of the screen format (20-byte header, then the pixels).
extern "C" void* __stdcall CreateSurfaceQUORBITMAP(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF) return nullptr;
    // Counted in 64 bits: the largest pictures have 2^32 bytes of pixels or more.
    const uint64_t bytes = uint64_t(PaddedRowBytes(uint32_t(width), 2)) * uint32_t(height);
    if (bytes > 0x7FFFFFFFu - 20) return nullptr;
    const uint32_t pixelBytes = uint32_t(bytes);
    uint8_t* record = static_cast<uint8_t*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, 20 + size_t(pixelBytes)));
    if (!record) return nullptr;
    const uint32_t type = 0x50414D42u;  // "BMAP"
    const uint16_t kind = kScreenFormat15, slot = 0, w = uint16_t(width), h = uint16_t(height);
    std::memcpy(record, &type, 4);
    std::memcpy(record + 4, &kind, 2);
    std::memcpy(record + 6, &slot, 2);
    std::memcpy(record + 8, &w, 2);
    std::memcpy(record + 10, &h, 2);
    std::memcpy(record + 16, &pixelBytes, 4);
    return record;
}

// A key colour that none of the text's colours takes: the text, background and both
// effect colours are avoided.
BLIT_ENTRY SelectTransparentColorForText(const uint32_t* properties) {
    static const uint16_t kCandidates[] = {0x7C1F, 0x03E0, 0x001F, 0x7C00, 0x03FF, 0x7FE0, 0x0001};
    for (uint16_t candidate : kCandidates) {
        bool used = false;
        if (properties) {
            // The four colours follow the font and the text's address.
            const int first = int(2 * sizeof(void*) / sizeof(uint32_t));
            for (int field = first; field < first + 4; ++field)
                if (PixelFromColorRef(properties[field]) == candidate) used = true;
        }
        if (!used) return candidate;
    }
    return 0x0421;
}

BLIT_ENTRY SelectTransparentColorForOwnerDraw(const uint32_t* block) {
    return block ? PixelFromColorRef(block[5]) : 0x7C1F;
}

BLIT_ENTRY RegisterPalette(uint8_t* paletteObject, const ColourEntry* colours, int32_t count) {
    if (!paletteObject || !colours || count <= 0 || count > 256) return 0;
    LOGPALETTE* buffer = reinterpret_cast<LOGPALETTE*>(paletteObject);
    HPALETTE* handle = reinterpret_cast<HPALETTE*>(paletteObject + 1028);
    buffer->palVersion = 0x300;
    buffer->palNumEntries = WORD(count);
    for (int32_t i = 0; i < count; ++i) {
        buffer->palPalEntry[i].peRed = colours[i].red;
        buffer->palPalEntry[i].peGreen = colours[i].green;
        buffer->palPalEntry[i].peBlue = colours[i].blue;
        buffer->palPalEntry[i].peFlags = colours[i].flags;
    }
    HPALETTE palette = CreatePalette(buffer);
    if (!palette) return 0;
    if (*handle) DeleteObject(*handle);
    *handle = palette;
    g_palette = palette;
    return 1;
}

// The engine handles palette messages itself; these realise the registered palette for a
// host that forwards the messages here.
BLIT_ENTRY HandleMsgPALETTECHANGED(HWND window) {
    if (!window || !g_palette) return 0;
    HDC dc = GetDC(window);
    HPALETTE old = SelectPalette(dc, g_palette, TRUE);
    int changed = int(RealizePalette(dc));
    SelectPalette(dc, old, TRUE);
    ReleaseDC(window, dc);
    return changed;
}

BLIT_ENTRY HandleMsgQUERYNEWPALETTE(HWND window) {
    if (!window || !g_palette) return 0;
    HDC dc = GetDC(window);
    HPALETTE old = SelectPalette(dc, g_palette, FALSE);
    int changed = int(RealizePalette(dc));
    SelectPalette(dc, old, FALSE);
    ReleaseDC(window, dc);
    if (changed) InvalidateRect(window, nullptr, FALSE);
    return changed;
}

BLIT_ENTRY FadeRectangle(BlitRequest* r, int32_t level, int32_t count) {
    if (!r) return 0;
    Fade(JobOf(*r), level, FadeTarget(*r, count));
    return 1;
}

BLIT_ENTRY FadeAndCopyRectangle(BlitRequest* r, int32_t level, int32_t count) {
    if (!r) return 0;
    FadeCopy(JobOf(*r), level, FadeTarget(*r, count));
    return 1;
}

BLIT_ENTRY TranslateOneColor(COLORREF colour) { return PixelFromColorRef(colour); }

BLIT_ENTRY ScaleAlphaChannel(ScaleRequest* r) {
    if (!r) return 0;
    AlphaScaleJob job;
    job.src = At<const uint8_t>(r->srcPixels);
    job.srcWidth = r->srcWidth;
    job.srcHeight = r->srcHeight;
    job.dst = At<uint8_t>(r->dstPixels);
    job.dstWidth = r->dstWidth;
    job.dstHeight = r->dstHeight;
    job.stepFraction = r->stepFraction;
    job.stepInteger = r->stepInteger;
    ScaleAlpha(job);
    return 1;
}
