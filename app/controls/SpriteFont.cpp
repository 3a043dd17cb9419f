#include "SpriteFont.h"

#include <algorithm>

#include "LevelImage.h"
#include "SpriteDesc.h"
#include "SpriteQueries.h"

namespace {
const int32_t kFirstMapped = 32, kLastPrintable = 126, kLastMapped = 255;
const int32_t kNoGlyph = -1;
// Where the font's hidden sprite stands.
const int32_t kSpriteX = 87, kSpriteY = 135, kSpriteDepth = 1;
// Characters without a glyph of their own draw as this one, and take this one's bearing.
const char kStandIn = 'c', kBearingStandIn = '~';

bool IsControl(uint8_t c) { return c < kFirstMapped || c == 127; }
}  // namespace

SpriteFont::SpriteFont(const SpriteParent& parent, uint32_t fontAsset, const GlyphRecord* glyphs, uint32_t count)
    : glyphs_(glyphs), count_(glyphs ? count : 0) {
    if (CreateAnimSpriteAt(parent, holder_, fontAsset, kSpriteX, kSpriteY, kSpriteDepth, false))
        picture_ = GetSpriteImage(holder_);
    BuildMap();
}

// Characters 32 to 126 take the first glyph of their code, or glyph 0; those above 127
// take the first glyph of their code when there is one.
void SpriteFont::BuildMap() {
    map_.assign(size_t(kLastMapped - kFirstMapped + 1), 0);
    bool found = false;
    for (int32_t c = kFirstMapped; c <= kLastMapped; ++c) {
        int32_t& entry = map_[size_t(c - kFirstMapped)];
        if (c == 127) continue;
        entry = c > kLastPrintable ? kNoGlyph : 0;
        for (uint32_t i = 0; i < count_; ++i) {
            const GlyphRecord& g = glyphs_[i];
            if ((g.code & 0xFF) != c) continue;
            entry = int32_t(i);
            ascent_ = std::max(ascent_, g.ascent);
            descent_ = found ? std::min(descent_, g.descent) : g.descent;
            found = true;
            advance_ = std::max(advance_, g.advance);
            break;
        }
    }
}

const GlyphRecord* SpriteFont::Mapped(uint8_t c) const {
    if (count_ == 0) return nullptr;
    const int32_t index = map_[size_t(c - kFirstMapped)];
    return index == kNoGlyph ? nullptr : &glyphs_[index];
}

const GlyphRecord* SpriteFont::GlyphFor(char c) const {
    const uint8_t u = uint8_t(c);
    const GlyphRecord* g = IsControl(u) ? nullptr : Mapped(u);
    return g ? g : Mapped(uint8_t(kStandIn));
}

const GlyphRecord* SpriteFont::BearingGlyphFor(char c) const {
    const uint8_t u = uint8_t(c);
    const GlyphRecord* g = IsControl(u) ? nullptr : Mapped(u);
    return g ? g : Mapped(uint8_t(kBearingStandIn));
}

int32_t SpriteFont::LeftBearing(char c) const {
    const GlyphRecord* g = BearingGlyphFor(c);
    return g ? std::max(g->xOffset, 0) : 0;
}

int32_t SpriteFont::RightOverhang(char c) const {
    const GlyphRecord* g = BearingGlyphFor(c);
    return g ? std::max((g->right - g->left) - g->advance - g->xOffset, 0) : 0;
}

SIZE SpriteFont::Measure(const char* text, uint32_t count) const {
    SIZE size = {0, LineHeight()};
    if (count == 0 || !text) return size;
    for (uint32_t i = 0; i < count; ++i) {
        if (const GlyphRecord* g = GlyphFor(text[i])) size.cx += g->advance;
    }
    size.cx += LeftBearing(text[0]) + RightOverhang(text[count - 1]);
    return size;
}

void SpriteFont::DrawText(void* target, POINT at, const char* text, uint32_t count) const {
    if (!target || !picture_ || !text) return;
    const int32_t baseline = at.y + ascent_;
    int32_t x = at.x;
    for (uint32_t i = 0; i < count; ++i) {
        const GlyphRecord* g = GlyphFor(text[i]);
        if (!g) return;
        BlendImageAdditive(target, picture_, x - g->xOffset, baseline - g->yOffset, g->left, g->top, g->right,
                           g->bottom);
        x += g->advance;
    }
}
