// The SPRT asset's checks and its fix-up from offsets to addresses, on data built here and
// then damaged in the ways a broken or hostile file could be.
#include <gtest/gtest.h>

#include "SprtAsset.h"
#include "SprtAssetBuilder.h"

namespace {

using B = SprtAssetBuilder;

// Two sequences sharing frame 1; frames name pictures 1-3.
std::vector<uint8_t> Good() {
    SprtFrameSpec a, b, c;
    a.picture = 1;
    b.picture = 2;
    c.picture = 3;
    return SprtAssetBuilder().Frame(a).Frame(b).Frame(c).Sequence({0, 1}).Sequence({1, 2, 2}).Build();
}

bool Check(const std::vector<uint8_t>& v, uint32_t bias = 0, uint32_t assets = 3) {
    return quor::CheckSprt(v.data(), v.size(), bias, assets);
}

TEST(SprtAsset, FixUpTurnsEveryOffsetIntoAnAddressOnce) {
    std::vector<uint8_t> v = Good();
    ASSERT_TRUE(Check(v));
    const std::vector<uint8_t> stored = v;
    const uint32_t base = 0x10000;
    quor::FixUpSprt(v.data(), base);
    EXPECT_EQ(B::Get(v, 4), 1u);
    EXPECT_EQ(B::Get(v, 12), base + B::Get(stored, 12));
    EXPECT_EQ(B::Get(v, 20), base + B::Get(stored, 20));
    const uint32_t seq1 = B::Get(stored, B::Get(stored, 12) + 4);
    EXPECT_EQ(B::Get(v, B::Get(stored, 12) + 4), base + seq1);
    EXPECT_EQ(B::Get(v, seq1), 3u) << "lengths stay";
    for (uint32_t k = 0; k < 3; ++k)
        EXPECT_EQ(B::Get(v, seq1 + 4 + 4 * k), base + B::Get(stored, seq1 + 4 + 4 * k));
    // Fixed-up data passes with its address as the bias, and only so.
    EXPECT_TRUE(Check(v, base));
    EXPECT_FALSE(Check(v, 0));
    // A second fix-up changes nothing.
    const std::vector<uint8_t> once = v;
    quor::FixUpSprt(v.data(), base);
    EXPECT_EQ(v, once);
}

TEST(SprtAsset, ASpriteWithoutAFrameTableIsTakenBeforeAndAfterItsFixUp) {
    std::vector<uint8_t> v = Good();
    B::Set(v, 16, 0);  // the asset writer's form: no frame table, frames after each sequence
    B::Set(v, 20, 0);
    ASSERT_TRUE(Check(v));
    quor::FixUpSprt(v.data(), 0x20000);
    EXPECT_TRUE(Check(v, 0x20000));
}

TEST(SprtAsset, ASequenceListedTwiceIsFixedUpOnce) {
    SprtFrameSpec f;
    // Two sequences, the second sequence-table entry then aimed at the first sequence.
    std::vector<uint8_t> v = SprtAssetBuilder().Frame(f).Sequence({0}).Sequence({0}).Build();
    const uint32_t table = B::Get(v, 12);
    B::Set(v, table + 4, B::Get(v, table));
    ASSERT_TRUE(Check(v));
    const uint32_t seq = B::Get(v, table);
    const uint32_t frame = B::Get(v, seq + 4);
    quor::FixUpSprt(v.data(), 0x1000);
    EXPECT_EQ(B::Get(v, seq + 4), 0x1000 + frame);
}

TEST(SprtAsset, DamagedDataIsRefused) {
    const std::vector<uint8_t> good = Good();
    const uint32_t seqTable = B::Get(good, 12), frameTable = B::Get(good, 20);
    const uint32_t seq0 = B::Get(good, seqTable), record0 = B::Get(good, frameTable);
    struct Damage {
        const char* what;
        size_t at;
        uint32_t value;
    } cases[] = {
        {"type word", 0, 0x50414D42u},
        {"sequence count past the end", 8, 0x40000000u},
        {"sequence table past the end", 12, uint32_t(good.size())},
        {"sequence table in the header", 12, 4},
        {"frame count past the end", 16, 0xFFFFFFFFu},
        {"frame table past the end", 20, uint32_t(good.size()) - 8},
        {"sequence past the end", seqTable, uint32_t(good.size()) - 2},
        {"sequence length past the end", seq0, 0x10000000u},
        {"frame record past the end", seq0 + 4, uint32_t(good.size()) - 16},
        {"frame record in the header", frameTable, 0},
        {"picture 0", record0, 0},
        {"picture past the last asset", record0, 4},
        // Words the fix-up rewrites must not overlap what it reads or rewrites elsewhere.
        {"frame table over the sequence table", 20, seqTable},
        {"sequence length among frame pointers", seqTable + 4, seq0 + 4},
        {"frame record over the frame table", frameTable, frameTable},
        {"misaligned frame pointer run", 20, frameTable - 2},
    };
    for (const Damage& d : cases) {
        std::vector<uint8_t> v = good;
        B::Set(v, d.at, d.value);
        EXPECT_FALSE(Check(v)) << d.what;
    }
    EXPECT_FALSE(quor::CheckSprt(good.data(), 23, 0, 3)) << "shorter than the header";
    std::vector<uint8_t> cut(good.begin(), good.end() - 1);
    EXPECT_FALSE(Check(cut)) << "last frame record cut short";
    EXPECT_FALSE(quor::CheckSprt(nullptr, 100, 0, 3));
    EXPECT_TRUE(Check(good, 0, 0)) << "asset count not known: indexes unchecked";
}

}  // namespace
