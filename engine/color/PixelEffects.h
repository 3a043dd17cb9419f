// Pixel effects: per-level colour tables applied under a sprite's level mask. For mask
// level L a 5-5-5 pixel p becomes red[L][p>>10 & 31] + green[L][p>>5 & 31] + blue[L][p & 31];
// each entry holds its 5-bit result in both 16-bit halves so two pixels combine at once.
#pragma once
#include <cstdint>

struct EffectRecord {
    volatile int32_t references;
    uint32_t red[256][32];    // results shifted left by 10
    uint32_t green[256][32];  // shifted left by 5
    uint32_t blue[256][32];
};
static_assert(sizeof(EffectRecord) == 98308, "effect record layout");

// A new record with one reference and tables left for the caller to fill; null when out
// of memory.
EffectRecord* NewEffect();
void FreeEffect(EffectRecord* effect);
// Fades towards `colour` (0x00BBGGRR): level 0 keeps the pixel, level 255 gives the colour.
void FillFadeToColor(EffectRecord& effect, uint32_t colour);
// Lights with `colour`: j * (base + level * gain * c / 65025), clamped to 0..31.
void FillLightSource(EffectRecord& effect, uint32_t colour, float gain, float base);
// Applies the effect at mask level `level` to one 5-5-5 pixel.
uint16_t ApplyEffect(const EffectRecord& effect, int level, uint16_t pixel);
