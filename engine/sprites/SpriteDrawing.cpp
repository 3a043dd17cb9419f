// How a sprite draws itself into a picture buffer: its shadow, then each piece of its
// picture by one of five paths (a prepared picture, a transformed one, a scaled one, a level
// mask, a plain copy or overlay), all through the blitter except the transforms.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "BlitRequestBuilder.h"
#include "Blitter.h"
#include "ColorXlateTable.h"
#include "LibraryContext.h"
#include "PictureBuffer.h"
#include "PixelEffects.h"
#include "Sprite.h"

using quor::Rect32;

// What one piece draws: `part` is the piece's part inside the area (layer coordinates),
// shiftX and shiftY take a layer point to the sprite's own, unwrapped, coordinates, and
// [a, b) x [t, u) is the part's place within the bounds.
struct Sprite::PieceDraw {
    quor::ImageHeader* buffer;
    Rect32 part;
    int32_t originX, originY;
    int32_t shiftX, shiftY;
    int32_t a, b, t, u;

    // The request into the buffer at the part's place, drawn from `picture` (its source
    // rectangle still to be given).
    BlitRequestBuilder Request(const quor::ImageHeader* picture) const {
        BlitRequestBuilder r(buffer);
        r.From(picture).To(part.left - originX, part.top - originY);
        return r;
    }
};

namespace {

Blitter& TheBlitter() { return *Context()->blitter; }

// An overlay when the key is in force, else a copy; through the colour table when there is one.
void OverlayOrCopy(BlitRequest* r, bool keyed, uint32_t key, const uint16_t* xlate) {
    if (keyed)
        TheBlitter().As<BlitEntry2>(xlate ? Blitter::OverlayXlate : Blitter::OverlayNoXlate)(r, key);
    else
        TheBlitter().As<BlitEntry1>(xlate ? Blitter::CopyXlate : Blitter::CopyNoXlate)(r);
}

// The same, scaled. With no key in force a plain scaled copy, so that no pixel is taken for
// a key.
void ScaledOverlayOrCopy(BlitRequest* r, bool keyed, uint32_t key, const uint16_t* xlate) {
    if (keyed)
        TheBlitter().As<BlitEntry2>(xlate ? Blitter::ScaleOverlayXlate : Blitter::ScaleOverlayNoXlate)(r, key);
    else
        TheBlitter().As<BlitEntry1>(xlate ? Blitter::ScaleXlate : Blitter::ScaleNoXlate)(r);
}

// A pixel value that no pixel of the picture has: the transparent value of an opaque
// picture turned by the matrix, whose corners must stay clear.
uint16_t UnusedPixelValue(const quor::ImageHeader& pic) {
    const uint16_t* src = reinterpret_cast<const uint16_t*>(quor::PixelsOf(&pic));
    const uint32_t row = BlitRequestBuilder::RowPixelsOf(pic);
    std::vector<uint8_t> used(65536 / 8, 0);
    for (int32_t y = 0; y < pic.height; ++y)
        for (int32_t x = 0; x < pic.width; ++x) {
            const uint16_t p = src[size_t(y) * row + size_t(x)];
            used[p >> 3] = uint8_t(used[p >> 3] | (1u << (p & 7)));
        }
    uint32_t k = 0x8000;
    while (k < 0x18000 && (used[(k & 0xFFFF) >> 3] >> (k & 7) & 1)) ++k;
    return uint16_t(k);
}

}  // namespace

const uint16_t* Sprite::XlateEntries() const {
    return colorTable_ ? static_cast<const uint16_t*>(colorTable_->Entries()) : nullptr;
}

void Sprite::Render(quor::ImageHeader* buffer, const Rect32& area, int32_t originX, int32_t originY) {
    if (IsHidden() || !buffer) return;
    Rect32 where = area;
    if (record_.flags & QuorSpriteClipped) {
        where = quor::Intersect(where, Rect32{record_.clip.left, record_.clip.top, record_.clip.right,
                                              record_.clip.bottom});
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
    const Rect32 sb = {record_.shadowBounds.left, record_.shadowBounds.top, record_.shadowBounds.right,
                       record_.shadowBounds.bottom};
    const int32_t w = shadow_->width, h = shadow_->height;
    // A scaled sprite's shadow is drawn from the scaled copy its kind makes; a shadow that
    // is not at the sprite's scale is left out.
    if (sb.right - sb.left != w || sb.bottom - sb.top != h) return;
    // Offsets of the part within the shadow's bounds.
    const int32_t a = part.left - piece.left + piece.offsetX, b = a + (part.right - part.left);
    const int32_t t = part.top - piece.top + piece.offsetY, u = t + (part.bottom - part.top);
    const uint32_t flip = Flips();
    BlitRequestBuilder r(buffer);
    r.From(reinterpret_cast<const uint8_t*>(shadow_) + sizeof(quor::ShadowHeader), quor::RowBytes(w, 1), h,
           int16_t(quor::KindLevelMask))
        .FromAt((flip & BlitFlipH) ? w - b : a, (flip & BlitFlipV) ? h - u : t)
        .To(part.left - originX, part.top - originY)
        .Size(b - a, u - t)
        .Flip(flip);
    TheBlitter().As<BlitEntry1>(Blitter::RenderShadow)(r.Get());
}

quor::PictureView Sprite::ViewOfPicture(bool keyed) const {
    const quor::ImageHeader& pic = *picture_;
    quor::PictureView view;
    view.pixels = reinterpret_cast<const uint16_t*>(quor::PixelsOf(picture_));
    view.rowPixels = int32_t(BlitRequestBuilder::RowPixelsOf(pic));
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
    Prepare(out, affine);
    preparedStale_ = false;
    return out;
}

void Sprite::Prepare(quor::ImageHeader* out, bool affine) {
    const quor::ImageHeader& pic = *picture_;
    const bool keyed = (pic.kind & quor::KindKeyed) != 0;
    const uint16_t key = affine && !keyed ? UnusedPixelValue(pic) : uint16_t(pic.key);
    out->key = key;
    out->kind = uint16_t(quor::kFormatCode15 | ((keyed || affine) ? quor::KindKeyed : 0));
    uint16_t* px = reinterpret_cast<uint16_t*>(out + 1);
    const size_t count = out->pixelBytes / 2;
    for (size_t i = 0; i < count; ++i) px[i] = key;
    if (affine) {
        const Rect32 b = Bounds();
        quor::PixelTarget target;
        target.pixels = px;
        target.rowPixels = int32_t(BlitRequestBuilder::RowPixelsOf(*out));
        target.originX = b.left;
        target.originY = b.top;
        if (!affine_.singular) quor::DrawAffine(ViewOfPicture(keyed), affine_, record_.x, record_.y, b, target);
        return;
    }
    BlitRequestBuilder r(out);
    r.From(picture_).Scaled(pic.width, pic.height, out->width, out->height).Flip(Flips());
    ScaledOverlayOrCopy(r.Get(), keyed, pic.key, nullptr);
}

void Sprite::RenderPiece(quor::ImageHeader* buffer, const quor::SpritePiece& piece, const Rect32& area,
                         int32_t originX, int32_t originY) {
    const Rect32 part = quor::Intersect(area, Rect32{piece.left, piece.top, piece.right, piece.bottom});
    if (quor::IsEmpty(part)) return;
    const Rect32 bounds = Bounds();
    PieceDraw d = {buffer, part, originX, originY, 0, 0, 0, 0, 0, 0};
    d.shiftX = bounds.left + piece.offsetX - piece.left;
    d.shiftY = bounds.top + piece.offsetY - piece.top;
    d.a = part.left + d.shiftX - bounds.left;
    d.b = part.right + d.shiftX - bounds.left;
    d.t = part.top + d.shiftY - bounds.top;
    d.u = part.bottom + d.shiftY - bounds.top;
    if (const quor::ImageHeader* ready = Prepared()) {
        DrawPrepared(d, *ready);
    } else if (record_.flags & (QuorSprite2D | QuorSprite3D)) {
        if (picture_->kind != quor::KindLevelMask) DrawTransformed(d);
    } else if (picture_->kind == quor::KindLevelMask) {
        DrawLevelMask(d);
    } else if (scaled_) {
        DrawScaled(d);
    } else {
        DrawPlain(d);
    }
}

// Already at the bounds' size, mirrored and turned: an unscaled overlay or copy.
void Sprite::DrawPrepared(const PieceDraw& d, const quor::ImageHeader& ready) {
    const uint16_t* xlate = XlateEntries();
    BlitRequestBuilder r = d.Request(&ready);
    r.FromAt(d.a, d.t).Size(d.b - d.a, d.u - d.t).Extra(xlate);
    OverlayOrCopy(r.Get(), (ready.kind & quor::KindKeyed) != 0, ready.key, xlate);
}

// The affine or projective renderer, span by span, straight into the buffer.
void Sprite::DrawTransformed(const PieceDraw& d) {
    const quor::ImageHeader& pic = *picture_;
    quor::PictureView view = ViewOfPicture((pic.kind & quor::KindKeyed) != 0);
    view.xlate = XlateEntries();
    view.xlateCount = colorTable_ ? uint32_t(colorTable_->Capacity()) : 0;
    quor::PixelTarget target;
    target.pixels = reinterpret_cast<uint16_t*>(d.buffer + 1);
    target.rowPixels = int32_t(BlitRequestBuilder::RowPixelsOf(*d.buffer));
    target.originX = d.originX + d.shiftX;
    target.originY = d.originY + d.shiftY;
    const Rect32 region = {d.part.left + d.shiftX, d.part.top + d.shiftY, d.part.right + d.shiftX,
                           d.part.bottom + d.shiftY};
    if (record_.flags & QuorSprite2D) {
        if (!affine_.singular) quor::DrawAffine(view, affine_, record_.x, record_.y, region, target);
    } else if (projection_) {
        quor::DrawProjective(view, projection_->projection, region, target);
    }
}

// The part of the picture that the scaled part shows, sampled by the blitter.
void Sprite::DrawScaled(const PieceDraw& d) {
    if (ratio_ <= 0) return;
    const quor::ImageHeader& pic = *picture_;
    const int32_t w = pic.width, h = pic.height;
    const int32_t sa = int32_t(d.a / ratio_ + 0.5), ta = int32_t(d.t / ratio_ + 0.5);
    const int32_t sb = std::min<int32_t>(int32_t(d.b / ratio_ + 0.5), w);
    const int32_t tb = std::min<int32_t>(int32_t(d.u / ratio_ + 0.5), h);
    if (sa >= sb || ta >= tb) return;
    const uint32_t flip = Flips();
    const uint16_t* xlate = XlateEntries();
    BlitRequestBuilder r = d.Request(picture_);
    r.FromAt((flip & BlitFlipH) ? w - sb : sa, (flip & BlitFlipV) ? h - tb : ta)
        .Scaled(sb - sa, tb - ta, d.b - d.a, d.u - d.t)
        .Flip(flip)
        .Extra(xlate);
    ScaledOverlayOrCopy(r.Get(), (pic.kind & quor::KindKeyed) != 0, pic.key, xlate);
}

// A level mask darkens what lies under it, or applies the sprite's effect by level.
void Sprite::DrawLevelMask(const PieceDraw& d) {
    const quor::ImageHeader& pic = *picture_;
    const int32_t w = pic.width, h = pic.height;
    const uint32_t flip = Flips();
    const int32_t srcX = (flip & BlitFlipH) ? w - d.b : d.a, srcY = (flip & BlitFlipV) ? h - d.u : d.t;
    const int32_t width = d.b - d.a, height = d.u - d.t;
    const int32_t dstX = d.part.left - d.originX, dstY = d.part.top - d.originY;
    if (!effect_) {
        BlitRequestBuilder r = d.Request(picture_);
        r.FromAt(srcX, srcY).Size(width, height).Flip(flip);
        TheBlitter().As<BlitEntry1>(Blitter::RenderShadow)(r.Get());
        return;
    }
    const uint8_t* levels = quor::PixelsOf(picture_);
    const size_t srcRow = BlitRequestBuilder::RowPixelsOf(pic);
    const size_t dstRow = BlitRequestBuilder::RowPixelsOf(*d.buffer);
    uint16_t* dst = reinterpret_cast<uint16_t*>(d.buffer + 1);
    for (int32_t j = 0; j < height; ++j) {
        const int32_t sy = (flip & BlitFlipV) ? srcY + height - 1 - j : srcY + j;
        uint16_t* out = dst + size_t(dstY + j) * dstRow + dstX;
        for (int32_t i = 0; i < width; ++i) {
            const int32_t sx = (flip & BlitFlipH) ? srcX + width - 1 - i : srcX + i;
            out[i] = ::ApplyEffect(*effect_, levels[size_t(sy) * srcRow + size_t(sx)], out[i]);
        }
    }
}

// The picture at its own size: an overlay when keyed, else a copy.
void Sprite::DrawPlain(const PieceDraw& d) {
    const quor::ImageHeader& pic = *picture_;
    const uint32_t flip = Flips();
    const uint16_t* xlate = XlateEntries();
    BlitRequestBuilder r = d.Request(picture_);
    r.FromAt((flip & BlitFlipH) ? pic.width - d.b : d.a, (flip & BlitFlipV) ? pic.height - d.u : d.t)
        .Size(d.b - d.a, d.u - d.t)
        .Flip(flip)
        .Extra(xlate);
    OverlayOrCopy(r.Get(), (pic.kind & quor::KindKeyed) != 0, pic.key, xlate);
}
