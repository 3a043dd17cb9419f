#include "PictureBuffer.h"

#include <windows.h>

#include <cstring>

#include "BitmapDecoders.h"
#include "ImageRecord.h"
#include "LibraryContext.h"

namespace {
// A block of `bytes` from the process heap; sizes past what a picture may take are
// refused before anything is allocated.
void* AllocatePicture(uint64_t bytes) {
    void* block = bytes <= quor::kMaxPictureBlockBytes ? HeapAlloc(GetProcessHeap(), 0, size_t(bytes)) : nullptr;
    if (!block) Errors().Set(ErrOutOfMemory);
    return block;
}
}  // namespace

void* NewPictureBuffer(uint16_t width, uint16_t height, bool withShadow) {
    void* block = AllocatePicture(quor::PictureBufferBytes(width, height, withShadow));
    if (block) quor::FormatPictureBuffer(block, width, height, withShadow);
    return block;
}

void* NewLevelMaskBuffer(uint16_t width, uint16_t height) {
    void* block = AllocatePicture(quor::LevelMaskBytes(width, height));
    if (block) quor::FormatLevelMask(block, width, height);
    return block;
}

void FreePictureBuffer(void* buffer) {
    if (buffer) HeapFree(GetProcessHeap(), 0, buffer);
}

void* DecodePicture(const void* asset, size_t available, QUORERRS* why) {
    QUORERRS dummy;
    QUORERRS& reason = why ? *why : dummy;
    if (quor::CheckImageRecord(asset, available, true) != quor::RecordFault::None) {
        reason = ErrReadFailed;
        return nullptr;
    }
    const quor::ImageHeader* h = quor::HeaderOf(asset);
    if (h->slot == 0 || h->kind == quor::KindLevelMask) {
        reason = ErrWrongKind;
        return nullptr;
    }
    const bool shadow = h->kind != quor::KindLevelMask && (h->kind & quor::KindShadow) != 0;
    // The buffer's shadow is as large as the asset's, wherever that one's size differs.
    const uint64_t pictureBytes = quor::PictureBufferBytes(h->width, h->height, false);
    const uint64_t shadowBytes = shadow ? sizeof(quor::ShadowHeader) + uint64_t(quor::ShadowOf(asset)->pixelBytes) : 0;
    if (pictureBytes + shadowBytes > quor::kMaxPictureBlockBytes) {
        reason = ErrOutOfMemory;
        return nullptr;
    }
    uint8_t* buffer = static_cast<uint8_t*>(HeapAlloc(GetProcessHeap(), 0, size_t(pictureBytes + shadowBytes)));
    if (!buffer) {
        reason = ErrOutOfMemory;
        return nullptr;
    }
    quor::FormatPictureBuffer(buffer, h->width, h->height, false);
    if (shadow) std::memcpy(buffer + pictureBytes, quor::ShadowOf(asset), size_t(shadowBytes));
    quor::ImageHeader* out = reinterpret_cast<quor::ImageHeader*>(buffer);
    reason = DecodeBitmapInto(out + 1, out->pixelBytes, asset);
    if (reason != QuorOk) {
        FreePictureBuffer(buffer);
        return nullptr;
    }
    out->key = h->key;
    if (h->kind & quor::KindKeyed) out->kind |= quor::KindKeyed;
    return buffer;
}
