// Converting rectangles of 16-bit 5-5-5 engine pictures into window pictures of 8, 16
// (5-6-5), 24 or 32 bits per pixel, as TV windows paint and as the host shows bitmaps.
#pragma once
#include <cstdint>

namespace quor {

// A picture as a DIB describes it: a negative height means top row first, a positive one
// bottom row first; rows are rowBytes apart.
struct PixelPlane {
    void* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t bitCount = 0;
    uint32_t rowBytes = 0;  // 0: the padded length for width and bit count
};

// Copies the source rectangle (x, y, w, h; top-down coordinates) of a 16-bit source to
// (dx, dy) of the destination, clipped to both pictures. The destination depth is its bit
// count / 8 (1 through the dither table, 2 as 5-6-5, 3 and 4 as blue-green-red bytes);
// other depths draw nothing and give false.
bool ConvertRect(const PixelPlane& src, int32_t x, int32_t y, int32_t w, int32_t h,
                 const PixelPlane& dst, int32_t dx, int32_t dy);

// Row converters, exposed for the benchmark and the tests: n pixels from src.
void ConvertRowTo32(const uint16_t* src, uint32_t* dst, int32_t n);
void ConvertRowTo24(const uint16_t* src, uint8_t* dst, int32_t n);
void ConvertRowTo565(const uint16_t* src, uint16_t* dst, int32_t n);
// x0 and y give the destination position for the dither phase.
void ConvertRowTo8(const uint16_t* src, uint8_t* dst, int32_t n, int32_t x0, int32_t y);

}  // namespace quor
