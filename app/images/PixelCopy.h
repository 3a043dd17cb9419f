// Moving pixels inside and between PixelViews of the same depth.
#pragma once
#include <cstdint>

#include "PixelView.h"

// Swaps the rows top to bottom.
void FlipRows(const PixelView& view);

// Copies the rectangle (left, top, right, bottom) of `src` to (x, y) of `dst`, clipped to
// both views. False when the depths differ or nothing is left after clipping.
bool CopyRect(const PixelView& src, int32_t left, int32_t top, int32_t right, int32_t bottom,
              const PixelView& dst, int32_t x, int32_t y);
