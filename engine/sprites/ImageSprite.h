// Image sprites: props and actors that show one frame of an SPRT asset at a time, either a
// frame the host picks or a sequence the engine plays by itself on the frame thread,
// moving the sprite by each frame's movement, playing frame sounds through the host's
// sound routine and telling the host when the sequence has played to its end.
#pragma once
#include <cstdint>

#include "Sprite.h"
#include "SprtAsset.h"

// The kind block of image sprites.
struct ImageBlock {
    uint32_t asset;     // SPRT asset handle, or 0
    uint32_t sequence;
    uint32_t frame;
    uintptr_t data;     // SPRT data already in memory, used when the handle is 0
};
static_assert(sizeof(void*) != 4 || sizeof(ImageBlock) == 16, "image block layout");

class ImageSprite : public Sprite {
public:
    ImageSprite(int32_t handle, const SpriteCreateRecord& record);
    ~ImageSprite() override;
    bool IsHidden() const override;
    bool UsesAssetFile(uint32_t filePart) const override;
    void EndFrame() override;
    void Tick(int32_t frames) override;
    void Invalidate() override;
    // Shows a frame; automatic sequencing goes on from where it was.
    virtual int Animate(uint32_t sequence, uint32_t frame, uint32_t flips);
    // Makes the current frame's picture the sprite's picture.
    virtual void LoadFrameImage();
    // Plays the sequence from `start` on the frame thread, from the next tick on.
    int AutoSequence(uint32_t sequence, uint32_t start, uint32_t flips);

    uint32_t SequenceCount() const;
    uint32_t FramesInSequence(uint32_t sequence) const;
    bool Running() const { return running_; }

protected:
    const quor::SprtFrame* CurrentFrame() const { return frame_; }

private:
    void FreePicture();
    const uint32_t* Sequence(uint32_t index) const;
    // The shadow at the sprite's scale: the asset's own when unscaled, else a scaled copy.
    void FitShadow();
    void PlayFrameSound(uint32_t sound) const;
    bool CanMove() const { return (Record().type & 1) != 0; }

    ImageBlock block_ = {};
    uint8_t* sprt_ = nullptr;
    bool sprtLocked_ = false;
    uint32_t filePart_ = 0;
    const quor::SprtFrame* frame_ = nullptr;
    uint32_t pictureHandle_ = 0;
    void* decoded_ = nullptr;     // a picture decoded into a buffer of the sprite's own
    bool pictureLocked_ = false;  // the picture is the locked asset data itself
    const quor::ShadowHeader* frameShadow_ = nullptr;  // the frame's shadow as loaded
    void* scaledShadow_ = nullptr;                     // its copy at the sprite's scale
    double scaledShadowRatio_ = 1.0;

    // Automatic sequencing.
    bool running_ = false;
    int64_t countdown_ = 0;  // a hold of 0 leaves it below zero for good
    uint32_t counter_ = 0;
    uint32_t lastFrame_ = 0;
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
