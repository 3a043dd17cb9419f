#include "ImageRecord.h"

#include <cstring>

namespace quor {

uint16_t FormatCodeForBits(uint32_t bits) {
    switch (bits) {
    case 8: return kFormatCode8;
    case 15: return kFormatCode15;
    case 16: return kFormatCode16;
    case 24: return kFormatCode24;
    case 32: return kFormatCode32;
    default: return kFormatCode15;
    }
}

uint32_t BytesPerPixel(uint16_t kind) {
    switch (kind) {
    case KindLevelMask: return 1;
    case kFormatCode24: return 3;
    case kFormatCode32: return 4;
    default: return 2;
    }
}

RecordFault CheckImageRecord(const void* record, size_t available, bool readShadow) {
    if (!record || available < sizeof(ImageHeader)) return RecordFault::Truncated;
    ImageHeader h;
    std::memcpy(&h, record, sizeof h);
    if (h.type != kBmapType) return RecordFault::NotBmap;
    if (h.slot >= kDecoderSlots) return RecordFault::BadSlot;
    const size_t room = available - sizeof(ImageHeader);
    if (h.pixelBytes > room) return RecordFault::Truncated;
    if (h.slot == 0 && h.pixelBytes < RawPixelBytes(h)) return RecordFault::PixelsTooShort;
    if (readShadow && h.kind != KindLevelMask && (h.kind & KindShadow)) {
        const size_t after = room - h.pixelBytes;
        if (after < sizeof(ShadowHeader)) return RecordFault::Truncated;
        ShadowHeader s;
        std::memcpy(&s, PixelsOf(record) + h.pixelBytes, sizeof s);
        if (s.kind != KindLevelMask || s.pixelBytes < RawShadowBytes(s)) return RecordFault::BadShadow;
        if (s.pixelBytes > after - sizeof(ShadowHeader)) return RecordFault::Truncated;
    }
    return RecordFault::None;
}

uint64_t PictureBufferBytes(uint16_t width, uint16_t height, bool withShadow) {
    uint64_t bytes = sizeof(ImageHeader) + uint64_t(height) * RowBytes(width, 2);
    if (withShadow) bytes += sizeof(ShadowHeader) + uint64_t(height) * RowBytes(width, 1);
    return bytes;
}

void FormatPictureBuffer(void* block, uint16_t width, uint16_t height, bool withShadow) {
    std::memset(block, 0, size_t(PictureBufferBytes(width, height, withShadow)));
    ImageHeader h = {};
    h.type = kBmapType;
    h.kind = kFormatCode15;
    h.width = width;
    h.height = height;
    h.pixelBytes = uint32_t(height) * RowBytes(width, 2);
    std::memcpy(block, &h, sizeof h);
    if (withShadow) {
        ShadowHeader s = {};
        s.kind = KindLevelMask;
        s.width = width;
        s.height = height;
        s.pixelBytes = uint32_t(height) * RowBytes(width, 1);
        std::memcpy(static_cast<uint8_t*>(block) + sizeof h + h.pixelBytes, &s, sizeof s);
    }
}

uint64_t LevelMaskBytes(uint16_t width, uint16_t height) {
    return sizeof(ImageHeader) + uint64_t(height) * RowBytes(width, 1);
}

void FormatLevelMask(void* block, uint16_t width, uint16_t height) {
    std::memset(block, 0, size_t(LevelMaskBytes(width, height)));
    ImageHeader h = {};
    h.type = kBmapType;
    h.kind = KindLevelMask;
    h.width = width;
    h.height = height;
    h.pixelBytes = uint32_t(height) * RowBytes(width, 1);
    std::memcpy(block, &h, sizeof h);
}

}  // namespace quor
