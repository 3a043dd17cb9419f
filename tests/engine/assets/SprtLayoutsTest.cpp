// The two layouts an SPRT asset comes in play alike: the asset writer's (no frame table,
// its offset 0, every sequence followed by its own frame records) and one with a separate
// frame table. Image sprites on each are created through the exports, sequenced frame by
// frame (holds, moves, a frame sound, mirroring) and drawn, and must match at every step.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "AssetFileBuilder.h"
#include "EngineInsides.h"
#include "SprtAssetBuilder.h"
#include "SprtLayoutPair.h"
#include "TempAssetFile.h"

namespace {

const auto* g_engine = ::testing::AddGlobalTestEnvironment(new EngineEnvironment);

const uint32_t BMAP = 0x50414D42u, SPRT = 0x54525053u, WAVE = 0x45564157u;

// Assets: 1 the writer's layout, 2 the same sprite with a frame table, 3-5 pictures of
// three sizes and colours, 6 a sound.
enum : uint32_t { kWriterLayout = 1, kFrameTable, kPicture1, kPicture2, kPicture3, kSound };

// Three sequences: moves with holds 1, 2 and 1; a frame with a sound held 2 beside a still
// one; one frame shared with the first sequence.
SprtAssetBuilder Sprite(uint32_t soundHandle) {
    SprtFrameSpec a, b, c, d;
    a.picture = kPicture1;
    a.moveX = 3;
    a.moveY = -2;
    a.moveDepthLow = 1;
    b.picture = kPicture2;
    b.x = -2;
    b.y = 1;
    b.hold = 2;
    b.moveX = -1;
    b.moveDepthHigh = 1;
    c.picture = kPicture3;
    c.sound = soundHandle;
    c.hold = 2;
    d.picture = kPicture1;
    d.x = 4;
    return SprtAssetBuilder().Frame(a).Frame(b).Frame(c).Frame(d).Sequence({0, 1, 0}).Sequence({2, 3}).Sequence({1});
}

std::vector<uint8_t> File(uint32_t soundHandle) {
    const SprtAssetBuilder sprite = Sprite(soundHandle);
    AssetFileBuilder b;
    b.Add(SPRT, sprite.BuildData(true))
        .Add(SPRT, sprite.BuildData())
        .Add(BMAP, SolidPictureData(3, 2, 0x1111))
        .Add(BMAP, SolidPictureData(5, 4, 0x2222))
        .Add(BMAP, SolidPictureData(2, 6, 0x3333))
        .Add(WAVE, {'s', 'n', 'd', 0});
    return b.Build();
}

class SprtLayouts : public SprtLayoutPair {
protected:
    SprtLayouts() : SprtLayoutPair(kWriterLayout, kFrameTable) {}
    std::string WriteTestFile(uint32_t fileHandle) override {
        return WriteTempAssetFile(File(fileHandle | kSound), "vsl_sprt_layouts");
    }
};

TEST_F(SprtLayouts, BothLayoutsShowEveryFrameAlike) { ExpectEveryFrameAlike({3, 2, 1}); }

TEST_F(SprtLayouts, BothLayoutsSequenceMoveAndSoundAlike) {
    MakePair(2, 0);
    // Moves, mirrored moves and the sound sequence, each to its end.
    ExpectPlaysAlike({{0, 0}, {0, 1}, {1, 0}, {0, 2}}, 6);
    const SpriteCreateRecord moved = Examined(sprites_[0]);
    // Each play of sequence 0 moves (+5, -4); mirrored horizontally (-5, -4), vertically (+5, +4).
    EXPECT_EQ(moved.x, 20 + 5 - 5 + 5);
    EXPECT_EQ(moved.y, 16 - 4 - 4 + 4);
    EXPECT_EQ(uint32_t(moved.depth), (uint32_t(3) << 16) | 6u) << "depth halves move as stored";
    // The sound frame played once per sprite, from the WAVE asset the handle names.
    EXPECT_EQ(g_sounds, (std::vector<std::string>{"9:snd:0", "9:snd:0"}));
}

}  // namespace
