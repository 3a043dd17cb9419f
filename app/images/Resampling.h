// Resampling 24-bit pixels one channel at a time in eighths of a pixel: shrinking averages
// runs of source eighths, enlarging blends two neighbours in eighths.
#pragma once
#include <cstddef>
#include <cstdint>

#include "PixelView.h"

// n samples `srcStep` bytes apart into m samples `dstStep` bytes apart.
void ResampleLine(const uint8_t* src, int32_t n, ptrdiff_t srcStep, uint8_t* dst, int32_t m, ptrdiff_t dstStep);

// 24-bit views of the same height (ResampleWidth24) or the same width (ResampleHeight24).
void ResampleWidth24(const PixelView& src, const PixelView& dst);
void ResampleHeight24(const PixelView& src, const PixelView& dst);
