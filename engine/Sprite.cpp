#include "Sprite.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <new>
#include <vector>

#include "Blitter.h"
#include "ColorXlateTable.h"
#include "LibraryContext.h"
#include "NotificationQueue.h"
#include "PictureBuffer.h"
#include "PixelEffects.h"
#include "SpriteLayer.h"

using quor::Rect32;

// The 3D projection block a sprite owns while a 3D transform is applied.
struct SpriteProjection {
    quor::Projection projection;
    uint8_t reserved[248 - sizeof(quor::Projection)];
};
static_assert(sizeof(SpriteProjection) == 248, "projection block size");

// The record is shared with hosts byte for byte.
static_assert(offsetof(SpriteCreateRecord, x) == 8 && offsetof(SpriteCreateRecord, depth) == 12 &&
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

uint32_t Address(const void* p) { return uint32_t(uintptr_t(p)); }

int32_t RowPixels(uint16_t width, uint16_t kind) {
    const uint32_t bpp = quor::BytesPerPixel(kind);
    return int32_t(quor::RowBytes(width, bpp) / bpp);
}

Blitter& TheBlitter() { return *Context()->blitter; }

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
    Notify(3);
}

void Sprite::Notify(int32_t event) {
    NotificationQueue& q = Notifications();
    switch (notifyMode_) {
    case 1:
        q.PushCall(reinterpret_cast<NotifyRoutine>(uintptr_t(notifyTarget_)), event, handle_);
        break;
    case 2:
        q.PushPost(reinterpret_cast<HWND>(uintptr_t(notifyTarget_)), Context() ? Context()->spriteMessage : 0,
                   event, handle_);
        break;
    case 3:
    case 4:
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

int Sprite::SetCallback(uint32_t target, int32_t mode) {
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

void Sprite::Render(quor::ImageHeader* buffer, const Rect32& area, int32_t originX, int32_t originY) {
    if (IsHidden() || !buffer) return;
    Rect32 where = area;
    if (record_.flags & QuorSpriteClipped) {
        where = quor::Intersect(where, ToRect32(record_.clip));
        if (quor::IsEmpty(where)) return;
    }
    const bool transformed = (record_.flags & (QuorSprite2D | QuorSprite3D)) != 0;
    if (shadow_ && !transformed)
        for (int i = 0; i < shadowPieces_.count; ++i)
            RenderShadowPiece(buffer, shadowPieces_.pieces[i], where, originX, originY);
    for (int i = 0; i < pieces_.count; ++i) RenderPiece(buffer, pieces_.pieces[i], where, originX, originY);
}

void Sprite::RenderShadowPiece(quor::ImageHeader* buffer, const quor::SpritePiece& piece, const Rect32& area,
                               int32_t originX, int32_t originY) {
    Rect32 part = quor::Intersect(area, Rect32{piece.left, piece.top, piece.right, piece.bottom});
    if (quor::IsEmpty(part)) return;
    const Rect32 sb = ToRect32(record_.shadowBounds);
    // Offsets of the part within the shadow's bounds.
    const int32_t a = part.left - piece.left + piece.offsetX, b = a + (part.right - part.left);
    const int32_t t = part.top - piece.top + piece.offsetY, u = t + (part.bottom - part.top);
    const int32_t sw = sb.right - sb.left, sh = sb.bottom - sb.top;
    const int32_t w = shadow_->width, h = shadow_->height;
    const uint32_t flip = Flips();
    BlitRequest r = {};
    r.srcFormat = int16_t(quor::KindLevelMask);
    r.dstFormat = int16_t(buffer->kind);
    r.srcPixels = Address(reinterpret_cast<const uint8_t*>(shadow_) + sizeof(quor::ShadowHeader));
    r.srcRowPixels = quor::RowBytes(w, 1);
    r.srcRows = h;
    r.flip = flip;
    r.dstPixels = Address(reinterpret_cast<uint8_t*>(buffer) + sizeof(quor::ImageHeader));
    r.dstRowPixels = uint32_t(RowPixels(buffer->width, buffer->kind));
    r.dstX = part.left - originX;
    r.dstY = part.top - originY;
    r.dstWidth = b - a;
    r.dstHeight = u - t;
    // A scaled sprite's shadow is drawn from the scaled copy its kind makes; a shadow that
    // is not at the sprite's scale is left out.
    if (sw != w || sh != h) return;
    r.srcX = (flip & 1) ? w - b : a;
    r.srcY = (flip & 2) ? h - u : t;
    r.width = b - a;
    r.height = u - t;
    TheBlitter().As<BlitEntry1>(Blitter::RenderShadow)(&r);
}

quor::PictureView Sprite::ViewOfPicture(bool keyed) const {
    const quor::ImageHeader& pic = *picture_;
    quor::PictureView view;
    view.pixels = reinterpret_cast<const uint16_t*>(quor::PixelsOf(picture_));
    view.rowPixels = RowPixels(pic.width, pic.kind);
    view.width = pic.width;
    view.height = pic.height;
    view.frameX = frameX_;
    view.frameY = frameY_;
    view.keyed = keyed;
    view.key = uint16_t(pic.key);
    return view;
}

void Sprite::DropPrepared() {
    FreePictureBuffer(prepared_);
    prepared_ = nullptr;
    preparedStale_ = true;
}

const quor::ImageHeader* Sprite::Prepared() {
    const quor::ImageHeader& pic = *picture_;
    const bool affine = (record_.flags & QuorSprite2D) != 0;
    const bool scaled = scaled_ && !(record_.flags & (QuorSprite2D | QuorSprite3D));
    if (pic.kind == quor::KindLevelMask || (!affine && !scaled)) {
        DropPrepared();
        return nullptr;
    }
    const Rect32 b = Bounds();
    const int64_t w = int64_t(b.right) - b.left, h = int64_t(b.bottom) - b.top;
    if (w <= 0 || h <= 0 || w > 0xFFFF || h > 0xFFFF || w * h > (int64_t(1) << 20)) {
        DropPrepared();  // too large to keep: drawn directly
        return nullptr;
    }
    quor::ImageHeader* out = static_cast<quor::ImageHeader*>(prepared_);
    if (out && !preparedStale_ && out->width == w && out->height == h) return out;
    if (!out || out->width != w || out->height != h) {
        FreePictureBuffer(prepared_);
        prepared_ = NewPictureBuffer(uint16_t(w), uint16_t(h), false);
        out = static_cast<quor::ImageHeader*>(prepared_);
        if (!out) return nullptr;
    }
    const bool keyed = (pic.kind & quor::KindKeyed) != 0;
    const uint16_t* src = reinterpret_cast<const uint16_t*>(quor::PixelsOf(picture_));
    const int32_t srcRow = RowPixels(pic.width, pic.kind);
    // The transparent value: the picture's key, or for an opaque picture turned by the
    // matrix (whose corners must stay clear) a value that none of its pixels has.
    uint16_t key = uint16_t(pic.key);
    if (affine && !keyed) {
        std::vector<uint8_t> used(65536 / 8, 0);
        for (int32_t y = 0; y < pic.height; ++y)
            for (int32_t x = 0; x < pic.width; ++x) {
                const uint16_t p = src[size_t(y) * size_t(srcRow) + size_t(x)];
                used[p >> 3] = uint8_t(used[p >> 3] | (1u << (p & 7)));
            }
        uint32_t k = 0x8000;
        while (k < 0x18000 && (used[(k & 0xFFFF) >> 3] >> (k & 7) & 1)) ++k;
        key = uint16_t(k);
    }
    out->key = key;
    out->kind = uint16_t(quor::kFormatCode15 | ((keyed || affine) ? quor::KindKeyed : 0));
    uint16_t* px = reinterpret_cast<uint16_t*>(out + 1);
    const size_t count = out->pixelBytes / 2;
    for (size_t i = 0; i < count; ++i) px[i] = key;
    const int32_t outRow = RowPixels(out->width, out->kind);
    if (affine) {
        const quor::PictureView view = ViewOfPicture(keyed);
        quor::PixelTarget target;
        target.pixels = px;
        target.rowPixels = outRow;
        target.originX = b.left;
        target.originY = b.top;
        if (!affine_.singular) quor::DrawAffine(view, affine_, record_.x, record_.y, b, target);
    } else {
        BlitRequest r = {};
        r.srcFormat = int16_t(pic.kind);
        r.dstFormat = int16_t(out->kind);
        r.srcPixels = Address(src);
        r.srcX = 0;
        r.srcY = 0;
        r.width = pic.width;
        r.height = pic.height;
        r.srcRowPixels = uint32_t(srcRow);
        r.srcRows = pic.height;
        r.flip = Flips();
        r.dstPixels = Address(px);
        r.dstWidth = int32_t(w);
        r.dstHeight = int32_t(h);
        r.dstRowPixels = uint32_t(outRow);
        // No key in force: a plain scaled copy, so that no pixel is taken for a key.
        if (keyed) TheBlitter().As<BlitEntry2>(Blitter::ScaleOverlayNoXlate)(&r, pic.key);
        else TheBlitter().As<BlitEntry1>(Blitter::ScaleNoXlate)(&r);
    }
    preparedStale_ = false;
    return out;
}

void Sprite::RenderPiece(quor::ImageHeader* buffer, const quor::SpritePiece& piece, const Rect32& area,
                         int32_t originX, int32_t originY) {
    Rect32 part = quor::Intersect(area, Rect32{piece.left, piece.top, piece.right, piece.bottom});
    if (quor::IsEmpty(part)) return;
    const Rect32 bounds = Bounds();
    // World point -> the sprite's own (unwrapped) coordinates.
    const int32_t shiftX = bounds.left + piece.offsetX - piece.left;
    const int32_t shiftY = bounds.top + piece.offsetY - piece.top;
    uint16_t* dstPixels = reinterpret_cast<uint16_t*>(reinterpret_cast<uint8_t*>(buffer) + sizeof(quor::ImageHeader));
    const int32_t dstRow = RowPixels(buffer->width, buffer->kind);
    if (const quor::ImageHeader* ready = Prepared()) {
        // Already at the bounds' size, mirrored and turned: an unscaled overlay or copy.
        const uint16_t* xl = colorTable_ ? static_cast<const uint16_t*>(colorTable_->Entries()) : nullptr;
        BlitRequest r = {};
        r.srcFormat = int16_t(ready->kind);
        r.dstFormat = int16_t(buffer->kind);
        r.srcPixels = Address(quor::PixelsOf(ready));
        r.srcX = part.left + shiftX - bounds.left;
        r.srcY = part.top + shiftY - bounds.top;
        r.width = r.dstWidth = part.right - part.left;
        r.height = r.dstHeight = part.bottom - part.top;
        r.srcRowPixels = uint32_t(RowPixels(ready->width, ready->kind));
        r.srcRows = ready->height;
        r.dstPixels = Address(dstPixels);
        r.dstX = part.left - originX;
        r.dstY = part.top - originY;
        r.dstRowPixels = uint32_t(dstRow);
        r.extra = Address(xl);
        if (ready->kind & quor::KindKeyed)
            TheBlitter().As<BlitEntry2>(xl ? Blitter::OverlayXlate : Blitter::OverlayNoXlate)(&r, ready->key);
        else
            TheBlitter().As<BlitEntry1>(xl ? Blitter::CopyXlate : Blitter::CopyNoXlate)(&r);
        return;
    }
    const quor::ImageHeader& pic = *picture_;
    const uint8_t* srcPixels = quor::PixelsOf(picture_);
    const uint16_t* xlate = colorTable_ ? static_cast<const uint16_t*>(colorTable_->Entries()) : nullptr;
    const bool keyed = (pic.kind & quor::KindKeyed) != 0 && pic.kind != quor::KindLevelMask;

    if (record_.flags & (QuorSprite2D | QuorSprite3D)) {
        if (pic.kind == quor::KindLevelMask) return;
        quor::PictureView view = ViewOfPicture(keyed);
        view.xlate = xlate;
        view.xlateCount = colorTable_ ? uint32_t(colorTable_->Capacity()) : 0;
        quor::PixelTarget target;
        target.pixels = dstPixels;
        target.rowPixels = dstRow;
        target.originX = originX + shiftX;
        target.originY = originY + shiftY;
        const Rect32 region = {part.left + shiftX, part.top + shiftY, part.right + shiftX, part.bottom + shiftY};
        if (record_.flags & QuorSprite2D) {
            if (!affine_.singular) quor::DrawAffine(view, affine_, record_.x, record_.y, region, target);
        } else if (projection_) {
            quor::DrawProjective(view, projection_->projection, region, target);
        }
        return;
    }

    // Offsets of the part within the bounds.
    const int32_t a = part.left + shiftX - bounds.left, b = part.right + shiftX - bounds.left;
    const int32_t t = part.top + shiftY - bounds.top, u = part.bottom + shiftY - bounds.top;
    const int32_t w = pic.width, h = pic.height;
    const uint32_t flip = Flips();
    BlitRequest r = {};
    r.srcFormat = int16_t(pic.kind);
    r.dstFormat = int16_t(buffer->kind);
    r.srcPixels = Address(srcPixels);
    r.srcRowPixels = uint32_t(RowPixels(pic.width, pic.kind));
    r.srcRows = h;
    r.flip = flip;
    r.dstPixels = Address(dstPixels);
    r.dstRowPixels = uint32_t(dstRow);
    r.dstX = part.left - originX;
    r.dstY = part.top - originY;
    r.dstWidth = b - a;
    r.dstHeight = u - t;
    r.extra = Address(xlate);

    if (scaled_ && pic.kind != quor::KindLevelMask) {
        if (ratio_ <= 0) return;
        int32_t sa = int32_t(a / ratio_ + 0.5), sb = int32_t(b / ratio_ + 0.5);
        int32_t ta = int32_t(t / ratio_ + 0.5), tb = int32_t(u / ratio_ + 0.5);
        if (sb > w) sb = w;
        if (tb > h) tb = h;
        if (sa >= sb || ta >= tb) return;
        r.srcX = (flip & 1) ? w - sb : sa;
        r.srcY = (flip & 2) ? h - tb : ta;
        r.width = sb - sa;
        r.height = tb - ta;
        if (keyed) {
            TheBlitter().As<BlitEntry2>(xlate ? Blitter::ScaleOverlayXlate : Blitter::ScaleOverlayNoXlate)(&r, pic.key);
        } else {
            // No key in force: a plain scaled copy, so that no pixel is taken for a key.
            TheBlitter().As<BlitEntry1>(xlate ? Blitter::ScaleXlate : Blitter::ScaleNoXlate)(&r);
        }
        return;
    }
    r.srcX = (flip & 1) ? w - b : a;
    r.srcY = (flip & 2) ? h - u : t;
    r.width = b - a;
    r.height = u - t;
    if (pic.kind == quor::KindLevelMask) {
        if (!effect_) {
            r.extra = 0;
            TheBlitter().As<BlitEntry1>(Blitter::RenderShadow)(&r);
            return;
        }
        const int32_t srcRow = int32_t(r.srcRowPixels);
        for (int32_t j = 0; j < r.height; ++j) {
            const int32_t sy = (flip & 2) ? r.srcY + r.height - 1 - j : r.srcY + j;
            uint16_t* out = dstPixels + size_t(r.dstY + j) * size_t(dstRow) + r.dstX;
            for (int32_t i = 0; i < r.width; ++i) {
                const int32_t sx = (flip & 1) ? r.srcX + r.width - 1 - i : r.srcX + i;
                const uint8_t level = srcPixels[size_t(sy) * size_t(srcRow) + size_t(sx)];
                out[i] = ::ApplyEffect(*effect_, level, out[i]);
            }
        }
        return;
    }
    if (keyed)
        TheBlitter().As<BlitEntry2>(xlate ? Blitter::OverlayXlate : Blitter::OverlayNoXlate)(&r, pic.key);
    else
        TheBlitter().As<BlitEntry1>(xlate ? Blitter::CopyXlate : Blitter::CopyNoXlate)(&r);
}
