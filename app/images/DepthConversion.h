// Converting pixels between the depths of a PixelView through 24-bit blue-green-red rows.
// Channels of 5 or 6 bits widen by repeating their high bits; an 8-bit destination takes
// the nearest colour of its colour table.
#pragma once
#include <array>
#include <cstdint>

#include "PixelView.h"

// Finds the nearest entry of a colour table, remembering the answer per 5-5-5 colour.
class NearestColour {
public:
    explicit NearestColour(const ColourEntry* colours);
    uint8_t Find(uint8_t blue, uint8_t green, uint8_t red);

private:
    const ColourEntry* colours_;
    std::array<int16_t, 32768> cache_;
};

// Row y of the view as width x 3 bytes blue, green, red.
void RowTo24(const PixelView& view, int32_t y, uint8_t* bgr);
// Stores width x 3 bytes blue, green, red as row y of the view (`nearest` for 8 bits).
void RowFrom24(const PixelView& view, int32_t y, const uint8_t* bgr, NearestColour* nearest);

// Copies every pixel of `src` into `dst` (same width and height), converting the depth.
// An 8-bit destination needs its colour table; false when the sizes differ.
bool ConvertPixels(const PixelView& src, const PixelView& dst);

// The 0x00RRGGBB colour of the pixel at (x, y).
uint32_t PixelColour(const PixelView& view, int32_t x, int32_t y);
