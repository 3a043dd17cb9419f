#include "DenominationChoice.h"

namespace {
const int32_t kDenominations[16] = {1,    5,    10,   25,    50,    100,   200,   500,
                                    1000, 2000, 2500, 5000, 10000, 20000, 50000, 100000};
const uint32_t kOneDollarFlag = 0x20;
const uint32_t kTableBits = 0xFFFF;
}  // namespace

int32_t GetDenominationValue(uint32_t flag) {
    for (int bit = 0; bit < 16; ++bit)
        if (flag == (1u << bit)) return kDenominations[bit];
    return 0;
}

uint32_t GetDenominationFlag(int32_t cents) {
    for (int bit = 0; bit < 16; ++bit)
        if (kDenominations[bit] == cents) return 1u << bit;
    return 0;
}

uint32_t ChooseDenominationFlag(uint32_t mask, uint32_t currentFlag) {
    mask &= kTableBits;
    if (mask == 0) return 0;
    currentFlag &= kTableBits;
    if (currentFlag & mask) return currentFlag;
    for (uint32_t flag = currentFlag >> 1; flag; flag >>= 1)
        if (flag & mask) return flag;
    for (uint32_t flag = kOneDollarFlag; flag & kTableBits; flag <<= 1)
        if (flag & mask) return flag;
    return mask & (~mask + 1);  // the lowest bit set
}
