#include "ImageSprite.h"

#include <windows.h>

#include <cmath>
#include <cstring>

#include "AssetManager.h"
#include "Blitter.h"
#include "LibraryContext.h"
#include "PictureBuffer.h"

namespace {

const uint32_t kWaveType = 0x45564157u;  // "WAVE"

uintptr_t Address(const void* p) { return uintptr_t(p); }
template <class T>
T* At(uintptr_t address) {
    return reinterpret_cast<T*>(uintptr_t(address));
}
// The SPRT tables hold 32-bit words: fixed up, a word is the data's address (taken to 32
// bits) plus an offset. Read back through the data's own address, the word names the same
// place in both word sizes.
uint32_t Address32(const void* p) { return uint32_t(uintptr_t(p)); }
template <class T>
T* InSprt(const uint8_t* sprt, uint32_t word) {
    return reinterpret_cast<T*>(const_cast<uint8_t*>(sprt) + uint32_t(word - Address32(sprt)));
}
uint32_t Word(const uint8_t* p, size_t offset) {
    uint32_t v;
    std::memcpy(&v, p + offset, 4);
    return v;
}
int32_t RoundScaled(int32_t v, double ratio) { return int32_t(std::floor(double(v) * ratio + 0.5)); }

}  // namespace

ImageSprite::ImageSprite(int32_t handle, const SpriteCreateRecord& record) : Sprite(handle, record) {
    if (record.extra) std::memcpy(&block_, At<const void>(record.extra), sizeof block_);
    MutableRecord().extra = Address(&block_);
    try {
        if (block_.asset) {
            AssetManager& assets = *Context()->assets;
            sprt_ = static_cast<uint8_t*>(assets.DereferenceAndLockAsset(block_.asset));
            if (!sprt_) throw QUORERRS(Errors().Code());  // the lock's own error stands
            sprtLocked_ = true;
            block_.data = Address(sprt_);
            AssetInfoRecord info = {};
            assets.GetAssetInfo(block_.asset, &info);
            const size_t available = size_t(info.dataSize) + 4;
            AssetFile* file = assets.FileInSlot(int(block_.asset >> 24));
            const uint32_t assetCount = file ? file->Count() : 0;
            if (available < quor::kSprtHeaderBytes || Word(sprt_, 0) != quor::kSprtType)
                Errors().Raise(ErrWrongKind, int32_t(block_.asset));
            // Stored data holds offsets; data fixed up by an earlier sprite holds addresses.
            const uint32_t bias = Word(sprt_, 4) ? Address32(sprt_) : 0;
            if (!assetCount || !quor::CheckSprt(sprt_, available, bias, assetCount))
                Errors().Raise(ErrWrongKind, int32_t(block_.asset));
        } else if (block_.data) {
            // The host's own data in memory: its size is not known, so it is taken as it is.
            sprt_ = At<uint8_t>(block_.data);
            if (Word(sprt_, 0) != quor::kSprtType) Errors().Raise(ErrWrongKind);
        } else {
            Errors().Raise(ErrSpriteWithoutAsset);
        }
        quor::FixUpSprt(sprt_, Address32(sprt_));
        if (block_.sequence >= SequenceCount()) Errors().Raise(ErrBadSequence, int32_t(block_.sequence));
        if (block_.frame >= FramesInSequence(block_.sequence)) Errors().Raise(ErrBadFrame, int32_t(block_.frame));
        filePart_ = block_.asset & 0xFF000000u;
        LoadFrameImage();
        Invalidate();
        running_ = false;
        MarkConstructed();
    } catch (QUORERRS) {
        FreePicture();
        if (sprtLocked_) Context()->assets->ReleaseQuietly(block_.asset);
        sprtLocked_ = false;
        throw;
    } catch (...) {
        FreePicture();
        if (sprtLocked_) Context()->assets->ReleaseQuietly(block_.asset);
        sprtLocked_ = false;
        Errors().Raise(ErrUnexpectedException);
    }
}

ImageSprite::~ImageSprite() {
    FreePicture();
    if (sprtLocked_) Context()->assets->ReleaseQuietly(block_.asset);
}

const uint32_t* ImageSprite::Sequence(uint32_t index) const {
    return InSprt<const uint32_t>(sprt_, InSprt<const uint32_t>(sprt_, Word(sprt_, 12))[index]);
}

uint32_t ImageSprite::SequenceCount() const { return Word(sprt_, 8); }

uint32_t ImageSprite::FramesInSequence(uint32_t sequence) const { return Sequence(sequence)[0]; }

void ImageSprite::FreePicture() {
    FreePictureBuffer(decoded_);
    decoded_ = nullptr;
    FreePictureBuffer(scaledShadow_);
    scaledShadow_ = nullptr;
    if (pictureLocked_ && Context() && Context()->assets) Context()->assets->ReleaseQuietly(pictureHandle_);
    pictureLocked_ = false;
    frameShadow_ = nullptr;
    SetPicture(nullptr, 0, 0);
    SetShadow(nullptr);
}

void ImageSprite::LoadFrameImage() {
    FreePicture();
    frame_ = InSprt<const quor::SprtFrame>(sprt_, Sequence(block_.sequence)[1 + block_.frame]);
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
        // Decoding records no error: this runs on the frame thread too.
        decoded_ = DecodePicture(data, size);
        assets.ReleaseQuietly(pictureHandle_);
        if (!decoded_) return;
        SetPicture(quor::HeaderOf(decoded_), frame_->x, frame_->y);
        if (shadow) frameShadow_ = quor::ShadowOf(decoded_);
    } else {
        pictureLocked_ = true;
        SetPicture(h, frame_->x, frame_->y);
        if (shadow) frameShadow_ = quor::ShadowOf(data);
    }
    FitShadow();
    MarkChanged();
}

void ImageSprite::FitShadow() {
    if (!frameShadow_) return;
    if (!Scaled()) {
        FreePictureBuffer(scaledShadow_);
        scaledShadow_ = nullptr;
        SetShadow(frameShadow_);
        return;
    }
    const double ratio = Ratio();
    if (scaledShadow_ && scaledShadowRatio_ == ratio) return;
    FreePictureBuffer(scaledShadow_);
    scaledShadow_ = nullptr;
    SetShadow(nullptr);
    const quor::ShadowHeader& s = *frameShadow_;
    const int32_t w = RoundScaled(s.width, ratio), h = RoundScaled(s.height, ratio);
    if (w <= 0 || h <= 0 || w > 0xFFFF || h > 0xFFFF || ratio <= 0) return;
    const uint32_t bytes = uint32_t(h) * quor::RowBytes(uint32_t(w), 1);
    if (uint64_t(h) * quor::RowBytes(uint32_t(w), 1) > (uint64_t(1) << 28)) return;
    uint8_t* copy = static_cast<uint8_t*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(quor::ShadowHeader) + bytes));
    if (!copy) return;
    quor::ShadowHeader out = {};
    out.kind = quor::KindLevelMask;
    out.width = uint16_t(w);
    out.height = uint16_t(h);
    out.x = int16_t(RoundScaled(s.x, ratio));
    out.y = int16_t(RoundScaled(s.y, ratio));
    out.pixelBytes = bytes;
    std::memcpy(copy, &out, sizeof out);
    // The source step: 1 / ratio source pixels per copied pixel, in 32.32 fixed point.
    const double step = 1.0 / ratio;
    ScaleRequest r = {};
    r.srcPixels = Address(reinterpret_cast<const uint8_t*>(frameShadow_) + sizeof(quor::ShadowHeader));
    r.srcWidth = s.width;
    r.srcHeight = s.height;
    r.dstPixels = Address(copy + sizeof(quor::ShadowHeader));
    r.dstWidth = w;
    r.dstHeight = h;
    r.stepInteger = int32_t(std::floor(step));
    r.stepFraction = uint32_t((step - std::floor(step)) * 4294967296.0);
    Context()->blitter->As<int(__stdcall*)(ScaleRequest*)>(Blitter::ScaleAlphaChannel)(&r);
    scaledShadow_ = copy;
    scaledShadowRatio_ = ratio;
    SetShadow(reinterpret_cast<const quor::ShadowHeader*>(copy), true);
}

int ImageSprite::Animate(uint32_t sequence, uint32_t frame, uint32_t flips) {
    if (sequence >= SequenceCount()) Errors().Raise(ErrBadSequence, int32_t(sequence));
    if (frame >= FramesInSequence(sequence)) Errors().Raise(ErrBadFrame, int32_t(frame));
    block_.sequence = sequence;
    block_.frame = frame;
    SpriteCreateRecord& r = MutableRecord();
    if ((r.flags & kFlipBits) != (flips & kFlipBits)) r.flags = (r.flags & ~kFlipBits) | (flips & kFlipBits);
    LoadFrameImage();
    Invalidate();
    return 1;
}

int ImageSprite::AutoSequence(uint32_t sequence, uint32_t start, uint32_t flips) {
    if (sequence >= SequenceCount()) Errors().Raise(ErrBadSequence, int32_t(sequence));
    const uint32_t frames = FramesInSequence(sequence);
    if (start >= frames) Errors().Raise(ErrBadFrame, int32_t(start));
    block_.sequence = sequence;
    SpriteCreateRecord& r = MutableRecord();
    if ((r.flags & kFlipBits) != (flips & kFlipBits)) {
        r.flags = (r.flags & ~kFlipBits) | (flips & kFlipBits);
        Invalidate();  // the shown picture turns over at once, with its bounds
    }
    counter_ = start - 1;
    lastFrame_ = frames - 1;
    countdown_ = 1;
    running_ = true;
    return 1;
}

void ImageSprite::Tick(int32_t frames) {
    for (int32_t i = 0; i < frames && running_; ++i) {
        if (--countdown_ != 0) continue;
        const uint32_t next = counter_ + 1;
        if (next >= FramesInSequence(block_.sequence)) {
            // The host showed a shorter sequence meanwhile: this one cannot go on.
            running_ = false;
            Notify(SpriteSequenceEnded);
            break;
        }
        counter_ = next;
        block_.frame = next;
        LoadFrameImage();
        const quor::SprtFrame& f = *frame_;
        if ((f.moveX || f.moveY || f.moveDepthLow || f.moveDepthHigh) && CanMove()) {
            const uint32_t flips = Flips();
            const int16_t deltas[4] = {int16_t((flips & 1) ? -f.moveX : f.moveX),
                                       int16_t((flips & 2) ? -f.moveY : f.moveY), f.moveDepthLow,
                                       f.moveDepthHigh};
            Move(deltas);
        } else {
            // A fixed sprite does not follow its frames' movements, but shows the new
            // picture where it stands.
            Invalidate();
        }
        if (f.sound) PlayFrameSound(f.sound);
        if (next == lastFrame_) {
            running_ = false;
            Notify(SpriteSequenceEnded);
        } else {
            countdown_ = int64_t(f.hold);
        }
    }
}

void ImageSprite::PlayFrameSound(uint32_t sound) const {
    SoundCallback routine = Context()->soundCallback;
    if (!routine) return;
    AssetManager& assets = *Context()->assets;
    uint32_t size = 0;
    uint8_t* data = static_cast<uint8_t*>(assets.LockQuietly(sound, &size));
    if (!data) return;
    if (size >= 4 && Word(data, 0) == kWaveType) routine(9, data + 4, 0);
    assets.ReleaseQuietly(sound);
}

bool ImageSprite::IsHidden() const { return Sprite::IsHidden(); }

bool ImageSprite::UsesAssetFile(uint32_t filePart) const {
    return filePart_ == filePart && filePart != 0xFF000000u;
}

void ImageSprite::EndFrame() { Sprite::EndFrame(); }

void ImageSprite::Invalidate() {
    FitShadow();
    InvalidatePicture();
}
