// The SPRT asset: sequences of frames, each frame naming a picture asset of the same file,
// an offset, a hold, a movement and a sound. As stored its tables hold offsets counted from
// the type word; the engine turns them into 32-bit addresses once per data in memory.
// Nothing here needs a platform, so the checks build and are tested natively too.
#pragma once
#include <cstddef>
#include <cstdint>

namespace quor {

const uint32_t kSprtType = 0x54525053u;  // "SPRT"
const size_t kSprtHeaderBytes = 24;      // type word, fixed-up flag, four words of tables

// One frame record, as stored.
struct SprtFrame {
    uint32_t picture;  // asset index (low 24 bits) within the SPRT's file
    uint32_t unused;
    int32_t x, y;
    int16_t moveX, moveY, moveDepthLow, moveDepthHigh;
    uint32_t hold;
    uint32_t sound;  // a complete WAVE asset handle, or 0
};
static_assert(sizeof(SprtFrame) == 32, "SPRT frame layout");

// Checks SPRT data of `size` bytes (from its type word) before anything reads through it.
// `bias` is what every table word holds beyond its offset: 0 as stored, the data's own
// address once fixed up. Every table with entries, sequence and frame record must lie after
// the header and inside the data; an empty table is never read, so its offset may point
// anywhere (the asset writer stores no frame table, with offset 0). No word that the fix-up
// rewrites may overlap a sequence's length word, a frame record or another such word, and,
// when `assetCount` is not 0, every frame's picture index must name one of that many assets.
bool CheckSprt(const uint8_t* data, size_t size, uint32_t bias, uint32_t assetCount);

// Turns the stored offsets into addresses (offset + `base`) and sets the fixed-up flag;
// nothing when the flag is already set. A sequence listed twice is fixed up once.
void FixUpSprt(uint8_t* data, uint32_t base);

}  // namespace quor
