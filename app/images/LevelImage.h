// Work on 8-bit level images: engine picture records (a "BMAP" header, then one byte per
// pixel, rows padded to a multiple of 4 bytes, top row first) such as the pictures that
// sprite fonts and labels draw their text into.
#pragma once
#include <cstdint>

// Sets every pixel byte of the image to 0. A null image is left alone.
void ClearImageBuffer(void* image);

// Adds the source rectangle (left, top, right, bottom) of `source` into `destination` at
// (x, y), each byte the sum of both saturated at 255. The rectangle is clipped to the
// source image and the place it lands to the destination image; what lies outside either
// is left out.
void BlendImageAdditive(void* destination, const void* source, int32_t x, int32_t y, int32_t left, int32_t top,
                        int32_t right, int32_t bottom);
