#include "CardCanvas.h"

#include "PictureReader.h"

CardCanvas::CardCanvas()
{
    info_ = static_cast<BITMAPINFO*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(BITMAPINFO)));
    if (info_ == nullptr)
        return;
    BITMAPINFOHEADER& h = info_->bmiHeader;
    h.biSize = sizeof h;
    h.biWidth = kWidth;
    h.biHeight = -kHeight;
    h.biPlanes = 1;
    h.biBitCount = 24;
    h.biCompression = BI_RGB;
    h.biSizeImage = kStride * kHeight;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, info_, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels_ = static_cast<uint8_t*>(bits);
    dc_ = CreateCompatibleDC(nullptr);
    if (bitmap_ != nullptr && dc_ != nullptr)
        previous_ = SelectObject(dc_, bitmap_);
}

CardCanvas::~CardCanvas()
{
    if (dc_ != nullptr) {
        if (previous_ != nullptr)
            SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_ != nullptr)
        DeleteObject(bitmap_);
    if (info_ != nullptr)
        HeapFree(GetProcessHeap(), 0, info_);
}

void CardCanvas::DrawBackground(const AwardImage* background)
{
    GdiFlush();
    if (background == nullptr || background->info == nullptr || background->pixels == nullptr) {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                uint8_t* p = Pixel(x, y);
                p[0] = uint8_t(90 + y / 8), p[1] = uint8_t(30 + y / 12), p[2] = 20;
            }
        return;
    }
    const RECT& r = background->rect;
    SetStretchBltMode(dc_, HALFTONE);
    StretchDIBits(dc_, 0, 0, kWidth, kHeight, 0, 0, r.right - r.left, r.bottom - r.top, background->pixels,
                  background->info, DIB_RGB_COLORS, SRCCOPY);
    GdiFlush();
}

void CardCanvas::Shade(const RECT& rect, int radius, COLORREF colour, int alpha)
{
    GdiFlush();
    const int c[3] = {GetBValue(colour), GetGValue(colour), GetRValue(colour)};
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            // Leave out the corners outside the rounding.
            const int dx = x < rect.left + radius ? rect.left + radius - x
                           : x >= rect.right - radius ? x - (rect.right - radius - 1) : 0;
            const int dy = y < rect.top + radius ? rect.top + radius - y
                           : y >= rect.bottom - radius ? y - (rect.bottom - radius - 1) : 0;
            if (dx * dx + dy * dy > radius * radius)
                continue;
            uint8_t* p = Pixel(x, y);
            for (int i = 0; i < 3; ++i)
                p[i] = uint8_t((p[i] * (256 - alpha) + c[i] * alpha) >> 8);
        }
}

void CardCanvas::DrawPicture(const AwardImage& picture, const RECT& rect)
{
    GdiFlush();
    const PictureReader reader(picture);
    if (!reader.IsValid())
        return;
    const int boxW = rect.right - rect.left, boxH = rect.bottom - rect.top;
    // Fit the picture into the box, keeping its proportions.
    int w = boxW, h = reader.Height() * boxW / reader.Width();
    if (h > boxH)
        h = boxH, w = reader.Width() * boxH / reader.Height();
    const int left = rect.left + (boxW - w) / 2, top = rect.top + (boxH - h) / 2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // The source pixels under this one, averaged over those that are not transparent.
            const PixelAverage average = reader.Average(x * reader.Width() / w, (x + 1) * reader.Width() / w,
                                                        y * reader.Height() / h, (y + 1) * reader.Height() / h);
            if (average.weight == 0 || left + x < 0 || left + x >= kWidth || top + y < 0 || top + y >= kHeight)
                continue;
            uint8_t* p = Pixel(left + x, top + y);
            const int a = average.weight;
            p[0] = uint8_t((p[0] * (256 - a) + average.blue * a) >> 8);
            p[1] = uint8_t((p[1] * (256 - a) + average.green * a) >> 8);
            p[2] = uint8_t((p[2] * (256 - a) + average.red * a) >> 8);
        }
}

void CardCanvas::Release(AwardImage& output)
{
    GdiFlush();
    SelectObject(dc_, previous_);
    previous_ = nullptr;
    output.kind = 4;
    output.bitmap = bitmap_;
    output.info = info_;
    output.pixels = pixels_;
    output.rect = RECT{0, 0, kWidth, kHeight};
    output.transparent = 0;
    bitmap_ = nullptr;
    info_ = nullptr;
    pixels_ = nullptr;
}
