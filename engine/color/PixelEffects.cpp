#include "PixelEffects.h"

#include <new>

namespace {
uint32_t BothHalves(uint32_t value, int shift) { return (value * 65537u) << shift; }

void FillTables(EffectRecord& e, uint32_t colour, uint32_t (*entry)(int level, int j, int c, const void*),
                const void* context) {
    const int channel[3] = {int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)};
    for (int i = 0; i < 256; ++i) {
        for (int j = 0; j < 32; ++j) {
            e.red[i][j] = BothHalves(entry(i, j, channel[0], context), 10);
            e.green[i][j] = BothHalves(entry(i, j, channel[1], context), 5);
            e.blue[i][j] = BothHalves(entry(i, j, channel[2], context), 0);
        }
    }
}

uint32_t FadeEntry(int i, int j, int c, const void*) {
    return uint32_t((j * (65025 - 255 * i) + i * 31 * c) / 65025);
}

struct LightParams {
    float gain;
    float base;
};

uint32_t LightEntry(int i, int j, int c, const void* context) {
    const LightParams& p = *static_cast<const LightParams*>(context);
    double v = j * (double(p.base) + i * double(p.gain) * c / 65025.0) + 0.001;
    if (!(v > 0)) return 0;  // also catches NaN
    if (v >= 31) return 31;
    return uint32_t(v);
}
}  // namespace

EffectRecord* NewEffect() {
    EffectRecord* e = new (std::nothrow) EffectRecord;
    if (e) e->references = 1;
    return e;
}

void FreeEffect(EffectRecord* effect) { delete effect; }

void FillFadeToColor(EffectRecord& effect, uint32_t colour) {
    FillTables(effect, colour, FadeEntry, nullptr);
}

void FillLightSource(EffectRecord& effect, uint32_t colour, float gain, float base) {
    LightParams p{gain, base};
    FillTables(effect, colour, LightEntry, &p);
}

uint16_t ApplyEffect(const EffectRecord& e, int level, uint16_t p) {
    uint32_t v = e.red[level][(p >> 10) & 31] + e.green[level][(p >> 5) & 31] + e.blue[level][p & 31];
    return uint16_t(v & 0xFFFF);
}
