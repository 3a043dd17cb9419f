#include "SpriteKinds.h"

#include <cstring>
#include <set>

#include "AssetFile.h"
#include "AssetManager.h"
#include "Blitter.h"
#include "LibraryContext.h"
#include "PictureBuffer.h"

namespace {

const uint32_t kSprtType = 0x54525053u;  // "SPRT"

uint32_t Address(const void* p) { return uint32_t(uintptr_t(p)); }
template <class T>
T* At(uint32_t address) {
    return reinterpret_cast<T*>(uintptr_t(address));
}
uint32_t Word(const uint8_t* p, size_t offset) {
    uint32_t v;
    std::memcpy(&v, p + offset, 4);
    return v;
}
void SetWord(uint8_t* p, size_t offset, uint32_t v) { std::memcpy(p + offset, &v, 4); }

// Turns the offsets of SPRT data into addresses, once per data in memory. When the size of
// the data is known every offset is checked against it before anything is changed.
void FixUp(uint8_t* sprt, size_t available) {
    if (Word(sprt, 4)) return;
    const bool checked = available != size_t(-1);
    auto inside = [&](uint64_t offset, uint64_t bytes) { return !checked || offset + bytes <= available; };
    const uint32_t sequences = Word(sprt, 8), sequenceTable = Word(sprt, 12);
    const uint32_t frames = Word(sprt, 16), frameTable = Word(sprt, 20);
    if (checked) {
        bool ok = inside(sequenceTable, uint64_t(sequences) * 4) && inside(frameTable, uint64_t(frames) * 4);
        for (uint32_t i = 0; ok && i < sequences; ++i) {
            const uint32_t seq = Word(sprt, sequenceTable + size_t(i) * 4);
            ok = inside(seq, 4) && inside(seq, 4 + uint64_t(Word(sprt, seq)) * 4);
            for (uint32_t k = 0; ok && k < Word(sprt, seq); ++k)
                ok = inside(Word(sprt, seq + 4 + size_t(k) * 4), sizeof(SprtFrame));
        }
        for (uint32_t i = 0; ok && i < frames; ++i) ok = inside(Word(sprt, frameTable + size_t(i) * 4), sizeof(SprtFrame));
        if (!ok) Errors().Raise(ErrWrongKind);
    }
    const uint32_t base = Address(sprt);
    std::set<uint32_t> done;  // a sequence listed twice is fixed up once
    for (uint32_t i = 0; i < sequences; ++i) {
        const uint32_t seq = Word(sprt, sequenceTable + size_t(i) * 4);
        SetWord(sprt, sequenceTable + size_t(i) * 4, base + seq);
        if (!done.insert(seq).second) continue;
        const uint32_t n = Word(sprt, seq);
        for (uint32_t k = 0; k < n; ++k) {
            const size_t at = seq + 4 + size_t(k) * 4;
            SetWord(sprt, at, base + Word(sprt, at));
        }
    }
    for (uint32_t i = 0; i < frames; ++i) {
        const size_t at = frameTable + size_t(i) * 4;
        SetWord(sprt, at, base + Word(sprt, at));
    }
    SetWord(sprt, 12, base + sequenceTable);
    SetWord(sprt, 20, base + frameTable);
    SetWord(sprt, 4, 1);
}

typedef uint32_t(__stdcall* TransparentEntry)(const void* block);

}  // namespace

// ---- Image sprites ----

ImageSprite::ImageSprite(int32_t handle, const SpriteCreateRecord& record) : Sprite(handle, record) {
    if (record.extra) std::memcpy(&block_, At<const void>(record.extra), sizeof block_);
    MutableRecord().extra = Address(&block_);
    try {
        size_t available = size_t(-1);
        if (block_.asset) {
            AssetManager& assets = *Context()->assets;
            sprt_ = static_cast<uint8_t*>(assets.DereferenceAndLockAsset(block_.asset));
            sprtLocked_ = true;
            AssetInfoRecord info = {};
            assets.GetAssetInfo(block_.asset, &info);
            available = size_t(info.dataSize) + 4;
            block_.data = Address(sprt_);
        } else if (block_.data) {
            sprt_ = At<uint8_t>(block_.data);
        } else {
            Errors().Raise(ErrSpriteWithoutAsset);
        }
        if (available < 24 || Word(sprt_, 0) != kSprtType) Errors().Raise(ErrWrongKind);
        FixUp(const_cast<uint8_t*>(sprt_), available);
        if (block_.sequence >= SequenceCount()) Errors().Raise(ErrBadSequence, int32_t(block_.sequence));
        if (block_.frame >= FramesInSequence(block_.sequence)) Errors().Raise(ErrBadFrame, int32_t(block_.frame));
        filePart_ = block_.asset & 0xFF000000u;
        LoadFrameImage();
        Invalidate();
        MarkConstructed();
    } catch (QUORERRS) {
        FreePicture();
        if (sprtLocked_) Context()->assets->ReleaseQuietly(block_.asset);
        throw;
    } catch (...) {
        FreePicture();
        if (sprtLocked_) Context()->assets->ReleaseQuietly(block_.asset);
        Errors().Raise(ErrUnexpectedException);
    }
}

ImageSprite::~ImageSprite() {
    FreePicture();
    if (sprtLocked_) Context()->assets->ReleaseQuietly(block_.asset);
}

const uint32_t* ImageSprite::Sequence(uint32_t index) const {
    return At<const uint32_t>(At<const uint32_t>(Word(sprt_, 12))[index]);
}

uint32_t ImageSprite::SequenceCount() const { return Word(sprt_, 8); }

uint32_t ImageSprite::FramesInSequence(uint32_t sequence) const { return Sequence(sequence)[0]; }

void ImageSprite::FreePicture() {
    if (decoded_) FreePictureBuffer(decoded_);
    decoded_ = nullptr;
    if (pictureLocked_) Context()->assets->ReleaseQuietly(pictureHandle_);
    pictureLocked_ = false;
    SetPicture(nullptr, 0, 0);
    SetShadow(nullptr);
}

void ImageSprite::LoadFrameImage() {
    FreePicture();
    frame_ = At<const SprtFrame>(Sequence(block_.sequence)[1 + block_.frame]);
    pictureHandle_ = filePart_ | (frame_->picture & 0xFFFFFFu);
    AssetManager& assets = *Context()->assets;
    uint32_t size = 0;
    void* data = assets.LockQuietly(pictureHandle_, &size);
    if (!data) return;
    if (quor::CheckImageRecord(data, size, true) != quor::RecordFault::None) {
        assets.ReleaseQuietly(pictureHandle_);
        return;
    }
    const quor::ImageHeader* h = quor::HeaderOf(data);
    const bool shadow = h->kind != quor::KindLevelMask && (h->kind & quor::KindShadow) != 0;
    if (h->slot != 0) {
        decoded_ = DecodePicture(data, size);
        assets.ReleaseQuietly(pictureHandle_);
        if (!decoded_) return;
        SetPicture(quor::HeaderOf(decoded_), frame_->x, frame_->y);
        if (shadow) SetShadow(quor::ShadowOf(decoded_));
    } else {
        pictureLocked_ = true;
        SetPicture(h, frame_->x, frame_->y);
        if (shadow) SetShadow(quor::ShadowOf(data));
    }
}

int ImageSprite::Animate(uint32_t sequence, uint32_t frame, uint32_t flips) {
    if (sequence >= SequenceCount()) {
        Errors().Set(ErrBadSequence, int32_t(sequence));
        return 0;
    }
    if (frame >= FramesInSequence(sequence)) {
        Errors().Set(ErrBadFrame, int32_t(frame));
        return 0;
    }
    block_.sequence = sequence;
    block_.frame = frame;
    SpriteCreateRecord& r = MutableRecord();
    r.flags = (r.flags & ~3u) | (flips & 3u);
    LoadFrameImage();
    Invalidate();
    return 1;
}

bool ImageSprite::IsHidden() const { return Sprite::IsHidden(); }

bool ImageSprite::UsesAssetFile(uint32_t filePart) const {
    return filePart_ == filePart && filePart != 0xFF000000u;
}

void ImageSprite::Invalidate() { InvalidatePicture(); }

// ---- Text sprites ----

TextSprite::TextSprite(int32_t handle, const SpriteCreateRecord& record) : Sprite(handle, record) {
    if (!record.extra) Errors().Raise(ErrNullArgument);
    std::memcpy(&properties_, At<const void>(record.extra), sizeof properties_);
    MutableRecord().extra = Address(&properties_);
    RenderText();
    Invalidate();
    MarkConstructed();
}

TextSprite::~TextSprite() {
    SetPicture(nullptr, 0, 0);
    FreePictureBuffer(picture_);
}

void TextSprite::RenderText() {
    // A transparent 1 x 1 picture: keyed, key 0, its pixel 0.
    SetPicture(nullptr, 0, 0);
    FreePictureBuffer(picture_);
    picture_ = NewPictureBuffer(1, 1, false);
    if (!picture_) Errors().Raise(ErrOutOfMemory);
    quor::ImageHeader* h = static_cast<quor::ImageHeader*>(picture_);
    h->kind |= quor::KindKeyed;
    h->key = 0;
    SetPicture(h, 0, 0);
}

void TextSprite::Invalidate() { InvalidatePicture(); }

// ---- Owner-draw sprites ----

OwnerDrawSprite::OwnerDrawSprite(int32_t handle, const SpriteCreateRecord& record) : Sprite(handle, record) {
    if (!record.extra) Errors().Raise(ErrNullArgument);
    std::memcpy(&block_, At<const void>(record.extra), sizeof block_);
    std::memset(block_.surface, 0, sizeof block_.surface);
    MutableRecord().extra = Address(&block_);
    if (block_.width <= 0 || block_.height <= 0 || block_.width > 0xFFFF || block_.height > 0xFFFF)
        Errors().Raise(ErrBadType, block_.width);
    const uint16_t w = uint16_t(block_.width), h = uint16_t(block_.height);
    if (block_.options & 2) {
        picture_ = NewLevelMaskBuffer(w, h);
        if (!picture_) Errors().Raise(ErrOutOfMemory);
    } else {
        picture_ = NewPictureBuffer(w, h, false);
        if (!picture_) Errors().Raise(ErrOutOfMemory);
        quor::ImageHeader* p = static_cast<quor::ImageHeader*>(picture_);
        p->key = Context()->blitter->As<TransparentEntry>(Blitter::SelectTransparentColorForOwnerDraw)(&block_) & 0xFFFF;
        if (!(block_.options & 1)) p->kind |= quor::KindKeyed;
        uint16_t* px = reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(picture_) + sizeof(quor::ImageHeader));
        const size_t count = p->pixelBytes / 2;
        for (size_t i = 0; i < count; ++i) px[i] = uint16_t(p->key);
    }
    SetPicture(static_cast<quor::ImageHeader*>(picture_), block_.x, block_.y);
    Invalidate();
    MarkConstructed();
}

OwnerDrawSprite::~OwnerDrawSprite() {
    SetPicture(nullptr, 0, 0);
    FreePictureBuffer(picture_);
}

void OwnerDrawSprite::Invalidate() { InvalidatePicture(); }

// ---- Kinds by type ----

Sprite* NewSpriteOfKind(int32_t handle, const SpriteCreateRecord& record) {
    switch (record.type) {
    case 0: case 2: return new PropSprite(handle, record);
    case 1: case 3: return new ActorSprite(handle, record);
    case 4: case 6: return new FixedTextSprite(handle, record);
    case 5: case 7: return new MovableTextSprite(handle, record);
    case 8: case 10: return new FixedOwnerDrawSprite(handle, record);
    case 9: case 11: return new MovableOwnerDrawSprite(handle, record);
    default: Errors().Raise(ErrBadType, int32_t(record.type));
    }
}
