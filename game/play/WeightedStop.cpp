#include "WeightedStop.h"

#include "RandomGenerator.h"

uint32_t WeightTotal(const PlayStrip& strip) {
    uint64_t total = 0;
    for (const ReelStop& stop : strip) total += stop.weight;
    return total > 0x7FFFFFFFu ? 0u : uint32_t(total);
}

int32_t ChooseStop(const PlayStrip& strip, uint32_t total, RandomSource& random) {
    if (total == 0) return int32_t(strip.size());
    const uint32_t r = random.NextBelow(total);
    uint64_t sum = 0;
    for (size_t i = 0; i < strip.size(); ++i) {
        sum += strip[i].weight;
        if (sum > r) return int32_t(i);
    }
    return int32_t(strip.size());
}
