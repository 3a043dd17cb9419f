#include "Denominations.h"

namespace {
const int32_t kValues[kDenominationCount] = {1,    5,    10,   25,    50,    100,   200,   500,
                                             1000, 2000, 2500, 5000, 10000, 20000, 50000, 100000};

int PositionOf(Money value) {
    for (int k = 0; k < kDenominationCount; ++k)
        if (kValues[k] == value.Cents()) return k;
    return -1;
}
}  // namespace

Money GetDenominationValue(uint32_t flag) {
    for (int k = 0; k < kDenominationCount; ++k)
        if (flag == (1u << k)) return Money(kValues[k]);
    return Money();
}

uint32_t GetDenominationFlag(Money value) {
    const int k = PositionOf(value);
    return k < 0 ? 0u : 1u << k;
}

Money NextDenomination(Money current, uint32_t mask) {
    const int k = PositionOf(current);
    if (k < 0) return current;
    for (int step = 1; step < kDenominationCount; ++step) {
        const int next = (k + step) % kDenominationCount;
        if (mask & (1u << next)) return Money(kValues[next]);
    }
    return current;
}

int GetDenominationIndex(Money denomination, uint32_t mask) {
    const uint32_t flag = GetDenominationFlag(denomination);
    if (!(flag & mask)) return -1;
    int index = -1;
    for (int bit = 0; bit < 31; ++bit)
        if ((mask & (1u << bit)) && (1u << bit) <= flag) ++index;
    return index;
}
