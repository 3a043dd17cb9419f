// The SPRT asset's checks and its fix-up from offsets to addresses, on data built here and
// then damaged in the ways a broken or hostile file could be.
#include <gtest/gtest.h>

#include <algorithm>

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

// The asset writer's layout: no frame table, each sequence followed by its own frames.
TEST(SprtAsset, TheWritersLayoutPassesAndFixesUpThroughItsSequences) {
    SprtFrameSpec a, b, c;
    a.picture = 1;
    a.hold = 3;
    b.picture = 2;
    b.moveX = -4;
    b.moveDepthHigh = 2;
    c.picture = 3;
    c.sound = 0x01000007;
    const SprtAssetBuilder sprite = SprtAssetBuilder().Frame(a).Frame(b).Frame(c).Sequence({0, 1}).Sequence({1, 2, 2});
    std::vector<uint8_t> v = sprite.BuildWriterLayout();
    ASSERT_EQ(v.size(), 24u + 8 * 2 + 36 * 5) << "header, 8 bytes a sequence, 36 a frame";
    EXPECT_EQ(B::Get(v, 16), 0u);
    EXPECT_EQ(B::Get(v, 20), 0u) << "the frame table's offset points into the header";
    ASSERT_TRUE(Check(v));
    const std::vector<uint8_t> stored = v;
    const uint32_t base = 0x20000;
    quor::FixUpSprt(v.data(), base);
    EXPECT_TRUE(Check(v, base));
    EXPECT_EQ(B::Get(v, 20), base) << "an address, through which nothing is read";
    EXPECT_EQ(std::vector<uint8_t>(v.begin() + 4, v.begin() + 12), std::vector<uint8_t>({1, 0, 0, 0, 2, 0, 0, 0}));
    // Every frame reached through the fixed-up addresses is the record written for it.
    const std::vector<uint8_t> plain = sprite.Build();
    const uint32_t plainRecords = B::Get(plain, B::Get(plain, 20));
    const std::vector<std::vector<uint32_t>> sequences = {{0, 1}, {1, 2, 2}};
    for (uint32_t i = 0; i < 2; ++i) {
        const uint32_t sequence = B::Get(v, 24 + 4 * i) - base;
        ASSERT_EQ(B::Get(v, sequence), sequences[i].size());
        for (uint32_t k = 0; k < sequences[i].size(); ++k) {
            const uint32_t record = B::Get(v, sequence + 4 + 4 * k) - base;
            const uint32_t expected = plainRecords + 32 * sequences[i][k];
            EXPECT_TRUE(std::equal(v.begin() + record, v.begin() + record + 32, plain.begin() + expected))
                << "sequence " << i << " frame " << k;
        }
    }
}

TEST(SprtAsset, AnEmptyTableMayPointAnywhereButATableWithEntriesMayNot) {
    const std::vector<uint8_t> good = SprtAssetBuilder().Frame(SprtFrameSpec()).Sequence({0}).BuildWriterLayout();
    for (uint32_t offset : {0u, 4u, 20u, uint32_t(good.size()), 0xFFFFFFFCu}) {
        std::vector<uint8_t> v = good;
        B::Set(v, 20, offset);
        EXPECT_TRUE(Check(v)) << "empty frame table at " << offset;
        B::Set(v, 16, 1);
        EXPECT_FALSE(Check(v)) << "one frame-table entry at " << offset;
        // An empty sequence table is never read either (no sequence can then be shown).
        std::vector<uint8_t> w = good;
        B::Set(w, 8, 0);
        B::Set(w, 12, offset);
        EXPECT_TRUE(Check(w)) << "empty sequence table at " << offset;
    }
    // The fix-up of an empty frame table reads and writes nothing beyond the header.
    std::vector<uint8_t> v = good;
    B::Set(v, 20, 0xFFFFFFF0u);
    const std::vector<uint8_t> before = v;
    quor::FixUpSprt(v.data(), 0x100);
    EXPECT_EQ(B::Get(v, 20), 0xFFFFFFF0u + 0x100);
    EXPECT_TRUE(std::equal(v.begin() + 36, v.end(), before.begin() + 36)) << "frame records untouched";
}

}  // namespace
