#include "FontLabel.h"

#include <algorithm>

#include "ImageRecord.h"
#include "LevelImage.h"
#include "RectHitShape.h"
#include "SpriteDesc.h"
#include "SpriteQueries.h"

namespace {
const int32_t kLabelDepth = 2;
const int32_t kPaintingToken = 0;

// Holds the engine's painting token while the frame thread must not read the picture.
class SyncToken {
public:
    SyncToken() { GetThreadSyncToken(kPaintingToken); }
    ~SyncToken() { ReleaseThreadSyncToken(kPaintingToken); }
    SyncToken(const SyncToken&) = delete;
    SyncToken& operator=(const SyncToken&) = delete;
};

int32_t PictureWidth(const void* picture) {
    return picture ? quor::HeaderOf(picture)->width : 0;
}
}  // namespace

bool FontLabel::Create(const SpriteParent& parent, SpriteFont* font, uint32_t pictureAsset, int32_t x, int32_t y,
                       uint32_t maxLength, HQUOREFFECT effect) {
    font_ = font;
    maxLength_ = maxLength;
    holder_ = std::make_unique<SpriteHandle>();
    if (!CreateAnimSpriteAt(parent, *holder_, pictureAsset, x, y, kLabelDepth, false)) return false;
    SetSprite(holder_.get());
    SetBehaviour(new RectHitShape(HeldSpriteBounds(*holder_)));
    picture_ = const_cast<void*>(GetSpriteImage(*holder_));
    {
        SyncToken token;
        ClearImageBuffer(picture_);
    }
    if (effect) ApplyEffectToSprite(holder_->Get(), effect);
    MakeSpriteVisible(holder_->Get(), 1);
    return true;
}

void FontLabel::SetText(const char* text) {
    std::string kept = text ? text : "";
    if (kept.size() > maxLength_) kept.resize(maxLength_);
    text_ = kept;
    Redraw();
}

void FontLabel::SetAlignment(uint32_t mode) {
    alignment_ = mode;
    Redraw();
}

void FontLabel::ShowPosition(uint32_t index) {
    scroll_ = index;
    SetAlignment(kScrolled);
}

int32_t FontLabel::StartX() const {
    const int32_t w = PictureWidth(picture_);
    const int32_t b = font_->LeftBearing(text_[0]);
    const uint32_t length = GetLength();
    switch (alignment_) {
    case kCentred:
        return std::max<int32_t>(w - font_->Measure(text_.data(), length).cx, 0) / 2 + b;
    case kRight:
        return w - font_->Measure(text_.data(), length).cx + b;
    case kScrolled:
        return w + b - font_->Measure(text_.data(), std::min(scroll_, length)).cx;
    default:
        return b;
    }
}

void FontLabel::Redraw() {
    if (!holder_ || holder_->IsEmpty()) return;
    {
        SyncToken token;
        ClearImageBuffer(picture_);
        if (!text_.empty() && font_) font_->DrawText(picture_, POINT{StartX(), 0}, text_.data(), GetLength());
        MakeSpriteVisible(holder_->Get(), 1);
        OnRedrawn();
    }
}

void FontLabel::OnRedrawn() {}
