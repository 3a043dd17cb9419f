// A view of the pixels of a DIB: 8 (palettised), 15 (5-5-5), 16 (5-6-5) or 24 bits per
// pixel, rows `rowBytes` apart, stored top row first or bottom row first. The view does not
// own the pixels; Row counts from the top in both orders.
#pragma once
#include <cstddef>
#include <cstdint>

#include "BmpHeaders.h"

struct PixelView {
    uint8_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t rowBytes = 0;
    int depth = 24;
    bool topDown = true;
    const ColourEntry* colours = nullptr;  // 256 entries, 8-bit views only

    uint8_t* Row(int32_t y) const {
        return pixels + size_t(topDown ? y : height - 1 - y) * rowBytes;
    }
    // Distance in bytes from one row to the row below it.
    ptrdiff_t RowStep() const { return topDown ? ptrdiff_t(rowBytes) : -ptrdiff_t(rowBytes); }
};

// Bits per stored pixel of a depth (15 is stored in 16 bits).
inline int StoredBits(int depth) { return depth == 15 ? 16 : depth; }
