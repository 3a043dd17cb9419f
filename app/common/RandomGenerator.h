// The machines' random numbers: a combined multiplicative congruential generator with a
// shuffle table, every draw serialised so that one generator serves several threads.
#pragma once
#include <cstdint>
#include <mutex>

class RandomSource {
public:
    virtual uint32_t NextRaw() = 0;
    virtual uint32_t NextBelow(uint32_t n) = 0;

protected:
    ~RandomSource() = default;
};

class RandomGenerator : public RandomSource {
public:
    static const uint32_t kModulus1 = 2147483563u;
    static const uint32_t kModulus2 = 2147483399u;

    // Seeded with the system's millisecond clock.
    RandomGenerator();
    explicit RandomGenerator(uint32_t seed) { Seed(seed); }
    virtual ~RandomGenerator() = default;

    void Seed(uint32_t seed);
    // A value from 0 to 2147483562.
    uint32_t NextRaw() override;
    // An unbiased value from 0 to n - 1 (n at least 1; 0 is taken as 1).
    uint32_t NextBelow(uint32_t n) override;

private:
    // One step of the generator; the caller holds lock_.
    uint32_t Next();

    std::mutex lock_;
    uint32_t s1_ = 0;
    uint32_t s2_ = 0;
    uint32_t table_[32] = {};
    uint32_t y_ = 0;
};
