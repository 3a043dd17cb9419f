#include "DenominationChoice.h"

namespace {
const uint32_t kOneDollarFlag = 0x20;
const uint32_t kTableBits = 0xFFFF;
}  // namespace

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
