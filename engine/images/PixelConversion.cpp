#include "PixelConversion.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "DitherTable.h"

#if defined(__i386__) || defined(__x86_64__)
#include <immintrin.h>
#define QUOR_X86 1
#endif

namespace quor {
namespace {

uint32_t RowLength(const PixelPlane& p) {
    return p.rowBytes ? p.rowBytes : (p.bitCount * uint32_t(p.width) + 31) / 32 * 4;
}

// Address of the visible row y (0 = top) of a picture.
uint8_t* RowOf(const PixelPlane& p, int32_t y) {
    const int32_t rows = p.height < 0 ? -p.height : p.height;
    const int32_t stored = p.height < 0 ? y : rows - 1 - y;
    return static_cast<uint8_t*>(p.pixels) + ptrdiff_t(stored) * RowLength(p);
}

}  // namespace

#ifdef QUOR_X86
namespace {

// The same as the eight-pixel loop below, sixteen pixels at a time on processors with
// AVX2; returns how many pixels it converted.
__attribute__((target("avx2"))) int32_t ConvertRowTo32Avx2(const uint16_t* src, uint32_t* dst, int32_t n) {
    const __m256i mB = _mm256_set1_epi16(0x00F8), mG = _mm256_set1_epi16(int16_t(0xF800));
    const __m256i low3 = _mm256_set1_epi32(0x070707);
    int32_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
        const __m256i bg = _mm256_or_si256(_mm256_and_si256(_mm256_slli_epi16(p, 3), mB),
                                           _mm256_and_si256(_mm256_slli_epi16(p, 6), mG));
        const __m256i r = _mm256_and_si256(_mm256_srli_epi16(p, 7), mB);
        __m256i lo = _mm256_unpacklo_epi16(bg, r), hi = _mm256_unpackhi_epi16(bg, r);
        lo = _mm256_or_si256(lo, _mm256_and_si256(_mm256_srli_epi32(lo, 5), low3));
        hi = _mm256_or_si256(hi, _mm256_and_si256(_mm256_srli_epi32(hi, 5), low3));
        // unpack works within 128-bit halves: put pixels 0-7 and 8-15 back in order
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), _mm256_permute2x128_si256(lo, hi, 0x20));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i + 8), _mm256_permute2x128_si256(lo, hi, 0x31));
    }
    return i;
}

const bool g_avx2 = __builtin_cpu_supports("avx2");

}  // namespace
#endif

void ConvertRowTo32(const uint16_t* src, uint32_t* dst, int32_t n) {
    int32_t i = 0;
#ifdef QUOR_X86
    if (g_avx2) i = ConvertRowTo32Avx2(src, dst, n);
#endif
#ifdef __SSE2__
    // Eight pixels at a time: the 5-bit channels go to the top of their bytes (blue and
    // green in the low 16-bit lane, red in the high one), then each byte's top three bits
    // are repeated below its five.
    const __m128i mB = _mm_set1_epi16(0x00F8), mG = _mm_set1_epi16(int16_t(0xF800));
    const __m128i low3 = _mm_set1_epi32(0x070707);
    for (; i + 8 <= n; i += 8) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i bg = _mm_or_si128(_mm_and_si128(_mm_slli_epi16(p, 3), mB), _mm_and_si128(_mm_slli_epi16(p, 6), mG));
        const __m128i r = _mm_and_si128(_mm_srli_epi16(p, 7), mB);
        __m128i lo = _mm_unpacklo_epi16(bg, r), hi = _mm_unpackhi_epi16(bg, r);
        lo = _mm_or_si128(lo, _mm_and_si128(_mm_srli_epi32(lo, 5), low3));
        hi = _mm_or_si128(hi, _mm_and_si128(_mm_srli_epi32(hi, 5), low3));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), lo);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 4), hi);
    }
#endif
    for (; i < n; ++i) {
        const uint32_t p = src[i];
        const uint32_t r = ((p >> 7) & 0xF8) | ((p >> 12) & 7);
        const uint32_t g = ((p >> 2) & 0xF8) | ((p >> 7) & 7);
        const uint32_t b = ((p << 3) & 0xF8) | ((p >> 2) & 7);
        dst[i] = r << 16 | g << 8 | b;
    }
}

void ConvertRowTo24(const uint16_t* src, uint8_t* dst, int32_t n) {
    for (int32_t i = 0; i < n; ++i, dst += 3) {
        const uint32_t p = src[i];
        dst[0] = uint8_t(((p << 3) & 0xF8) | ((p >> 2) & 7));
        dst[1] = uint8_t(((p >> 2) & 0xF8) | ((p >> 7) & 7));
        dst[2] = uint8_t(((p >> 7) & 0xF8) | ((p >> 12) & 7));
    }
}

void ConvertRowTo565(const uint16_t* src, uint16_t* dst, int32_t n) {
    for (int32_t i = 0; i < n; ++i) {
        const uint32_t p = src[i];
        dst[i] = uint16_t(((p << 1) & 0xFFC0) | ((p >> 4) & 0x20) | (p & 0x1F));
    }
}

void ConvertRowTo8(const uint16_t* src, uint8_t* dst, int32_t n, int32_t x0, int32_t y) {
    const DitherTable& table = DitherTable::Get();
    const uint8_t* phases = table.Row(y);
    for (int32_t i = 0; i < n; ++i) dst[i] = table.Index(src[i], phases[(x0 + i) & 7]);
}

bool ConvertRect(const PixelPlane& src, int32_t x, int32_t y, int32_t w, int32_t h,
                 const PixelPlane& dst, int32_t dx, int32_t dy) {
    const uint32_t depth = dst.bitCount / 8;
    if (depth < 1 || depth > 4 || src.bitCount != 16 || !src.pixels || !dst.pixels) return false;
    const int32_t srcRows = src.height < 0 ? -src.height : src.height;
    const int32_t dstRows = dst.height < 0 ? -dst.height : dst.height;
    // Clip to the source, then to the destination, moving both origins together.
    auto clip = [](int32_t& a, int32_t& b, int32_t& n, int32_t limitA, int32_t limitB) {
        const int32_t shift = std::max({0, -a, -b});
        a += shift;
        b += shift;
        n -= shift;
        n = std::min({n, limitA - a, limitB - b});
    };
    clip(x, dx, w, src.width, dst.width);
    clip(y, dy, h, srcRows, dstRows);
    if (w <= 0 || h <= 0) return true;
    for (int32_t j = 0; j < h; ++j) {
        const uint16_t* s = reinterpret_cast<const uint16_t*>(RowOf(src, y + j)) + x;
        uint8_t* d = RowOf(dst, dy + j);
        switch (depth) {
        case 1: ConvertRowTo8(s, d + dx, w, dx, dy + j); break;
        case 2: ConvertRowTo565(s, reinterpret_cast<uint16_t*>(d) + dx, w); break;
        case 3: ConvertRowTo24(s, d + ptrdiff_t(dx) * 3, w); break;
        default: ConvertRowTo32(s, reinterpret_cast<uint32_t*>(d) + dx, w); break;
        }
    }
    return true;
}

}  // namespace quor
