// Creation records for the sprite tests, and a sprite's record read back.
#pragma once
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

#include "Quor2_5.h"

inline SpriteCreateRecord CreationRecord(uint32_t type, const void* block, int32_t parent, int16_t x = 0,
                                         int16_t y = 0, int32_t depth = 0, uint32_t flags = 0) {
    SpriteCreateRecord r = {};
    r.type = type;
    r.extra = uintptr_t(block);
    r.x = x;
    r.y = y;
    r.depth = depth;
    r.flags = flags;
    r.parent = uint32_t(parent);
    return r;
}

inline SpriteCreateRecord Examined(int32_t sprite) {
    SpriteCreateRecord r = {};
    EXPECT_NE(ExamineSprite(sprite, &r), 0);
    return r;
}

// A stage of the test's own; the sprites listed in `made_` are deleted with it, after the
// frame thread has had time to finish with them.
class SpritesOnAStage : public ::testing::Test {
protected:
    void SetUp() override {
        stage_ = CreateStage(7);
        ASSERT_NE(stage_, 0);
    }
    void TearDown() override {
        for (int32_t s : made_) DeleteSprite(s);
        Sleep(100);
        DeleteStage(stage_);
    }

    int32_t stage_ = 0;
    std::vector<int32_t> made_;
};
