#include "DenominationMask.h"

uint32_t DenominationMask(const std::vector<Money>& denominations) {
    struct Bit {
        int32_t cents;
        uint32_t bit;
    };
    static const Bit kBits[] = {{5, 1u << 1},    {25, 1u << 3},    {100, 1u << 5},
                                {500, 1u << 7},  {2500, 1u << 10}, {10000, 1u << 12}};
    if (denominations.empty()) return 1u << 5;
    uint32_t mask = 0;
    for (Money m : denominations)
        for (const Bit& b : kBits)
            if (m.Cents() == b.cents) mask |= b.bit;
    return mask;
}
