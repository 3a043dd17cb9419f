// The headers of a .bmp file and of a packed DIB, as stored (little-endian, no padding),
// without the platform's own declarations so that file code builds everywhere.
#pragma once
#include <cstdint>

#pragma pack(push, 1)
struct BmpFileHeader {
    uint16_t type;  // "BM"
    uint32_t size;
    uint16_t reserved1;
    uint16_t reserved2;
    uint32_t bitsOffset;
};
#pragma pack(pop)
// Every field lies at its natural alignment, so no packing is needed.
struct BmpInfoHeader {
    uint32_t size;  // 40
    int32_t width;
    int32_t height;  // negative: the top row comes first
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t imageSize;
    int32_t xPelsPerMeter;
    int32_t yPelsPerMeter;
    uint32_t coloursUsed;
    uint32_t coloursImportant;
};
static_assert(sizeof(BmpFileHeader) == 14, "BMP file header layout");
static_assert(sizeof(BmpInfoHeader) == 40, "BMP info header layout");

// One colour table entry, in the order a DIB stores it.
struct ColourEntry {
    uint8_t blue;
    uint8_t green;
    uint8_t red;
    uint8_t reserved;
};
static_assert(sizeof(ColourEntry) == 4, "colour entry layout");

const uint16_t kBmpMagic = 0x4D42;  // "BM"
const uint32_t kBmpRgb = 0;
const uint32_t kBmpBitFields = 3;

// The three colour masks of 16-bit pictures.
const uint32_t kMask555[3] = {0x7C00, 0x03E0, 0x001F};
const uint32_t kMask565[3] = {0xF800, 0x07E0, 0x001F};

// Bytes of one stored row: bit count x width rounded up to whole 32-bit words.
inline uint64_t DibRowBytes(uint32_t bitCount, uint32_t width) {
    return (uint64_t(bitCount) * width + 31) / 32 * 4;
}

// Bytes between the info header and the pixels as this program writes them: the three
// masks of a bit-field picture, else colours-used colour entries.
uint32_t ColourTableBytes(const BmpInfoHeader& header);

// The file header of a .bmp file holding `header`, its colour table and its image.
BmpFileHeader MakeBmpFileHeader(const BmpInfoHeader& header);

// The depth a header describes: its bit count, except that 16 bits count as 15 (5-5-5)
// when the picture is BI_RGB or its red mask is 0x7C00.
int DepthFromHeader(const BmpInfoHeader& header, uint32_t redMask);
