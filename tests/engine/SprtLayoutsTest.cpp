// The two layouts an SPRT asset comes in play alike: the asset writer's (no frame table,
// its offset 0, every sequence followed by its own frame records) and one with a separate
// frame table. Image sprites on each are created through the exports, sequenced frame by
// frame (holds, moves, a frame sound, mirroring) and drawn, and must match at every step.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "AssetFileBuilder.h"
#include "AssetManager.h"
#include "EngineInsides.h"
#include "ImageSpriteHooks.h"
#include "NotificationQueue.h"
#include "Quor2_5.h"
#include "SpriteLayer.h"
#include "SpriteRecords.h"
#include "SpriteTable.h"
#include "SprtAssetBuilder.h"
#include "StageTable.h"
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



class SprtLayouts : public ::testing::Test {
protected:
    void SetUp() override {
        // The sound handle names the file's own slot, known only once it is open: the file
        // is written for the slot the engine will give it next, and again if that was wrong.
        int32_t predicted = 0;
        for (int attempt = 0; attempt < 3 && file_ == -1; ++attempt) {
            path_ = WriteTempAssetFile(File(uint32_t(predicted) | kSound), "vsl_sprt_layouts");
            file_ = OpenAssetFile(path_.c_str());
            ASSERT_NE(file_, -1);
            if (file_ == predicted) break;
            predicted = int32_t((((uint32_t(file_) >> 24) + 1) % kAssetFileSlots) << 24);
            CloseAssetFile(uint32_t(file_));
            file_ = -1;
        }
        ASSERT_NE(file_, -1);
        for (int32_t& s : stages_) {
            s = CreateStage(7);
            ASSERT_NE(s, 0);
        }
        ASSERT_EQ(RegisterSoundCallback(&Sound), 1);
        g_sounds.clear();
        g_notified.clear();
        hold_ = new PaintingLock();  // the test drives the frames; the frame thread waits
    }
    void TearDown() override {
        for (int32_t s : made_) DeleteSprite(s);
        RegisterSoundCallback(nullptr);
        delete hold_;
        Sleep(100);
        for (int32_t s : stages_) DeleteStage(s);
        if (file_ != -1) CloseAssetFile(uint32_t(file_));
        DeleteFileA(path_.c_str());
    }
    // One actor per layout, each on its own stage at the same place.
    void MakePair(uint32_t sequence, uint32_t frame, uint32_t flags = 0) {
        const uint32_t assets[2] = {kWriterLayout, kFrameTable};
        for (int i = 0; i < 2; ++i) {
            ImageBlock b = {uint32_t(file_) | assets[i], sequence, frame, 0};
            SpriteCreateRecord r = CreationRecord(1, &b, stages_[i], 20, 16, 0, flags);
            sprites_[i] = CreateSprite(&r);
            ASSERT_NE(sprites_[i], 0) << "layout " << i << " error " << std::hex << GetLastQuorError(nullptr);
            made_.push_back(sprites_[i]);
            ASSERT_EQ(SetSpriteCallback(sprites_[i], uint32_t(uintptr_t(&Notified)), 1), 1);
        }
    }
    void Step() {
        Context()->sprites->TickAll(1);
        Context()->sprites->EndFrame();
        Notifications().Flush();
    }
    // Both sprites' records and pictures agree.
    void ExpectAlike(const std::string& when) {
        const SpriteCreateRecord a = Examined(sprites_[0]), b = Examined(sprites_[1]);
        EXPECT_EQ(a.x, b.x) << when;
        EXPECT_EQ(a.y, b.y) << when;
        EXPECT_EQ(a.depth, b.depth) << when;
        EXPECT_TRUE(EqualRect(&a.bounds, &b.bounds)) << when;
        const auto* ba = reinterpret_cast<const ImageBlock*>(uintptr_t(a.extra));
        const auto* bb = reinterpret_cast<const ImageBlock*>(uintptr_t(b.extra));
        EXPECT_EQ(ba->sequence, bb->sequence) << when;
        EXPECT_EQ(ba->frame, bb->frame) << when;
        Buffer pa(64, 48), pb(64, 48);
        Draw(stages_[0], pa);
        Draw(stages_[1], pb);
        int differing = 0;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x) differing += pa.At(x, y) != pb.At(x, y);
        EXPECT_EQ(differing, 0) << when;
        for (uint16_t colour : {0x1111, 0x2222, 0x3333}) drawnSomething_ |= pa.Box(colour, 0, 0).right > 0;
    }
    void Draw(int32_t stage, Buffer& b) {
        SpriteLayer& layer = Context()->stages->Find(stage)->Layer();
        layer.Draw(b.header, RECT{0, 0, b.header->width, b.header->height}, 0, 0);
    }

    std::string path_;
    int32_t file_ = -1;
    int32_t stages_[2] = {0, 0};
    int32_t sprites_[2] = {0, 0};
    std::vector<int32_t> made_;
    PaintingLock* hold_ = nullptr;
    bool drawnSomething_ = false;
};

TEST_F(SprtLayouts, BothLayoutsShowEveryFrameAlike) {
    MakePair(0, 0);
    ExpectAlike("created");
    for (uint32_t sequence = 0; sequence < 3; ++sequence) {
        const uint32_t frames = sequence == 0 ? 3 : sequence == 1 ? 2 : 1;
        for (uint32_t frame = 0; frame < frames; ++frame)
            for (uint32_t flips = 0; flips < 4; ++flips) {
                for (int32_t s : sprites_) ASSERT_EQ(AnimateSprite(s, sequence, frame, flips), 1);
                ExpectAlike("sequence " + std::to_string(sequence) + " frame " + std::to_string(frame) +
                            " flips " + std::to_string(flips));
            }
        for (int32_t s : sprites_) {
            EXPECT_EQ(AnimateSprite(s, sequence, frames, 0), 0) << "one past the last frame";
            EXPECT_EQ(GetLastQuorError(nullptr), ErrBadFrame);
        }
    }
    EXPECT_TRUE(drawnSomething_);
}

TEST_F(SprtLayouts, BothLayoutsSequenceMoveAndSoundAlike) {
    MakePair(2, 0);
    // Moves, mirrored moves and the sound sequence, each to its end and reported once.
    const uint32_t plays[][2] = {{0, 0}, {0, 1}, {1, 0}, {0, 2}};
    int ticks = 0;
    for (const auto& play : plays) {
        for (int32_t s : sprites_) ASSERT_EQ(AutoSequenceSprite(s, play[0], 0, play[1]), 1);
        const size_t endedBefore = g_notified.size();
        for (int i = 0; i < 6; ++i, ++ticks) {
            Step();
            ExpectAlike("tick " + std::to_string(ticks));
        }
        EXPECT_EQ(g_notified.size(), endedBefore + 2) << "sequence " << play[0] << ": one end for each sprite";
    }
    const SpriteCreateRecord moved = Examined(sprites_[0]);
    // Each play of sequence 0 moves (+5, -4); mirrored horizontally (-5, -4), vertically (+5, +4).
    EXPECT_EQ(moved.x, 20 + 5 - 5 + 5);
    EXPECT_EQ(moved.y, 16 - 4 - 4 + 4);
    EXPECT_EQ(uint32_t(moved.depth), (uint32_t(3) << 16) | 6u) << "depth halves move as stored";
    // The sound frame played once per sprite, from the WAVE asset the handle names.
    EXPECT_EQ(g_sounds, (std::vector<std::string>{"9:snd:0", "9:snd:0"}));
}

}  // namespace
