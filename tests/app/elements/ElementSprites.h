// A fixture for sprites made through descriptions and face elements: an asset file of its
// own with one SPRT asset and three pictures, opened in the engine, and a stage with a
// camera to create sprites on.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "AssetFileBuilder.h"
#include "Quor2_5.h"
#include "SpriteParent.h"
#include "SpriteRecords.h"
#include "SprtAssetBuilder.h"
#include "TempAssetFile.h"

class ElementSprites : public ::testing::Test {
protected:
    static const uint32_t kSprt = 1;
    // Frames 0-2 show pictures 2, 3 and 4 pixels wide, held 3, 3 and 5 frames; sequence 0
    // shows them in order, sequence 1 shows frame 2, frame 0 and frame 2 again.
    static SprtAssetBuilder Sprt() {
        SprtAssetBuilder b;
        const uint32_t holds[3] = {3, 3, 5};
        for (uint32_t i = 0; i < 3; ++i) {
            SprtFrameSpec f;
            f.picture = 2 + i;
            f.hold = holds[i];
            b.Frame(f);
        }
        return b.Sequence({0, 1, 2}).Sequence({2, 0, 2});
    }

    void SetUp() override {
        sprt_ = Sprt().Build();
        AssetFileBuilder b;
        b.Add(0x54525053u, Sprt().BuildData());
        for (uint16_t w = 2; w <= 4; ++w) b.Add(0x50414D42u, SolidPictureData(w, 3, 0x1234));
        path_ = WriteTempAssetFile(b.Build(), "vsl_element_sprites");
        file_ = OpenAssetFile(path_.c_str());
        ASSERT_NE(file_, -1);
        stage_.stage = CreateStage(7);
        ASSERT_NE(stage_.stage, 0);
        camera_.camera = CreateCamera(stage_.stage, 0, 0, nullptr);
        ASSERT_NE(camera_.camera, 0u);
    }
    void TearDown() override {
        Sleep(100);  // deleted sprites leave their slots at the end of the frame
        DeleteCamera(camera_.camera);
        DeleteStage(stage_.stage);
        stage_.stage = 0;
        CloseAssetFile(uint32_t(file_));
        DeleteFileA(path_.c_str());
    }
    uint32_t Asset(uint32_t index) const { return uint32_t(file_) | index; }
    // The hold of frame record `frame` in the sprite's SPRT data as the engine has it.
    uint32_t Hold(int32_t sprite, uint32_t frame) const {
        const SpriteCreateRecord r = Examined(sprite);
        const uint8_t* data = reinterpret_cast<const uint8_t*>(
            uintptr_t(reinterpret_cast<const QuorImageBlock*>(uintptr_t(r.extra))->data));
        const uint32_t record = SprtAssetBuilder::Get(sprt_, SprtAssetBuilder::Get(sprt_, 20) + 4 * frame);
        uint32_t hold;
        std::memcpy(&hold, data + record + 24, 4);
        return hold;
    }
    // Whether the sprite is still alive (a deleted one may linger until the frame ends).
    static bool Alive(int32_t sprite) {
        SpriteCreateRecord r = {};
        return ExamineSprite(sprite, &r) && (r.flags & QuorSpriteAlive);
    }
    static HFONT Font(int height = -20) {
        return CreateFontA(height, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Arial");
    }
    static int32_t Width(int32_t sprite) {
        const RECT b = Examined(sprite).bounds;
        return b.right - b.left;
    }

    std::vector<uint8_t> sprt_;
    std::string path_;
    int32_t file_ = -1;
    StageParent stage_;
    CameraParent camera_;
};
