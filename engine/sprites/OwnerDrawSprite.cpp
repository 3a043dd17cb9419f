#include "OwnerDrawSprite.h"

#include <cstring>

#include "BlitRequestBuilder.h"
#include "Blitter.h"
#include "LibraryContext.h"
#include "PictureBuffer.h"

namespace {

uintptr_t Address(const void* p) { return uintptr_t(p); }
template <class T>
T* At(uintptr_t address) {
    return reinterpret_cast<T*>(uintptr_t(address));
}

typedef uint32_t(__stdcall* TransparentEntry)(const void* block);

// Pictures larger than this are refused rather than made.
const uint64_t kLargestPictureBytes = uint64_t(1) << 28;

}  // namespace

OwnerDrawSprite::OwnerDrawSprite(int32_t handle, const SpriteCreateRecord& record) : Sprite(handle, record) {
    if (!record.extra) Errors().Raise(ErrNullArgument);
    OwnerDrawBlock* callers = At<OwnerDrawBlock>(record.extra);
    std::memcpy(&block_, callers, sizeof block_);
    std::memset(block_.surface, 0, sizeof block_.surface);
    MutableRecord().extra = Address(&block_);
    const int32_t w = block_.width, h = block_.height;
    if (w <= 0 || h <= 0 || w > 0xFFFF || h > 0xFFFF) Errors().Raise(ErrBadType, w);
    if (uint64_t(w) * uint64_t(h) * 2 > kLargestPictureBytes) Errors().Raise(ErrOutOfMemory, w);
    Blitter& blitter = *Context()->blitter;
    if (block_.options & kLevelMask) {
        // Levels are drawn in grey on an 8-bit surface; both it and the picture run top
        // down, so the rows are copied as they stand.
        if (!surface_.CreatePaletteDibSection(w, h) || !surface_.HasPixels()) Errors().Raise(ErrOutOfMemory, w);
        picture_ = NewLevelMaskBuffer(uint16_t(w), uint16_t(h));
        if (!picture_) Errors().Raise(ErrOutOfMemory);
    } else {
        // A surface without pixels is refused before the picture is made, which a raise
        // from the constructor would leave behind.
        if (!surface_.Create(w, h, 15, false, nullptr) || !surface_.HasPixels()) Errors().Raise(ErrOutOfMemory, w);
        picture_ = NewPictureBuffer(uint16_t(w), uint16_t(h), false);
        if (!picture_) Errors().Raise(ErrOutOfMemory);
        quor::ImageHeader* p = static_cast<quor::ImageHeader*>(picture_);
        p->key = blitter.As<TransparentEntry>(Blitter::SelectTransparentColorForOwnerDraw)(&block_) & 0xFFFF;
        if (block_.options & kOpaque) p->kind &= uint16_t(~quor::KindKeyed);
        else p->kind |= quor::KindKeyed;
        const SurfaceRecord& s = surface_.Record();
        BlitRequestBuilder r(s.pixels, s.rowBytes / 2);
        r.Size(w, h).Extra(p->key);
        blitter.As<BlitEntry1>(Blitter::FillBits)(r.Get());
    }
    SetPicture(static_cast<quor::ImageHeader*>(picture_), block_.x, block_.y);
    Update();
    std::memcpy(block_.surface, &surface_.Record(), sizeof block_.surface);
    std::memcpy(callers->surface, &surface_.Record(), sizeof callers->surface);
    MarkConstructed();
}

OwnerDrawSprite::~OwnerDrawSprite() {
    SetPicture(nullptr, 0, 0);
    FreePictureBuffer(picture_);
}

int OwnerDrawSprite::Update() {
    const SurfaceRecord& s = surface_.Record();
    quor::ImageHeader* p = static_cast<quor::ImageHeader*>(picture_);
    GdiFlush();  // what GDI has queued for the surface lands in its pixels first
    if (p->kind == quor::KindLevelMask) {
        const uint32_t row = quor::RowBytes(p->width, 1);
        for (uint32_t y = 0; y < p->height; ++y)
            std::memcpy(reinterpret_cast<uint8_t*>(p + 1) + size_t(y) * row,
                        static_cast<const uint8_t*>(s.pixels) + size_t(y) * s.rowBytes, row);
    } else {
        // The surface runs bottom up and the picture top down: copied mirrored vertically.
        BlitRequestBuilder r(p);
        r.From(s.pixels, s.rowBytes / 2, p->height).Size(p->width, p->height).Flip(BlitFlipV);
        Context()->blitter->As<BlitEntry1>(Blitter::CopyNoXlate)(r.Get());
    }
    Invalidate();
    return 1;
}

void OwnerDrawSprite::Invalidate() { InvalidatePicture(); }
