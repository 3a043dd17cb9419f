// Owner-draw sprites: the host draws with GDI into a DIB section the engine gives it (an
// HBITMAP and a pixel address handed back in the host's own block), then asks the engine
// to take the drawing over into the sprite's picture.
#pragma once
#include <cstdint>

#include "DibSurface.h"
#include "Sprite.h"

// The kind block of owner-draw sprites.
struct OwnerDrawBlock {
    uint32_t options;  // 1 opaque, 2 level mask
    int32_t width, height;
    int32_t x, y;
    uint32_t transparentColour;
    alignas(sizeof(void*)) uint8_t surface[sizeof(SurfaceRecord)];  // the drawing surface record, filled in by the engine
};
static_assert(sizeof(void*) != 4 || sizeof(OwnerDrawBlock) == 64, "owner-draw block layout");

class OwnerDrawSprite : public Sprite {
public:
    static const uint32_t kOpaque = 1, kLevelMask = 2;

    OwnerDrawSprite(int32_t handle, const SpriteCreateRecord& record);
    ~OwnerDrawSprite() override;
    void Invalidate() override;
    // Takes what the host drew into the picture.
    int Update();

private:
    OwnerDrawBlock block_ = {};
    DibSurface surface_;
    void* picture_ = nullptr;
};

class FixedOwnerDrawSprite : public OwnerDrawSprite {
public:
    using OwnerDrawSprite::OwnerDrawSprite;
    int Move(const int16_t*) override { return NotMovable(); }
    int Place(int16_t, int16_t, int32_t) override { return NotMovable(); }
    uint32_t Kind() const override { return KindTag("OWNF"); }
};

class MovableOwnerDrawSprite : public OwnerDrawSprite {
public:
    using OwnerDrawSprite::OwnerDrawSprite;
    uint32_t Kind() const override { return KindTag("OWNM"); }
};
