#include "MoneySeparators.h"

int MoneySeparatorCount(int32_t cents) {
    // The magnitude of the most negative amount does not fit in 32 bits signed.
    uint32_t dollars = (cents < 0 ? 0u - uint32_t(cents) : uint32_t(cents)) / 100u;
    int separators = 0;
    while (dollars >= 1000u) {
        dollars /= 1000u;
        ++separators;
    }
    return separators;
}
