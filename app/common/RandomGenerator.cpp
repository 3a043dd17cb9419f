#include "RandomGenerator.h"

#include <chrono>

namespace {
uint32_t MultiplyMod(uint32_t value, uint32_t factor, uint32_t modulus) {
    return uint32_t(uint64_t(value) * factor % modulus);
}

uint32_t MillisecondClock() {
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
}  // namespace

RandomGenerator::RandomGenerator() { Seed(MillisecondClock()); }

void RandomGenerator::Seed(uint32_t seed) {
    std::lock_guard<std::mutex> locked(lock_);
    s1_ = seed % kModulus1;
    if (s1_ == 0) s1_ = 12345678u;
    s2_ = 123456789u;
    for (int i = 0; i < 8; ++i) s1_ = MultiplyMod(s1_, 40014u, kModulus1);
    for (int index = 31; index >= 0; --index) {
        s1_ = MultiplyMod(s1_, 40014u, kModulus1);
        table_[index] = s1_;
    }
    y_ = table_[0];
}

uint32_t RandomGenerator::Next() {
    const uint32_t j = y_ / 67108862u;
    s2_ = MultiplyMod(s2_, 40692u, kModulus2);
    y_ = uint32_t((uint64_t(s2_) + table_[j]) % kModulus1);
    s1_ = MultiplyMod(s1_, 40014u, kModulus1);
    table_[j] = s1_;
    return y_;
}

uint32_t RandomGenerator::NextRaw() {
    std::lock_guard<std::mutex> locked(lock_);
    return Next();
}

uint32_t RandomGenerator::NextBelow(uint32_t n) {
    if (n == 0) n = 1;
    std::lock_guard<std::mutex> locked(lock_);
    // Every value the generator makes already lies below a larger bound.
    if (n > kModulus1) return Next();
    const uint32_t bucket = kModulus1 / n;
    const uint32_t limit = n * bucket - 1;
    uint32_t value;
    do {
        value = Next();
    } while (value > limit);
    return value / bucket;
}
