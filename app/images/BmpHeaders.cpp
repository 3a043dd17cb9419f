#include "BmpHeaders.h"

uint32_t ColourTableBytes(const BmpInfoHeader& header) {
    if (header.compression == kBmpBitFields) return 3 * 4;
    return 4 * header.coloursUsed;
}

BmpFileHeader MakeBmpFileHeader(const BmpInfoHeader& header) {
    BmpFileHeader f{};
    f.type = kBmpMagic;
    f.bitsOffset = uint32_t(sizeof(BmpFileHeader) + sizeof(BmpInfoHeader) + ColourTableBytes(header));
    f.size = f.bitsOffset + header.imageSize;
    return f;
}

int DepthFromHeader(const BmpInfoHeader& header, uint32_t redMask) {
    if (header.bitCount == 16 && (header.compression == kBmpRgb || redMask == 0x7C00)) return 15;
    return header.bitCount;
}
