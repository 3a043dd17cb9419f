#include "Bitmap.h"

#include <cstring>
#include <utility>
#include <vector>

#include "BmpHeaders.h"
#include "DitherTable.h"

namespace {

bool KnownDepth(int depth) { return depth == 8 || depth == 15 || depth == 16 || depth == 24; }

// The default 8-bit colour table: the system palette's twenty static colours at both ends,
// the engine's built-in colours in between.
void DefaultColours(RGBQUAD* out) {
    PALETTEENTRY system[20] = {};
    HPALETTE stock = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    if (!stock || GetPaletteEntries(stock, 0, 20, system) != 20) std::memset(system, 0, sizeof system);
    for (int i = 0; i < 256; ++i) {
        if (i < 10 || i >= 246) {
            const PALETTEENTRY& e = system[i < 10 ? i : i - 236];
            out[i] = RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
        } else {
            const uint32_t c = quor::BuiltInPaletteColour(i - quor::kCubeBase);
            out[i] = RGBQUAD{BYTE(c), BYTE(c >> 8), BYTE(c >> 16), 0};
        }
    }
}

// Whether the first stored row of a DIB section is its top row. Not every GDI keeps the
// sign of the height in the header it reports, so a pixel drawn at the top shows it.
bool FirstRowIsTop(HBITMAP bitmap, uint8_t* bits, uint32_t rowBytes, int32_t height) {
    if (height < 2) return true;
    std::vector<uint8_t> first(bits, bits + rowBytes);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF was = GetPixel(dc, 0, 0);
    SetPixelV(dc, 0, 0, was ^ 0xFFFFFF);
    GdiFlush();
    const bool top = std::memcmp(first.data(), bits, rowBytes) != 0;
    SetPixelV(dc, 0, 0, was);
    GdiFlush();
    if (top) std::memcpy(bits, first.data(), rowBytes);
    SelectObject(dc, old);
    DeleteDC(dc);
    return top;
}

}  // namespace

uint32_t FormatCodeForDepth(int depth) {
    switch (depth) {
    case 15: return 2;
    case 16: return 3;
    case 24: return 4;
    default: return 0;
    }
}

int DepthForFormatCode(uint32_t code) {
    switch (code & 7) {
    case 0: return 8;
    case 2: return 15;
    case 3: return 16;
    case 4: return 24;
    default: return 0;
    }
}

Bitmap::Bitmap() = default;

Bitmap::Bitmap(const Bitmap& other) { CopyFrom(other); }

Bitmap::Bitmap(int32_t width, int32_t height, int depth, bool topDown, const RGBQUAD* colours) {
    Create(width, height, depth, topDown, colours);
}

Bitmap::Bitmap(const QuorSurfaceRecord& record) { InitFromHeader(record); }

Bitmap::Bitmap(void* pixels, int32_t width, int32_t height, int depth, bool topDown, const RGBQUAD* colours,
               HBITMAP bitmap) {
    InitOverPixels(pixels, width, height, depth, topDown, colours, bitmap);
}

Bitmap::~Bitmap() { Free(); }

void Bitmap::FillHeader(int32_t width, int32_t height, int depth, bool topDown, const RGBQUAD* colours) {
    std::memset(&info_, 0, sizeof info_);
    BITMAPINFOHEADER& h = info_.header;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = width;
    h.biHeight = topDown ? -height : height;
    h.biPlanes = 1;
    h.biBitCount = WORD(StoredBits(depth));
    h.biCompression = depth == 16 ? BI_BITFIELDS : BI_RGB;
    h.biXPelsPerMeter = h.biYPelsPerMeter = 2592;
    h.biClrUsed = depth <= 8 ? 1u << depth : 0;
    if (depth == 16) std::memcpy(info_.colours, kMask565, sizeof kMask565);
    if (depth == 8) {
        if (colours) std::memcpy(info_.colours, colours, sizeof info_.colours);
        else DefaultColours(info_.colours);
    }
    width_ = width;
    height_ = height;
    depth_ = depth;
    topDown_ = topDown;
    rowBytes_ = uint32_t(DibRowBytes(h.biBitCount, uint32_t(width)));
    h.biSizeImage = rowBytes_ * uint32_t(height);
    rect_ = RECT{0, 0, width, height};
}

bool Bitmap::Adopt(void* pixels, HBITMAP bitmap, bool owns) {
    pixels_ = static_cast<uint8_t*>(pixels);
    bitmap_ = bitmap;
    owns_ = owns;
    valid_ = true;
    SyncSurface();
    return true;
}

void Bitmap::SyncSurface() {
    if (!valid_) {
        surface_ = QuorSurfaceRecord{};
        return;
    }
    surface_ = QuorSurfaceRecord{FormatCodeForDepth(depth_), bitmap_, reinterpret_cast<BITMAPINFO*>(&info_),
                                 pixels_, rowBytes_, 0, 0, width_, height_, 0x8000};
}

bool Bitmap::Create(int32_t width, int32_t height, int depth, bool topDown, const RGBQUAD* colours) {
    Free();
    if (width <= 0 || height <= 0 || !KnownDepth(depth)) return false;
    FillHeader(width, height, depth, topDown, colours);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, Info(), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) {
        if (bitmap) DeleteObject(bitmap);
        Free();
        return false;
    }
    return Adopt(bits, bitmap, true);
}

bool Bitmap::InitFromHeader(const QuorSurfaceRecord& record) {
    Free();
    const int depth = DepthForFormatCode(record.format);
    const int32_t width = record.right - record.left;
    const int32_t height = record.bottom > record.top ? record.bottom - record.top : record.top - record.bottom;
    if (!depth || width <= 0 || height <= 0 || !record.pixels) return false;
    const BITMAPINFO* info = record.info;
    const bool topDown = !info || info->bmiHeader.biHeight < 0;
    FillHeader(width, height, depth, topDown, depth == 8 && info ? info->bmiColors : nullptr);
    if (record.rowBytes) rowBytes_ = record.rowBytes;
    return Adopt(record.pixels, record.bitmap, false);
}

bool Bitmap::InitOverPixels(void* pixels, int32_t width, int32_t height, int depth, bool topDown,
                            const RGBQUAD* colours, HBITMAP bitmap) {
    Free();
    if (!pixels || width <= 0 || height <= 0 || !KnownDepth(depth)) return false;
    FillHeader(width, height, depth, topDown, colours);
    return Adopt(pixels, bitmap, false);
}

bool Bitmap::FromHandle(HBITMAP bitmap) {
    DIBSECTION ds{};
    if (!bitmap || GetObjectA(bitmap, sizeof ds, &ds) != int(sizeof ds) || !ds.dsBm.bmBits) return false;
    BmpInfoHeader header;
    std::memcpy(&header, &ds.dsBmih, sizeof header);
    const int depth = DepthFromHeader(header, ds.dsBitfields[0]);
    if (!KnownDepth(depth) || header.width <= 0 || header.height == 0) return false;
    RGBQUAD colours[256] = {};
    if (depth == 8) {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        GetDIBColorTable(dc, 0, 256, colours);
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    Free();
    const int32_t height = header.height < 0 ? -header.height : header.height;
    const bool topDown = header.height < 0 ||
                         FirstRowIsTop(bitmap, static_cast<uint8_t*>(ds.dsBm.bmBits),
                                       uint32_t(DibRowBytes(header.bitCount, uint32_t(header.width))), height);
    FillHeader(header.width, height, depth, topDown, colours);
    return Adopt(ds.dsBm.bmBits, bitmap, true);
}

void Bitmap::Free() {
    if (owns_ && bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
    pixels_ = nullptr;
    valid_ = false;
    width_ = height_ = 0;
    rowBytes_ = 0;
    rect_ = RECT{};
    owns_ = true;
    SyncSurface();
}

void Bitmap::Swap(Bitmap& other) {
    std::swap(bitmap_, other.bitmap_);
    std::swap(info_, other.info_);
    std::swap(pixels_, other.pixels_);
    std::swap(valid_, other.valid_);
    std::swap(width_, other.width_);
    std::swap(height_, other.height_);
    std::swap(rowBytes_, other.rowBytes_);
    std::swap(rect_, other.rect_);
    std::swap(topDown_, other.topDown_);
    std::swap(depth_, other.depth_);
    std::swap(owns_, other.owns_);
    SyncSurface();
    other.SyncSurface();
}

bool Bitmap::CopyFrom(const Bitmap& other) {
    if (&other == this) return valid_;
    if (!other.valid_) {
        Free();
        return false;
    }
    if (!Create(other.width_, other.height_, other.depth_, other.topDown_, other.info_.colours)) return false;
    GdiFlush();
    const size_t rowBytes = rowBytes_ < other.rowBytes_ ? rowBytes_ : other.rowBytes_;
    for (int32_t y = 0; y < height_; ++y) std::memcpy(View().Row(y), other.View().Row(y), rowBytes);
    return true;
}

PixelView Bitmap::View() const {
    PixelView v;
    v.pixels = pixels_;
    v.width = width_;
    v.height = height_;
    v.rowBytes = rowBytes_;
    v.depth = depth_;
    v.topDown = topDown_;
    v.colours = reinterpret_cast<const ColourEntry*>(info_.colours);
    return v;
}
