#include "PackedDib.h"

#include <cstring>

namespace {

bool TakeMasks(const uint8_t* at, PackedDib& out) {
    uint32_t masks[3];
    std::memcpy(masks, at, sizeof masks);
    const BmpInfoHeader& h = out.header;
    if (h.bitCount == 16) {
        if (std::memcmp(masks, kMask565, sizeof masks) != 0 && std::memcmp(masks, kMask555, sizeof masks) != 0)
            return false;
        // A red mask whose high byte is 0x7C is 5-5-5.
        out.depth = (masks[0] >> 8) == 0x7C ? 15 : 16;
        return true;
    }
    return h.bitCount == 32 && masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF;
}

}  // namespace

bool ParsePackedDib(const uint8_t* data, size_t size, PackedDib& out) {
    out = PackedDib{};
    if (!data || size < sizeof(BmpInfoHeader)) return false;
    std::memcpy(&out.header, data, sizeof out.header);
    const BmpInfoHeader& h = out.header;
    if (h.size != sizeof(BmpInfoHeader) || h.width <= 0 || h.height == 0 || h.height < -65535 || h.height > 65535 ||
        h.width > 65535)
        return false;
    if (h.bitCount != 8 && h.bitCount != 16 && h.bitCount != 24 && h.bitCount != 32) return false;
    size_t at = sizeof(BmpInfoHeader);
    out.depth = h.bitCount == 16 ? 15 : h.bitCount;
    if (h.compression == kBmpBitFields) {
        if (size < at + 12 || !TakeMasks(data + at, out)) return false;
        at += 12;
    } else if (h.compression != kBmpRgb) {
        return false;
    }
    if (h.bitCount == 8) {
        if (size < at + sizeof out.colours) return false;
        std::memcpy(out.colours, data + at, sizeof out.colours);
        at += sizeof out.colours;
    }
    out.width = h.width;
    out.topDown = h.height < 0;
    out.height = out.topDown ? -h.height : h.height;
    out.rowBytes = uint32_t(DibRowBytes(h.bitCount, uint32_t(h.width)));
    if (uint64_t(out.rowBytes) * uint64_t(out.height) > size - at) return false;
    out.bits = data + at;
    return true;
}
