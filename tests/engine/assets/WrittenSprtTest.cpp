// A sprite as the asset writer writes it plays like the same sprite with a frame table of
// its own. The file is made by the writer's own code: its container, its picture records
// and its sprite record (several sequences; frames with offsets, holds, moves of position
// and depth, and a sound); the twin with a frame table is written beside it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "AssetContainer.h"
#include "AssetRecords.h"
#include "EngineInsides.h"
#include "SprtAssetBuilder.h"
#include "SprtLayoutPair.h"
#include "TempAssetFile.h"

namespace {

const auto* g_engine = ::testing::AddGlobalTestEnvironment(new EngineEnvironment);

// Assets in the writer's order (pictures, sprites, chunks): two pictures, the writer's
// sprite, its twin with a frame table (a raw chunk of type SPRT) and a sound.
enum : uint32_t { kStriped = 1, kKeyed, kWritten, kFrameTable, kSound };
const uint16_t kKey = 0x7C1F;

// A picture record as the writer stores it: a checkerboard of two colours, its corner
// pixel the colour key when keyed.
std::vector<uint8_t> Picture(uint16_t width, uint16_t height, bool keyed, uint16_t first, uint16_t second) {
    const uint32_t row = quor::RowBytes(width, 2);
    std::vector<uint8_t> pixels(row * height, 0);
    for (uint32_t y = 0; y < height; ++y)
        for (uint32_t x = 0; x < width; ++x) {
            const uint16_t colour = keyed && x == 0 && y == 0 ? kKey : (x + y) % 2 ? first : second;
            std::memcpy(&pixels[y * row + 2 * x], &colour, 2);
        }
    PictureAsset p;
    p.keyed = keyed;
    p.width = width;
    p.height = height;
    p.key = keyed ? kKey : 0xFFFFFFFFu;
    p.pixels = pixels.data();
    p.pixelBytes = uint32_t(pixels.size());
    return PictureAssetData(p);
}

SpriteFrame Frame(uint32_t picture, int32_t x, int32_t y, uint32_t hold, int16_t moveX = 0, int16_t moveY = 0) {
    SpriteFrame f;
    f.picture = picture;
    f.x = x;
    f.y = y;
    f.hold = hold;
    f.moveX = moveX;
    f.moveY = moveY;
    return f;
}

// Three sequences: moves of position and depth with holds 2, 1 and 3; a frame with a sound
// held 2 before a moving one; a single frame.
std::vector<SpriteSequence> Sequences(uint32_t soundHandle) {
    SpriteSequence moves = {Frame(kStriped, -2, -1, 2, 2, 1), Frame(kKeyed, 1, 0, 1, -1, 3),
                            Frame(kStriped, 0, 0, 3, 1, 0)};
    moves[0].moveDepthLow = 1;
    moves[1].moveDepthHigh = 2;
    SpriteSequence sound = {Frame(kKeyed, 0, 0, 2), Frame(kStriped, 3, -3, 1, 0, -2)};
    sound[0].sound = soundHandle;
    return {moves, sound, {Frame(kKeyed, -1, 2, 1)}};
}

// The same sprite with a frame table: each frame once, the sequences listing them.
SprtAssetBuilder WithFrameTable(const std::vector<SpriteSequence>& sequences) {
    SprtAssetBuilder b;
    uint32_t next = 0;
    for (const SpriteSequence& frames : sequences) {
        std::vector<uint32_t> indexes;
        for (const SpriteFrame& f : frames) {
            SprtFrameSpec s;
            s.picture = f.picture;
            s.x = f.x;
            s.y = f.y;
            s.moveX = f.moveX;
            s.moveY = f.moveY;
            s.moveDepthLow = f.moveDepthLow;
            s.moveDepthHigh = f.moveDepthHigh;
            s.hold = f.hold;
            s.sound = f.sound;
            b.Frame(s);
            indexes.push_back(next++);
        }
        b.Sequence(indexes);
    }
    return b;
}

class WrittenSprt : public SprtLayoutPair {
protected:
    WrittenSprt() : SprtLayoutPair(kWritten, kFrameTable) {}
    std::string WriteTestFile(uint32_t fileHandle) override {
        const std::vector<SpriteSequence> sequences = Sequences(fileHandle | kSound);
        const std::vector<AssetBody> assets = {{kImageAssetType, Picture(5, 3, false, 0x1111, 0x2222)},
                                               {kImageAssetType, Picture(3, 4, true, 0x3333, 0x0C0C)},
                                               {kSpriteAssetType, SpriteAssetData(sequences)},
                                               {kSpriteAssetType, WithFrameTable(sequences).BuildData()},
                                               {kWaveChunkType, {'w', 'a', 'v', 0}}};
        const std::string path = TempAssetPath("vsl_written_sprt");
        std::FILE* file = std::fopen(path.c_str(), "wb");
        EXPECT_NE(file, nullptr);
        if (file) {
            EXPECT_EQ(WriteAssetContainer(file, assets), -1);
            std::fclose(file);
        }
        return path;
    }
};

TEST_F(WrittenSprt, TheWritersLayoutIsTheOneTheLayoutTestsWriteByHand) {
    const std::vector<SpriteSequence> sequences = Sequences(uint32_t(file_) | kSound);
    EXPECT_EQ(SpriteAssetData(sequences), WithFrameTable(sequences).BuildData(true));
}

TEST_F(WrittenSprt, ShowsEveryFrameLikeItsTwinWithAFrameTable) { ExpectEveryFrameAlike({3, 2, 1}); }

TEST_F(WrittenSprt, SequencesMovesAndSoundsLikeItsTwinWithAFrameTable) {
    MakePair(2, 0);
    ExpectPlaysAlike({{0, 0}, {1, 0}, {0, 3}}, 8);
    const SpriteCreateRecord moved = Examined(sprites_[0]);
    // Sequence 0 moves (+2, +4), sequence 1 (0, -2), sequence 0 mirrored both ways (-2, -4).
    EXPECT_EQ(moved.x, 20 + 2 + 0 - 2);
    EXPECT_EQ(moved.y, 16 + 4 - 2 - 4);
    EXPECT_EQ(uint32_t(moved.depth), (uint32_t(4) << 16) | 2u) << "depth halves move as stored";
    // The sound frame played once per sprite, from the WAVE asset the handle names.
    EXPECT_EQ(g_sounds, (std::vector<std::string>{"9:wav:0", "9:wav:0"}));
}

}  // namespace
