#include "Resampling.h"

namespace {

void Repeat(uint8_t value, uint8_t* dst, int32_t m, ptrdiff_t dstStep) {
    for (int32_t i = 0; i < m; ++i) dst[i * dstStep] = value;
}

uint8_t Average(const uint8_t* src, int32_t n, ptrdiff_t srcStep) {
    uint32_t sum = 0;
    for (int32_t i = 0; i < n; ++i) sum += src[i * srcStep];
    return uint8_t((sum + uint32_t(n) / 2) / uint32_t(n));
}

// Each destination sample covers a run of r or r + 1 source eighths; an error
// accumulator spreads the longer runs evenly.
void Shrink(const uint8_t* src, int32_t n, ptrdiff_t srcStep, uint8_t* dst, int32_t m, ptrdiff_t dstStep) {
    const uint32_t r = 8u * uint32_t(n) / uint32_t(m);
    const uint32_t remainder = 8u * uint32_t(n) - r * uint32_t(m);
    uint32_t error = 0;
    int32_t source = 0;
    uint32_t left = 8;  // eighths of the current source sample not yet used
    for (int32_t i = 0; i < m; ++i) {
        uint32_t run = r;
        error += remainder;
        if (error >= uint32_t(m)) {
            error -= uint32_t(m);
            ++run;
        }
        uint32_t sum = 0;
        for (uint32_t need = run; need > 0;) {
            const uint32_t take = need < left ? need : left;
            sum += take * src[source * srcStep];
            need -= take;
            left -= take;
            if (left == 0 && source + 1 < n) {
                ++source;
                left = 8;
            }
        }
        dst[i * dstStep] = uint8_t((sum * (4096u / run) + 511u) >> 12);
    }
}

// The source position runs in 16.16 fixed point from one eighth; each sample blends its
// two neighbours by the top three bits of the fraction.
void Enlarge(const uint8_t* src, int32_t n, ptrdiff_t srcStep, uint8_t* dst, int32_t m, ptrdiff_t dstStep) {
    const uint32_t step = (uint32_t(n - 1) << 16) / uint32_t(m - 1);
    uint32_t position = 8192;
    for (int32_t i = 0; i < m; ++i, position += step) {
        const int32_t k = int32_t(position >> 16);
        const uint32_t f = position >> 13 & 7;
        const uint32_t a = src[k * srcStep];
        const uint32_t b = src[(k + 1 < n ? k + 1 : n - 1) * srcStep];
        dst[i * dstStep] = uint8_t((a * (8 - f) + b * f + 4) >> 3);
    }
}

}  // namespace

void ResampleLine(const uint8_t* src, int32_t n, ptrdiff_t srcStep, uint8_t* dst, int32_t m, ptrdiff_t dstStep) {
    if (n <= 0 || m <= 0) return;
    if (n == 1) Repeat(src[0], dst, m, dstStep);
    else if (m == 1) dst[0] = Average(src, n, srcStep);
    else if (m < n) Shrink(src, n, srcStep, dst, m, dstStep);
    else if (m > n) Enlarge(src, n, srcStep, dst, m, dstStep);
    else for (int32_t i = 0; i < n; ++i) dst[i * dstStep] = src[i * srcStep];
}

void ResampleWidth24(const PixelView& src, const PixelView& dst) {
    for (int32_t y = 0; y < src.height && y < dst.height; ++y)
        for (int c = 0; c < 3; ++c) ResampleLine(src.Row(y) + c, src.width, 3, dst.Row(y) + c, dst.width, 3);
}

void ResampleHeight24(const PixelView& src, const PixelView& dst) {
    for (int32_t x = 0; x < src.width && x < dst.width; ++x)
        for (int c = 0; c < 3; ++c)
            ResampleLine(src.Row(0) + 3 * x + c, src.height, src.RowStep(), dst.Row(0) + 3 * x + c, dst.height,
                         dst.RowStep());
}
