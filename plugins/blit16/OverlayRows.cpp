#include "OverlayRows.h"

#include <algorithm>
#include <cstdint>
#if defined(__i386__) || defined(__x86_64__)
#include <immintrin.h>
#endif

namespace blit16 {
namespace {

// Branch-free, so that the compiler keeps it in vector registers.
void OverlayRowsPlain(uint16_t* d, ptrdiff_t dstStep, const uint16_t* s, ptrdiff_t srcStep, int32_t rows, int32_t n,
                      uint16_t key) {
    for (int32_t j = 0; j < rows; ++j, d += dstStep, s += srcStep)
        for (int32_t k = 0; k < n; ++k) {
            const uint16_t v = s[k];
            d[k] = v == key ? d[k] : v;
        }
}

#if defined(__i386__) || defined(__x86_64__)
// The same sixteen pixels at a time where the processor has AVX2. The pixels of a row past
// its last whole vector are done by one more vector ending at the row's end, which overlaps
// pixels of the vector before it: an overlay gives those the same values either way, so no
// pixel-by-pixel tail is needed. That vector is loaded and blended before the row's other
// stores and stored last: loading destination pixels that a store has just written would
// wait for the store. Source and destination must not share memory.
__attribute__((target("avx2"))) inline __m256i OverlayVector(const uint16_t* d, const uint16_t* s, __m256i key) {
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s));
    const __m256i old = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d));
    return _mm256_blendv_epi8(v, old, _mm256_cmpeq_epi16(v, key));
}

// Sixteen pixels of a row: most vectors of a sprite are wholly opaque (stored without
// reading the destination) or wholly transparent (left alone); only edges are blended.
__attribute__((target("avx2"))) inline void OverlayStore(uint16_t* d, const uint16_t* s, __m256i key) {
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s));
    const __m256i transparent = _mm256_cmpeq_epi16(v, key);
    const int bits = _mm256_movemask_epi8(transparent);
    if (bits == 0) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), v);
    } else if (bits != -1) {
        const __m256i old = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), _mm256_blendv_epi8(v, old, transparent));
    }
}

__attribute__((target("avx2"))) void OverlayRowsAvx2(uint16_t* d, ptrdiff_t dstStep, const uint16_t* s,
                                                     ptrdiff_t srcStep, int32_t rows, int32_t n, uint16_t key) {
    if (n < 16) {
        OverlayRowsPlain(d, dstStep, s, srcStep, rows, n, key);
        return;
    }
    const __m256i k = _mm256_set1_epi16(int16_t(key));
    const int32_t whole = n & ~15;
    for (int32_t j = 0; j < rows; ++j, d += dstStep, s += srcStep) {
        if (whole == n) {
            for (int32_t i = 0; i < n; i += 16) OverlayStore(d + i, s + i, k);
            continue;
        }
        const __m256i tail = OverlayVector(d + n - 16, s + n - 16, k);
        for (int32_t i = 0; i < whole; i += 16) OverlayStore(d + i, s + i, k);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + n - 16), tail);
    }
}

// Where the processor has AVX-512 with byte and word masks, a masked store writes just the
// opaque pixels, so the destination is never read; the row's last pixels take a masked
// load and store of their own. Source and destination must not share memory.
__attribute__((target("avx2,avx512f,avx512bw,avx512vl"))) void OverlayRowsMasked(
    uint16_t* d, ptrdiff_t dstStep, const uint16_t* s, ptrdiff_t srcStep, int32_t rows, int32_t n, uint16_t key) {
    const __m256i k = _mm256_set1_epi16(int16_t(key));
    const int32_t whole = n & ~15;
    const __mmask16 tail = __mmask16((1u << (n - whole)) - 1);
    for (int32_t j = 0; j < rows; ++j, d += dstStep, s += srcStep) {
        for (int32_t i = 0; i < whole; i += 16) {
            const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
            _mm256_mask_storeu_epi16(d + i, _mm256_cmpneq_epi16_mask(v, k), v);
        }
        if (tail) {
            const __m256i v = _mm256_maskz_loadu_epi16(tail, s + whole);
            _mm256_mask_storeu_epi16(d + whole, __mmask16(tail & _mm256_cmpneq_epi16_mask(v, k)), v);
        }
    }
}
#endif

}  // namespace

bool HasOverlayPath(OverlayPath path) {
#if defined(__i386__) || defined(__x86_64__)
    __builtin_cpu_init();  // the choice below is made before other constructors run
#endif
    switch (path) {
    case OverlayPath::Plain: return true;
#if defined(__i386__) || defined(__x86_64__)
    case OverlayPath::Avx2: return __builtin_cpu_supports("avx2");
    case OverlayPath::Masked: return __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl");
#endif
    default: return false;
    }
}

void OverlayRowsBy(OverlayPath path, uint16_t* d, ptrdiff_t dstStep, const uint16_t* s, ptrdiff_t srcStep,
                   int32_t rows, int32_t n, uint16_t key) {
    switch (path) {
#if defined(__i386__) || defined(__x86_64__)
    case OverlayPath::Avx2: OverlayRowsAvx2(d, dstStep, s, srcStep, rows, n, key); return;
    case OverlayPath::Masked: OverlayRowsMasked(d, dstStep, s, srcStep, rows, n, key); return;
#endif
    default: OverlayRowsPlain(d, dstStep, s, srcStep, rows, n, key); return;
    }
}

namespace {
// The fastest path of this processor, chosen once.
OverlayPath BestOverlayPath() {
    for (OverlayPath path : {OverlayPath::Masked, OverlayPath::Avx2})
        if (HasOverlayPath(path)) return path;
    return OverlayPath::Plain;
}
const OverlayPath g_bestPath = BestOverlayPath();
}  // namespace

void OverlayRows(uint16_t* d, ptrdiff_t dstStep, const uint16_t* s, ptrdiff_t srcStep, int32_t rows, int32_t n,
                 uint16_t key) {
    // Both blocks as address ranges: the vector loops need them apart.
    const uintptr_t dLo = uintptr_t(std::min(d, d + dstStep * (rows - 1)));
    const uintptr_t dHi = uintptr_t(std::max(d, d + dstStep * (rows - 1)) + n);
    const uintptr_t sLo = uintptr_t(std::min(s, s + srcStep * (rows - 1)));
    const uintptr_t sHi = uintptr_t(std::max(s, s + srcStep * (rows - 1)) + n);
    OverlayRowsBy(dHi <= sLo || sHi <= dLo ? g_bestPath : OverlayPath::Plain, d, dstStep, s, srcStep, rows, n, key);
}

}  // namespace blit16
