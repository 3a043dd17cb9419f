#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

#include "RandomGenerator.h"

namespace {
// The generator written out step by step from its definition, with 64-bit products.
struct HandWorked {
    uint64_t s1, s2, y;
    uint64_t table[32];
    explicit HandWorked(uint64_t seed) {
        s1 = seed % 2147483563;
        if (s1 == 0) s1 = 12345678;
        s2 = 123456789;
        for (int i = 0; i < 8; ++i) s1 = s1 * 40014 % 2147483563;
        for (int i = 31; i >= 0; --i) {
            s1 = s1 * 40014 % 2147483563;
            table[i] = s1;
        }
        y = table[0];
    }
    uint64_t Next() {
        const uint64_t j = y / 67108862;
        s2 = s2 * 40692 % 2147483399;
        y = (s2 + table[j]) % 2147483563;
        s1 = s1 * 40014 % 2147483563;
        table[j] = s1;
        return y;
    }
};
}  // namespace

// Values worked out separately from the generator's definition (exact integer arithmetic).
TEST(RandomGenerator, FixedSeedsGiveTheWorkedOutSequences) {
    const uint32_t seedOne[] = {1352879209u, 1744734387u, 1682983049u, 508356070u, 662017162u, 1525339325u};
    const uint32_t seedZero[] = {739454424u, 1572407695u, 1017854395u, 1512023729u, 1144948810u, 1608150864u};
    const uint32_t seedDate[] = {850960236u, 468403989u, 21808411u, 609461841u, 577822589u, 1295022676u};
    RandomGenerator one(1), zero(0), date(20261208u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(seedOne[i], one.NextRaw()) << i;
        EXPECT_EQ(seedZero[i], zero.NextRaw()) << i;
        EXPECT_EQ(seedDate[i], date.NextRaw()) << i;
    }
}

TEST(RandomGenerator, LongSequenceFollowsTheDefinition) {
    RandomGenerator generator(1);
    HandWorked model(1);
    for (int i = 0; i < 5000; ++i) ASSERT_EQ(model.Next(), generator.NextRaw()) << i;
}

TEST(RandomGenerator, FixedSeedGivesOneSequence) {
    RandomGenerator a(987654321), b(0);
    HandWorked model(987654321);
    std::vector<uint32_t> first;
    for (int i = 0; i < 200; ++i) {
        first.push_back(a.NextRaw());
        ASSERT_EQ(model.Next(), first.back());
    }
    a.Seed(987654321);
    for (int i = 0; i < 200; ++i) ASSERT_EQ(first[size_t(i)], a.NextRaw());
    (void)b;
}

TEST(RandomGenerator, SeedsThatAreMultiplesOfTheModulusStartFromTheFixedValue) {
    RandomGenerator zero(0), multiple(2147483563u * 1u), fixed(12345678);
    for (int i = 0; i < 50; ++i) {
        const uint32_t value = fixed.NextRaw();
        EXPECT_EQ(value, zero.NextRaw());
        EXPECT_EQ(value, multiple.NextRaw());
    }
}

TEST(RandomGenerator, ValuesStayInTheirRange) {
    RandomGenerator generator(42);
    for (int i = 0; i < 20000; ++i) ASSERT_LE(generator.NextRaw(), 2147483562u);
    std::vector<int> counts(6, 0);
    for (int i = 0; i < 60000; ++i) {
        const uint32_t value = generator.NextBelow(6);
        ASSERT_LT(value, 6u);
        ++counts[value];
    }
    for (int count : counts) EXPECT_GT(count, 9000);  // every face turns up
    for (int i = 0; i < 100; ++i) ASSERT_EQ(0u, generator.NextBelow(1));
    for (int i = 0; i < 100; ++i) ASSERT_LT(generator.NextBelow(0xFFFFFFFFu), 2147483563u);
}

TEST(RandomGenerator, BelowTheFullRangeReturnsTheRawValuesUnchanged) {
    RandomGenerator a(7), b(7);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(a.NextRaw(), b.NextBelow(2147483563u));
}

TEST(RandomGenerator, RedrawsValuesAboveTheLastFullBucket) {
    // n = 2^30 + 1: the bucket is 1, the limit 2^30; model the redraws by hand.
    const uint32_t n = (1u << 30) + 1;
    RandomGenerator generator(99);
    HandWorked model(99);
    for (int i = 0; i < 100; ++i) {
        uint64_t value;
        do value = model.Next();
        while (value > uint64_t(n) * (2147483563u / n) - 1);
        ASSERT_EQ(value / (2147483563u / n), generator.NextBelow(n));
    }
}

TEST(RandomGenerator, DrawsFromSeveralThreadsShareOneSequence) {
    // Serialised draws hand every thread values of the one sequence, each value once.
    const int kThreads = 4, kDraws = 20000;
    RandomGenerator generator(31337);
    std::vector<std::vector<uint32_t>> drawn(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < kDraws; ++i)
                drawn[size_t(t)].push_back(t % 2 ? generator.NextRaw() : generator.NextBelow(2147483563u));
        });
    for (std::thread& thread : threads) thread.join();
    std::vector<uint32_t> all, expected;
    for (const auto& values : drawn) all.insert(all.end(), values.begin(), values.end());
    HandWorked model(31337);
    for (int i = 0; i < kThreads * kDraws; ++i) expected.push_back(uint32_t(model.Next()));
    std::sort(all.begin(), all.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, all);
}
