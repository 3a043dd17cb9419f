// Checked arithmetic on amounts: a sum or a product that does not fit in the signed 32-bit
// amount gives no result instead of wrapping round, so that no overflow can make money.
// Platform-free.
#pragma once
#include <cstdint>
#include <optional>

#include "Money.h"

// a + b, or nothing when the sum does not fit.
inline std::optional<Money> CheckedSum(Money a, Money b) {
    const int64_t sum = int64_t(a.Cents()) + int64_t(b.Cents());
    if (sum > INT32_MAX || sum < INT32_MIN) return std::nullopt;
    return Money(int32_t(sum));
}

// The money of a number of coins of a denomination, or nothing when it does not fit.
inline std::optional<Money> CoinsValue(int64_t coins, Money denomination) {
    const int64_t cents = coins * int64_t(denomination.Cents());
    if (coins > INT32_MAX || coins < INT32_MIN || cents > INT32_MAX || cents < INT32_MIN)
        return std::nullopt;
    return Money(int32_t(cents));
}
