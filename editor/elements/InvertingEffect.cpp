#include "InvertingEffect.h"

#include <cstdint>

namespace {
// The engine's byte effect: a reference count, then the red, green and blue tables of
// 256 levels by 32 channel values, each result shifted to its channel's place and held
// in both 16-bit halves.
struct ByteEffect {
    int32_t references;
    uint32_t channels[3][256][32];
};
const int kShifts[3] = {10, 5, 0};

void FillInverting(ByteEffect& effect) {
    for (int channel = 0; channel < 3; ++channel)
        for (int level = 0; level < 256; ++level)
            for (uint32_t value = 0; value < 32; ++value) {
                const uint32_t result = (level == 0 ? value : 31 - value) << kShifts[channel];
                effect.channels[channel][level][value] = result | (result << 16);
            }
}

class SharedEffect {
public:
    SharedEffect() : effect_(BlankByteEffect()) {
        if (effect_) FillInverting(*reinterpret_cast<ByteEffect*>(effect_));
    }
    ~SharedEffect() {
        if (effect_) ReleaseEffect(effect_);
    }
    HQUOREFFECT Get() const { return effect_; }

private:
    HQUOREFFECT effect_;
};
}  // namespace

HQUOREFFECT SharedInvertingEffect() {
    static SharedEffect shared;
    return shared.Get();
}
