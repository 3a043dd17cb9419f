// Creation records for the sprite tests, and a sprite's record read back.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>

#include "Quor2_5.h"

inline SpriteCreateRecord CreationRecord(uint32_t type, const void* block, int32_t parent, int16_t x = 0,
                                         int16_t y = 0, int32_t depth = 0, uint32_t flags = 0) {
    SpriteCreateRecord r = {};
    r.type = type;
    r.extra = uint32_t(uintptr_t(block));
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
