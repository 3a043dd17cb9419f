// A bitmap font whose glyphs are rectangles of one level picture: the frame of a hidden
// 'anim' sprite. Text is measured from the glyphs' advances and bearings and drawn by
// adding glyph rectangles into another level picture.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "SpriteHandle.h"
#include "SpriteParent.h"

// One glyph as the caller describes it (ten 32-bit values).
struct GlyphRecord {
    int32_t code;  // only its low byte counts
    int32_t left, top, right, bottom;  // the glyph in the font picture
    int32_t xOffset, yOffset;          // where the rectangle sits from the pen on the baseline
    int32_t advance;
    int32_t ascent, descent;
};
static_assert(sizeof(GlyphRecord) == 40, "glyph record layout");

class SpriteFont {
public:
    // The glyph array stays the caller's and must outlive the font.
    SpriteFont(const SpriteParent& parent, uint32_t fontAsset, const GlyphRecord* glyphs, uint32_t count);
    SpriteFont(const SpriteFont&) = delete;
    SpriteFont& operator=(const SpriteFont&) = delete;

    // Adds `count` characters into the level picture `target`, the top of the line at `at`.
    void DrawText(void* target, POINT at, const char* text, uint32_t count) const;
    // The width of the first `count` characters and the line height.
    SIZE Measure(const char* text, uint32_t count) const;
    // How far the first character's glyph reaches left of the pen (at least 0).
    int32_t LeftBearing(char c) const;
    // How far the last character's glyph reaches right of its advance (at least 0).
    int32_t RightOverhang(char c) const;
    int32_t LineHeight() const { return ascent_ + descent_; }
    int32_t Ascent() const { return ascent_; }
    const void* Picture() const { return picture_; }

private:
    // The glyph that draws and measures the character, and the one whose bearing counts;
    // null when the font has no glyphs.
    const GlyphRecord* GlyphFor(char c) const;
    const GlyphRecord* BearingGlyphFor(char c) const;
    const GlyphRecord* Mapped(uint8_t c) const;
    void BuildMap();

    SpriteHandle holder_;
    const void* picture_ = nullptr;
    const GlyphRecord* glyphs_;
    // Glyph indices for the characters 32 to 255; -1 marks characters above 127 that no
    // glyph has, which are drawn as the characters below 32 are.
    std::vector<int32_t> map_;
    uint32_t count_;
    int32_t ascent_ = 0;
    int32_t descent_ = 0;
    int32_t advance_ = 0;
};

// The owner of a shared sprite font: Reset and Release delete the font (its sprite and
// its character map) when it holds one.
class SpriteFontRef {
public:
    SpriteFontRef() = default;
    explicit SpriteFontRef(SpriteFont* font) : font_(font) {}
    void Reset(SpriteFont* font = nullptr) { font_.reset(font); }
    void Release() { font_.reset(); }
    SpriteFont* Get() const { return font_.get(); }
    SpriteFont* operator->() const { return font_.get(); }

private:
    std::unique_ptr<SpriteFont> font_;
};
