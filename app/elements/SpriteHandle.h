// Owners of one engine sprite each: the sprite is deleted with its owner. A text sprite's
// owner also keeps the font copy that the sprite's later text changes name, an owner-draw
// sprite's owner the drawing surface that the engine made for it.
#pragma once
#include <cstdint>
#include <string>

#include "Quor2_5.h"

class SpriteHandle {
public:
    SpriteHandle() = default;
    SpriteHandle(const SpriteHandle&) = delete;
    SpriteHandle& operator=(const SpriteHandle&) = delete;
    virtual ~SpriteHandle();

    int32_t Get() const { return sprite_; }
    bool IsEmpty() const { return sprite_ == 0; }
    // Takes the new sprite over; the one held before is deleted.
    void Reset(int32_t sprite);
    // The font that text changes give the sprite (none for plain sprites).
    virtual HFONT GetFontCopy() const { return nullptr; }
    // The text to hand to the engine for a text change: text holders keep their own copy,
    // since the engine keeps the address; plain holders pass the caller's.
    virtual const char* KeepText(const char* text) { return text; }

private:
    int32_t sprite_ = 0;
};

class FontSpriteHandle : public SpriteHandle {
public:
    ~FontSpriteHandle() override;
    HFONT GetFontCopy() const override { return font_; }
    // Takes the font over; the copy held before is deleted.
    void SetFontCopy(HFONT font);
    const char* KeepText(const char* text) override;

private:
    HFONT font_ = nullptr;
    std::string text_;
};

class OwnerDrawSpriteHandle : public SpriteHandle {
public:
    // The drawing surface of the sprite, as the engine reported it after creation.
    const QuorSurfaceRecord& Surface() const { return surface_; }
    void SetSurface(const QuorSurfaceRecord& surface) { surface_ = surface; }

private:
    QuorSurfaceRecord surface_ = {};
};
