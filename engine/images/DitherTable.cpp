#include "DitherTable.h"

namespace quor {
namespace {

// Phase patterns: a 4 x 4 ordered matrix folded onto eight thresholds, shifted by two
// columns every fourth row so that the pattern does not form vertical stripes.
uint8_t g_patterns[16][8];

void BuildPatterns() {
    static const uint8_t kOrder[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x) g_patterns[y][x] = uint8_t(kOrder[y & 3][(x + (y >> 2) * 2) & 3] / 2);
}

}  // namespace

int DitherTable::Level(uint32_t value5, int phase) {
    // value in eighths of a cube step (0-40), raised by the phase's threshold
    const int eighths = int(value5 & 31) * 40 / 31;
    const int level = (eighths + (phase & 7)) / 8;
    return level > 5 ? 5 : level;
}

DitherTable::DitherTable() {
    BuildPatterns();
    for (int y = 0; y < 16; ++y) rows_[y] = g_patterns[y];
    for (uint32_t p = 0; p < 32768; ++p) {
        for (int phase = 0; phase < 8; ++phase) {
            const int r = Level(p >> 10, phase), g = Level(p >> 5, phase), b = Level(p, phase);
            entries_[p * 8 + phase] = uint8_t(kCubeBase + b + kCubeSteps * g + kCubeSteps * kCubeSteps * r);
        }
    }
}

const DitherTable& DitherTable::Get() {
    static const DitherTable* table = new DitherTable();
    return *table;
}

uint32_t BuiltInPaletteColour(int index) {
    if (index < 0 || index >= 236) return 0;
    if (index < 216) {
        const uint32_t r = uint32_t(index / 36) * 51, g = uint32_t(index / 6 % 6) * 51, b = uint32_t(index % 6) * 51;
        return r << 16 | g << 8 | b;
    }
    // 20 greys between the cube's steps
    const uint32_t v = uint32_t(index - 216 + 1) * 255 / 21;
    return v << 16 | v << 8 | v;
}

}  // namespace quor
