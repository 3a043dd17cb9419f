// The requests the engine hands to the blitter's entries, passed by address and built
// afresh for every call. Addresses are 32-bit, as in the engine's records.
#pragma once
#include <cstdint>

// Bits of BlitRequest::flip.
enum BlitFlip : uint32_t { BlitFlipH = 1, BlitFlipV = 2 };

struct BlitRequest {
    int16_t srcFormat;  // picture kind word or surface format code
    int16_t dstFormat;
    uint32_t srcPixels;  // 0 for fills
    int32_t srcX, srcY, width, height;
    uint32_t srcRowPixels;
    int32_t srcRows;  // absolute value
    uint32_t flip;    // BlitFlip bits
    uint32_t dstPixels;
    int32_t dstX, dstY, dstWidth, dstHeight;
    uint32_t dstRowPixels;
    uint32_t extra;  // translate entries, fill colour, fade table entries, else 0
};
static_assert(sizeof(BlitRequest) == 64, "blit request layout");

// The request of the alpha scaler: one byte per pixel, rows padded to 4 bytes.
struct ScaleRequest {
    uint32_t srcPixels;
    int32_t srcWidth, srcHeight;
    uint32_t dstPixels;
    int32_t dstWidth, dstHeight;
    uint32_t stepFraction;  // fractional source pixels per destination pixel, times 2^32
    int32_t stepInteger;
};
static_assert(sizeof(ScaleRequest) == 32, "scale request layout");
