#include "Sprite.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <new>

#include "ColorXlateTable.h"
#include "LibraryContext.h"
#include "NotificationQueue.h"
#include "PictureBuffer.h"
#include "PixelEffects.h"
#include "SpriteLayer.h"

using quor::Rect32;

// The record is shared with hosts byte for byte.
static_assert(sizeof(void*) != 4 || offsetof(SpriteCreateRecord, x) == 8 && offsetof(SpriteCreateRecord, depth) == 12 &&
                  offsetof(SpriteCreateRecord, flags) == 24 && offsetof(SpriteCreateRecord, parent) == 32 &&
                  offsetof(SpriteCreateRecord, bounds) == 36 && offsetof(SpriteCreateRecord, image) == 52 &&
                  offsetof(SpriteCreateRecord, shadowBounds) == 56 && offsetof(SpriteCreateRecord, effect) == 72 &&
                  offsetof(SpriteCreateRecord, shadowImage) == 76 && offsetof(SpriteCreateRecord, transformA) == 80 &&
                  offsetof(SpriteCreateRecord, transformB) == 112 &&
                  offsetof(SpriteCreateRecord, transformWork) == 144 &&
                  offsetof(SpriteCreateRecord, block3D) == 212 && offsetof(SpriteCreateRecord, singular) == 216 &&
                  offsetof(SpriteCreateRecord, clip) == 224,
              "sprite creation record layout");

namespace {

const size_t kEngineFieldsOffset = offsetof(SpriteCreateRecord, bounds);

RECT ToRect(const Rect32& r) { return {r.left, r.top, r.right, r.bottom}; }
Rect32 ToRect32(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

int32_t RoundScaled(int32_t v, double ratio) { return int32_t(std::floor(double(v) * ratio + 0.5)); }

uintptr_t Address(const void* p) { return uintptr_t(p); }

}  // namespace

Sprite::Sprite(int32_t handle, const SpriteCreateRecord& record) : handle_(handle), record_(record) {
    // The engine's fields are its own: nothing the caller left in them is trusted.
    std::memset(reinterpret_cast<uint8_t*>(&record_) + kEngineFieldsOffset, 0,
                sizeof(record_) - kEngineFieldsOffset);
    record_.flags = (record.flags & kHostFlags) | QuorSpriteAlive;
    if (record_.scaleDenominator == 0 && record_.scaleNumerator != 0)
        Errors().Raise(ErrZeroDenominator, handle);
    scaled_ = record_.scaleNumerator != record_.scaleDenominator;
    ratio_ = record_.scaleDenominator ? double(record_.scaleNumerator) / double(record_.scaleDenominator) : 1.0;
    if (record_.colorTable) {
        colorTable_ = ColorXlateTable::Find(reinterpret_cast<const void*>(uintptr_t(record_.colorTable)));
        colorTable_->AddReference();
    }
}

Sprite::~Sprite() {
    if (layer_) layer_->Remove(this);
    if (colorTable_) colorTable_->DropReference();
    colorTable_ = nullptr;
    if (effect_) ReleaseEffect(reinterpret_cast<HQUOREFFECT>(effect_));
    effect_ = nullptr;
    FreeProjection();
    DropPrepared();
    Notify(SpriteDestroyed);
}

void Sprite::Notify(SpriteEvent event) {
    NotificationQueue& q = Notifications();
    switch (notifyMode_) {
    case NotifyByCall:
        q.PushCall(reinterpret_cast<NotifyRoutine>(uintptr_t(notifyTarget_)), event, handle_);
        break;
    case NotifyByMessage:
        q.PushPost(reinterpret_cast<HWND>(uintptr_t(notifyTarget_)), Context() ? Context()->spriteMessage : 0,
                   event, handle_);
        break;
    case NotifySetEvent:
    case NotifyPulseEvent:
        q.PushEvent(reinterpret_cast<HANDLE>(uintptr_t(notifyTarget_)), notifyMode_);
        break;
    default:
        break;
    }
}

int Sprite::NotMovable() { Errors().Raise(ErrNotMovable); }

int Sprite::Move(const int16_t deltas[4]) {
    const int32_t oldDepth = record_.depth;
    record_.x = int16_t(record_.x + deltas[0]);
    record_.y = int16_t(record_.y + deltas[1]);
    // The depth's two halves move separately.
    const uint32_t d = uint32_t(record_.depth);
    const uint16_t low = uint16_t(uint16_t(d) + uint16_t(deltas[2]));
    const uint16_t high = uint16_t(uint16_t(d >> 16) + uint16_t(deltas[3]));
    record_.depth = int32_t(uint32_t(high) << 16 | low);
    if (deltas[2] || deltas[3]) Reorder(oldDepth);
    moving_ = true;
    Invalidate();
    moving_ = false;
    return 1;
}

int Sprite::Place(int16_t x, int16_t y, int32_t depth) {
    const int32_t oldDepth = record_.depth;
    record_.x = x;
    record_.y = y;
    record_.depth = depth;
    if (depth != oldDepth) Reorder(oldDepth);
    moving_ = true;
    Invalidate();
    moving_ = false;
    return 1;
}

void Sprite::Reorder(int32_t) {
    if (layer_) layer_->Resort(this);
}

int Sprite::Scale(uint32_t numerator, uint32_t denominator) {
    if (denominator == 0 && numerator != 0) Errors().Raise(ErrZeroDenominator, handle_);
    record_.scaleNumerator = numerator;
    record_.scaleDenominator = denominator;
    scaled_ = numerator != denominator;
    ratio_ = denominator ? double(numerator) / double(denominator) : 1.0;
    Invalidate();
    return 1;
}

int Sprite::TranslateColors(ColorXlateTable* table) {
    if (colorTable_) colorTable_->DropReference();
    colorTable_ = table;
    if (table) table->AddReference();
    record_.colorTable = Address(table);
    Invalidate();
    return 1;
}

int Sprite::SetVisible(bool visible) {
    // A deleted sprite stays hidden until it goes at the end of the frame.
    if (visible && Alive()) record_.flags &= ~uint32_t(QuorSpriteHidden);
    else record_.flags |= QuorSpriteHidden;
    Invalidate();
    return 1;
}

int Sprite::Examine(SpriteCreateRecord* out) const {
    std::memcpy(out, &record_, sizeof(record_));
    return 1;
}

void Sprite::Delete() {
    record_.flags |= QuorSpriteHidden;
    record_.flags &= ~uint32_t(QuorSpriteAlive);
    TranslateColors(nullptr);
}

int Sprite::SetCallback(uintptr_t target, int32_t mode) {
    notifyTarget_ = target;
    notifyMode_ = mode;
    return 1;
}

void Sprite::FreeProjection() {
    delete projection_;
    projection_ = nullptr;
    record_.block3D = 0;
}

int Sprite::ApplyTransform(const double matrix[4]) {
    FreeProjection();
    record_.flags &= ~uint32_t(QuorSprite3D);
    record_.flags |= QuorSprite2D;
    affine_ = quor::MakeAffine(matrix);
    for (int i = 0; i < 4; ++i) {
        record_.transformA[i] = affine_.m[i];
        record_.transformB[i] = affine_.singular ? 0.0 : affine_.inv[i];
    }
    record_.singular = affine_.singular ? 1 : 0;
    Invalidate();
    return 1;
}

int Sprite::Apply3DTransform(const double rotation[4], const double position[3]) {
    if (!projection_) {
        projection_ = new (std::nothrow) SpriteProjection();
        if (!projection_) Errors().Raise(ErrOutOfMemory);
        record_.block3D = Address(projection_);
    }
    record_.flags &= ~uint32_t(QuorSprite2D);
    record_.flags |= QuorSprite3D;
    for (int i = 0; i < 4; ++i) record_.transformA[i] = rotation[i];
    for (int i = 0; i < 3; ++i) record_.transformB[i] = position[i];
    record_.transformB[3] = 0.0;
    record_.singular = 0;
    Invalidate();
    return 1;
}

int Sprite::RemoveTransform() {
    FreeProjection();
    record_.flags &= ~uint32_t(QuorSprite2D | QuorSprite3D);
    record_.singular = 0;
    Invalidate();
    return 1;
}

void Sprite::SetClippingRectangle(bool enable, const RECT* rect) {
    if (enable) {
        if (rect) {
            record_.clip = *rect;
            clipKnown_ = true;
        }
        // Without a rectangle, an earlier one comes back in force; with none ever given
        // the sprite stays unclipped.
        if (clipKnown_) record_.flags |= QuorSpriteClipped;
    } else {
        record_.flags &= ~uint32_t(QuorSpriteClipped);
    }
    Invalidate();
}

int Sprite::ApplyEffect(EffectRecord* effect) {
    LockEffect(reinterpret_cast<HQUOREFFECT>(effect));
    if ((record_.flags & QuorSpriteEffect) && effect_) ReleaseEffect(reinterpret_cast<HQUOREFFECT>(effect_));
    effect_ = effect;
    record_.effect = Address(effect);
    record_.flags |= QuorSpriteEffect;
    Invalidate();
    return 1;
}

int Sprite::RemoveEffect() {
    if (effect_) ReleaseEffect(reinterpret_cast<HQUOREFFECT>(effect_));
    effect_ = nullptr;
    record_.effect = 0;
    record_.flags &= ~uint32_t(QuorSpriteEffect);
    Invalidate();
    return 1;
}

bool Sprite::IsHidden() const { return (record_.flags & QuorSpriteHidden) != 0 || !picture_; }

bool Sprite::UsesAssetFile(uint32_t) const { return false; }

void Sprite::EndFrame() {
    if (!changed_) return;
    lastDrawn_ = quor::Unite(Bounds(), shadow_ ? ToRect32(record_.shadowBounds) : Rect32{0, 0, 0, 0});
    repaint_ = {0, 0, 0, 0};
    changed_ = false;
}

void Sprite::Tick(int32_t) {}

uint32_t Sprite::Kind() const { return 0; }

void Sprite::Invalidate() {}

Rect32 Sprite::Bounds() const { return ToRect32(record_.bounds); }

void Sprite::MarkChanged() {
    changed_ = true;
    dirty_ = true;
}

void Sprite::SetPicture(const quor::ImageHeader* picture, int32_t frameX, int32_t frameY) {
    // Another picture: a prepared copy of the old one must not outlive it, even when the
    // move that follows would otherwise keep it.
    preparedStale_ = true;
    picture_ = picture;
    frameX_ = frameX;
    frameY_ = frameY;
    record_.image = Address(picture);
    MarkChanged();
}

void Sprite::SetShadow(const quor::ShadowHeader* shadow, bool atScale) {
    shadow_ = shadow;
    shadowAtScale_ = atScale;
    record_.shadowImage = Address(shadow);
    MarkChanged();
}

Rect32 Sprite::PictureBounds() const {
    const int32_t x = record_.x, y = record_.y;
    if (!picture_) return {x, y, x, y};
    int32_t w = picture_->width, h = picture_->height;
    if (record_.flags & QuorSprite2D) {
        return quor::CornerBounds(quor::AffineCorners(affine_, frameX_, frameY_, w, h), x, y);
    }
    if ((record_.flags & QuorSprite3D) && projection_) {
        return quor::ProjectedBounds(projection_->projection, frameX_, frameY_, w, h);
    }
    int32_t ox = frameX_, oy = frameY_;
    if (scaled_ && picture_->kind != quor::KindLevelMask) {
        ox = RoundScaled(ox, ratio_);
        oy = RoundScaled(oy, ratio_);
        w = RoundScaled(w, ratio_);
        h = RoundScaled(h, ratio_);
    }
    Rect32 r;
    r.left = (Flips() & QuorSpriteMirrorH) ? x - ox - w : x + ox;
    r.top = (Flips() & QuorSpriteMirrorV) ? y - oy - h : y + oy;
    r.right = r.left + w;
    r.bottom = r.top + h;
    return r;
}

void Sprite::UpdateTransformWork() {
    std::memset(record_.transformWork, 0, sizeof(record_.transformWork));
    if (!picture_) return;
    if (record_.flags & QuorSprite2D) {
        quor::Corners c = quor::AffineCorners(affine_, frameX_, frameY_, picture_->width, picture_->height);
        std::memcpy(record_.transformWork, c.p, sizeof(c.p));
    } else if ((record_.flags & QuorSprite3D) && projection_) {
        const double* rotation = record_.transformA;
        const double* position = record_.transformB;
        double focal = 300.0, cx = 320.0, cy = 200.0;
        if (layer_) {
            focal = layer_->Focal();
            cx = layer_->CentreX();
            cy = layer_->CentreY();
        }
        projection_->projection = quor::MakeProjection(rotation, position, focal, cx, cy, record_.x, record_.y);
    }
}

void Sprite::InvalidatePicture() {
    if (!moving_) preparedStale_ = true;
    UpdateTransformWork();
    record_.bounds = ToRect(PictureBounds());
    repaint_ = quor::Unite(Bounds(), lastDrawn_);
    if (shadow_ && picture_) {
        Rect32 b = Bounds();
        int32_t sw = shadow_->width, sh = shadow_->height;
        int32_t sx = shadow_->x, sy = shadow_->y;
        if (scaled_ && !shadowAtScale_) {
            sw = RoundScaled(sw, ratio_);
            sh = RoundScaled(sh, ratio_);
            sx = RoundScaled(sx, ratio_);
            sy = RoundScaled(sy, ratio_);
        }
        // The shadow mirrors with the picture about the bounds.
        int32_t left = (Flips() & QuorSpriteMirrorH) ? b.right - sx - sw : b.left + sx;
        int32_t top = (Flips() & QuorSpriteMirrorV) ? b.bottom - sy - sh : b.top + sy;
        record_.shadowBounds = {left, top, left + sw, top + sh};
        repaint_ = quor::Unite(repaint_, ToRect32(record_.shadowBounds));
    } else {
        record_.shadowBounds = {0, 0, 0, 0};
    }
    RecomputePieces();
    MarkChanged();
}

void Sprite::RecomputePieces() {
    pieces_ = quor::PieceSet();
    shadowPieces_ = quor::PieceSet();
    if (layer_) {
        pieces_ = quor::CutIntoPieces(Bounds(), layer_->Width(), layer_->Height(), layer_->WrapsX(),
                                      layer_->WrapsY());
        if (shadow_)
            shadowPieces_ = quor::CutIntoPieces(ToRect32(record_.shadowBounds), layer_->Width(),
                                                layer_->Height(), layer_->WrapsX(), layer_->WrapsY());
    }
    dirty_ = true;
}

void Sprite::RememberPainted() {
    reportedCount_ = 0;
    if (IsHidden()) return;
    auto take = [&](const quor::PieceSet& set) {
        for (int i = 0; i < set.count && reportedCount_ < 8; ++i) {
            const quor::SpritePiece& p = set.pieces[i];
            reported_[reportedCount_++] = {p.left, p.top, p.right, p.bottom};
        }
    };
    take(pieces_);
    if (!(record_.flags & (QuorSprite2D | QuorSprite3D))) take(shadowPieces_);
}
