#include "PictureBuffer.h"

#include <windows.h>

#include <cstring>

#include "BitmapDecoders.h"
#include "ImageRecord.h"
#include "LibraryContext.h"

void* NewPictureBuffer(uint16_t width, uint16_t height, bool withShadow) {
    void* block = HeapAlloc(GetProcessHeap(), 0, quor::PictureBufferBytes(width, height, withShadow));
    if (!block) {
        Errors().Set(ErrOutOfMemory);
        return nullptr;
    }
    quor::FormatPictureBuffer(block, width, height, withShadow);
    return block;
}

void* NewLevelMaskBuffer(uint16_t width, uint16_t height) {
    void* block = HeapAlloc(GetProcessHeap(), 0, quor::LevelMaskBytes(width, height));
    if (!block) {
        Errors().Set(ErrOutOfMemory);
        return nullptr;
    }
    quor::FormatLevelMask(block, width, height);
    return block;
}

void FreePictureBuffer(void* buffer) {
    if (buffer) HeapFree(GetProcessHeap(), 0, buffer);
}

void* DecodePicture(const void* asset, size_t available) {
    if (quor::CheckImageRecord(asset, available, true) != quor::RecordFault::None) return nullptr;
    const quor::ImageHeader* h = quor::HeaderOf(asset);
    if (h->slot == 0 || h->kind == quor::KindLevelMask) return nullptr;
    const bool shadow = (h->kind & quor::KindShadow) != 0;
    const quor::ShadowHeader* srcShadow = shadow ? quor::ShadowOf(asset) : nullptr;
    // The buffer's shadow is as large as the asset's, wherever that one's size differs.
    uint8_t* buffer = static_cast<uint8_t*>(NewPictureBuffer(h->width, h->height, false));
    if (!buffer) return nullptr;
    if (shadow) {
        const size_t pictureBytes = quor::PictureBufferBytes(h->width, h->height, false);
        const size_t shadowBytes = sizeof(quor::ShadowHeader) + srcShadow->pixelBytes;
        void* grown = HeapReAlloc(GetProcessHeap(), 0, buffer, pictureBytes + shadowBytes);
        if (!grown) {
            FreePictureBuffer(buffer);
            Errors().Set(ErrOutOfMemory);
            return nullptr;
        }
        buffer = static_cast<uint8_t*>(grown);
        std::memcpy(buffer + pictureBytes, srcShadow, shadowBytes);
    }
    if (!DecodeBitmap(asset, buffer)) {
        FreePictureBuffer(buffer);
        return nullptr;
    }
    quor::ImageHeader* out = reinterpret_cast<quor::ImageHeader*>(buffer);
    out->key = h->key;
    if (h->kind & quor::KindKeyed) out->kind |= quor::KindKeyed;
    return buffer;
}
