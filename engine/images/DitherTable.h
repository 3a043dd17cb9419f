// The ordered-dither table that shows 16-bit 5-5-5 pictures on 8-bit displays. Each of the
// 32768 colours has eight palette indices, one per dither phase; an index addresses the
// 6 x 6 x 6 colour cube (blue + 6 x green + 36 x red) that the engine's 8-bit palettes hold
// from entry 10 on. Sixteen row patterns give the phase of each pixel by row and column.
#pragma once
#include <cstdint>

namespace quor {

// Palette entry of cube colour 0; the cube fills entries 10-225, greys 226-245.
const int kCubeBase = 10;
const int kCubeSteps = 6;

class DitherTable {
public:
    // The table, built once on first use.
    static const DitherTable& Get();

    uint8_t Index(uint16_t pixel, int phase) const { return entries_[(pixel & 0x7FFF) * 8 + (phase & 7)]; }
    // Phase of the pixel at column x of row y.
    int Phase(int32_t x, int32_t y) const { return rows_[y & 15][x & 7]; }
    const uint8_t* Row(int32_t y) const { return rows_[y & 15]; }
    // The level 0-5 a 5-bit channel value takes at a phase.
    static int Level(uint32_t value5, int phase);

private:
    DitherTable();
    uint8_t entries_[32768 * 8];
    const uint8_t* rows_[16];
};

// The 236 colours of the engine's built-in palette (entries 10-245): the colour cube, then
// 20 greys. Each is 0x00RRGGBB.
uint32_t BuiltInPaletteColour(int index);

}  // namespace quor
