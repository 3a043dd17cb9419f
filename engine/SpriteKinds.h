// The six sprite kinds: image sprites (props and actors) that show frames of an SPRT asset,
// text sprites and owner-draw sprites, each in a fixed and a movable form.
#pragma once
#include <cstdint>

#include "Sprite.h"

// The kind block of image sprites.
struct ImageBlock {
    uint32_t asset;     // SPRT asset handle, or 0
    uint32_t sequence;
    uint32_t frame;
    uint32_t data;      // SPRT data already in memory, used when the handle is 0
};
static_assert(sizeof(ImageBlock) == 16, "image block layout");

// One frame of an SPRT asset.
struct SprtFrame {
    uint32_t picture;  // asset index within the SPRT's file
    uint32_t unused;
    int32_t x, y;
    int16_t moveX, moveY, moveDepthLow, moveDepthHigh;
    uint32_t hold;
    uint32_t sound;
};
static_assert(sizeof(SprtFrame) == 32, "SPRT frame layout");

class ImageSprite : public Sprite {
public:
    ImageSprite(int32_t handle, const SpriteCreateRecord& record);
    ~ImageSprite() override;
    bool IsHidden() const override;
    bool UsesAssetFile(uint32_t filePart) const override;
    void Invalidate() override;
    // Shows another frame (the animation exports build on it).
    virtual int Animate(uint32_t sequence, uint32_t frame, uint32_t flips);
    // Makes the current frame's picture the sprite's picture.
    virtual void LoadFrameImage();

    uint32_t SequenceCount() const;
    uint32_t FramesInSequence(uint32_t sequence) const;

protected:
    const SprtFrame* CurrentFrame() const { return frame_; }

private:
    void FreePicture();
    const uint32_t* Sequence(uint32_t index) const;

    ImageBlock block_ = {};
    const uint8_t* sprt_ = nullptr;
    bool sprtLocked_ = false;
    uint32_t filePart_ = 0;
    const SprtFrame* frame_ = nullptr;
    uint32_t pictureHandle_ = 0;
    void* decoded_ = nullptr;     // a picture decoded into a buffer of the sprite's own
    bool pictureLocked_ = false;  // the picture is the locked asset data itself
};

class PropSprite : public ImageSprite {
public:
    using ImageSprite::ImageSprite;
    int Move(const int16_t*) override { return NotMovable(); }
    int Place(int16_t, int16_t, int32_t) override { return NotMovable(); }
    uint32_t Kind() const override { return KindTag("PROP"); }
};

class ActorSprite : public ImageSprite {
public:
    using ImageSprite::ImageSprite;
    uint32_t Kind() const override { return KindTag("ACTR"); }
};

// Text properties, the kind block of text sprites.
struct TextProperties {
    uint32_t font;
    uint32_t text;
    uint32_t textColour;
    uint32_t backgroundColour;
    uint32_t effectColour1;
    uint32_t effectColour2;
    int32_t effectOffset;
    uint32_t options;
};
static_assert(sizeof(TextProperties) == 32, "text properties layout");

class TextSprite : public Sprite {
public:
    TextSprite(int32_t handle, const SpriteCreateRecord& record);
    ~TextSprite() override;
    void Invalidate() override;

protected:
    // Makes the picture of the text; the text renderer replaces the blank picture.
    virtual void RenderText();

private:
    TextProperties properties_ = {};
    void* picture_ = nullptr;
};

class FixedTextSprite : public TextSprite {
public:
    using TextSprite::TextSprite;
    int Move(const int16_t*) override { return NotMovable(); }
    int Place(int16_t, int16_t, int32_t) override { return NotMovable(); }
    uint32_t Kind() const override { return KindTag("FTXT"); }
};

class MovableTextSprite : public TextSprite {
public:
    using TextSprite::TextSprite;
    uint32_t Kind() const override { return KindTag("MTXT"); }
};

// The kind block of owner-draw sprites.
struct OwnerDrawBlock {
    uint32_t options;  // 1 opaque, 2 level mask
    int32_t width, height;
    int32_t x, y;
    uint32_t transparentColour;
    uint8_t surface[40];  // the drawing surface record, filled in by the engine
};
static_assert(sizeof(OwnerDrawBlock) == 64, "owner-draw block layout");

class OwnerDrawSprite : public Sprite {
public:
    OwnerDrawSprite(int32_t handle, const SpriteCreateRecord& record);
    ~OwnerDrawSprite() override;
    void Invalidate() override;

private:
    OwnerDrawBlock block_ = {};
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

// The sprite of the record's type (0-11); raises on failure.
Sprite* NewSpriteOfKind(int32_t handle, const SpriteCreateRecord& record);
