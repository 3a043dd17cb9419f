// Descriptions of the engine sprites the game creates: an animated image ('anim'), a text
// ('text') or an owner-drawn image ('odrw'), turned into the engine's creation record.
#pragma once
#include <cstdint>

#include "Quor2_5.h"
#include "SpriteHandle.h"
#include "SpriteParent.h"

// Four-letter codes with the first letter in the lowest byte.
constexpr uint32_t SpriteKindCode(const char (&s)[5]) {
    return uint32_t(uint8_t(s[0])) | uint32_t(uint8_t(s[1])) << 8 | uint32_t(uint8_t(s[2])) << 16 |
           uint32_t(uint8_t(s[3])) << 24;
}

class SpriteDesc {
public:
    virtual uint32_t GetKind() const = 0;

    uint32_t visible = 1;
    int32_t x = 0, y = 0;
    uint32_t depth = 0;  // one signed ordering key; MoveSprite changes its halves apart
    uint32_t scaleNumerator = 1, scaleDenominator = 1;
    uint32_t flags = 0;  // bits 0-1 reach the engine: flips for images, anchor for texts

protected:
    ~SpriteDesc() = default;
};

class AnimSpriteDesc : public SpriteDesc {
public:
    static constexpr uint32_t kKind = SpriteKindCode("anim");
    uint32_t GetKind() const override { return kKind; }

    QuorImageBlock block = {};  // SPRT asset, sequence, start frame; the engine fills the data
};

class TextSpriteDesc : public SpriteDesc {
public:
    static constexpr uint32_t kKind = SpriteKindCode("text");
    TextSpriteDesc() { properties.text = ""; }
    uint32_t GetKind() const override { return kKind; }

    QuorTextProperties properties = {};
};

class OwnerDrawSpriteDesc : public SpriteDesc {
public:
    static constexpr uint32_t kKind = SpriteKindCode("odrw");
    static constexpr COLORREF kMagenta = 0x00FF00FF;
    OwnerDrawSpriteDesc() { block.transparentColour = kMagenta; }
    uint32_t GetKind() const override { return kKind; }

    QuorOwnerDrawBlock block = {};
};

// Type bits of the three families, as the record's type field holds them.
const uint32_t kAnimTypeBits = 0, kTextTypeBits = 4, kOwnerDrawTypeBits = 8;

// Creates the sprite of `record` (whose kind block the caller has pointed at the
// description's) on the parent, as a movable sprite of the family in `typeBits`. On
// success the holder takes the new sprite, deleting the one it held; on failure it keeps
// its sprite. True when a sprite was made.
bool CreateSpriteFromDesc(const SpriteParent& parent, SpriteHandle& holder, SpriteCreateRecord& record,
                          uint32_t typeBits, const SpriteDesc& desc);

bool CreateAnimSprite(const SpriteParent& parent, SpriteHandle& holder, const AnimSpriteDesc& desc);
// An 'anim' sprite of the asset with every other value at its default.
bool CreateDefaultAnimSprite(const SpriteParent& parent, SpriteHandle& holder, uint32_t asset);
// An 'anim' sprite of the asset at the point and depth, unscaled, showing frame 0 of
// sequence 0.
bool CreateAnimSpriteAt(const SpriteParent& parent, SpriteHandle& holder, uint32_t asset, int32_t x, int32_t y,
                        uint32_t depth, bool visible);
// The holder also gets its own copy of the description's font.
bool CreateTextSprite(const SpriteParent& parent, FontSpriteHandle& holder, const TextSpriteDesc& desc);
// The holder also gets the drawing surface that the engine made.
bool CreateOwnerDrawSprite(const SpriteParent& parent, OwnerDrawSpriteHandle& holder,
                           const OwnerDrawSpriteDesc& desc);
