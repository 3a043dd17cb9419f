// Drawing a reel's stop by the weights of its stops.
#pragma once
#include <cstdint>
#include <vector>

class RandomSource;

// One stop of a reel strip as play reads it: a symbol number and its weight.
struct ReelStop {
    int32_t symbol = 0;
    uint32_t weight = 0;
};

using PlayStrip = std::vector<ReelStop>;

// The sum of the strip's weights; 0 when it is empty, all zero or larger than a draw can
// reach (2^31 - 1).
uint32_t WeightTotal(const PlayStrip& strip);

// r := a draw below the total; the first stop at which the running sum of weights exceeds
// r (a stop of weight 0 is never chosen). The strip's length when the total is 0.
int32_t ChooseStop(const PlayStrip& strip, uint32_t total, RandomSource& random);
