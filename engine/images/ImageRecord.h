// The BMAP picture record: a 20-byte header (type word, kind, decoder slot, width, height,
// colour key, pixel bytes) followed by the pixels, top row first, rows padded to a multiple
// of 4 bytes; raw 16-bit 5-5-5 pixels (decoder slot 0) or data encoded for an image decoder
// (slots 1-15). A shadow record (16-byte header and one level byte per pixel) may follow the
// pixel data. The same layout serves assets, the engine's picture buffers and the host.
#pragma once
#include <cstddef>
#include <cstdint>

namespace quor {

const uint32_t kBmapType = 0x50414D42u;  // "BMAP"

enum ImageKindBits : uint16_t {
    KindLevelMask = 1,  // the whole kind value: one byte per pixel
    KindKeyed = 8,      // the colour key is in force
    KindShadow = 0x10,  // a shadow record follows the pixel data (assets only)
};

// Kind words of the engine's own picture buffers, by significant colour bits.
const uint16_t kFormatCode8 = 16, kFormatCode15 = 18, kFormatCode16 = 19, kFormatCode24 = 20,
               kFormatCode32 = 21;
uint16_t FormatCodeForBits(uint32_t significantBits);

const int kDecoderSlots = 16;

#pragma pack(push, 1)
struct ImageHeader {
    uint32_t type;
    uint16_t kind;
    uint16_t slot;
    uint16_t width;
    uint16_t height;
    uint32_t key;
    uint32_t pixelBytes;
};
struct ShadowHeader {
    uint16_t zero;
    uint16_t kind;  // 1: level mask
    uint16_t width;
    uint16_t height;
    int16_t x;
    int16_t y;
    uint32_t pixelBytes;
};
#pragma pack(pop)
static_assert(sizeof(ImageHeader) == 20, "image header layout");
static_assert(sizeof(ShadowHeader) == 16, "shadow header layout");

// Row length in bytes, padded to a multiple of 4.
inline uint32_t RowBytes(uint32_t width, uint32_t bytesPerPixel) {
    return (width * bytesPerPixel + 3) & ~3u;
}
// Bytes per pixel of raw pixels of this kind word: level masks 1, the 24- and 32-bit
// screen formats 3 and 4, everything else 2. (The 8-bit format code equals the shadow
// flag; this engine never makes 8-bit picture buffers.)
uint32_t BytesPerPixel(uint16_t kind);
// Whether the raw pixels of this kind word are 16-bit 5-5-5 words, the only pixels that
// backdrops copy.
inline bool HasWordPixels(uint16_t kind) { return BytesPerPixel(kind) == 2; }
// Size of the raw pixels of a picture: height times the padded row length. Sizes made of
// a width, a height and a pixel size are 64-bit: 65535 x 32768 pixels of 2 bytes are
// 2^32 bytes, which 32 bits would call 0.
inline uint64_t RawPixelBytes(const ImageHeader& h) {
    return uint64_t(h.height) * RowBytes(h.width, BytesPerPixel(h.kind));
}
inline uint64_t RawShadowBytes(const ShadowHeader& s) { return uint64_t(s.height) * RowBytes(s.width, 1); }
// The largest picture block the engine allocates, as large as the largest sprite picture:
// 256 MiB, a picture of 16384 x 8192 pixels. A 32-bit process has no room for much more, and
// a 64-bit one that took a 2 GiB picture from a file would spend minutes drawing it: both
// builds refuse the same pictures, and for the same reason.
const uint64_t kMaxPictureBlockBytes = uint64_t(1) << 28;

enum class RecordFault {
    None,
    Truncated,      // the header or the data it announces lies beyond the bytes available
    NotBmap,        // the type word is not "BMAP"
    BadSlot,        // decoder slot 16 or more
    PixelsTooShort, // raw pixel bytes below height x padded row length
    BadShadow,      // the shadow header is not a level mask or its levels are too short
};

// Checks a record of which `available` bytes (from its type word) may be read, before
// anything is copied out of it. With `readShadow`, a shadow announced by the kind is
// checked too.
RecordFault CheckImageRecord(const void* record, size_t available, bool readShadow);

inline const ImageHeader* HeaderOf(const void* record) {
    return static_cast<const ImageHeader*>(record);
}
inline const uint8_t* PixelsOf(const void* record) {
    return static_cast<const uint8_t*>(record) + sizeof(ImageHeader);
}
// The shadow header that follows the pixel data; valid only after CheckImageRecord passed
// with readShadow and the kind has KindShadow.
inline const ShadowHeader* ShadowOf(const void* record) {
    return reinterpret_cast<const ShadowHeader*>(PixelsOf(record) + HeaderOf(record)->pixelBytes);
}

// Byte size of a picture buffer made by the engine for a width x height picture in the
// 15-bit screen format: header and pixels, and with a shadow of the same size its header
// and levels. Callers refuse sizes above kMaxPictureBlockBytes before they allocate.
uint64_t PictureBufferBytes(uint16_t width, uint16_t height, bool withShadow);
// Fills the headers of a block of PictureBufferBytes (zeroed first).
void FormatPictureBuffer(void* block, uint16_t width, uint16_t height, bool withShadow);
// A level-mask buffer: kind 1, one byte per pixel.
uint64_t LevelMaskBytes(uint16_t width, uint16_t height);
void FormatLevelMask(void* block, uint16_t width, uint16_t height);

}  // namespace quor
