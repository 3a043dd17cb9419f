#include "SpriteHandle.h"

SpriteHandle::~SpriteHandle() { Reset(0); }

void SpriteHandle::Reset(int32_t sprite) {
    if (sprite_ && sprite_ != sprite) DeleteSprite(sprite_);
    sprite_ = sprite;
}

FontSpriteHandle::~FontSpriteHandle() {
    // The font goes first, then the sprite (in the base's destructor).
    SetFontCopy(nullptr);
}

void FontSpriteHandle::SetFontCopy(HFONT font) {
    if (font_ && font_ != font) DeleteObject(font_);
    font_ = font;
}

const char* FontSpriteHandle::KeepText(const char* text) {
    text_ = text ? text : "";
    return text_.c_str();
}
