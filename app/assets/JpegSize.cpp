#include "JpegSize.h"

namespace {

bool IsStartOfFrame(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}
bool StandsAlone(uint8_t marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }
uint16_t BigEndian16(const uint8_t* p) { return uint16_t(p[0] << 8 | p[1]); }

}  // namespace

bool GetJpegSize(const uint8_t* data, size_t size, uint16_t& width, uint16_t& height) {
    if (!data || size < 4 || data[0] != 0xFF || data[1] != 0xD8) return false;
    size_t at = 2;
    while (at + 4 <= size) {
        if (data[at] != 0xFF) return false;
        const uint8_t marker = data[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (StandsAlone(marker)) {
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) return false;  // end, or scan data before any frame
        const size_t length = BigEndian16(data + at + 2);
        if (length < 2 || at + 2 + length > size) return false;
        if (IsStartOfFrame(marker)) {
            if (length < 7) return false;
            height = BigEndian16(data + at + 5);
            width = BigEndian16(data + at + 7);
            return width != 0 && height != 0;
        }
        at += 2 + length;
    }
    return false;
}
