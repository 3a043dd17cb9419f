// The requests the engine hands to the blitter's entries, passed by address and built
// afresh for every call. Addresses are of the program's word size: 32 bits in the 32-bit
// build, whose layouts these are.
#pragma once
#include <cstdint>

// Bits of BlitRequest::flip.
enum BlitFlip : uint32_t { BlitFlipH = 1, BlitFlipV = 2 };

struct BlitRequest {
    int16_t srcFormat;  // picture kind word or surface format code
    int16_t dstFormat;
    uintptr_t srcPixels;  // 0 for fills
    int32_t srcX, srcY, width, height;
    uint32_t srcRowPixels;
    int32_t srcRows;  // absolute value
    uint32_t flip;    // BlitFlip bits
    uintptr_t dstPixels;
    int32_t dstX, dstY, dstWidth, dstHeight;
    uint32_t dstRowPixels;
    uintptr_t extra;  // translate entries, fill colour, fade table entries, else 0
};
static_assert(sizeof(void*) != 4 || sizeof(BlitRequest) == 64, "blit request layout");

// The request of the alpha scaler: one byte per pixel, rows padded to 4 bytes.
struct ScaleRequest {
    uintptr_t srcPixels;
    int32_t srcWidth, srcHeight;
    uintptr_t dstPixels;
    int32_t dstWidth, dstHeight;
    uint32_t stepFraction;  // fractional source pixels per destination pixel, times 2^32
    int32_t stepInteger;
};
static_assert(sizeof(void*) != 4 || sizeof(ScaleRequest) == 32, "scale request layout");
