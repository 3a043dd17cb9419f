#include "PixelCopy.h"

#include <algorithm>
#include <cstring>
#include <vector>

void FlipRows(const PixelView& view) {
    std::vector<uint8_t> buffer(view.rowBytes);
    for (int32_t top = 0, bottom = view.height - 1; top < bottom; ++top, --bottom) {
        std::memcpy(buffer.data(), view.Row(top), view.rowBytes);
        std::memcpy(view.Row(top), view.Row(bottom), view.rowBytes);
        std::memcpy(view.Row(bottom), buffer.data(), view.rowBytes);
    }
}

bool CopyRect(const PixelView& src, int32_t left, int32_t top, int32_t right, int32_t bottom,
              const PixelView& dst, int32_t x, int32_t y) {
    if (src.depth != dst.depth) return false;
    // Clip the source to its view, moving the destination with it, then to the destination.
    const int32_t l = std::max({left, 0, left - x}), t = std::max({top, 0, top - y});
    const int32_t r = std::min({right, src.width, left + dst.width - x});
    const int32_t b = std::min({bottom, src.height, top + dst.height - y});
    if (l >= r || t >= b) return false;
    const size_t pixelBytes = size_t(StoredBits(src.depth) / 8);
    for (int32_t row = t; row < b; ++row)
        std::memmove(dst.Row(y + row - top) + size_t(x + l - left) * pixelBytes, src.Row(row) + size_t(l) * pixelBytes,
                     size_t(r - l) * pixelBytes);
    return true;
}
