// The rows of a keyed overlay, the blitter's most used loop: `rows` rows of `n` pixels, the
// source running forwards along each row, the next row `dstStep` and `srcStep` pixels on;
// source pixels equal to the key are skipped. There is a loop for any processor and faster
// ones for processors with AVX2 and with AVX-512's word masks.
#pragma once
#include <cstddef>
#include <cstdint>

namespace blit16 {

enum class OverlayPath { Plain, Avx2, Masked };

// With the fastest path of this processor; source and destination may share memory.
void OverlayRows(uint16_t* d, ptrdiff_t dstStep, const uint16_t* s, ptrdiff_t srcStep, int32_t rows, int32_t n,
                 uint16_t key);

// Whether this processor runs a path, and the rows by that path (source and destination
// apart, except for the plain path), so that each can be checked against the others.
bool HasOverlayPath(OverlayPath path);
void OverlayRowsBy(OverlayPath path, uint16_t* d, ptrdiff_t dstStep, const uint16_t* s, ptrdiff_t srcStep,
                   int32_t rows, int32_t n, uint16_t key);

}  // namespace blit16
