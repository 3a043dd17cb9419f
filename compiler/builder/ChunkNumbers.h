// The script's decimal values as machine-chunk words.
#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

// Truncated toward zero and held to the word's range.
inline int32_t TruncatedWord(double value) {
    if (!(value > std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    if (!(value < std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

// An amount in dollars as whole cents, rounded to the nearest cent (0.015 is 2, not 1).
inline int32_t CentsWord(double dollars) {
    return TruncatedWord(std::round(dollars * 100.0));
}
