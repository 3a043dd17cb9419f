// The award card's drawing surface: an 800 x 600 top-down 24-bit DIB section with a
// memory DC for GDI text and shapes, and the pixel work GDI does not do well: shading a
// panel and scaling symbol pictures down with their transparent parts left out.
#pragma once
#include <windows.h>

#include <cstdint>

#include "Nerine.h"

class CardCanvas {
public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

    CardCanvas();
    ~CardCanvas();
    CardCanvas(const CardCanvas&) = delete;
    CardCanvas& operator=(const CardCanvas&) = delete;

    bool IsValid() const { return bitmap_ != nullptr; }
    HDC Dc() const { return dc_; }

    // The background stretched over the whole card; dark blue when there is none.
    void DrawBackground(const AwardImage* background);
    // Blends `colour` over a rounded rectangle with the weight alpha / 256.
    void Shade(const RECT& rect, int radius, COLORREF colour, int alpha);
    // The picture fitted into the rectangle, keeping its proportions and centred.
    void DrawPicture(const AwardImage& picture, const RECT& rect);

    // Hands the DIB section and its heap-allocated header over to `output`.
    void Release(AwardImage& output);

private:
    uint8_t* Pixel(int x, int y) const { return pixels_ + y * kStride + 3 * x; }
    static constexpr int kStride = kWidth * 3;

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    BITMAPINFO* info_ = nullptr;
    uint8_t* pixels_ = nullptr;
};
