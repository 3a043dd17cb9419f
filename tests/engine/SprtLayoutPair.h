// Two SPRT assets of one asset file that must play alike: an image sprite on each, each on
// a stage of its own at the same place, sequenced frame by frame (holds, moves, frame
// sounds, mirroring) and drawn, compared at every step. The test that derives from this
// writes the file; the frame thread is held so that the test drives the frames itself.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "AssetManager.h"
#include "EngineInsides.h"
#include "ImageSpriteHooks.h"
#include "NotificationQueue.h"
#include "Quor2_5.h"
#include "SpriteLayer.h"
#include "SpriteRecords.h"
#include "SpriteTable.h"
#include "StageTable.h"

class SprtLayoutPair : public ::testing::Test {
protected:
    // `first` and `second` are the asset numbers of the two SPRT assets in the file.
    SprtLayoutPair(uint32_t first, uint32_t second) : assets_{first, second} {}

    // Writes the asset file for the engine to give the handle `fileHandle` (the slot the
    // frames' sound handles name); returns its path.
    virtual std::string WriteTestFile(uint32_t fileHandle) = 0;

    void SetUp() override {
        // The file's slot is known only once it is open: the file is written for the slot
        // the engine will give it next, and again if that was wrong.
        int32_t predicted = 0;
        for (int attempt = 0; attempt < 3 && file_ == -1; ++attempt) {
            path_ = WriteTestFile(uint32_t(predicted));
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

    // One sprite on each asset, each on its own stage at the same place.
    void MakePair(uint32_t sequence, uint32_t frame, uint32_t flags = 0) {
        for (int i = 0; i < 2; ++i) {
            ImageBlock b = {uint32_t(file_) | assets_[i], sequence, frame, 0};
            SpriteCreateRecord r = CreationRecord(1, &b, stages_[i], 20, 16, 0, flags);
            sprites_[i] = CreateSprite(&r);
            ASSERT_NE(sprites_[i], 0) << "asset " << assets_[i] << " error " << std::hex << GetLastQuorError(nullptr);
            made_.push_back(sprites_[i]);
            ASSERT_EQ(SetSpriteCallback(sprites_[i], uintptr_t(&Notified), 1), 1);
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
            for (int x = 0; x < 64; ++x) {
                differing += pa.At(x, y) != pb.At(x, y);
                drawnSomething_ |= pa.At(x, y) != Buffer::kFill;
            }
        EXPECT_EQ(differing, 0) << when;
    }

    // Every frame of every sequence (`frames` holds each sequence's frame count), shown in
    // each mirroring, looks alike; one past the last frame is refused by both.
    void ExpectEveryFrameAlike(const std::vector<uint32_t>& frames) {
        MakePair(0, 0);
        ExpectAlike("created");
        for (uint32_t sequence = 0; sequence < frames.size(); ++sequence) {
            for (uint32_t frame = 0; frame < frames[sequence]; ++frame)
                for (uint32_t flips = 0; flips < 4; ++flips) {
                    for (int32_t s : sprites_) ASSERT_EQ(AnimateSprite(s, sequence, frame, flips), 1);
                    ExpectAlike("sequence " + std::to_string(sequence) + " frame " + std::to_string(frame) +
                                " flips " + std::to_string(flips));
                }
            for (int32_t s : sprites_) {
                EXPECT_EQ(AnimateSprite(s, sequence, frames[sequence], 0), 0) << "one past the last frame";
                EXPECT_EQ(GetLastQuorError(nullptr), ErrBadFrame);
            }
        }
        EXPECT_TRUE(drawnSomething_);
    }

    // Plays each {sequence, mirroring} to its end on both sprites, `ticks` frames each,
    // alike at every tick and with one end reported by each sprite.
    void ExpectPlaysAlike(const std::vector<std::array<uint32_t, 2>>& plays, int ticks) {
        int tick = 0;
        for (const auto& play : plays) {
            for (int32_t s : sprites_) ASSERT_EQ(AutoSequenceSprite(s, play[0], 0, play[1]), 1);
            const size_t endedBefore = g_notified.size();
            for (int i = 0; i < ticks; ++i, ++tick) {
                Step();
                ExpectAlike("tick " + std::to_string(tick));
            }
            EXPECT_EQ(g_notified.size(), endedBefore + 2) << "sequence " << play[0] << ": one end for each sprite";
        }
    }

    std::string path_;
    int32_t file_ = -1;
    int32_t sprites_[2] = {0, 0};

private:
    void Draw(int32_t stage, Buffer& b) {
        SpriteLayer& layer = Context()->stages->Find(stage)->Layer();
        layer.Draw(b.header, RECT{0, 0, b.header->width, b.header->height}, 0, 0);
    }

    uint32_t assets_[2];
    int32_t stages_[2] = {0, 0};
    std::vector<int32_t> made_;
    PaintingLock* hold_ = nullptr;
    bool drawnSomething_ = false;
};
