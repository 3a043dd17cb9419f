// Blending two 5-5-5 pixels in quarters without unpacking their channels: the channel bits
// without their lowest bit are added and halved together, and the lowest bits of the pixel
// that weighs more come back on top. A quarter blend halves twice.
#pragma once
#include <cstdint>

namespace blend555 {
const uint16_t kHigh = 0x7BDE;  // channel bits without their lowest bit
const uint16_t kLow = 0x0421;   // the lowest bit of each channel
}  // namespace blend555

// (a + b) / 2, keeping the lowest channel bits of `a`.
inline uint16_t BlendHalf(uint16_t a, uint16_t b) {
    using namespace blend555;
    return uint16_t((a & kLow) + (((a & kHigh) + (b & kHigh)) >> 1));
}

// Quarters 0 (a), 1 ((3a + b) / 4), 2 ((a + b) / 2) and 3 ((a + 3b) / 4).
inline uint16_t BlendQuarter(uint16_t a, uint16_t b, int quarter) {
    switch (quarter) {
    case 0: return a;
    case 1: return BlendHalf(a, BlendHalf(a, b));
    case 2: return BlendHalf(a, b);
    default: return BlendHalf(b, BlendHalf(b, a));
    }
}
