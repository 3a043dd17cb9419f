// A packed DIB as the clipboard's CF_DIB form holds it: the 40-byte header, then a colour
// table of 2^bits entries for 8 bits or less, or the three colour masks of a bit-field
// picture, then the pixels.
#pragma once
#include <cstddef>
#include <cstdint>

#include "BmpHeaders.h"

struct PackedDib {
    BmpInfoHeader header{};
    int depth = 0;  // 8, 15, 16, 24 or 32
    int32_t width = 0;
    int32_t height = 0;  // always positive
    bool topDown = false;
    ColourEntry colours[256] = {};
    const uint8_t* bits = nullptr;
    uint32_t rowBytes = 0;
};

// Reads the description of `size` bytes of packed DIB. False when the header is not one
// this program reads (not 8, 16, 24 or 32 bits, compressed, unknown masks) or when the
// pixels it announces lie beyond `size`.
bool ParsePackedDib(const uint8_t* data, size_t size, PackedDib& out);
