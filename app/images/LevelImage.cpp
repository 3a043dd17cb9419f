#include "LevelImage.h"

#include <algorithm>
#include <cstring>

#include "ImageRecord.h"

namespace {

// The pixel rows of a level image as its header describes them.
struct LevelRows {
    uint8_t* pixels;
    int32_t width, height;
    uint32_t rowBytes;
};

LevelRows RowsOf(const void* image) {
    const quor::ImageHeader* h = quor::HeaderOf(image);
    uint8_t* pixels = const_cast<uint8_t*>(quor::PixelsOf(image));
    const uint32_t rowBytes = quor::RowBytes(h->width, 1);
    // A record that announces fewer pixel bytes than its size needs shows only whole rows.
    const int32_t rows = rowBytes ? int32_t(std::min<uint64_t>(h->height, h->pixelBytes / rowBytes)) : 0;
    return LevelRows{pixels, int32_t(h->width), rows, rowBytes};
}

}  // namespace

void ClearImageBuffer(void* image) {
    if (!image) return;
    const LevelRows rows = RowsOf(image);
    std::memset(rows.pixels, 0, size_t(rows.height) * rows.rowBytes);
}

void BlendImageAdditive(void* destination, const void* source, int32_t x, int32_t y, int32_t left, int32_t top,
                        int32_t right, int32_t bottom) {
    if (!destination || !source) return;
    const LevelRows dst = RowsOf(destination), src = RowsOf(source);
    // Clip the source rectangle to the source image, moving the place with its left and top.
    int64_t l = left, t = top, r = std::min<int64_t>(right, src.width), b = std::min<int64_t>(bottom, src.height);
    int64_t dx = x, dy = y;
    if (l < 0) dx -= l, l = 0;
    if (t < 0) dy -= t, t = 0;
    // Then the place to the destination image.
    if (dx < 0) l -= dx, dx = 0;
    if (dy < 0) t -= dy, dy = 0;
    r = std::min<int64_t>(r, l + (dst.width - dx));
    b = std::min<int64_t>(b, t + (dst.height - dy));
    if (l >= r || t >= b) return;
    for (int64_t row = 0; row < b - t; ++row) {
        const uint8_t* in = src.pixels + size_t(t + row) * src.rowBytes + size_t(l);
        uint8_t* out = dst.pixels + size_t(dy + row) * dst.rowBytes + size_t(dx);
        for (int64_t i = 0; i < r - l; ++i) out[i] = uint8_t(std::min(255, out[i] + in[i]));
    }
}
