// An amount of money in whole cents (signed 32-bit). Platform-free.
#pragma once
#include <cstdint>

class Money {
public:
    constexpr Money() = default;
    constexpr explicit Money(int32_t cents) : cents_(cents) {}

    constexpr int32_t Cents() const { return cents_; }
    // Scripts see dollars: cents times 0.01.
    constexpr double Dollars() const { return cents_ * 0.01; }

    // The arithmetic wraps like the 32-bit amount it is, never undefined.
    constexpr Money Negate() const { return Money(Wrap(0u - static_cast<uint32_t>(cents_))); }
    constexpr Money Scale(int32_t factor) const {
        return Money(Wrap(static_cast<uint32_t>(cents_) * static_cast<uint32_t>(factor)));
    }
    // This amount less the other.
    constexpr Money Difference(Money other) const {
        return Money(Wrap(static_cast<uint32_t>(cents_) - static_cast<uint32_t>(other.cents_)));
    }

    constexpr bool operator==(Money o) const { return cents_ == o.cents_; }
    constexpr bool operator!=(Money o) const { return cents_ != o.cents_; }
    constexpr bool operator<(Money o) const { return cents_ < o.cents_; }

private:
    static constexpr int32_t Wrap(uint32_t v) {
        return v <= 0x7FFFFFFFu ? static_cast<int32_t>(v)
                                : -static_cast<int32_t>(~v) - 1;
    }

    int32_t cents_ = 0;
};
