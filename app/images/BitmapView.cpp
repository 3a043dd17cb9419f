#include "BitmapView.h"

#include <cstring>

#include "PixelConversion.h"
#include "ScreenDepth.h"

namespace {

// A top-down DIB section of a display depth (8, 16 as 5-6-5, 24 or 32 bits); 8-bit ones
// take the colours that the ordered dither addresses.
class DisplayPicture {
public:
    DisplayPicture(int32_t width, int32_t height, int depth) {
        info_.header.biSize = sizeof info_.header;
        info_.header.biWidth = width;
        info_.header.biHeight = -height;
        info_.header.biPlanes = 1;
        info_.header.biBitCount = WORD(depth);
        info_.header.biCompression = depth == 16 ? BI_BITFIELDS : BI_RGB;
        if (depth == 16) {
            const DWORD masks[3] = {0xF800, 0x07E0, 0x001F};
            std::memcpy(info_.colours, masks, sizeof masks);
        }
        if (depth == 8) {
            const Bitmap dithered(1, 1, 8, true);
            if (dithered.IsValid()) std::memcpy(info_.colours, dithered.Colours(), sizeof info_.colours);
            info_.header.biClrUsed = 256;
        }
        bitmap_ = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info_), DIB_RGB_COLORS, &pixels_, nullptr, 0);
    }
    ~DisplayPicture() {
        if (bitmap_) DeleteObject(bitmap_);
    }
    DisplayPicture(const DisplayPicture&) = delete;
    DisplayPicture& operator=(const DisplayPicture&) = delete;

    HBITMAP Handle() const { return bitmap_; }
    const RGBQUAD* Colours() const { return info_.colours; }
    quor::PixelPlane Plane() const {
        quor::PixelPlane plane;
        plane.pixels = pixels_;
        plane.width = info_.header.biWidth;
        plane.height = info_.header.biHeight;
        plane.bitCount = info_.header.biBitCount;
        return plane;
    }

private:
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info_ = {};
    void* pixels_ = nullptr;
    HBITMAP bitmap_ = nullptr;
};

void BlitFrom(HDC dc, HBITMAP bitmap, int32_t width, int32_t height) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

quor::PixelPlane PlaneOf(const Bitmap& picture) {
    quor::PixelPlane plane;
    plane.pixels = picture.Pixels();
    plane.width = picture.Width();
    plane.height = picture.IsTopDown() ? -picture.Height() : picture.Height();
    plane.bitCount = 16;
    plane.rowBytes = picture.RowBytes();
    return plane;
}

}  // namespace

BitmapView::BitmapView() { BindMessage(WM_PAINT, this, &BitmapView::OnPaintMessage); }

BitmapView::~BitmapView() {
    if (palette_) DeleteObject(palette_);
    bitmap_.Free();
}

LRESULT BitmapView::OnPaintMessage(WPARAM, LPARAM) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(GetHandle(), &paint);
    Paint(dc, paint.rcPaint, GetScreenDepth());
    EndPaint(GetHandle(), &paint);
    return 0;
}

void BitmapView::Paint(HDC dc, const RECT& update, int screenDepth) {
    Bitmap& picture = PaintedBitmap();
    if (!picture.IsValid()) {
        FillRect(dc, &update, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    } else if (screenDepth == 15 || screenDepth < 8) {
        GdiFlush();
        BlitFrom(dc, picture.Handle(), picture.Width(), picture.Height());
    } else {
        PaintConverted(dc, picture, screenDepth);
    }
}

void BitmapView::PaintConverted(HDC dc, Bitmap& picture, int screenDepth) {
    if (!picture.StretchInto(15)) return;
    const int32_t w = picture.Width(), h = picture.Height();
    DisplayPicture shown(w, h, screenDepth);
    if (!shown.Handle()) return;
    GdiFlush();
    quor::ConvertRect(PlaneOf(picture), 0, 0, w, h, shown.Plane(), 0, 0);
    HPALETTE oldPalette = nullptr;
    if (screenDepth == 8) {
        if (!palette_) {
            const Bitmap colours(shown.Plane().pixels, w, h, 8, true, shown.Colours(), shown.Handle());
            palette_ = CreateBitmapPalette(colours);
        }
        oldPalette = SelectPalette(dc, palette_, FALSE);
        RealizePalette(dc);
    }
    BlitFrom(dc, shown.Handle(), w, h);
    if (oldPalette) SelectPalette(dc, oldPalette, FALSE);
}
