// Signed 128-bit integers in two 64-bit words (two's complement): the exact products of
// 64-bit integers and their sums, with no floating point and no compiler's 128-bit type
// (32-bit x86 has none).
#pragma once
#include <cstdint>

struct WideInt {
    int64_t high = 0;
    uint64_t low = 0;

    static WideInt Of(int64_t value) { return WideInt{value < 0 ? -1 : 0, uint64_t(value)}; }
    // a * b, exact for every pair of 64-bit integers.
    static WideInt Product(int64_t a, int64_t b);

    WideInt& operator+=(const WideInt& other) {
        const uint64_t sum = low + other.low;
        high = int64_t(uint64_t(high) + uint64_t(other.high) + (sum < low ? 1 : 0));
        low = sum;
        return *this;
    }
    WideInt operator-() const {
        const uint64_t negatedLow = ~low + 1;
        return WideInt{int64_t(~uint64_t(high) + (negatedLow == 0 ? 1 : 0)), negatedLow};
    }
    bool Negative() const { return high < 0; }
    friend bool operator<(const WideInt& a, const WideInt& b) {
        return a.high != b.high ? a.high < b.high : a.low < b.low;
    }
    friend bool operator>=(const WideInt& a, const WideInt& b) { return !(a < b); }
    friend bool operator==(const WideInt& a, const WideInt& b) { return a.high == b.high && a.low == b.low; }
};

inline WideInt WideInt::Product(int64_t a, int64_t b) {
    // The magnitudes' product from 32-bit halves, then the sign.
    const uint64_t ua = a < 0 ? 0 - uint64_t(a) : uint64_t(a);
    const uint64_t ub = b < 0 ? 0 - uint64_t(b) : uint64_t(b);
    const uint64_t a0 = ua & 0xFFFFFFFFu, a1 = ua >> 32, b0 = ub & 0xFFFFFFFFu, b1 = ub >> 32;
    const uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    const WideInt magnitude{int64_t(p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32)),
                            (middle << 32) | (p00 & 0xFFFFFFFFu)};
    return (a < 0) != (b < 0) ? -magnitude : magnitude;
}
