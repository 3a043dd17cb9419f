// Text sprites: a string drawn once with GDI (when made and whenever its properties
// change) into a picture that is then drawn like any other, placed by its anchors and
// optionally with a drop shadow, an emboss or an outline.
#pragma once
#include <cstdint>

#include "Sprite.h"

// Text properties, the kind block of text sprites.
struct TextProperties {
    uintptr_t font;  // HFONT
    uintptr_t text;  // address of the zero-terminated text
    uint32_t textColour;
    uint32_t backgroundColour;  // with kOpaqueBackground
    uint32_t effectColour1;     // shadow, outline or first emboss colour
    uint32_t effectColour2;     // second emboss colour
    int32_t effectOffset;
    uint32_t options;
};
static_assert(sizeof(void*) != 4 || sizeof(TextProperties) == 32, "text properties layout");

class TextSprite : public Sprite {
public:
    static const uint32_t kOpaqueBackground = 0x10;
    // Layout bits of the sprite flags.
    static const uint32_t kDropShadow = 0x20, kEmboss = 0x40, kOutline = 0x80;

    TextSprite(int32_t handle, const SpriteCreateRecord& record);
    ~TextSprite() override;
    void Invalidate() override;
    // New properties: the text is drawn again.
    int Modify(const TextProperties& properties);

protected:
    // Makes the picture of the text.
    virtual void RenderText();

private:
    void FreePicture();
    void BlankPicture(uint16_t width, uint16_t height, uint32_t key, bool keyed);

    TextProperties properties_ = {};
    void* picture_ = nullptr;
    int32_t offsetX_ = 0, offsetY_ = 0;  // of the picture from the sprite position
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
